#!/usr/bin/env bash
# Runs pelorinctl against the simulated mouse and checks what it prints and how it exits.
set -u
ctl="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_exit() {  # expected-code description command...
  local want=$1 what=$2; shift 2
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$want" ] || fail "$what: exit $got, expected $want ($(cat "$work/err"))"
}
expect_line() {  # regex description
  grep -Eq "$1" "$work/out" || { fail "$2: no line matching '$1' in:"; cat "$work/out"; }
}
count_lines() { grep -Ec "$1" "$work/out"; }

expect_exit 2 "no command" "$ctl"
expect_exit 2 "unknown command" "$ctl" --simulate frobnicate
expect_exit 2 "unknown option" "$ctl" --bogus status
expect_exit 2 "extra argument" "$ctl" --simulate status now
expect_exit 2 "watch without a duration" "$ctl" --simulate watch --for
expect_exit 2 "bad simulated event" "$ctl" --simulate watch --sim-events "explode@10"
expect_exit 2 "simulated events need --simulate" "$ctl" watch --sim-events "dpi@10"

expect_exit 0 "devices" "$ctl" --simulate devices
[ "$(count_lines '^(cable|receiver) +(event|command|other) ')" -eq 6 ] || fail "devices lists six interfaces"
expect_line '^cable +command +input=0 +feature=33 ' "cable command interface"
expect_line '^receiver +event +input=33 ' "receiver event interface"

expect_exit 0 "status" "$ctl" --simulate status
expect_line '^identification: T7K4$' "identification"
expect_line '^sensor model: +0x3325 \(code 0x25\)$' "sensor model"
expect_line '^battery: +80%$' "battery"

data="$work/data"
expect_exit 0 "apply" "$ctl" --simulate --trace --data-dir "$data" apply
[ "$(count_lines '^> cable ')" -eq 13 ] || fail "apply sends thirteen reports on the cable"
expect_line '^> cable 0C 01 04 00 [0-9A-F]{2} 01 04 00 10 01 00( 00){22}$' "first button report"
expect_line '^> cable 0C 01 0C 00 [0-9A-F]{2} 01 01 01( 00){25}$' "motion wake-up is last"
expect_line '^profile 1 sent to the cable: 13 reports$' "apply summary"
[ -f "$data/config/config.ini" ] || fail "apply saves the configuration"
[ -f "$data/config/default0.psf" ] || fail "apply saves the profiles"

# A macro button in the current profile's slot file: the upload announces the macro's entries.
python3 - "$data/config" <<'PY'
import sys
folder = sys.argv[1]
actions = "41000000" "03000032" "41800000"
actions += "0" * (336 * 8 - len(actions))
def read(name):
    return open(f"{folder}/{name}", encoding="utf-16").read().split("\n")
def write(name, lines):
    with open(f"{folder}/{name}", "w", encoding="utf-16-le", newline="") as f:
        f.write("\ufeff" + "\n".join(lines))
write("MacroLibraryFile.mlf", [
    "[MacroLibrary]", "MacroKeyIndex=2",
    "Select Locaton:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;",
    "++++++++MacroItemName=A", "MacroItemLocation:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;",
    "MacroItemIsFolder=0", "MacroItemFolderIsOpen=0", "MacroKeyIndex=1", "MacroKeyLoopType=2",
    "MacroKeyLoopNum=1", "MacroActionNum=3", "MacroCommandActionNum=2", "AllAction=" + actions, ""])
lines = read("default0.psf")
first = {"\tKey0Value=": "902101", "\tMacroKeyIndex=": "1", "\tMacroKey0Name=": "A",
         "\t\tMacroActionNum=": "3", "\t\tAllAction=": actions}
for i, line in enumerate(lines):
    for key, value in list(first.items()):
        if line.startswith(key):
            lines[i] = key + value
            del first[key]
write("default0.psf", lines)
PY
expect_exit 0 "apply with a macro button" "$ctl" --simulate --trace --data-dir "$data" apply
expect_line '^> cable 0C 01 0E 00 [0-9A-F]{2} 01 07 01 30 32 04 B0 00 04( 00){19}$' "macro chunk with its entries"

expect_exit 0 "reset-device" "$ctl" --simulate --trace --data-dir "$data" reset-device
expect_line '^> cable 0C 01 0F 00 [0-9A-F]{2} 01 01 FF( 00){25}$' "factory reset report"

expect_exit 0 "watch" timeout 30 "$ctl" --simulate --data-dir "$data" watch --for 3000 \
  --sim-events "dpi@200,polling@400,battery=40@600,charge=2@600,status@700,unplug-cable@900,plug-cable@1500,sensor=0x04@1800,status@1900"
expect_line '^cable connected$' "cable connection"
expect_line '^status: battery 80%, discharging, sensor 0x3325, link 1$' "first status"
expect_line '^event: level 2, DPI [0-9]+, polling 1000Hz$' "DPI button event"
expect_line '^event: level 2, DPI [0-9]+, polling 125Hz$' "polling button event"
expect_line '^status: battery 100%, full, sensor 0x3325, link 1$' "full battery shows 100%"
expect_line '^cable disconnected$' "unplug"
[ "$(count_lines '^cable connected$')" -eq 2 ] || fail "re-plug connects the cable again"
expect_line '^status: battery 100%, full, sensor 0x3104, link 1$' "sensor change"
grep -q '0x3104' "$data/config/config.ini" 2>/dev/null ||
  iconv -f UTF-16 -t UTF-8 "$data/config/config.ini" | grep -q 'Sensor=0x3104' ||
  fail "sensor change is saved in the configuration"

expect_exit 0 "watch ends when the last device goes" timeout 30 "$ctl" --simulate --data-dir "$data" \
  watch --for 5000 --sim-events "unplug-receiver@100,unplug-cable@200"
expect_line '^the last device of the mouse was removed$' "quit on last removal"

total=$(grep -c '^expect_' "$0")
echo "$((total - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
