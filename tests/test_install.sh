#!/usr/bin/env bash
# The program starts in a real X server and opens its window; its
# menu entry and metadata pass their validators, the
# Debian package puts every file where the menu entry looks for it, carries
# its copyright file, changelog and manual pages, and lintian finds no error
# and no warning in it.
# Usage: test_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
passed=0
failed=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); fi
}

if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  opens_window() {  # the built program's first window appears, and the program is still running
    QT_QPA_PLATFORM=xcb xvfb-run -a bash -c '"$1" & pid=$!
      timeout 30 xdotool search --sync --onlyvisible --name "Strahlenverlauf" >/dev/null
      found=$?; kill -0 $pid 2>/dev/null && kill $pid; alive=$?; wait $pid 2>/dev/null
      [ "$found" -eq 0 ] && [ "$alive" -eq 0 ]' _ "$build/tavrix"
  }
  check "the program opens its window" opens_window
else
  echo "skipped: xvfb-run or xdotool is not installed"
fi

desktop=$src/data/org.tavrix.Tavrix.desktop
metainfo=$src/data/org.tavrix.Tavrix.metainfo.xml
if command -v desktop-file-validate >/dev/null; then
  check "desktop-file-validate" desktop-file-validate "$desktop"
else
  echo "skipped: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
  check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
else
  echo "skipped: appstreamcli is not installed"
fi
check "no placeholder addresses" bash -c "! grep -qiE 'example\\.(org|com|net)' '$metainfo'"

if command -v cpack >/dev/null && command -v dpkg-deb >/dev/null; then
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  (cd "$build" && cpack -G DEB -B "$tmp/out" >/dev/null)
  deb=$(ls "$tmp"/out/tavrix_*.deb)
  dpkg-deb -x "$deb" "$tmp/root"
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  check "program $exec_name on the PATH" test -x "$tmp/root/usr/bin/$exec_name"
  check "icon $icon" test -f "$tmp/root/usr/share/icons/hicolor/scalable/apps/$icon.svg"
  check "menu entry" test -f "$tmp/root/usr/share/applications/$(basename "$desktop")"
  check "metadata" test -f "$tmp/root/usr/share/metainfo/$(basename "$metainfo")"
  for dep in libqt6widgets6 libqt6svg6 qt6-translations-l10n; do
    check "depends on $dep" bash -c "dpkg-deb -f '$deb' Depends | grep -qw $dep"
  done
  doc=$tmp/root/usr/share/doc/tavrix
  check "copyright file" test -f "$doc/copyright"
  version=$(dpkg-deb -f "$deb" Version)
  check "changelog names version $version" \
    bash -c "[ \"\$(zcat '$doc/changelog.gz' | dpkg-parsechangelog -l- -SVersion)\" = '$version' ]"
  for page in man1/tavrix.1.gz de/man1/tavrix.1.gz; do
    check "manual page $page for version $version" \
      bash -c "zcat '$tmp/root/usr/share/man/$page' | grep -q '^\.TH TAVRIX 1 .*\"Tavrix $version\"'"
  done
  if command -v lintian >/dev/null; then
    lintian_clean() {  # no error and no warning; lintian's report on failure
      local report status=0
      report=$(lintian --no-cfg --fail-on error,warning "$deb" 2>&1) || status=$?
      if [ "$status" -ne 0 ] || grep -qE '^[EW]: ' <<<"$report"; then
        echo "lintian (exit status $status):"
        echo "$report"
        return 1
      fi
    }
    check "lintian: no error, no warning" lintian_clean
  else
    echo "skipped: lintian is not installed"
  fi
else
  echo "skipped: cpack or dpkg-deb is not installed"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
