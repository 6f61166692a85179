#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it (which files
# the package holds, and that the installed program starts, is tools/package's to check).
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$1" --prefix "$prefix" >/dev/null
fail=0 applications="$prefix/share/applications" mime="$prefix/share/mime"
desktop-file-validate "$applications/redaction-des-ordres.desktop" || fail=1

# The file manager knows both files by name and opens a team file with the program.
said=$(update-mime-database "$mime" 2>&1) || { echo "$said"; fail=1; }
said=$(update-desktop-database "$applications" 2>&1) || { echo "$said"; fail=1; }
for expected in "$mime/globs:application/x-cyclisme-equipe:*.cyc" \
                "$mime/globs:application/x-cyclisme-ordres:*.ord" \
                "$applications/mimeinfo.cache:application/x-cyclisme-equipe=redaction-des-ordres.desktop;"
do
    grep -qxF "${expected#*:}" "${expected%%:*}" || { echo "${expected%%:*} lacks: ${expected#*:}"; fail=1; }
done
exit $fail
