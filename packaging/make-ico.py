#!/usr/bin/env python3
"""Writes a Windows icon (.ico) holding the given square PNG pictures as
they are, one entry each, for the executable's resources.
usage: packaging/make-ico.py OUT.ico ICON.png..."""
import struct
import sys


def main():
    out, pictures = sys.argv[1], [open(path, "rb").read() for path in sys.argv[2:]]
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, data = b"", b""
    for picture in pictures:
        width, height = struct.unpack(">II", picture[16:24])
        if picture[:8] != b"\x89PNG\r\n\x1a\n" or width != height or width > 256:
            sys.exit(f"make-ico.py: not a square PNG of at most 256 pixels: {width}x{height}")
        size = width % 256  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(picture), offset + len(data))
        data += picture
    with open(out, "wb") as f:
        f.write(header + entries + data)


if __name__ == "__main__":
    main()
