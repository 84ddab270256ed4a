#!/usr/bin/env bash
# The command line's cost beside iconv's on the same roster, as a paired
# ratio of instructions counted by callgrind: `zelmora --txt - ROSTER`
# against `iconv -f CP932 -t UTF-8 ROSTER`, both in one environment. Fails
# when the ratio is over the limit (2 unless given).
#   command_line_ratio.sh ZELMORA ROSTER [LIMIT]
set -euo pipefail
zelmora=$1
roster=$2
limit=${3:-2}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$out/counts" "$@" >/dev/null 2>"$out/log"
  sed -n 's/^totals: //p' "$out/counts"
}

iconv_count=$(instructions iconv -f CP932 -t UTF-8 "$roster")
zelmora_count=$(instructions "$zelmora" --txt - "$roster")
ratio=$(awk -v z="$zelmora_count" -v i="$iconv_count" 'BEGIN { printf "%.2f", z / i }')
echo "iconv $iconv_count, zelmora $zelmora_count instructions: ratio $ratio (limit $limit)"
awk -v r="$ratio" -v l="$limit" 'BEGIN { exit !(r <= l) }'
