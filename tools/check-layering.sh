#!/usr/bin/env bash
# Checks the folders' dependency arrows from their includes: each folder may include only the
# project folders it is allowed to use, Qt only in desktop/ (and its tests), and a database client
# only in store/, the one layer everything else reaches SQLite and PostgreSQL through. Prints every
# wrong include and exits 1 when there is one. Usage: check-layering.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root"

# The project folders each folder may include (its own is always allowed). "*" is any.
declare -A uses=(
    [common]=""
    [store]=""
    [library]="common store"
    [backoffice]="common store"
    [document]="common receivable receipt select"
    [receivable]="common"
    [receipt]="common refund select"
    [refund]="common"
    [select]="common"
    [tools]="common store library backoffice document receivable receipt refund select"
    [bench]="common store library backoffice document receivable receipt refund select tools"
    [fuzz]="common store library backoffice"
    [desktop]="*"
    [tests]="*"
)
# Folders where an engine's client library may be included.
store_folders="store"
# Folders where Qt may be included.
qt_folders="desktop tests/desktop"

project_folders=" ${!uses[*]} "
failures=0
complain() {
    echo "$1: $2" >&2
    failures=$((failures + 1))
}
in_list() { # word, list
    [[ " $2 " == *" $1 "* ]]
}
under_any() { # path, folders
    local folder
    for folder in $2; do
        [[ "$1" == "$folder"/* ]] && return 0
    done
    return 1
}

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"]'
existing=()
for folder in "${!uses[@]}"; do
    [ -d "$folder" ] && existing+=("$folder")
done
while IFS= read -r hit; do
    file=${hit%%:*}
    line=${hit#*:}
    [[ "$line" =~ $include_pattern ]] || continue
    include=${BASH_REMATCH[1]}
    folder=${file%%/*}
    allowed=${uses[$folder]}
    target=${include%%/*}
    if [[ "$include" == */* ]] && in_list "$target" "$project_folders" && [ "$target" != "$folder" ] &&
        [ "$allowed" != "*" ] && ! in_list "$target" "$allowed"; then
        complain "$file" "includes $include, but $folder/ may not use $target/"
    fi
    if [[ "$include" =~ ^(Q[A-Za-z0-9]+|Qt[A-Za-z0-9]*/.*)$ ]] && ! under_any "$file" "$qt_folders"; then
        complain "$file" "includes Qt ($include) outside desktop/"
    fi
    if [[ "$include" =~ ^(sqlite3\.h|libpq-fe\.h|soci/.*)$ ]] && ! in_list "$folder" "$store_folders"; then
        complain "$file" "includes a database client ($include) outside store/"
    fi
done < <(grep -rHE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' "${existing[@]}" | sort)

if [ "$failures" -ne 0 ]; then
    echo "$failures wrong include(s)." >&2
    exit 1
fi
echo "Every include follows the folders' arrows."
