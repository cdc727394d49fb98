#!/usr/bin/env bash
# Writes the libFuzzer dictionary of the script fuzzers from the type library that `kpa
# members` prints: interface names, member names, enumerators, and the words and signs of
# the script language and of its Host statements. The output is checked in as
# fuzz/dictionaries/script.dict.
#   tools/fuzz-dictionary.sh build/kpa > fuzz/dictionaries/script.dict
set -euo pipefail
kpa=${1:-build/kpa}
{
  "$kpa" members | awk '/^  Pro[A-Za-z0-9]+ /{print $1}'
  "$kpa" members | grep -oE 'sc[A-Za-z0-9]+=' | tr -d '='
  for interface in $("$kpa" members | awk '/^  Pro[A-Za-z0-9]+ /{print $1}'); do
    "$kpa" members "$interface" | awk '/^  0x/{print $2}'
  done
  printf '%s\n' Host Dialog Print True False Yes No Missing OpenDataFile SelectionCondition \
    WeightVariable CsvDialect Clock QueueAnswer QueueNumber AutoPrint AutoPrintLevel \
    CancelAtProgressStep Cases DataFile LastMessage Outputs Scripted StatusText Variables
} | sort -u | awk '{printf "\"%s\"\n", $0}'
printf '"%s"\n' ' = ' '.' '(' ')' ', ' '\x22' "'" '|' '\x0a'
