# Every asset file made bad in every way, one replay each through both views,
# all three drive modes and F3: the run must end normally, and say exactly one
# line for a picture that does not load and nothing for one that does.
source "$(dirname "$0")/lib.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# Grip with throttle and steering, slide, spin, the engine view, back; F3 now and then.
script=$(
  for i in $(seq 1 40); do echo "500 1 273"; done
  for i in $(seq 1 20); do echo "100 0 286"; done
  echo "320 0 284"
  for i in $(seq 1 20); do echo "500 0 287"; done
  for i in $(seq 1 30); do echo "320 4 283,285"; done
  echo "320 0 284"
  for i in $(seq 1 20); do echo "0 0 282,274"; done
)

make_bad() { # kind file
  local file="$run/$2"
  case "$1" in
    missing) rm -f "$file" ;;
    empty) : >"$file" ;;
    random) head -c 4096 /dev/urandom >"$file" ;;
    truncated) head -c $(($(stat -c %s "$file") / 2)) "$file" >"$work/half" && mv "$work/half" "$file" ;;
    tiny) /usr/bin/convert -size 1x1 xc:'#808080' "PNG24:$file" ;;
    alpha) /usr/bin/convert "$ASSETS/volvo.png" -alpha set -channel A -evaluate set 50% +channel "PNG32:$file" ;;
  esac
}

files="kuula.png kuva.png laatta1.png laatta2.png laatta3.png mopo.png piston.png volvo.png polkumusiikkitiedostoon.wav"
for file in $files; do
  for kind in missing empty random truncated tiny alpha; do
    fresh_assets
    make_bad "$kind" "$file"
    status=0
    (cd "$run" && printf '%s\n' "$script" | "$VORKKELI_REPLAY" >"$work/stdout" 2>"$work/stderr") || status=$?
    case "$file:$kind" in
      *.wav:truncated) said_ok=$(cat "$work/stderr") ;; # the first half still plays
      *.wav:*) report="Virhe : Tried to play a NULL chunk "
         [ "$(cat "$work/stderr")" == "$report$report" ] && said_ok= || said_ok=$(cat "$work/stderr") ;;
      *:tiny | *:alpha) said_ok=$(cat "$work/stderr") ;;
      *) # libpng states its own reason for a broken file on a line before ours
         grep -v '^libpng error: ' "$work/stderr" >"$work/ours" || true
         said_ok=$(grep -v "^Kuvan lataaminen ei onnistu $file: " "$work/ours" || true)
         [ "$(wc -l <"$work/ours")" -eq 1 ] || said_ok="not one line: $(cat "$work/stderr")" ;;
    esac
    frames=$(wc -l <"$work/stdout")
    if [ "$status" -eq 0 ] && [ -z "$said_ok" ] && [ "$frames" -eq 132 ]; then
      pass "$file $kind"
    else
      fail "$file $kind: status $status, $frames frames, stderr [$(head -c 300 "$work/stderr")]"
    fi
  done
done
finish
