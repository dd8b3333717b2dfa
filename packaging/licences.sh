#!/usr/bin/env bash
# Writes the licences of the SDL libraries built from third_party/ into
# FOLDER/licences/, for the zips that ship them.
# usage: packaging/licences.sh FOLDER
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1/licences"
licence() { tar -xzOf "$top/third_party/$1.tar.gz" "$1/$2" >"$dest/$3.txt"; }
dest=$1/licences
licence SDL2-2.32.10 LICENSE.txt SDL2
licence sdl12-compat-1.2.68 LICENSE.txt sdl12-compat
licence SDL_image-1.2.12 COPYING SDL_image
licence SDL_mixer-1.2.12 COPYING SDL_mixer
licence SDL_gfx-2.0.27 LICENSE SDL_gfx
licence libpng-1.6.58 LICENSE libpng
