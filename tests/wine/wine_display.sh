# Sourced by the Wine tests that use a display, after display_session.sh. Wine keeps one desktop
# process per prefix, tied to the display it started on, and the suites before ran without one:
# the prefix's Wine processes are ended before the test starts its own, and again when it ends.
# wine_display PATH_FILE
wine_display() {
  export WINEPREFIX
  WINEPREFIX=$(cat "$1")
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  trap 'cleanup; wineserver -k 2>/dev/null; wineserver -w 2>/dev/null' EXIT
}
