#!/usr/bin/env bash
# Sets up and builds (setup.sh), then runs the whole test suite. GUI tests use Qt's offscreen platform.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc 2>/dev/null || echo 2)"
