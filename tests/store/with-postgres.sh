#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# with-postgres.sh [--tls] COMMAND [ARGUMENT...]
# Runs COMMAND beside a PostgreSQL server of its own, made for it in a fresh
# folder under /tmp from Debian's postgresql package and listening only on a
# Unix socket in that folder, then stops the server and removes the folder,
# however COMMAND ends. COMMAND finds the database's URL in
# LUMETRA_TEST_DATABASE. As root, the server runs as the user postgres (or
# nobody), since PostgreSQL refuses to run as root.
# With --tls the server also listens on a free port of 127.0.0.1, with a
# certificate for the name lumetra-test-server made here by a CA of its own,
# and refuses connections there without TLS; COMMAND finds the port in
# LUMETRA_TEST_TLS_PORT, the CA's certificate in LUMETRA_TEST_TLS_CA and the
# server's process in LUMETRA_TEST_SERVER_PID.
set -euo pipefail
tls=false
if [ "${1:-}" = --tls ]; then
    tls=true
    shift
fi

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
    # A test may have frozen the server to play one that hangs.
    local pid
    pid=$(head -n 1 "$dir/data/postmaster.pid" 2>/dev/null || true)
    [ -z "$pid" ] || kill -CONT "$pid" $(pgrep -P "$pid") 2>/dev/null || true
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
tls_options=""
if $tls; then
    (
        cd "$dir"
        openssl req -x509 -new -nodes -newkey rsa:2048 -days 2 -subj "/CN=Lumetra test CA" \
            -keyout ca.key -out ca.crt
        openssl req -new -nodes -newkey rsa:2048 -subj "/CN=lumetra-test-server" \
            -keyout server.key -out server.csr
        printf 'subjectAltName=DNS:lumetra-test-server\n' >server.ext
        openssl x509 -req -in server.csr -CA ca.crt -CAkey ca.key -CAcreateserial -days 2 \
            -extfile server.ext -out server.crt
        chmod 600 server.key ca.key
        [ ${#as_server[@]} -eq 0 ] || chown "$server_user" server.key server.crt
    ) >"$dir/certificates.log" 2>&1 || {
        cat "$dir/certificates.log" >&2
        exit 1
    }
    # First, before initdb's lines: the first line that matches decides.
    {
        printf 'hostnossl all all all reject\nhostssl all all 127.0.0.1/32 scram-sha-256\n'
        cat "$dir/data/pg_hba.conf"
    } >"$dir/pg_hba.conf"
    cat "$dir/pg_hba.conf" >"$dir/data/pg_hba.conf"
    tls_options="-c ssl=on -c ssl_cert_file='$dir/server.crt' -c ssl_key_file='$dir/server.key'"
fi
# With --tls, a port of 127.0.0.1 that is free now: another test run may take
# it first, so a few tries. The Unix socket is named after the same port.
port=5432
for try in 1 2 3 4 5; do
    listen=""
    if $tls; then
        port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
        listen=127.0.0.1
    fi
    "${as_server[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
        -o "-c listen_addresses='$listen' -c unix_socket_directories='$dir' -p $port $tls_options" \
        start >/dev/null && break
    if ! $tls || [ $try -eq 5 ]; then
        cat "$dir/server.log" >&2
        exit 1
    fi
done
# Should this script be killed outright (a test run's time-out), a watchdog of
# its own session stops the server once the script is gone.
setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done
    [ -d "$2/data" ] || exit 0
    p=$(head -n 1 "$2/data/postmaster.pid") && kill -CONT "$p" $(pgrep -P "$p")
    ${3:+runuser -u "$3" --} "$4/pg_ctl" -D "$2/data" -m immediate stop
    rm -rf "$2"' watchdog $$ "$dir" "${server_user:-}" "$bin" </dev/null >/dev/null 2>&1 &
PGPASSWORD=$password "$bin/createdb" -h "$dir" -p $port -U lumetra lumetra

export LUMETRA_TEST_DATABASE="postgresql://lumetra:$password@/lumetra?host=$dir&port=$port"
if $tls; then
    export LUMETRA_TEST_TLS_PORT=$port LUMETRA_TEST_TLS_CA=$dir/ca.crt
    LUMETRA_TEST_SERVER_PID=$(head -n 1 "$dir/data/postmaster.pid")
    export LUMETRA_TEST_SERVER_PID
fi
status=0
"$@" || status=$?
exit $status
