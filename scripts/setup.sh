#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing) and builds Zentavo in Release into build/.
# Sourced by run.sh and test.sh, so both start from the same set-up.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=$(grep -v -E '^\s*(#|$)' "$root/scripts/packages.txt")

missing=()
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --parallel "$jobs"
