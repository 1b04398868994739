#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# The Debian package as a distribution would ship it: built with cpack from
# this build into a temporary folder, unpacked (never installed), its files,
# control fields, desktop entry, metadata and manual pages checked, and the
# packaged markwell-cli run on an example class.
#   package.sh SOURCE_DIR BUILD_DIR VERSION CPACK
# Exits 77 (skipped, saying why) when cpack, dpkg-deb or dpkg-shlibdeps is
# missing.
set -euo pipefail

[ $# -eq 4 ] || { echo "usage: $0 SOURCE_DIR BUILD_DIR VERSION CPACK" >&2; exit 2; }
source_dir=$1 build_dir=$2 version=$3 cpack=$4

for tool in "$cpack" dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed (the Debian package needs cpack, dpkg-deb and dpkg-shlibdeps:"
    echo "cmake and dpkg-dev; scripts/install-deps.sh installs them)"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# Building the package. ----------------------------------------------------
if ! (cd "$build_dir" && "$cpack" -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAILED: cpack could not build the package"
  exit 1
fi
arch=$(dpkg --print-architecture)
deb=$work/out/markwell_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
  echo "FAILED: no markwell_${version}_${arch}.deb; cpack wrote:"
  ls "$work/out"
  exit 1
fi
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
root=$work/root
dpkg-deb -x "$deb" "$root"

# What it installs. --------------------------------------------------------
desktop=usr/share/applications/example.larkhaven.markwell.desktop
metainfo=usr/share/metainfo/example.larkhaven.markwell.metainfo.xml
for file in usr/bin/markwell usr/bin/markwell-cli; do
  [ -x "$root/$file" ] || fail "/$file is missing or not executable"
done
for file in "$desktop" "$metainfo" usr/share/icons/hicolor/scalable/apps/markwell.svg \
  usr/share/mime/packages/markwell.xml usr/share/man/man1/markwell.1.gz usr/share/man/man1/markwell-cli.1.gz \
  usr/share/doc/markwell/copyright; do
  [ -f "$root/$file" ] || fail "/$file is missing"
done
grep -q '^License: GPL-3.0-or-later$' "$root/usr/share/doc/markwell/copyright" ||
  fail "the copyright file does not name GPL-3.0-or-later"
unexpected=$(cd "$root" && find . -type f ! -path './usr/bin/*' ! -path './usr/share/*')
[ -z "$unexpected" ] || fail "files outside /usr/bin and /usr/share: $unexpected"
if command -v readelf >/dev/null 2>&1; then
  for program in markwell markwell-cli; do
    if readelf -S "$root/usr/bin/$program" | grep -q '\.debug_info'; then
      fail "/usr/bin/$program keeps its debugging information (not stripped)"
    fi
  done
fi

# The control fields. ------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = markwell ] || fail "Package is \"$(field Package)\", not markwell"
[ "$(field Version)" = "$version" ] || fail "Version is \"$(field Version)\", not $version"
[ "$(field Section)" = education ] || fail "Section is \"$(field Section)\", not education"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=", $(field Depends),"
# libqt6core6 and libqt6widgets6 come from dpkg-shlibdeps, the rest are
# loaded while running and so declared by hand.
for package in libqt6core6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins xdg-utils; do
  [[ $depends =~ [,\ ]${package}[\ ,] ]] || fail "Depends lacks $package: $(field Depends)"
done
[[ ", $(field Recommends)," =~ [,\ ]qt6-translations-l10n[\ ,] ]] ||
  fail "Recommends lacks qt6-translations-l10n: $(field Recommends)"

# The packaged program runs, and reads a class as the built one does. -------
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
cli=$root/usr/bin/markwell-cli
example=$source_dir/examples/period1.grs
[ "$("$cli" --version)" = "markwell-cli $version" ] || fail "markwell-cli --version says \"$("$cli" --version)\""
if ! "$cli" show "$example" >"$work/show.txt" 2>"$work/show.err"; then
  fail "the packaged markwell-cli cannot show $example: $(cat "$work/show.err")"
elif ! head -1 "$work/show.txt" | grep -q '^Names'; then
  fail "the packaged markwell-cli show printed no grades table"
elif ! "$build_dir/app/markwell-cli" show "$example" | cmp -s - "$work/show.txt"; then
  fail "the packaged markwell-cli shows $example otherwise than the built one"
fi

# Desktop entry, MIME type and metadata agree with each other. --------------
grep -qx 'Exec=markwell %f' "$root/$desktop" || fail "the desktop entry does not start markwell with a file"
icon=$(sed -n 's/^Icon=//p' "$root/$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the desktop entry's icon \"$icon\" is not installed"
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$root/usr/share/mime/packages/markwell.xml")
grep -qx "MimeType=$mime_type;" "$root/$desktop" || fail "the desktop entry does not open $mime_type"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$root/$metainfo" ||
  fail "the metadata does not launch $(basename "$desktop")"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$root/$metainfo" || fail "the metadata has no dated release $version"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$root/$desktop" || fail "desktop-file-validate refuses the desktop entry"
else
  echo "note: desktop-file-validate (desktop-file-utils) is not installed; the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$root/$metainfo" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli refuses the metadata: $(cat "$work/appstream.log")"
else
  echo "note: appstreamcli (appstream) is not installed; the metadata is not validated"
fi

# The manual pages: the sources, compressed, and rendered without a warning.
for page in markwell markwell-cli; do
  installed=$root/usr/share/man/man1/$page.1.gz
  gzip -dc "$installed" | cmp -s - "$source_dir/app/man/$page.1" || fail "$page.1.gz is not app/man/$page.1 (is the build up to date?)"
  if command -v man >/dev/null 2>&1; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$installed" 2>&1 >/dev/null || echo "man failed")
    [ -z "$warnings" ] || fail "man warns about $page(1): $warnings"
  else
    echo "note: man is not installed; the manual pages are not rendered"
  fi
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) of $(basename "$deb") failed"
  exit 1
fi
echo "$(basename "$deb"): every check passed"
