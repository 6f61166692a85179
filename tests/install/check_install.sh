#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$1" --prefix "$prefix" >/dev/null
fail=0
for file in bin/redaction-des-ordres share/applications/redaction-des-ordres.desktop \
            share/icons/hicolor/scalable/apps/redaction-des-ordres.svg; do
    [ -s "$prefix/$file" ] || { echo "missing from the installed tree: $file"; fail=1; }
done
[ -x "$prefix/bin/redaction-des-ordres" ] || { echo "the program is not executable"; fail=1; }
desktop-file-validate "$prefix/share/applications/redaction-des-ordres.desktop" || fail=1
grep -qx 'Name=Rédaction des Ordres' "$prefix/share/applications/redaction-des-ordres.desktop" ||
    { echo "the desktop entry does not carry the French name"; fail=1; }
grep -q '^Categories=.*Game;' "$prefix/share/applications/redaction-des-ordres.desktop" ||
    { echo "the desktop entry is not in the Game category"; fail=1; }
exit $fail
