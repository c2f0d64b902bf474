#!/usr/bin/env bash
# Installs the build into a throwaway root and packages it: the files land where the desktop
# looks for them, the validators accept the desktop files, the package holds the same tree with
# runtime dependencies only and reloads the udev rules, lintian finds no error (its warnings are
# printed), and pelorinctl runs from the unpacked package with its shipped language files.
set -u
build="$1"
expected="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every file but the skins by name; the skins are the rendered set, file for file.
listing() {  # root
  (cd "$1" && find . -type f | sed 's|^\./||' | grep -v '^usr/share/pelorin/skins/' | sort)
}
skins() {  # root
  (cd "$1/usr/share/pelorin/skins" && find . -type f | sort)
}

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
diff <(sort "$expected") <(listing "$work/root") >"$work/diff" || { fail "install tree"; cat "$work/diff"; }
diff <(cd "$build/bin/skins" && find . -type f ! -name .rendered | sort) <(skins "$work/root") \
  >/dev/null || fail "installed skins differ from the rendered ones"
[ -x "$work/root/usr/bin/pelorinctl" ] || fail "pelorinctl is not executable"

desktop-file-validate "$work/root/usr/share/applications/org.pelorin.Pelorin.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.pelorin.Pelorin.metainfo.xml" \
  >"$work/appstream" || { fail "appstreamcli validate"; cat "$work/appstream"; }

(cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack" 2>&1) || { fail "cpack"; cat "$work/cpack"; }
deb=$(ls "$work"/deb/pelorin_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  fail "no package was built"
else
  dpkg-deb -x "$deb" "$work/unpacked"
  diff <(listing "$work/root") <(listing "$work/unpacked") >"$work/diff" ||
    { fail "package contents differ from the install tree"; cat "$work/diff"; }
  depends=$(dpkg-deb -f "$deb" Depends)
  [[ $depends == *libgtk-3-0* && $depends == *libudev1* ]] || fail "runtime libraries: $depends"
  [[ $depends != *-dev* ]] || fail "depends on a development package: $depends"
  [[ $(dpkg-deb -f "$deb" Recommends) == *bash-completion* ]] ||
    fail "the completion's bash-completion package is not recommended"
  dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst | grep -q 'udevadm control --reload-rules' ||
    fail "postinst does not reload the udev rules"
  if lintian --fail-on error "$deb" >"$work/lintian" 2>&1; then
    grep -E '^[WE]:' "$work/lintian" | sed 's/^/lintian: /'
  else
    fail "lintian reports errors"; cat "$work/lintian"
  fi
  data="$work/data"
  "$work/unpacked/usr/bin/pelorinctl" --simulate --data-dir "$data" status >"$work/status" 2>&1 ||
    fail "pelorinctl --simulate status from the package"
  grep -q '^identification: T7K4$' "$work/status" || { fail "status output"; cat "$work/status"; }
  "$work/unpacked/usr/bin/pelorinctl" --data-dir "$data" profile list >/dev/null 2>&1 ||
    fail "pelorinctl profile list from the package"
  cmp -s "$data/config/Lan_EN.txt" "$work/unpacked/usr/share/pelorin/lang/Lan_EN.txt" ||
    fail "the data folder was not seeded from share/pelorin/lang"
fi

[ "$failures" -eq 0 ] && echo "packaging: all checks passed"
exit $((failures > 0))
