#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# with-postgres.sh COMMAND [ARGUMENT...]
# Runs COMMAND beside a PostgreSQL server of its own, made for it in a fresh
# folder under /tmp from Debian's postgresql package and listening only on a
# Unix socket in that folder, then stops the server and removes the folder,
# however COMMAND ends. COMMAND finds the database's URL in
# LUMETRA_TEST_DATABASE. As root, the server runs as the user postgres (or
# nobody), since PostgreSQL refuses to run as root.
set -euo pipefail

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
    echo "with-postgres.sh: no PostgreSQL server here (Debian package postgresql)" >&2
    exit 1
fi

dir=$(mktemp -d /tmp/lumetra-pg.XXXXXX)
as_server=()
if [ "$(id -u)" -eq 0 ]; then
    server_user=postgres
    id "$server_user" >/dev/null 2>&1 || server_user=nobody
    chown "$server_user" "$dir"
    as_server=(runuser -u "$server_user" --)
fi

# shellcheck disable=SC2317
stop() {
    "${as_server[@]}" "$bin/pg_ctl" -D "$dir/data" -m fast -w -t 30 stop >/dev/null 2>&1 \
        || "${as_server[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 \
        || true
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 130' INT TERM HUP

password=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
printf '%s\n' "$password" >"$dir/password"
[ ${#as_server[@]} -eq 0 ] || chown "$server_user" "$dir/password"
if ! "${as_server[@]}" "$bin/initdb" -D "$dir/data" -U lumetra --pwfile="$dir/password" \
    --auth=scram-sha-256 -E UTF8 >"$dir/initdb.log" 2>&1; then
    cat "$dir/initdb.log" >&2
    exit 1
fi
if ! "${as_server[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses='' -c unix_socket_directories='$dir' -p 5432" start >/dev/null; then
    cat "$dir/server.log" >&2
    exit 1
fi
# Should this script be killed outright (a test run's time-out), a watchdog of
# its own session stops the server once the script is gone.
setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done
    [ -d "$2/data" ] || exit 0
    ${3:+runuser -u "$3" --} "$4/pg_ctl" -D "$2/data" -m immediate stop
    rm -rf "$2"' watchdog $$ "$dir" "${server_user:-}" "$bin" </dev/null >/dev/null 2>&1 &
PGPASSWORD=$password "$bin/createdb" -h "$dir" -p 5432 -U lumetra lumetra

export LUMETRA_TEST_DATABASE="postgresql://lumetra:$password@/lumetra?host=$dir&port=5432"
status=0
"$@" || status=$?
exit $status
