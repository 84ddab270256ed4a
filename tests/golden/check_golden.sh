#!/usr/bin/env bash
# Compares the program's four outputs of the example roster with the files
# checked in beside this script, byte for byte, under a locale with a
# decimal comma. With --update, writes them anew instead (after a change
# of a report that is meant; review the diff).
#   check_golden.sh ZELMORA [--update]
set -euo pipefail
zelmora=$1
here=$(cd "$(dirname "$0")" && pwd)
example=$here/../../examples/party.qvr
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

LC_ALL=de_DE.UTF-8 "$zelmora" --evasion 0,2,1,2,2 --txt "$out/party.txt" --html "$out/party.htm" \
  --json "$out/party.json" --csv "$out/party.csv" "$example"

if [[ "${2:-}" == "--update" ]]; then
  cp "$out"/party.* "$here/"
  exit 0
fi
status=0
for file in party.txt party.htm party.json party.csv; do
  if cmp "$here/$file" "$out/$file"; then
    echo "$file: as checked in"
  else
    status=1
    diff "$here/$file" "$out/$file" | head -20 || true
  fi
done
exit $status
