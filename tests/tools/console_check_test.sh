#!/usr/bin/env bash
# Opens demo receipt 100001 through the console check, typed as a clerk types it, and expects the
# number completed with its check digit and both lists of its customer.
set -euo pipefail
check=$1
folder=$2
rm -rf "$folder"
mkdir -p "$folder"
output=$("$check" R 100001 --db "$folder/demo.sqlite")
printf '%s\n' "$output"
expect() {
    grep -qxF -- "$1" <<<"$output" || { echo "missing line: $1" >&2; exit 1; }
}
expect "Status: Searching for RECEIPT number 0100001-7"
expect "Account Receivables (13 rows)"
expect "Receipts (6 rows)"
expect $'04/10/2023\t0100001\tOPEN\t$400.00\t$25.00\t'
