#!/usr/bin/env bash
# pelorinctl autoswitch: add fills the first empty link of a shown profile and refuses a fourth
# or a hidden profile with exit 2, list prints the links as add takes them (so each line can be
# given back), remove clears a program wherever it is linked, and the slot files carry the links
# as written. The completion offers the three verbs.
set -u
ctl="$1"
completion="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data="$work/data"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
as() { "$ctl" --data-dir "$data" autoswitch "$@" >"$work/out" 2>"$work/err"; }
expect_exit() {  # code args...
  local want=$1; shift
  as "$@"; local got=$?
  [ "$got" -eq "$want" ] || fail "autoswitch $*: exit $got, expected $want ($(cat "$work/err"))"
}
# The lines of profile N's slot file (UTF-16 with a byte-order mark) that name its links.
links_of() { iconv -f UTF-16 -t UTF-8 "$data/config/default$(($1 - 1)).psf" | grep '^GameFile'; }

expect_exit 0 list
[ -s "$work/out" ] && fail "a new data folder lists links: $(cat "$work/out")"
expect_exit 0 add xlogo 2
expect_exit 0 add "/opt/My Games/Ærø's racer" 2
expect_exit 0 add xeyes 1
expect_exit 0 add xterm 2
expect_exit 2 add fourth 2
expect_exit 2 add xlogo 4   # profiles 4 and 5 are hidden in a new data folder
expect_exit 2 add xlogo 9
expect_exit 2 add "" 1
printf 'GameFile0=xlogo\nGameFile1=/opt/My Games/Ærø'"'"'s racer\nGameFile2=xterm\n' >"$work/want"
diff <(links_of 2) "$work/want" >/dev/null || fail "profile 2's file: $(links_of 2 | tr '\n' '|')"

expect_exit 0 list
printf '%s\n' "xeyes 1" "xlogo 2" "'/opt/My Games/Ærø'\\''s racer' 2" "xterm 2" >"$work/want"
diff "$work/out" "$work/want" >/dev/null || fail "list: $(tr '\n' '|' <"$work/out")"

# Every listed line, given back to add after a remove, restores the same list.
cp "$work/out" "$work/listed"
while read -r line; do
  eval "set -- $line"
  expect_exit 0 remove "$1"
  expect_exit 0 add "$1" "$2"
done <"$work/listed"
expect_exit 0 list
diff "$work/out" "$work/listed" >/dev/null || fail "list after re-adding: $(tr '\n' '|' <"$work/out")"

expect_exit 0 remove xlogo
expect_exit 1 remove xlogo
printf 'GameFile0=\n' >"$work/want"
diff <(links_of 2 | head -1) "$work/want" >/dev/null || fail "remove left: $(links_of 2 | head -1)"
expect_exit 0 add xlogo 2
[ "$(links_of 2 | head -1)" = "GameFile0=xlogo" ] || fail "add did not take the emptied link"

offered=$(bash -c 'source "$1"; COMP_WORDS=(pelorinctl autoswitch ""); COMP_CWORD=2
  _init_completion() { cur=""; prev=autoswitch; words=("${COMP_WORDS[@]}"); cword=2; }
  _pelorinctl; echo "${COMPREPLY[*]}"' _ "$completion")
[ "$offered" = "list add remove" ] || fail "completion offers: $offered"

[ "$failures" -eq 0 ] && echo "all autoswitch checks passed"
exit "$failures"
