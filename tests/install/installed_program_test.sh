#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that every part lands in its standard
# place, and runs the installed program (dawnquill --generate) twice:
#
#   - from a program folder its user cannot write: wx.txt must appear in
#     $XDG_DATA_HOME/dawnquill, the preset file of the program folder must be copied there
#     (not moved), and a later change of the program folder's preset file must not reach the
#     copy (copied once, never overwritten);
#   - from a program folder its user can write: wx.txt beside the program (the portable layout).
#
# The folder is made unwritable with chmod. Root ignores file modes, so as root (as in CI) the
# first run is made as the unprivileged user nobody (setpriv), and the test first proves that
# nobody really cannot create a file there. As root without setpriv the test is skipped.
#
# No network is needed: the weather is off, and the custom news source is a closed loopback
# port, so the news extraction fails (exit status 4) while the briefing is still written.
#
# Usage: installed_program_test.sh CMAKE BUILD_DIR DESKTOP_ENTRY PLUGIN_DIR PLUGIN_DIR_FROM_BIN
set -euo pipefail

cmake_command=$1
build_dir=$2
desktop_entry=$3
plugin_dir=$4           # under the prefix
plugin_dir_from_bin=$5  # where the program looks for it, from its own folder

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Under /tmp, which every user can reach (a private $TMPDIR would shut out the user nobody).
work=$(mktemp -d /tmp/dawnquill-install.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
"$cmake_command" --install "$build_dir" --prefix "$prefix" >/dev/null
chmod -R a+rX "$prefix"

# Every part in its standard place.
installed=(
    bin/dawnquill
    share/applications/dawnquill.desktop
    share/icons/hicolor/scalable/apps/dawnquill.svg
    lib/systemd/user/dawnquill-briefing.timer
    lib/systemd/user/dawnquill-briefing.service
    share/dawnquill/dawnquill.crontab
    "$plugin_dir/libdq_life_page_view.so"
)
for size in 16 32 48 64 128 256; do installed+=("share/icons/hicolor/${size}x${size}/apps/dawnquill.png"); done
for file in "${installed[@]}"; do
    [[ -f $prefix/$file ]] || fail "not installed: $file"
done
[[ -x $prefix/bin/dawnquill ]] || fail "the installed program is not executable"
if command -v identify >/dev/null; then  # ImageMagick, in scripts/install-deps.sh
    for size in 16 32 48 64 128 256; do
        drawn=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/dawnquill.png")
        [[ $drawn == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $drawn"
    done
fi
[[ $prefix/bin/$plugin_dir_from_bin/libdq_life_page_view.so -ef $prefix/$plugin_dir/libdq_life_page_view.so ]] ||
    fail "the program looks for its plug-in in $plugin_dir_from_bin, not where it is installed"
cmp -s "$desktop_entry" "$prefix/share/applications/dawnquill.desktop" ||
    fail "the installed .desktop entry differs from $desktop_entry"
grep -qxF "ExecStart=$prefix/bin/dawnquill --generate --post" \
    "$prefix/lib/systemd/user/dawnquill-briefing.service" ||
    fail "the installed service does not name the installed program"

program_dir=$prefix/bin
presets=配置文件.ini

# A preset file in GBK with CR LF lines, naming city $1.
write_presets() {
    printf '%s\r\n' '[配置文件]' "城镇=$1" '天气开关=假' '头部=早报' '新闻选项卡=3' \
        '信息源名称=本地' '信息源网址=http://127.0.0.1:1/' '信息源正则=<li>(.*?)</li>' \
        '网址链接是否开启=假' '网址短链是否开启=假' | iconv -f UTF-8 -t GBK >"$program_dir/$presets"
}

# Runs the installed program's unattended briefing as the user of "${run_as[@]}"; sets status
# and keeps standard error in $work/err.
run_generate() {
    status=0
    env HOME="$work/home" XDG_DATA_HOME="$data_home" "${run_as[@]}" \
        "$program_dir/dawnquill" --generate >"$work/out" 2>"$work/err" || status=$?
}

data_home=$work/data
mkdir -p "$data_home" "$work/home"
run_as=()
if [[ $(id -u) -eq 0 ]]; then
    if ! command -v setpriv >/dev/null; then
        echo "SKIP: running as root and setpriv is missing: no user for whom chmod counts"
        exit 77
    fi
    run_as=(setpriv "--reuid=$(id -u nobody)" "--regid=$(id -g nobody)" --clear-groups --)
    chown "$(id -u nobody):$(id -g nobody)" "$data_home" "$work/home"
fi

# 1. The installed layout: a program folder its user cannot write.
write_presets 石家庄
cp "$program_dir/$presets" "$work/original.ini"
chmod a-w "$program_dir"
if "${run_as[@]}" touch "$program_dir/probe" 2>/dev/null; then
    fail "the program folder is writable for the run's user: the test would prove nothing"
fi
run_generate
[[ $status -eq 4 ]] || fail "exit status $status, expected 4 (no news); $(cat "$work/err")"
files=$data_home/dawnquill
grep -qxF "written $files/wx.txt" "$work/err" || fail "no 'written' line: $(cat "$work/err")"
[[ -s $files/wx.txt ]] || fail "no wx.txt in $files"
[[ ! -e $program_dir/wx.txt ]] || fail "wx.txt was written into the program folder"
cmp -s "$work/original.ini" "$files/$presets" || fail "the preset file was not copied to $files"
cmp -s "$work/original.ini" "$program_dir/$presets" || fail "the program folder's preset file changed"

# A later preset file of the program folder is not copied over the user's own.
chmod u+w "$program_dir"
write_presets 北京
chmod a-w "$program_dir"
run_generate
[[ $status -eq 4 ]] || fail "second run: exit status $status; $(cat "$work/err")"
cmp -s "$work/original.ini" "$files/$presets" || fail "the copied preset file was overwritten"
grep -qxF "weather… 石家庄" "$work/err" || fail "second run did not read the copied presets: $(cat "$work/err")"

# 2. The portable layout: the program folder is writable, the files stay beside the program.
chmod u+w "$program_dir"
run_as=()
data_home=$work/unused
run_generate
[[ $status -eq 4 ]] || fail "portable run: exit status $status; $(cat "$work/err")"
[[ -s $program_dir/wx.txt ]] || fail "portable run: no wx.txt beside the program"
grep -qxF "weather… 北京" "$work/err" || fail "portable run did not read the program folder's presets"
[[ ! -e $data_home ]] || fail "portable run created $data_home"
echo "PASS"
