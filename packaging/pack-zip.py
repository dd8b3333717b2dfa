#!/usr/bin/env python3
"""Packs a folder into a zip that is the same bytes from any build folder:
sorted entries, no owner or mode, every time the given one (not before 1980).
With --at-root the folder's files are at the zip's root, not in a folder of
its name (as web hosts take a game's page).
usage: pack-zip.py FOLDER OUT.zip EPOCH [--at-root]"""
import os
import sys
import time
import zipfile

stage, out, epoch = sys.argv[1], sys.argv[2], max(int(sys.argv[3]), 315532800)
stamp = time.gmtime(epoch)[:6]
root = stage if sys.argv[4:] == ["--at-root"] else os.path.dirname(stage)
paths = sorted(os.path.join(d, f) for d, _, fs in os.walk(stage) for f in fs)
with zipfile.ZipFile(out + ".tmp", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for path in paths:
        info = zipfile.ZipInfo(os.path.relpath(path, root).replace(os.sep, "/"), stamp)
        info.create_system, info.external_attr = 0, 0
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(path, "rb") as f:
            z.writestr(info, f.read())
os.replace(out + ".tmp", out)
