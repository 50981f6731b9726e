#!/usr/bin/env bash
# Sets up and builds (setup.sh), then starts Zentavo. Without arguments it opens the Sun-Earth-Moon
# example; press OK, then Start.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
if [ $# -eq 0 ]; then
  set -- "$root/examples/SunEarthMoon.simx"
fi
exec "$root/build/bin/zentavo" "$@"
