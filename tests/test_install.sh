#!/usr/bin/env bash
# The installed program: menu entry and metadata pass their validators, and
# the Debian package puts every file where the menu entry looks for it.
# Usage: test_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
passed=0
failed=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); fi
}

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
else
  echo "skipped: cpack or dpkg-deb is not installed"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
