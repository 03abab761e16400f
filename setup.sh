#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), builds, then starts the
# editor ("run") or runs every test ("test"). "install [package...]" only
# installs, with the packages named after it.
set -euo pipefail
cd "$(dirname "$0")"

mode="${1:-}"
if [[ "$mode" != "run" && "$mode" != "test" && "$mode" != "install" ]]; then
    echo "usage: bash setup.sh run|test|install [package...]" >&2
    exit 2
fi

packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
          fonts-wqy-microhei xastir-data)
[[ "$mode" == "install" ]] && packages+=("${@:2}")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
[[ "$mode" == "install" ]] && exit 0

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

if [[ "$mode" == "run" ]]; then
    cd build/runtime
    exec ./kestrel-cps
fi
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
