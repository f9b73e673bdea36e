#!/usr/bin/env bash
# The Debian package, as a user gets it: built by CPack from this build folder,
# its dependencies from dpkg-shlibdeps, unpacked with dpkg-deb -x into a
# temporary folder, and its programs run from there; its desktop entry,
# metainfo and autostart entry validated, and lintian where it is installed.
#   test_package.sh BUILD_DIR
set -euo pipefail
build_dir=$1
skip() { echo "SKIP: $1"; exit 77; }
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps --package)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build_dir" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/halvoran_*.deb)

fail() { echo "FAIL: $1"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libgsf-1-114; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/halvoran usr/bin/halvoran-cli usr/share/applications/org.halvoran.Halvoran.desktop \
  usr/share/icons/hicolor/scalable/apps/org.halvoran.Halvoran.svg usr/share/metainfo/org.halvoran.Halvoran.metainfo.xml \
  usr/share/man/man1/halvoran-cli.1.gz usr/share/doc/halvoran/copyright; do
  [[ -e "$root/$file" ]] || fail "the package has no $file"
done

cli=$root/usr/bin/halvoran-cli
[[ "$("$cli" --version)" == "halvoran-cli 8.1.8" ]] || fail "halvoran-cli --version: $("$cli" --version)"
export HALVORAN_HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HALVORAN_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
"$cli" handsets "$work/site.csv" --range 01:000:003:2000 --type Analog 2>/dev/null
"$cli" compile "$work/site.csv" "$work/compiled" --pdf "$work/site.pdf" >"$work/compile.out" 2>/dev/null
grep -q '^next block: ' "$work/compile.out" || fail "compile printed: $(cat "$work/compile.out")"
for output in handset-data pickup-groups personal-speed-dials master-output; do
  [[ -e "$work/compiled/$output.csv" ]] || fail "compile wrote no $output.csv"
done
grep -q '"2003"' "$work/compiled/master-output.csv" || fail "master-output.csv lacks the last handset"
[[ "$(head -c 5 "$work/site.pdf")" == "%PDF-" ]] || fail "--pdf wrote no PDF"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/org.halvoran.Halvoran.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.halvoran.Halvoran.metainfo.xml" >/dev/null
fi

# The login start is off until the user turns it on.
entry=$XDG_CONFIG_HOME/autostart/org.halvoran.Halvoran.desktop
[[ ! -e "$entry" ]] || fail "autostart is on by default"
"$root/usr/bin/halvoran" --autostart on >/dev/null
grep -qx "Exec=\"$root/usr/bin/halvoran\"" "$entry" || fail "autostart entry: $(cat "$entry")"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry"; fi
"$root/usr/bin/halvoran" --autostart off >/dev/null
[[ ! -e "$entry" ]] || fail "--autostart off left $entry"

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges' || true
  lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian found errors or warnings"
else
  echo "lintian is not installed; the package was not linted"
fi
echo "PASS: $(basename "$deb")"
