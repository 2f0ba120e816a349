#!/usr/bin/env bash
# A PostgreSQL cluster of the tests' own, in a folder of its own, listening only on a socket there.
#   start DIR    makes one anew in DIR with the database "telvara" and prints its connection URI
#   kill DIR     stops it at once, as a crash does, keeping its data
#   restart DIR  starts it again on its data
#   stop DIR     stops it at once and removes DIR
#   standby DIR PRIMARY  makes DIR a streaming standby of the cluster in PRIMARY and starts it
#   promote DIR  makes that standby a primary of its own
# As root (as in CI) the cluster runs as the postgres user, which initdb requires.
set -euo pipefail

command=$1
dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
owner=()
if [ "$(id -u)" -eq 0 ]; then owner=(runuser -u postgres --); fi

serve() {
  "${owner[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
    -o "-k $dir -c listen_addresses='' -p 5432" start >/dev/null
}

halt() {
  if [ -f "$dir/data/postmaster.pid" ]; then
    "${owner[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
}

case $command in
start)
  rm -rf "$dir"
  mkdir -p "$dir"
  if [ "$(id -u)" -eq 0 ]; then chown postgres "$dir"; fi
  "${owner[@]}" "$bin/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
  serve
  "${owner[@]}" "$bin/createdb" -h "$dir" -p 5432 -U postgres telvara
  echo "postgresql:///telvara?host=$dir&port=5432&user=postgres"
  ;;
kill) halt ;;
standby)
  rm -rf "$dir"
  mkdir -p "$dir"
  if [ "$(id -u)" -eq 0 ]; then chown postgres "$dir"; fi
  "${owner[@]}" "$bin/pg_basebackup" -h "$3" -p 5432 -U postgres -D "$dir/data" -R -X stream -c fast >"$dir/basebackup.log" 2>&1
  serve
  ;;
promote) "${owner[@]}" "$bin/pg_ctl" -D "$dir/data" -w promote >/dev/null ;;
restart) serve ;;
stop)
  halt
  rm -rf "$dir"
  ;;
*)
  echo "uso: $0 start|kill|restart|stop|promote CARTELLA, o standby CARTELLA PRIMARIO" >&2
  exit 2
  ;;
esac
