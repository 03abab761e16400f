#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), builds, then starts the
# editor ("run") or runs every test ("test"): first in build/, then again in
# build-sanitize/ under AddressSanitizer and UndefinedBehaviorSanitizer.
# "install [package...]" only installs, with the packages named after it.
set -euo pipefail
cd "$(dirname "$0")"

mode="${1:-}"
if [[ "$mode" != "run" && "$mode" != "test" && "$mode" != "install" ]]; then
    echo "usage: bash setup.sh run|test|install [package...]" >&2
    exit 2
fi

packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
          fonts-wqy-microhei fonts-liberation2 qt6-translations-l10n xastir-data python3)
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

# build <folder> <cmake options...>
build() {
    local folder="$1"
    shift
    cmake -S . -B "$folder" "$@"
    cmake --build "$folder" -j"$(nproc)"
}
# run_tests <folder>
run_tests() {
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
}

build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [[ "$mode" == "run" ]]; then
    cd build/runtime
    exec ./kestrel-cps
fi
run_tests build

# The whole suite again in a checking build of its own: Debug (asserts on)
# with AddressSanitizer and UndefinedBehaviorSanitizer.
build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKESTREL_SANITIZE=ON
run_tests build-sanitize
