#!/usr/bin/env bash
# Writes a roster of about 1 MB whose size is all in its ten names: the
# example roster with each name (double-byte characters only) repeated
# until it holds 100,000 bytes. It measures what grows with the names
# (conversions, quoting, widths) apart from what grows with the lines.
#   large_roster.sh EXAMPLE_ROSTER OUT
set -euo pipefail
# Bytes of code page 932, counted as bytes: a quote is never a trail byte.
LC_ALL=C awk -F '"' -v OFS='"' 'NF == 3 {
    long = $2
    while (length(long) < 100000) long = long $2
    $2 = long
  } { print }' "$1" >"$2"
