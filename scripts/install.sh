#!/usr/bin/env bash
# Installs the built game into a prefix (default ~/.local), stripped, and
# keeps the list of what it installed there, for scripts/uninstall.sh.
# usage: scripts/install.sh [PREFIX] [BUILD_FOLDER]
set -euo pipefail
prefix=${1:-$HOME/.local}
build=${2:-$(dirname "$0")/../build}
mkdir -p "$prefix" && prefix=$(cd "$prefix" && pwd)
manifest=$(mktemp)
trap 'rm -f "$manifest"' EXIT
cmake --install "$build" --prefix "$prefix" --strip >"$manifest.log"
sed -n 's/^-- \(Installing\|Up-to-date\): //p' "$manifest.log" >"$manifest" && rm -f "$manifest.log"
list=$prefix/share/doc/vorkkeli/installed-files
mkdir -p "$(dirname "$list")" && cp "$manifest" "$list" && echo "$list" >>"$list"
echo "Installed into $prefix; scripts/uninstall.sh $prefix removes it again."
case ":$PATH:" in
*":$prefix/bin:"*) echo "Start it with: vorkkeli" ;;
*) echo "The desktop menu starts it; to start it as vorkkeli, add $prefix/bin to PATH." ;;
esac
