#!/usr/bin/env bash
# A private PostgreSQL server for the tests, kept whole in one folder: its data, its log and the
# Unix socket it listens on. It opens no TCP port and shares no lock file with a server the machine
# may already run, so it can start beside one.
#
#   postgres-test-server.sh start DIR   starts a server in DIR (an empty folder, as mktemp -d makes
#                                       one), waits until it accepts connections, and prints the
#                                       libpq connection string of its superuser.
#   postgres-test-server.sh stop DIR    stops that server and removes DIR.
#
# PostgreSQL refuses to run as root: run as root, the server runs as the system user tavrik-pg,
# created on first use.
set -euo pipefail

server_user=tavrik-pg
superuser=tavrik
port=5432
marker=.tavrik-postgres-test

fail() {
    echo "postgres-test-server: $*" >&2
    exit 1
}

usage() {
    echo "Usage: $0 start|stop DIR" >&2
    exit 2
}

# The newest PostgreSQL installed the Debian way.
server_bin() {
    local newest
    newest=$(find /usr/lib/postgresql -mindepth 2 -maxdepth 2 -name bin -type d 2>/dev/null | sort -V | tail -n 1)
    if [ -z "$newest" ] || [ ! -x "$newest/pg_ctl" ]; then
        fail "no PostgreSQL server is installed under /usr/lib/postgresql (install the package postgresql)."
    fi
    echo "$newest"
}

# Runs a command as the user the server runs as.
as_server_user() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u "$server_user" -- "$@"
    else
        "$@"
    fi
}

ensure_server_user() {
    id -u "$server_user" >/dev/null 2>&1 && return
    # Another start may be creating it at the same moment.
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$server_user" ||
        id -u "$server_user" >/dev/null 2>&1 ||
        fail "could not create the system user $server_user to run the server as."
}

start() {
    local dir=$1
    [ -d "$dir" ] || fail "$dir is not a folder; make one with mktemp -d."
    [ -z "$(ls -A "$dir")" ] || fail "$dir is not empty; give the server a folder of its own."
    local socket=$dir/socket
    # The socket's path, with the file name the server gives it, must fit a Unix socket address.
    [ ${#socket} -le 90 ] || fail "$dir is too long a path for a Unix socket; make it under /tmp."
    touch "$dir/$marker"
    mkdir "$dir/socket"

    if [ "$(id -u)" -eq 0 ]; then
        ensure_server_user
        chown -R "$server_user:" "$dir"
        runuser -u "$server_user" -- test -w "$dir" ||
            fail "$server_user cannot reach $dir; make the folder under /tmp."
    fi

    local bin
    bin=$(server_bin)
    cd "$dir"
    as_server_user "$bin/initdb" --pgdata="$dir/data" --username="$superuser" --auth-local=trust \
        --auth-host=reject --encoding=UTF8 --locale=C --no-sync >"$dir/initdb.log" 2>&1 || {
        tail -n 20 "$dir/initdb.log" >&2
        fail "initdb could not create the cluster in $dir/data (its output is above)."
    }
    # One role signs on with a password, so that the tests can see a wrong one refused; every other
    # local role is trusted.
    { echo "local all tavrik_password_check scram-sha-256"; cat "$dir/data/pg_hba.conf"; } >"$dir/pg_hba.conf"
    as_server_user cp "$dir/pg_hba.conf" "$dir/data/pg_hba.conf"
    cat >>"$dir/data/postgresql.conf" <<EOF
# A server for tests: no TCP, its own socket folder, no waiting for the disk.
listen_addresses = ''
unix_socket_directories = '$socket'
port = $port
max_connections = 100
shared_buffers = 16MB
fsync = off
synchronous_commit = off
full_page_writes = off
EOF
    as_server_user "$bin/pg_ctl" --pgdata="$dir/data" --log="$dir/server.log" --wait --timeout=60 \
        start >/dev/null 2>&1 || {
        tail -n 20 "$dir/server.log" >&2 2>/dev/null || true
        fail "the PostgreSQL server in $dir did not start (the end of its log is above)."
    }
    echo "postgresql:///postgres?host=$socket&port=$port&user=$superuser"
}

stop() {
    local dir=$1
    [ -d "$dir" ] || return 0
    [ -f "$dir/$marker" ] || fail "$dir holds no test server; it is left as it is."
    if [ -d "$dir/data" ]; then
        local bin
        bin=$(server_bin)
        cd "$dir"
        local pg_ctl=("$bin/pg_ctl" --pgdata="$dir/data")
        if as_server_user "${pg_ctl[@]}" status >/dev/null; then
            as_server_user "${pg_ctl[@]}" --mode=fast --wait --timeout=60 stop >/dev/null ||
                as_server_user "${pg_ctl[@]}" --mode=immediate --wait stop >/dev/null || true
            # A server that died on its own is no longer there to stop.
            ! as_server_user "${pg_ctl[@]}" status >/dev/null || fail "the PostgreSQL server in $dir did not stop."
        fi
        cd /
    fi
    rm -rf "$dir"
}

[ $# -eq 2 ] || usage
# A plain absolute path: it goes into the server's configuration and into a URI as it is.
[[ "$2" =~ ^/[A-Za-z0-9._/-]+$ ]] || fail "DIR must be an absolute path of letters, digits, '.', '_', '-' and '/'."
case $1 in
start) start "$2" ;;
stop) stop "$2" ;;
*) usage ;;
esac
