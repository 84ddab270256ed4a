#!/usr/bin/env bash
# The command line's cost beside iconv's on the same roster, as a ratio of
# instructions counted by callgrind: `zelmora REPORTS ROSTER` against
# `iconv -f CP932 -t UTF-8 ROSTER`, both in one environment. REPORTS are
# report options (txt, html, json, csv), each written to standard output
# when it is alone, else to files of a temporary folder; `--txt` unless
# given. Fails when the ratio is over LIMIT (2 unless given).
#   command_line_ratio.sh ZELMORA ROSTER [LIMIT [REPORT...]]
set -euo pipefail
zelmora=$1
roster=$2
limit=${3:-2}
shift $(($# < 3 ? $# : 3))
reports=("${@:-txt}")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

options=()
for report in "${reports[@]}"; do
  if [[ ${#reports[@]} -eq 1 ]]; then
    options+=("--$report" -)
  else
    options+=("--$report" "$out/report.$report")
  fi
done

instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$out/counts" "$@" >/dev/null 2>"$out/log" ||
    { cat "$out/log" >&2; return 1; }
  sed -n 's/^totals: //p' "$out/counts"
}

iconv_count=$(instructions iconv -f CP932 -t UTF-8 "$roster")
zelmora_count=$(instructions "$zelmora" "${options[@]}" "$roster")
ratio=$(awk -v z="$zelmora_count" -v i="$iconv_count" 'BEGIN { printf "%.2f", z / i }')
echo "$(basename "$roster") ${reports[*]}: iconv $iconv_count, zelmora $zelmora_count instructions:" \
  "ratio $ratio (limit $limit)"
awk -v r="$ratio" -v l="$limit" 'BEGIN { exit !(r <= l) }'
