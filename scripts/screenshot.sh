#!/usr/bin/env bash
# Starts Dawnquill on a virtual display and saves a PNG of the screen.
# Usage: scripts/screenshot.sh [output.png] [build directory]
# The program runs from a copy in a temporary directory, so that its preset file there (a city
# and the weather switched on, so no start-up message covers the window) and anything it
# writes stay out of the build tree.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/build/screenshot.png}")"
build="${2:-$root/build}"
exe="$build/src/workbench/dawnquill"
[[ -x $exe ]] || { echo "no program at $exe; build it first" >&2; exit 1; }

run="$(mktemp -d)"
trap 'rm -rf "$run"' EXIT
cp "$exe" "$run/"
printf '[配置文件]\r\n城镇=北京\r\n头部=北京早报\r\n新闻条数选=8\r\n天气开关=真\r\n' |
    iconv -f UTF-8 -t GBK > "$run/配置文件.ini"

xvfb-run -a -s "-screen 0 1060x700x24" bash -c '
    "$1" & program=$!
    sleep "${DQ_SCREENSHOT_DELAY:-3}"
    import -window root "$2"
    kill "$program"
' _ "$run/dawnquill" "$out"
echo "saved $out"
