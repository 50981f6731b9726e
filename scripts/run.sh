#!/usr/bin/env bash
# Sets up and builds (setup.sh), then starts Zentavo. Until the main window exists this runs the headless
# runner on the Sun-Earth-Moon example: a picture of the view after a simulated year and a readout table.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cli="$root/build/bin/zentavo-cli"
example="$root/examples/SunEarthMoon.simx"
picture="$root/build/SunEarthMoon.png"
"$cli" render "$example" --ticks 350 --angle 30 --png "$picture"
echo "The view after about a year: $picture"
echo "The first ticks of the readout (CSV):"
"$cli" run "$example" --ticks 5
