# Sourced by build-windows-libs.sh and build-web-libs.sh: a prefix of
# libraries built once from third_party/ and kept in a cache folder, keyed by
# what they are built from, and the steps that build them, each logged.
# libs_start KIND FILES...: prints the prefix and exits when it is built;
# otherwise checks the archives and makes $work (kept with its logs when the
# build fails), $out (the prefix being built) and the helpers below.
libs_start() {
  local kind=$1 key
  shift
  cache=${VORKKELI_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vorkkeli}
  key=$(cat "$top/third_party/SHA256SUMS" "$top/scripts/libs-cache.sh" "$@" | sha256sum | cut -c1-16)
  prefix=$cache/$kind-libs-$key
  if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
  fi
  (cd "$top/third_party" && sha256sum --quiet -c SHA256SUMS) >&2 ||
    { echo "third_party/: an archive does not match SHA256SUMS" >&2; exit 1; }
  mkdir -p "$cache"
  work=$(mktemp -d "$cache/build.XXXXXX")
  trap 'echo "The build failed; its folder and logs are kept in $work" >&2' EXIT
  out=$work/prefix
  mkdir -p "$out"
  jobs=$(nproc)
  name=
}
# unpack ARCHIVE PLATFORM: into $work, patched by $patches/ARCHIVE.patch
# where the build names a folder of patches and it holds one, and made the
# working folder.
patches=
unpack() {
  name=$1
  echo "Building $1 for $2" >&2
  tar -xzf "$top/third_party/$1.tar.gz" -C "$work"
  cd "$work/$1"
  if [ -n "$patches" ] && [ -f "$patches/$1.patch" ]; then
    step patch patch -p1 -i "$patches/$1.patch"
  fi
}
step() { # log name, command...: the command's output kept in $work/NAME-LOG.log
  local log=$work/$name-$1.log
  "${@:2}" >"$log" 2>&1 && return
  echo "$name: $1 failed; the end of $log:" >&2
  tail -n 30 "$log" >&2
  exit 1
}
fail() { echo "$*; the logs are in $work" >&2; exit 1; }
libs_done() { # the built prefix moved into the cache, its path printed
  rm -rf "$prefix" && mv "$out" "$prefix" && touch "$prefix/.complete"
  trap - EXIT
  rm -rf "$work"
  echo "$prefix"
}
