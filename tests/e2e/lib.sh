# Shared by the end-to-end scripts: a clean environment, a scratch folder,
# and checks that count failures and show line feeds.
set -euo pipefail
# Nothing started here may reach the caller's display or session bus.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
pids=()
# Every program a test starts runs through this, so it dies with the test even
# when the test itself is killed (a timeout) and no trap runs.
orphan_proof=(setpriv --pdeathsig KILL --)
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
start_x() { # width height: a private X server; sets DISPLAY and xserver
  mkfifo "$work/displayfd.$1"
  # Nothing started in the background keeps the test's output open.
  Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp 3>"$work/displayfd.$1" &>"$work/xvfb.log" &
  xserver=$! && pids+=("$xserver")
  read -r number <"$work/displayfd.$1"
  export DISPLAY=":$number"
}
wait_for() { # seconds command...: polls the command until it succeeds
  local until=$((SECONDS + $1))
  until "${@:2}"; do [ "$SECONDS" -lt "$until" ] || return 1; sleep 0.05; done
}
close_window() { # X window id: sends it the close request a window manager sends
  python3 - "$1" <<'PY'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = x.XInternAtom.restype = ctypes.c_void_p
d = ctypes.c_void_p(x.XOpenDisplay(None))
atom = lambda name: ctypes.c_ulong(x.XInternAtom(d, name, 0)).value
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 24)]
window = int(sys.argv[1])
event = ClientMessage(33, 0, 1, d, window, atom(b"WM_PROTOCOLS"), 32, (ctypes.c_long * 5)(atom(b"WM_DELETE_WINDOW")))
x.XSendEvent(d, ctypes.c_ulong(window), 0, 0, ctypes.byref(event))
x.XFlush(d)
PY
}
# A file's bytes with each line feed written as \n, the last one included.
visible() { # file
  local text && text=$(cat "$1" && echo .) && text=${text%.}
  printf '%s' "${text//$'\n'/\\n}"
}
