#!/usr/bin/env bash
# run_display_suite.sh PROGRAM.exe PATH_FILE OUT: a test program that needs a display, run in the
# prefix's virtual desktop on a private Xvfb display. Exit 77 when Xvfb is missing.
set -u
program=$1
prefix_file=$2
out=$3
source "$(dirname "$0")/../support/display_session.sh"
source "$(dirname "$0")/wine_display.sh"
need Xvfb
rm -rf "$out" && mkdir -p "$out"
start_display 1280x1024
wine_display "$prefix_file"
"$(dirname "$0")/wine_run.sh" "$prefix_file" "$program"
