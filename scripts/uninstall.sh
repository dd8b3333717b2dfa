#!/usr/bin/env bash
# Removes what scripts/install.sh installed into a prefix (default ~/.local):
# exactly the files it listed, then the folders that are left empty.
# usage: scripts/uninstall.sh [PREFIX]
set -euo pipefail
prefix=$(cd "${1:-$HOME/.local}" && pwd)
list=$prefix/share/doc/vorkkeli/installed-files
[ -f "$list" ] || { echo "Nothing to uninstall: no $list" >&2; exit 1; }
mapfile -t files <"$list"
for file in "${files[@]}"; do
  case "$file" in "$prefix"/*) rm -f "$file" ;; *) echo "left alone (outside $prefix): $file" >&2 ;; esac
done
for file in "${files[@]}"; do
  dir=$(dirname "$file")
  while [ "${dir#"$prefix"/}" != "$dir" ] && rmdir "$dir" 2>/dev/null; do dir=$(dirname "$dir"); done
done
echo "Removed vorkkeli from $prefix."
