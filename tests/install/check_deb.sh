#!/usr/bin/env bash
# Builds the Debian package from the built program (CPack, as `make deb` does, into a folder of its
# own) and checks it as Debian's tools see it: the name, every file it holds, nothing a user's run
# writes into, the dependencies dpkg-shlibdeps found and those added for what Velinor loads at run
# time, and lintian without errors.
set -euo pipefail

build=$(cd "$1" && pwd)
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "deb: $*" >&2; exit 1; }

(cd "$build" && cpack --config CPackConfig.cmake -B "$out" > "$out/cpack.log" 2>&1) \
  || { cat "$out/cpack.log"; fail "cpack failed"; }
deb="$out/velinor_${version}_amd64.deb"
[[ -f "$deb" ]] || { ls "$out"; fail "no velinor_${version}_amd64.deb"; }

field() { dpkg-deb --field "$deb" "$1"; }
[[ "$(field Package)" == velinor && "$(field Version)" == "$version" && "$(field Architecture)" == amd64 ]] \
  || fail "control names $(field Package) $(field Version) $(field Architecture)"

# The file list: the program folder with its data files and the mark of an installation, the command,
# the desktop's files, the manual page and the documents.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^/\?$' | sort > "$out/files"
expected=(
  /usr/bin/velinor
  /usr/lib/velinor/velinor
  /usr/lib/velinor/libvelinor_preview.so
  /usr/lib/velinor/installed
  /usr/lib/velinor/help/napoveda.html
  /usr/lib/velinor/help/napoveda_tagy.html
  /usr/lib/velinor/wgal/default.css
  /usr/share/applications/cz.velinor.Velinor.desktop
  /usr/share/metainfo/cz.velinor.Velinor.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/velinor.svg
  /usr/share/man/cs/man1/velinor.1.gz
  /usr/share/doc/velinor/copyright
  /usr/share/doc/velinor/changelog.gz
)
for file in "${expected[@]}"; do
  grep -qx "$file" "$out/files" || fail "the package lacks $file"
done
# Everything else is a folder on the way, an example page or a folder of them.
extra=$(grep -v -x -F -f <(printf '%s\n' "${expected[@]}") "$out/files" \
  | grep -v -E '^/usr(/(bin|lib|share|share/(applications|metainfo|man|man/cs|man/cs/man1|doc|doc/velinor|icons|icons/hicolor|icons/hicolor/scalable|icons/hicolor/scalable/apps)))?$' \
  | grep -v -E '^/usr/lib/velinor(/(help|wgal|examples(/.*)?))?$' || true)
[[ -z "$extra" ]] || fail "unexpected files in the package:"$'\n'"$extra"
grep -q '^/usr/lib/velinor/examples/.' "$out/files" || fail "the package lacks the examples"
# A user's own files never come with the package.
! grep -E '/(setup|projekty|recovery)(/|$)' "$out/files" || fail "the package holds a user's folder"
dpkg-deb --contents "$deb" | awk '$1 ~ /^l/ && $6 == "./usr/bin/velinor" { print $8 }' \
  | grep -qx '../lib/velinor/velinor' || fail "/usr/bin/velinor does not lead to the program"

# Dependencies: what the binaries link (found by dpkg-shlibdeps, with versions), the run-time
# packages no binary links, and no development package.
depends=$(field Depends)
for package in libc6 libqt6widgets6 libqscintilla2-qt6-15 libqt6webenginewidgets6 \
               qt6-translations-l10n breeze-icon-theme-rcc libqt6svg6 qt6-image-formats-plugins; do
  grep -qE "(^|, )$package( \(|,|$)" <<< "$depends" || fail "Depends lacks $package: $depends"
done
grep -qE '(^|, )libqt6widgets6 \(>= ' <<< "$depends" || fail "the linked libraries carry no version: $depends"
! grep -qE -- '-dev( |,|$)' <<< "$depends" || fail "Depends names a development package: $depends"

# lintian: no error; the warnings and notes are printed for whoever reads the log.
lintian --fail-on error --display-info "$deb" | tee "$out/lintian.log" || fail "lintian reports errors"
echo "deb: passed ($(stat -c %s "$deb") bytes)"
