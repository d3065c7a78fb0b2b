#!/usr/bin/env python3
"""Draws the editor's hand cursors as 32 x 32 PNG files beside this script.

'#' is the black outline, '.' the white fill, anything else transparent.
The hot spot of each cursor is given to QCursor in TCursorImages.cpp.
Run it again after changing a picture; it needs only the standard library.
"""
import os
import struct
import zlib

HANDPOINT = """
      ##
     #..#
     #..#
     #..#
     #..#
     #..###
     #..#..###
     #..#..#..##
  ## #..#..#..#.#
 #..##........#.#
 #...#..........#
  #.............#
  #.............#
   #............#
   #...........#
    #..........#
    #.........#
     #........#
     #........#
     ##########
"""

HANDGRAB = """
     ## ## ##
    #..#..#..##
    #..#..#..#.#
  ###..#..#..#.#
 #..#..#..#..#.#
 #.............#
  #............#
  #............#
   #..........#
   #..........#
    #........#
    #........#
    ##########
"""


def rows(picture):
    lines = picture.strip("\n").split("\n")
    return [line.ljust(32)[:32] for line in lines] + [" " * 32] * (32 - len(lines))


def png(picture, path):
    raw = b""
    for line in rows(picture):
        raw += b"\x00"
        for ch in line:
            if ch == "#":
                raw += b"\x00\x00\x00\xff"
            elif ch == ".":
                raw += b"\xff\xff\xff\xff"
            else:
                raw += b"\x00\x00\x00\x00"

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", 32, 32, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


here = os.path.dirname(os.path.abspath(__file__))
png(HANDPOINT, os.path.join(here, "handpoint.png"))
png(HANDGRAB, os.path.join(here, "handgrab.png"))
