#!/usr/bin/env bash
# Idempotent: a private PostgreSQL server for the tests. The cluster lives in a fresh
# temporary folder, listens on a free port on 127.0.0.1 and on a Unix socket in that folder,
# and trusts every local connection (it holds nothing but test tables). PostgreSQL refuses
# to run as root, and the tests run as root here and in CI, so as root the server runs as
# the system user `postgres` that Debian's postgresql package creates (runuser needs no
# login or password for that); as anyone else it runs as that user.
#   scripts/postgres.sh start STATE   start a server unless STATE names one that answers;
#                                     STATE then holds its libpq connection string
#   scripts/postgres.sh stop STATE    stop that server and remove its folder and STATE
# The connection string is in key/value form: "host=FOLDER port=PORT dbname=postgres
# user=postgres". CTest's Postgres fixture calls both (tests/CMakeLists.txt).
set -euo pipefail

action=${1:-}
state=${2:-}
if [ -z "$state" ] || { [ "$action" != start ] && [ "$action" != stop ]; }; then
  echo "usage: scripts/postgres.sh start|stop STATE-FILE" >&2
  exit 2
fi

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n1 || true)
if [ -z "$bindir" ] || [ ! -x "$bindir/pg_ctl" ]; then
  echo "postgres.sh: no PostgreSQL server under /usr/lib/postgresql (Debian package postgresql)" >&2
  exit 1
fi

as_server_user() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

# The value of KEY in the connection string held by STATE.
state_value() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" "$state" 2>/dev/null; }

answers() {
  local dir port
  dir=$(state_value host)
  port=$(state_value port)
  [ -n "$dir" ] && [ -n "$port" ] && "$bindir/pg_isready" -q -h "$dir" -p "$port" -t 2
}

if [ "$action" = stop ]; then
  dir=$(state_value host)
  if [ -n "$dir" ] && [ -d "$dir/data" ]; then
    as_server_user "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  # Only a folder this script made is removed.
  case "$dir" in /tmp/kalder-postgres.*) rm -rf "$dir" ;; esac
  rm -f "$state"
  echo "postgres.sh: stopped"
  exit 0
fi

if [ -f "$state" ] && answers; then
  echo "postgres.sh: already running: $(cat "$state")"
  exit 0
fi

# The socket path must stay under the 107 bytes a Unix socket name may have: a short folder.
dir=$(mktemp -d /tmp/kalder-postgres.XXXXXX)
chmod 755 "$dir"
if [ "$(id -u)" -eq 0 ]; then
  if ! id postgres >/dev/null 2>&1; then
    echo "postgres.sh: running as root and there is no user postgres to run the server as" >&2
    exit 1
  fi
  chown postgres: "$dir"
fi

if ! as_server_user "$bindir/initdb" -D "$dir/data" --auth=trust --username=postgres --encoding=UTF8 \
     --locale=C.UTF-8 --no-sync >"$dir/initdb.log" 2>&1; then
  echo "postgres.sh: initdb failed:" >&2
  cat "$dir/initdb.log" >&2
  exit 1
fi

free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

# Another program may take the port between choosing and listening: try a few.
for _ in 1 2 3 4 5; do
  port=$(free_port)
  if as_server_user "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
       -o "-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null 2>&1; then
    printf 'host=%s port=%s dbname=postgres user=postgres\n' "$dir" "$port" >"$state"
    echo "postgres.sh: running: $(cat "$state")"
    exit 0
  fi
done
echo "postgres.sh: the server did not start; its log:" >&2
cat "$dir/server.log" >&2 || true
exit 1
