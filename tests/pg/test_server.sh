#!/bin/sh
# A throwaway PostgreSQL server for the database tests: created in a
# temporary folder, reached only through a Unix socket in that folder, run
# as an unprivileged user when called as root, and removed again.
#   test_server.sh start INFO_FILE   writes host= and port= lines to INFO_FILE
#   test_server.sh stop INFO_FILE    stops the server and removes its folder
# Without the PostgreSQL programs, start says so and leaves no INFO_FILE; the
# tests on that engine then skip, unless LAUNDRY_REQUIRE_PG=1 makes it fail.
set -eu
action=$1
info=$2

bindir=
for dir in "${LAUNDRY_PG_BINDIR:-}" $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -rV); do
    if [ -n "$dir" ] && [ -x "$dir/initdb" ] && [ -x "$dir/pg_ctl" ]; then
        bindir=$dir
        break
    fi
done

as_owner() {
    if [ "$(id -u)" = 0 ]; then
        runuser -u "$owner" -- "$@"
    else
        "$@"
    fi
}

owner=$(id -un)
if [ "$(id -u)" = 0 ]; then
    # The server refuses to run as root.
    owner=postgres
    if ! id "$owner" >/dev/null 2>&1; then
        owner=laundry-pg
        id "$owner" >/dev/null 2>&1 || useradd --system --no-create-home "$owner"
    fi
fi

# Stops the server INFO_FILE records and removes its folder.
stop_server() {
    [ -f "$info" ] || return 0
    folder=$(sed -n 's/^folder=//p' "$info")
    [ -n "$bindir" ] && as_owner "$bindir/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$folder" "$info"
}

case "$action" in
start)
    # A run that was interrupted left its server behind.
    stop_server
    if [ -z "$bindir" ]; then
        echo "PostgreSQL programs (initdb, pg_ctl) not found: the tests on PostgreSQL are skipped." \
             "Install the postgresql package to run them."
        # CI must not pass with one engine untested.
        [ "${LAUNDRY_REQUIRE_PG:-0}" = 1 ] && exit 1
        exit 0
    fi
    folder=$(mktemp -d "${TMPDIR:-/tmp}/laundry-pg.XXXXXX")
    chmod 700 "$folder"
    [ "$(id -u)" = 0 ] && chown "$owner" "$folder"
    # The socket lives in the private folder, so any port number is free.
    port=$((40000 + $$ % 20000))
    as_owner "$bindir/initdb" -D "$folder/data" -A trust -U laundry -E UTF8 \
        --locale=C.UTF-8 --no-sync >"$folder/initdb.log" 2>&1 ||
        { cat "$folder/initdb.log"; rm -rf "$folder"; exit 1; }
    as_owner "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 \
        -o "-k $folder -p $port -c listen_addresses= -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=60" \
        start >/dev/null || { cat "$folder/server.log"; rm -rf "$folder"; exit 1; }
    printf 'folder=%s\nhost=%s\nport=%s\nbindir=%s\nowner=%s\n' "$folder" "$folder" "$port" \
        "$bindir" "$owner" >"$info"
    echo "PostgreSQL test server running in $folder (port $port)"
    ;;
stop)
    stop_server
    ;;
*)
    echo "usage: $0 start|stop INFO_FILE" >&2
    exit 2
    ;;
esac
