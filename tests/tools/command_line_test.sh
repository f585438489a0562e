#!/usr/bin/env bash
# The desktop program's command line, with no display at all: --version and --help answer, a wrong
# option or argument prints the usage and exits 2, --init-demo makes a store once, and a run without
# a display says why it cannot.
set -uo pipefail
program=$1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failures=0
check() { # name, expected exit code, expected text (stdout and stderr), command...
    local name=$1 code=$2 text=$3
    shift 3
    local output
    output=$("$@" 2>&1)
    local actual=$?
    if [ "$actual" -ne "$code" ] || ! grep -qF -- "$text" <<<"$output"; then
        echo "FAILED $name: exit $actual (expected $code), output:" >&2
        printf '%s\n' "$output" >&2
        failures=$((failures + 1))
    fi
}
check "version" 0 "tavrik-adjust 1.0" "$program" --version
check "help" 0 "--db <FILE|URI>" "$program" --help
check "unknown option" 2 "Unknown option 'bogus'." "$program" --bogus
check "unknown option shows the usage" 2 "Usage:" "$program" --bogus
check "stray argument" 2 "Unexpected argument: extra" "$program" extra
check "no display" 1 "There is no display to show the window on." "$program" --db /nonexistent/never-made.sqlite
check "user on PostgreSQL" 2 "on PostgreSQL the clerk is the database role that connects" \
    "$program" --db postgresql:///office --user SUPER
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
check "init-demo" 0 "The back-office store with the demo data is ready in the file $folder/office.sqlite." \
    "$program" --init-demo --db "$folder/office.sqlite"
check "init-demo twice" 1 "The file $folder/office.sqlite holds tables already, so no store was created in it." \
    "$program" --init-demo --db "$folder/office.sqlite"
check "init-demo on an unreachable server" 1 "cannot be reached" \
    "$program" --init-demo --db "postgresql:///office?host=$folder/no-server"
[ "$failures" -eq 0 ]
