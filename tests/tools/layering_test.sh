#!/usr/bin/env bash
# The layering check on a small tree of its own: every kind of wrong include fails it with a line
# naming the file, and the includes the arrows allow pass.
set -uo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0
write() { # file, include line
    mkdir -p "$tree/$(dirname "$1")"
    printf '%s\n' "$2" >>"$tree/$1"
}
expect() { # name, expected exit code, expected text
    local output
    output=$("$check" "$tree" 2>&1)
    local code=$?
    if [ "$code" -ne "$2" ] || ! grep -qF -- "$3" <<<"$output"; then
        echo "FAILED $1: exit $code (expected $2), output:" >&2
        printf '%s\n' "$output" >&2
        failures=$((failures + 1))
    fi
    rm -rf "${tree:?}"/*
}

write document/Doc.cpp '#include "receivable/Tavrik_AccDetail.h"'
write document/Doc.cpp '#include "common/Form.h"'
write desktop/View.cpp '#include <QWidget>'
write desktop/View.cpp '#include "library/KovraLibrary.h"'
write store/SqliteDatabase.cpp '#include <sqlite3.h>'
write store/PostgresConnection.cpp '#include <libpq-fe.h>'
write backoffice/Handler.cpp '#include "store/StoreQuery.h"'
write library/CodeTables.cpp '#include "store/SqliteDatabase.h"'
write bench/Bench.cpp '#include "store/StoreQuery.h"'
write tests/desktop/ViewTest.cpp '#include <QTest>'
expect "allowed arrows" 0 "Every include follows the folders' arrows."

write common/Value.h '#include "document/Tavrik_AdjustAcc.h"'
expect "common using a form" 1 "common/Value.h: includes document/Tavrik_AdjustAcc.h, but common/ may not use document/"

write receivable/Form.cpp '  #  include "library/KovraLibrary.h"'
expect "form using the library" 1 "receivable/Form.cpp: includes library/KovraLibrary.h, but receivable/ may not use library/"

write receivable/Form.cpp '#include "document/Tavrik_AdjustAcc.h"'
expect "a cycle back to the document" 1 "receivable/ may not use document/"

write document/Doc.cpp '#include "backoffice/BackOffice.h"'
expect "form using the back office" 1 "document/ may not use backoffice/"

write backoffice/Handler.cpp '#include "library/CodeTables.h"'
expect "back office using the library" 1 "backoffice/ may not use library/"

write receivable/Form.cpp '#include <QString>'
expect "Qt in a form" 1 "receivable/Form.cpp: includes Qt (QString) outside desktop/"

write tests/receivable/FormTest.cpp '#include <QtCore/QString>'
expect "Qt in a form's tests" 1 "includes Qt (QtCore/QString) outside desktop/"

write document/Doc.cpp '#include <sqlite3.h>'
expect "SQLite in a form" 1 "document/Doc.cpp: includes a database client (sqlite3.h)"

write backoffice/Store.cpp '#include <sqlite3.h>'
expect "SQLite in the back office, past the store layer" 1 "backoffice/Store.cpp: includes a database client (sqlite3.h) outside store/"

write library/CodeTables.cpp '#include <sqlite3.h>'
expect "SQLite in the library, past the store layer" 1 "library/CodeTables.cpp: includes a database client (sqlite3.h) outside store/"

write tests/backoffice/StoreTest.cpp '#include <sqlite3.h>'
expect "SQLite in a test, past the store layer" 1 "tests/backoffice/StoreTest.cpp: includes a database client (sqlite3.h) outside store/"

write store/SqliteDatabase.h '#include "common/Currency.h"'
expect "the store layer using common" 1 "store/ may not use common/"

write receivable/Form.cpp '#include "store/SqliteDatabase.h"'
expect "a form using the store layer" 1 "receivable/ may not use store/"

write backoffice/Store.cpp '#include <libpq-fe.h>'
expect "PostgreSQL in the back office, past the store layer" 1 "backoffice/Store.cpp: includes a database client (libpq-fe.h) outside store/"

[ "$failures" -eq 0 ]
