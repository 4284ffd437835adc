#!/usr/bin/env bash
# check-install.sh BUILD_DIR VERSION: installs the build into a scratch prefix and checks that
# exactly the expected files land there, that the desktop entry and the metainfo validate, that
# each man page renders, that every program answers --help and --version without a display,
# and that uninstalling removes exactly what was installed.
set -uo pipefail
build=$1
version=$2

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps installs it)" >&2; exit 1; }
done

prefix=$(mktemp -d)
manifest=$build/install_manifest.txt
saved=""
# A real install's manifest is put back afterwards, so that its uninstall still works.
if [ -f "$manifest" ]; then
  saved=$(mktemp)
  cp "$manifest" "$saved"
fi
cleanup() {
  rm -rf "$prefix"
  if [ -n "$saved" ]; then mv "$saved" "$manifest"; else rm -f "$manifest"; fi
}
trap cleanup EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log" >&2
  rm -f "$prefix.log"
  echo "FAIL: cmake --install" >&2
  exit 1
fi
rm -f "$prefix.log"

# The installed files, and nothing else.
expected="bin/voltaro
bin/voltaro-cli
bin/voltaro-meter
share/applications/org.voltaro.voltaro.desktop
share/bash-completion/completions/voltaro-cli
share/bash-completion/completions/voltaro-meter
share/icons/hicolor/256x256/apps/voltaro.png
share/icons/hicolor/48x48/apps/voltaro.png
share/icons/hicolor/scalable/apps/voltaro.svg
share/man/man1/voltaro-cli.1
share/man/man1/voltaro-meter.1
share/man/man1/voltaro.1
share/metainfo/org.voltaro.voltaro.metainfo.xml
share/voltaro/help/DMM-Help.htm"
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed" != "$(LC_ALL=C sort <<<"$expected")" ]; then
  fail "installed files differ from the expected list:"
  diff <(LC_ALL=C sort <<<"$expected") <(echo "$installed") >&2
fi
listed=$(sed "s|^$prefix/||" "$manifest" | LC_ALL=C sort)
[ "$listed" = "$installed" ] || fail "install_manifest.txt does not list exactly the installed files"

desktop-file-validate "$prefix/share/applications/org.voltaro.voltaro.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.voltaro.voltaro.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate: $(appstreamcli validate --no-net "$prefix/share/metainfo/org.voltaro.voltaro.metainfo.xml" 2>&1)"

# The PNG icons are the sizes their folders say.
for size in 48 256; do
  header=$(od -An -tu4 --endian=big -j16 -N8 "$prefix/share/icons/hicolor/${size}x${size}/apps/voltaro.png" | tr -s ' ')
  [ "$header" = " $size $size" ] || fail "the ${size}x${size} icon is not $size pixels square"
done

for page in "$prefix"/share/man/man1/*.1; do
  name=$(basename "$page" .1)
  # man's seccomp sandbox fails inside some containers; the page is ours and trusted.
  text=$(MAN_DISABLE_SECCOMP=1 MANWIDTH=80 man -l --warnings "$page" 2>"$prefix/man.err")
  if [ -s "$prefix/man.err" ] || ! grep -q "^NAME" <<<"$text" || ! grep -q "$name" <<<"$text"; then
    fail "man page $name: $(cat "$prefix/man.err")"
  fi
  grep -q "Voltaro $version" <<<"$text" || fail "man page $name does not name version $version"
done
rm -f "$prefix/man.err"

for file in "$prefix"/share/bash-completion/completions/*; do
  bash -n "$file" || fail "bash completion $(basename "$file") does not parse"
done

# No display: the programs must not need one to answer.
for program in voltaro voltaro-cli voltaro-meter; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version 2>&1)
  status=$?
  [ "$status" = 0 ] && [ "$out" = "$program $version" ] || fail "$program --version: status $status, '$out'"
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --help 2>&1)
  status=$?
  [ "$status" = 0 ] && grep -qi "usage: $program" <<<"$out" || fail "$program --help: status $status, '$out'"
done

# The help page is beside the programs in the build tree too, the same file as installed.
cmp -s "$build/bin/DMM-Help.htm" "$prefix/share/voltaro/help/DMM-Help.htm" ||
  fail "build/bin/DMM-Help.htm differs from the installed help page"

if ! cmake --build "$build" --target uninstall >"$prefix.log" 2>&1; then
  cat "$prefix.log" >&2
  fail "the uninstall target"
fi
rm -f "$prefix.log"
left=$(cd "$prefix" && find . -type f -o -type l)
[ -z "$left" ] || fail "uninstall left files: $left"

[ "$failures" = 0 ] && echo "install layout: all checks passed"
exit $((failures > 0))
