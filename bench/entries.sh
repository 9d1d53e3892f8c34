#!/bin/sh
# Writes N mixed entries, one a line: every combination code, invalid lines,
# a clear-screen command, long digits. Usage: entries.sh N
awk -v n="$1" 'BEGIN {
  split("4,5ul 10nc|2.2mL1uF|100KF 1nC|1uC1R|50r 10ul|1KF1R|0L1C|xyz|1L2L3C|5w|0.123456789012345L1nC|100mL 50Hz", e, "|")
  for (i = 0; i < n; i++) print e[i % 12 + 1]
}'
