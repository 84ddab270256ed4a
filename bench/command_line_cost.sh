#!/usr/bin/env bash
# The command line's cost beside iconv's on the same roster: instructions
# counted by callgrind for each report, for JSON and for all four at once,
# on the example roster and on 1 MB rosters of double-byte names (ten names,
# and one), then the peak memory of every report on a 60 MB roster of one
# name and a 20 MB roster of ten. Prints the figures and fails when one is
# over its limit.
#   command_line_cost.sh ZELMORA EXAMPLE_ROSTER
set -euo pipefail
zelmora=$1
example=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A roster of `count` names of `bytes` bytes each, of kanji of JIS level 1
# (lead bytes 0x88 to 0x97, trail bytes 0x9F to 0xFC: all characters).
python3 - "$work" <<'PY'
import random, sys
random.seed(932)
def name(size):
    return bytes(b for _ in range(size // 2)
                 for b in (random.randint(0x88, 0x97), random.randint(0x9F, 0xFC)))
def roster(path, count, size):
    lines = []
    for i in range(count):
        slot = i % 5 + 1
        if i < 5:
            lines.append(b'P,%d,"%s",75,3,4,0,0,0,1,0,0' % (slot, name(size)))
        else:
            lines.append(b'M,%d,"%s",30,25,10,4,2,0,0,0,1,2,0,0,3,0,4,5' % (slot, name(size)))
    open(path, "wb").write(b"\r\n".join(lines) + b"\r\n")
folder = sys.argv[1]
roster(folder + "/ten-1mb.qvr", 10, 100_000)
roster(folder + "/one-1mb.qvr", 1, 1_000_000)
roster(folder + "/ten-20mb.qvr", 10, 2_000_000)
roster(folder + "/one-60mb.qvr", 1, 60_000_000)
PY

instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$work/counts" "$@" >/dev/null 2>"$work/log"
  sed -n 's/^totals: //p' "$work/counts"
}

failed=0
ratio() {  # roster, limit, then the report options
  local roster=$1 limit=$2
  shift 2
  rm -f "$work"/out.*
  local base ours
  base=$(instructions iconv -f CP932 -t UTF-8 "$roster")
  ours=$(instructions "$zelmora" "$@" "$roster")
  local ratio
  ratio=$(awk -v z="$ours" -v i="$base" 'BEGIN { printf "%.2f", z / i }')
  printf '%-14s %-58s %12s %12s %6s (limit %s)\n' "$(basename "$roster")" "$*" "$ours" "$base" \
    "$ratio" "$limit"
  awk -v r="$ratio" -v l="$limit" 'BEGIN { exit !(r <= l) }' || failed=1
}

all_four=(--txt - --html "$work/out.htm" --json "$work/out.json" --csv "$work/out.csv")
echo "roster         options                                                    instructions    iconv  ratio"
ratio "$example" 1.5 --txt -
ratio "$example" 4 --json -
ratio "$example" 8 "${all_four[@]}"
for roster in "$work/ten-1mb.qvr" "$work/one-1mb.qvr"; do
  ratio "$roster" 3 --txt -
  ratio "$roster" 3 --html -
  ratio "$roster" 3 --csv -
  ratio "$roster" 5 --json -
  ratio "$roster" 12 "${all_four[@]}"
done

if [[ -x /usr/bin/time ]]; then
  echo
  echo "roster         options                                                    peak KiB    limit KiB"
  for roster in "$work/one-60mb.qvr" "$work/ten-20mb.qvr"; do
    limit=$(( $(stat -c %s "$roster") / 1024 + 16 * 1024 ))
    for options in "--txt -" "--html -" "--json -" "--csv -" "${all_four[*]}"; do
      rm -f "$work"/out.*
      # shellcheck disable=SC2086
      peak=$(/usr/bin/time -f %M "$zelmora" $options "$roster" 2>&1 >/dev/null | tail -1)
      printf '%-14s %-58s %9s %12s\n' "$(basename "$roster")" "$options" "$peak" "$limit"
      (( peak <= limit )) || failed=1
    done
  done
fi
exit $failed
