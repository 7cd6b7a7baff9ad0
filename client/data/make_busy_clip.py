#!/usr/bin/env python3
"""Writes busy.avi, the host's busy animation: a ring of twelve dots with a bright head that
goes round once in twelve frames. An uncompressed 8-bit clip with one video stream and an
index, the form the animation control plays. Run it again only to change the picture:

    python3 client/data/make_busy_clip.py client/data/busy.avi
"""

import math
import struct
import sys

SIZE = 32
FRAMES = 12
MICROSECONDS_PER_FRAME = 83333  # 12 frames a second.
DOTS = 12

# Index 0 is the background (the control treats the first pixel's colour as transparent), then
# a fading trail from the head's colour to the resting dots' grey.
PALETTE = [(255, 255, 255), (32, 96, 208), (80, 128, 216), (128, 160, 224), (176, 192, 232),
           (208, 208, 208)]


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, data):
    return chunk(b"LIST", kind + data)


def frame_pixels(frame):
    """Rows bottom-up, as a device-independent bitmap keeps them."""
    pixels = [[0] * SIZE for _ in range(SIZE)]
    centre = (SIZE - 1) / 2
    for dot in range(DOTS):
        angle = 2 * math.pi * dot / DOTS - math.pi / 2
        x = centre + 11 * math.cos(angle)
        y = centre + 11 * math.sin(angle)
        age = (frame - dot) % DOTS
        colour = 1 + min(age, len(PALETTE) - 2)
        for row in range(SIZE):
            for column in range(SIZE):
                if (column - x) ** 2 + (row - y) ** 2 <= 2.9 ** 2:
                    pixels[row][column] = colour
    return b"".join(bytes(row) for row in reversed(pixels))


def build():
    frame_bytes = SIZE * SIZE  # A 32-pixel row of 8-bit pixels needs no padding.
    main_header = struct.pack("<10I4I", MICROSECONDS_PER_FRAME,
                              frame_bytes * 1000000 // MICROSECONDS_PER_FRAME, 0,
                              0x10,  # AVIF_HASINDEX
                              FRAMES, 0, 1, frame_bytes, SIZE, SIZE, 0, 0, 0, 0)
    stream_header = struct.pack("<4s4sIHHIIIIIIII4h", b"vids", b"DIB ", 0, 0, 0, 0,
                                MICROSECONDS_PER_FRAME, 1000000, 0, FRAMES, frame_bytes,
                                0xFFFFFFFF, 0, 0, 0, SIZE, SIZE)
    bitmap_header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 0, frame_bytes, 0, 0,
                                len(PALETTE), len(PALETTE))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = riff_list(b"hdrl", chunk(b"avih", main_header) +
                       riff_list(b"strl", chunk(b"strh", stream_header) +
                                 chunk(b"strf", bitmap_header + palette)))

    frames = b""
    index = b""
    for frame in range(FRAMES):
        # Offsets count from the 'movi' type, as the index expects.
        index += struct.pack("<4sIII", b"00db", 0x10, 4 + len(frames), frame_bytes)
        frames += chunk(b"00db", frame_pixels(frame))
    movie = riff_list(b"movi", frames)
    return chunk(b"RIFF", b"AVI " + header + movie + chunk(b"idx1", index))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_busy_clip.py OUTPUT.avi")
    with open(sys.argv[1], "wb") as out:
        out.write(build())
