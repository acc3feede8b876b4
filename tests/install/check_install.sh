#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks what a desktop finds there: the
# command, the program folder with its data files, the manual page, a launcher and metadata that the freedesktop
# validators accept, and the icon in the hicolor theme.
set -euo pipefail

build=$(cd "$1" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$prefix/install.log" || { cat "$prefix/install.log"; fail "cmake --install failed"; }

[[ -x "$prefix/lib/velinor/velinor" ]] || fail "the program is not in lib/velinor"
[[ -L "$prefix/bin/velinor" && "$(readlink -f "$prefix/bin/velinor")" == "$prefix/lib/velinor/velinor" ]] \
  || fail "bin/velinor does not lead to the program"
[[ -f "$prefix/lib/velinor/help/napoveda_tagy.html" ]] || fail "the help files are not beside the program"
# The mark that sends every user's files, root's too, to the XDG data home; a build folder has none.
[[ -f "$prefix/lib/velinor/installed" ]] || fail "no mark of an installation beside the program"
[[ ! -e "$build/installed" ]] || fail "the build folder carries the mark of an installation"
[[ -f "$prefix/share/man/cs/man1/velinor.1.gz" ]] || fail "no manual page"

desktop="$prefix/share/applications/cz.velinor.Velinor.desktop"
metainfo="$prefix/share/metainfo/cz.velinor.Velinor.metainfo.xml"
[[ -f "$desktop" ]] || fail "no launcher"
[[ -f "$metainfo" ]] || fail "no metainfo file"
[[ -f "$prefix/share/icons/hicolor/scalable/apps/velinor.svg" ]] || fail "no icon in the hicolor theme"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the launcher"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo file"

# The launcher speaks Czech and offers Velinor for the page formats it edits.
grep -qx 'GenericName=Editor webových stránek' "$desktop" || fail "the launcher's name is not Czech"
for type in text/html text/css application/x-php; do
  grep -q "^MimeType=.*$type;" "$desktop" || fail "the launcher does not offer $type"
done
echo "install: passed"
