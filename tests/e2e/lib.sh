# Shared by the end-to-end scripts: a clean environment, a scratch folder,
# and checks that count failures and show line feeds.
set -euo pipefail
# Nothing started here may reach the caller's display or session bus.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
pids=()
trap 'kill ${pids[@]+"${pids[@]}"} 2>/dev/null || true; rm -rf "$work"' EXIT
trap 'exit 143' TERM

failures=0
check() { # what expected actual
  [ "$2" == "$3" ] && echo "ok: $1" && return
  echo "FAIL: $1: expected [$2], got [$3]" >&2
  failures=$((failures + 1))
}
finish() {
  [ "$failures" -eq 0 ] && echo "all passed" && exit 0
  echo "$failures failed" >&2 && exit 1
}
# A file's bytes with each line feed written as \n, the last one included.
visible() { # file
  local text && text=$(cat "$1" && echo .) && text=${text%.}
  printf '%s' "${text//$'\n'/\\n}"
}
