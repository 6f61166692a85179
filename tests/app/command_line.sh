#!/usr/bin/env bash
# The command line answers in French and opens no window: help and version on stdout, usage
# errors on stderr with exit status 2. Without a display, a window would abort the program.
# Usage: command_line.sh PROGRAM, or command_line.sh EMULATOR PROGRAM.EXE (its lines end in CR LF)
set -uo pipefail
export DISPLAY='' WAYLAND_DISPLAY='' QT_QPA_PLATFORM=xcb
usage='Usage : redaction-des-ordres [FICHIER.cyc]'
errors=$(mktemp) fail=0
trap 'rm -f "$errors"' EXIT
# Exit status | first line on stdout | first line on stderr | arguments, separated by "|".
while IFS='|' read -r status out err arguments; do
    read -ra args <<<"$arguments"
    actual_out=$("$@" "${args[@]}" 2>"$errors")
    actual=$?
    actual_out=${actual_out//$'\r'/} actual_err=$(tr -d '\r' <"$errors")
    got="$actual|${actual_out%%$'\n'*}|${actual_err%%$'\n'*}"
    [ "$got" = "$status|$out|$err" ] || { echo "for « $arguments »: $got, not $status|$out|$err"; fail=1; }
    [ "$status" != 2 ] || grep -qxF "$usage" <<<"$actual_err" || { echo "for « $arguments »: no usage text on stderr"; fail=1; }
done <<EOF_CASES
0|$usage||--help
0|$usage||-h --version
0|Rédaction des Ordres 1.0.1||--version
2||redaction-des-ordres : un seul fichier d'équipe à la fois (2 donnés)|a.cyc b.cyc
2||redaction-des-ordres : option inconnue « -x »|-x
2||redaction-des-ordres : option inconnue « -platform »|-platform offscreen
2||redaction-des-ordres : option inconnue « --aide »|equipe.cyc --aide
2||redaction-des-ordres : un seul fichier d'équipe à la fois (2 donnés)|-- -x.cyc --help
EOF_CASES
exit $fail
