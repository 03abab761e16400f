#!/usr/bin/env bash
# Start-up benchmark: process start to first window mapped, and peak resident
# memory, of kestrel-cps against a bare Qt main window, on a virtual X server.
# Installs what it needs (Debian 12, as root), builds, then runs both programs
# interleaved: one warm-up and 7 measured runs each, and prints the medians and
# the two ratios. Exits non-zero when a ratio misses its target.
#
#   bash bench/startup_bench.sh [CHINESE|ENGLISH]     (language of the editor, default CHINESE)
set -euo pipefail
cd "$(dirname "$0")/.."

language="${1:-CHINESE}"
runs=7
max_time_ratio=2.5
max_rss_ratio=2.0

bash setup.sh install xvfb libx11-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j4 --target kestrel-cps kestrel-bare-window >/dev/null
cc -O2 -Wall -Wextra -o build/startup-timer bench/startup_timer.c -lX11

# The editor runs in a copy of its runtime folder, in the chosen language.
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cp -r build/runtime "$work/editor"
rm -f "$work/editor/TempFile.Dat"
printf '[SYSTEM_SETTING]\nLANGUAGE=%s\n' "$language" >"$work/editor/Config/SYS_CONFIG.ini"
mkdir -p "$work/bare"

display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done
unset QT_QPA_PLATFORM

editor="$work/editor/kestrel-cps" # the copy: the editor reads its files next to itself
bare="$(pwd)/build/kestrel-bare-window"
editor_ms=(); editor_kib=(); bare_ms=(); bare_kib=()
for run in $(seq 0 "$runs"); do
    read -r e_ms e_kib < <(build/startup-timer "$work/editor" "$editor")
    read -r b_ms b_kib < <(build/startup-timer "$work/bare" "$bare")
    if ((run > 0)); then # run 0 warms the caches
        editor_ms+=("$e_ms"); editor_kib+=("$e_kib"); bare_ms+=("$b_ms"); bare_kib+=("$b_kib")
    fi
done

median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }
em=$(median "${editor_ms[@]}"); ek=$(median "${editor_kib[@]}")
bm=$(median "${bare_ms[@]}"); bk=$(median "${bare_kib[@]}")

awk -v em="$em" -v ek="$ek" -v bm="$bm" -v bk="$bk" -v lang="$language" -v runs="$runs" \
    -v mt="$max_time_ratio" -v mr="$max_rss_ratio" -v all_e="${editor_ms[*]}" -v all_b="${bare_ms[*]}" 'BEGIN {
    tr = em / bm; rr = ek / bk
    printf "Start-up on Xvfb, editor in %s, 1 warm-up + %d interleaved runs, medians\n\n", lang, runs
    printf "| program                         | window mapped ms | peak RSS MiB |\n"
    printf "|---------------------------------|------------------|--------------|\n"
    printf "| kestrel-cps                     | %16.1f | %12.1f |\n", em, ek / 1024
    printf "| bare Qt 6 QMainWindow program   | %16.1f | %12.1f |\n", bm, bk / 1024
    printf "| ratio (target)                  | %9.2f (%4.1f) | %5.2f (%4.1f) |\n\n", tr, mt, rr, mr
    printf "window mapped, every run (ms): kestrel-cps %s; bare %s\n", all_e, all_b
    exit (tr <= mt && rr <= mr) ? 0 : 1
}'
