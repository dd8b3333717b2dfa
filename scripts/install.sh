#!/usr/bin/env bash
# Builds what it installs (the game and its manual page) in build/, or the
# folder named second, then installs it into a prefix (default ~/.local),
# stripped, and keeps the list of what it installed there, for
# scripts/uninstall.sh. The install is staged first, so a failure leaves the
# prefix as it was.
# usage: scripts/install.sh [PREFIX] [BUILD_FOLDER]
set -euo pipefail
prefix=${1:-$HOME/.local}
build=${2:-$(dirname "$0")/../build}
case "$prefix" in /*) ;; *) prefix=$PWD/$prefix ;; esac
case "$build" in /*) ;; *) build=$PWD/$build ;; esac
"$(dirname "$0")/setup.sh" play >&2
"$(dirname "$0")/build.sh" "$build" --target vorkkeli --target manual >&2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" --strip >"$stage.log" 2>&1 ||
  { cat "$stage.log" >&2; rm -f "$stage.log"; exit 1; }
rm -f "$stage.log"
mkdir -p "$prefix" && cp -a "$stage$prefix/." "$prefix/"
list=$prefix/share/doc/vorkkeli/installed-files
(cd "$stage$prefix" && find . ! -type d | sed "s|^\.|$prefix|" | sort) >"$list"
echo "$list" >>"$list"
echo "Installed into $prefix; scripts/uninstall.sh $prefix removes it again."
# The menus read share/applications in these folders only.
menu=false
IFS=: read -ra data_dirs <<<"${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
for data in "${XDG_DATA_HOME:-$HOME/.local/share}" "${data_dirs[@]}"; do
  [ "$(realpath -m "$data")" == "$(realpath -m "$prefix/share")" ] && menu=true
done
case ":$PATH:" in
*":$prefix/bin:"*) echo "Start it with: vorkkeli" ;;
*) $menu && echo "The desktop menu starts it; to start it as vorkkeli, add $prefix/bin to PATH." ||
  echo "Start it with: $prefix/bin/vorkkeli" ;;
esac
