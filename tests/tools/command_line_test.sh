#!/usr/bin/env bash
# The desktop program's command line, with no display at all: --version and --help answer, a wrong
# option or argument prints the usage and exits 2, and a run without a display says why it cannot.
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
check "help" 0 "--db <FILE>" "$program" --help
check "unknown option" 2 "Unknown option 'bogus'." "$program" --bogus
check "unknown option shows the usage" 2 "Usage:" "$program" --bogus
check "stray argument" 2 "Unexpected argument: extra" "$program" extra
check "no display" 1 "There is no display to show the window on." "$program" --db /nonexistent/never-made.sqlite
[ "$failures" -eq 0 ]
