#!/usr/bin/env bash
# The Windows program as a player gets it, under Wine on a virtual X display: the zip's program
# starts with nothing but its folder; the installer, run silently, installs for the user alone,
# with its Start menu entry, its uninstaller and the file types; a double-click on a team file
# in a folder whose name has accents and spaces opens the real window on that team (a picture
# of it is left in BUILD/wine-window.png); Ctrl+S there writes the same orders file as the
# Debian program; the uninstaller removes all that and leaves the player's files and settings.
# Usage: installer_under_wine.sh BUILD ZIP SETUP
set -uo pipefail
if [ -z "${RDO_UNDER_XVFB:-}" ]; then
    RDO_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
build=$(realpath "$1") zip=$2 setup=$3
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' LC_ALL=C.UTF-8
unset WINEPATH
here=$(dirname "$0")
users=$WINEPREFIX/drive_c/users/$(id -un)
program="$users/AppData/Local/Programs/Rédaction des Ordres"
entry="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Rédaction des Ordres.lnk"
settings=$users/AppData/Roaming/redaction-des-ordres/redaction-des-ordres.ini
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
fail=0
check() {  # check WHAT COMMAND...: runs the command, says WHAT failed when it fails
    local what=$1
    shift
    "$@" >/dev/null 2>&1 || { echo "FAILED: $what"; fail=1; }
}
type_of() {  # the default value of a key under HKCU\Software\Classes
    wine reg query "HKCU\\Software\\Classes\\$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'
}

unzip -q "$zip" -d "$work/zip"
version=$(wine "$work/zip/Redaction-des-Ordres/redaction-des-ordres.exe" --version | tr -d '\r')
check "the zip's program starts alone (it said « $version »)" grep -qx 'Rédaction des Ordres [0-9.]*' <<<"$version"

wine "$setup" /S && wineserver -w
check "the installer put the program under %LOCALAPPDATA%\\Programs" test -f "$program/redaction-des-ordres.exe"
check "the installer made the Start menu entry" test -f "$entry"
check "the team files open in the program" grep -q '^"C:\\users\\.*\\redaction-des-ordres.exe" "%1"$' \
    <<<"$(type_of 'RedactionDesOrdres.Equipe\shell\open\command')"
check "the installed programs list it" sh -c "wine reg query 'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\redaction-des-ordres' | grep -q 'DisplayVersion.*$version'"
[ "$(type_of .cyc)|$(type_of .ord)|$(type_of RedactionDesOrdres.Equipe)|$(type_of RedactionDesOrdres.Ordres)" = \
  "RedactionDesOrdres.Equipe|RedactionDesOrdres.Ordres|Fichier d'équipe|Fichier d'ordres" ] ||
    { echo "FAILED: the file types: $(type_of .cyc) $(type_of RedactionDesOrdres.Equipe)"; fail=1; }

# A double-click on the team file, then Ctrl+S and a name typed in Windows' own chooser.
folder="$work/Saison été 2026"
mkdir -p "$folder"
cp "$here/../../examples/equipe-exemple.cyc" "$folder/Équipe des Crêtes.cyc"
start=$(date +%s%N)
wine start /unix "$folder/Équipe des Crêtes.cyc"
window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Ordres v' | head -n 1)
echo "The window was shown $((($(date +%s%N) - start) / 1000000)) ms after the double-click."
check "the window shows its caption" test "$(xdotool getwindowname "$window")" = "Rédaction des Ordres v$version"
sleep 2  # the team loads once the window is shown
import -window root "$build/wine-window.png"
xdotool windowfocus --sync "$window" key ctrl+s
chooser=$(timeout 20 xdotool search --sync --onlyvisible --name 'Save|Enregistrer' | head -n 1)
check "Ctrl+S opened the chooser: the team was loaded" test -n "$chooser"
sleep 1
xdotool type --delay 30 ordres.ord && xdotool key Return
for _ in $(seq 40); do [ -f "$folder/ordres.ord" ] && ! xdotool search --name 'Ordres v' >/dev/null && break; sleep 0.5; done
check "the orders file, beside the team file, is the Debian program's byte for byte" \
    cmp "$folder/ordres.ord" "$here/equipe-exemple.ord"
check "the team's folder is remembered under %APPDATA%" grep -q 'teamFolder=.*Saison' "$settings"

wine "$program/uninstall.exe" /S && wineserver -w
check "the uninstaller removed the program" test ! -e "$program"
check "the uninstaller removed the Start menu entry" test ! -e "$entry"
check "the uninstaller gave the file types back" test -z "$(type_of .cyc)$(type_of RedactionDesOrdres.Equipe)$(type_of .ord)"
check "the uninstaller left the settings" test -f "$settings"
check "the uninstaller left the orders" test -f "$folder/ordres.ord"
exit $fail
