#!/usr/bin/env bash
# pelorinctl set against the simulated mouse: each kind of setting sends exactly the report it
# changes (bytes written out from the report format), a refused value writes and sends nothing,
# and every line profile show prints is taken back by set as "unchanged". The bash completion
# offers the function names set takes.
set -u
ctl="$1"
completion="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data="$work/data"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
z() { printf ' 00%.0s' $(seq "$1"); }  # n zero bytes
run() { "$ctl" --simulate --trace --data-dir "$data" "$@" >"$work/out" 2>"$work/err"; }

# set ARGS... then the one report it must send (regex, the sequence byte left open).
expect_report() {  # report-regex args...
  local want=$1; shift
  run "$@" || { fail "set $*: exit $? ($(cat "$work/err"))"; return; }
  local sent; sent=$(grep -c '^> ' "$work/out")
  [ "$sent" -eq 1 ] || { fail "set $*: $sent reports sent"; cat "$work/out"; return; }
  grep -Eq "^> cable $want\$" "$work/out" || { fail "set $*: wrong report"; cat "$work/out"; }
}

# A macro "A" in the library (loop type 2, one loop) for the macro button.
mkdir -p "$data/config"
python3 - "$data/config" <<'PY'
import sys
actions = "41000000" "03000032" "41800000"
actions += "0" * (336 * 8 - len(actions))
lines = ["[MacroLibrary]", "MacroKeyIndex=2",
         "Select Locaton:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;",
         "++++++++MacroItemName=A",
         "MacroItemLocation:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;",
         "MacroItemIsFolder=0", "MacroItemFolderIsOpen=0", "MacroKeyIndex=1", "MacroKeyLoopType=2",
         "MacroKeyLoopNum=1", "MacroActionNum=3", "MacroCommandActionNum=2", "AllAction=" + actions, ""]
with open(f"{sys.argv[1]}/MacroLibraryFile.mlf", "w", encoding="utf-16-le", newline="") as f:
    f.write("\ufeff" + "\n".join(lines))
PY

S='[0-9A-F]{2}'
expect_report "0C 01 07 00 $S 01 01 02$(z 25)" set polling 500
# Level 2 to step 14; the count nibble 5, the current level 2 in the high one.
expect_report "0C 01 05 00 $S 01 12 25 1F 06 00 0E 00 0E 00 1E 00 30 00$(z 14)" set dpi 2 1600
# Level 1 off: the current level (2) is now the first enabled one.
expect_report "0C 01 05 00 $S 01 12 14 1E 06 00 0E 00 0E 00 1E 00 30 00$(z 14)" set dpi 1 off
# Level 6 on at 400 DPI (step 2): its step follows level 5's in bytes 12 and 13.
expect_report "0C 01 05 00 $S 01 12 15 3E 06 00 0E 00 0E 00 1E 00 30 00 02 00$(z 12)" set dpi 6 400 on
expect_report "0C 01 06 00 $S 01 18 FF 00 00 00 FF 00 12 34 56 FF FF 00 FF 00 FF 00 FF FF FF FF FF FF FF FF$(z 2)" \
  set dpi 3 colour '#123456'
# Breathing: brightness step 1 and speed 3 in one byte, then its seven colours.
expect_report "0C 01 08 00 $S 01 18 02 23 07 10 20 30 00 FF 00 00 00 FF 00 FF FF FF FF 00 FF 00 FF FF FF FF$(z 2)" \
  set lighting breathing --speed 3 --colour 1 '#102030'
expect_report "0C 01 0A 00 $S 01 01 08$(z 25)" set debounce 8
expect_report "0C 01 09 00 $S 01 02 01 00$(z 24)" set liftoff low
expect_report "0C 01 0B 00 $S 01 02 0A 00$(z 24)" set power 10
expect_report "0C 01 0C 00 $S 01 01 00$(z 25)" set motion-wakeup off
# Button 4 is the mouse's position 4 ... the fourth and fifth buttons exchange places.
expect_report "0C 01 04 00 $S 01 04 04 70 05 06$(z 22)" set button 4 key CTRL+ALT+C
expect_report "0C 01 04 00 $S 01 04 02 80 E9 00$(z 22)" set button 3 volume-up
expect_report "0C 01 04 00 $S 01 04 03 30 14 05$(z 22)" set button 5 fire-key 20 5

run set button 2 macro A || fail "set button 2 macro A: exit $?"
grep -Eq "^> cable 0C 01 04 00 $S 01 04 01 90 21 01$(z 22)\$" "$work/out" || fail "macro button report"
grep -Eq "^> cable 0C 01 0E 00 " "$work/out" || fail "the macro is uploaded with its button"

# Another profile is saved only; the mouse keeps the current one.
run --profile 3 set power 4 || fail "--profile 3 set power 4: exit $?"
[ "$(grep -c '^> ' "$work/out")" -eq 0 ] || fail "a profile that is not current was sent"
"$ctl" --data-dir "$data" profile show 3 | grep -qx '  power 4' || fail "profile 3 keeps power 4"
"$ctl" --data-dir "$data" profile show 1 | grep -qx '  power 10' || fail "profile 1 keeps power 10"

# Profile 2 with only its first level on.
for level in 2 3 4 5; do run --profile 2 set dpi $level off || fail "profile 2 level $level off"; done

# Refused: exit 2, a message naming what is accepted, nothing written or sent.
snapshot() { (cd "$data" && find . -type f -exec md5sum {} + | sort); }
before=$(snapshot)
refuse() {  # message-regex args...
  local want=$1; shift
  "$ctl" --simulate --trace --data-dir "$data" "$@" >"$work/out" 2>"$work/err"
  local code=$?
  [ "$code" -eq 2 ] || fail "$*: exit $code, expected 2"
  grep -Eq "$want" "$work/err" || fail "$*: message '$(cat "$work/err")' lacks '$want'"
  grep -q '^> ' "$work/out" && fail "$*: sent a report"
  [ "$(snapshot)" = "$before" ] || { fail "$*: changed the data folder"; before=$(snapshot); }
}
refuse '125, 250, 500 or 1000' set polling 300
refuse 'accepted: 200 to 5000 in steps of 100, 5500' set dpi 2 1650
refuse 'LEVEL 1\.\.8' set dpi 9 on
refuse 'only one on' --profile 2 set dpi 1 off
refuse 'effects with one: wave, breathing' set lighting steady --speed 2
refuse 'breathing, steady' set lighting sparkle
refuse 'colour slot 1\.\.1' set lighting steady --colour 2 '#FFFFFF'
refuse 'even number' set debounce 7
refuse '3\.\.10' set power 11
refuse 'low or high' set liftoff medium
refuse 'on or off' set motion-wakeup maybe
refuse 'no macro named' set button 2 macro Nope
refuse 'unknown key' set button 2 key CTRL+NOSUCHKEY
refuse 'one of left-click, right-click, middle-click' set button 2 warp
refuse 'interval 5\.\.255' set button 2 fire-key 4 1
refuse 'Left Click' set button 1 disable
refuse '1\.\.5' --profile 6 set power 4
refuse '#RRGGBB' set dpi 3 colour 123456

# What show prints, set takes back unchanged.
"$ctl" --data-dir "$data" profile show 1 | sed -n '/^Settings, as pelorinctl set takes them:$/,$p' |
  tail -n +2 >"$work/lines"
[ "$(wc -l <"$work/lines")" -eq 19 ] || { fail "profile show prints the settings"; cat "$work/lines"; }
grep -qx '  dpi 2 1600 on colour #00FF00 current' "$work/lines" || fail "dpi line"
grep -qx '  button 4 key Ctrl+Alt+C' "$work/lines" || fail "button key line"
grep -qx '  button 2 macro A' "$work/lines" || fail "button macro line"
grep -qx '  button 1 left-click' "$work/lines" || fail "button catalogue line"
while read -r line; do
  # shellcheck disable=SC2086
  "$ctl" --simulate --data-dir "$data" set $line >"$work/out" 2>&1
  grep -qx 'profile 1: unchanged' "$work/out" || fail "set $line: $(cat "$work/out")"
done <"$work/lines"

# The completion's function names are the ones the refusal lists.
"$ctl" --simulate --data-dir "$data" set button 2 warp 2>&1 | sed -n 's/.*FUNCTION one of \([^;]*\);.*/\1/p' |
  tr -d ',' | tr ' ' '\n' | sort >"$work/taken"
bash -c 'source "$1"; echo $_pelorinctl_functions' _ "$completion" | tr ' ' '\n' | sort >"$work/offered"
[ -s "$work/taken" ] && diff "$work/taken" "$work/offered" >/dev/null ||
  fail "completion names differ: $(diff "$work/taken" "$work/offered" | tr '\n' ' ')"

# Likewise the polling rates and lift-off heights: the refusals name the core's value tables.
offered() { bash -c 'source "$1"; echo "${!2}"' _ "$completion" "$1"; }
refusal() { "$ctl" --data-dir "$data" set "$@" 2>&1 | sed -n 's/.*: //p' | tr -d ',' | sed 's/ or / /'; }
[ "$(refusal polling 300)" = "$(offered _pelorinctl_rates)" ] ||
  fail "completion rates '$(offered _pelorinctl_rates)' differ from '$(refusal polling 300)'"
[ "$(refusal liftoff mid | sed 's/^lift-off //')" = "$(offered _pelorinctl_heights)" ] ||
  fail "completion heights '$(offered _pelorinctl_heights)' differ"

[ "$failures" -eq 0 ] && echo "pelorinctl set: all checks passed"
exit $((failures > 0))
