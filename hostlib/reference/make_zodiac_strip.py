#!/usr/bin/env python3
"""Writes ZodiacBitmap.h: the zodiac strip of 13 images of 16 x 16, image 0 a grey ring for no
sign and images 1 (Aries) to 12 (Pisces) the signs' symbols, each in a colour of its own, drawn
with DejaVu Sans Bold (Debian's fonts-dejavu-core) by ImageMagick. Run it again only to change
the pictures; the header it writes is what the build uses."""
import pathlib
import subprocess

SIZE = 16
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SIGNS = "\u2648\u2649\u264a\u264b\u264c\u264d\u264e\u264f\u2650\u2651\u2652\u2653"
COLOURS = ["#D03020", "#3C8C3C", "#C0A010", "#2060C0", "#E07820", "#708040",
           "#40A0D0", "#802060", "#C04040", "#606060", "#30A0A0", "#4040A0"]


def rgba(args):
    raw = subprocess.run(["convert", "-size", f"{SIZE}x{SIZE}", "xc:none", *args,
                          "-depth", "8", "rgba:-"], check=True, capture_output=True).stdout
    assert len(raw) == SIZE * SIZE * 4
    return [int.from_bytes(bytes([raw[i + 3], raw[i], raw[i + 1], raw[i + 2]]), "big")
            for i in range(0, len(raw), 4)]


images = [rgba(["-fill", "none", "-stroke", "#808080", "-strokewidth", "2",
                "-draw", "circle 7.5,7.5 7.5,2.5"])]
for sign, colour in zip(SIGNS, COLOURS):
    images.append(rgba(["-font", FONT, "-pointsize", "15", "-fill", colour,
                        "-gravity", "center", "-annotate", "+0+0", sign]))

strip = []
for y in range(SIZE):
    for image in images:
        strip.extend(image[y * SIZE:(y + 1) * SIZE])

lines = [
    "// The zodiac strip: 13 images of 16 x 16 side by side, image 0 a grey ring for no sign and",
    "// images 1 (Aries) to 12 (Pisces) the signs' symbols, each in its own colour, as straight",
    "// ARGB pixels, row by row. Written by make_zodiac_strip.py; do not edit.",
    "#pragma once",
    "",
    "#include <array>",
    "#include <cstdint>",
    "",
    f"inline constexpr int kZodiacImageSize = {SIZE};",
    f"inline constexpr int kZodiacImageCount = {len(images)};",
    "inline constexpr int kZodiacStripWidth = kZodiacImageCount * kZodiacImageSize;",
    "",
    "// clang-format off",
    "inline constexpr std::array<std::uint32_t, kZodiacStripWidth * kZodiacImageSize> kZodiacPixels = {",
]
for i in range(0, len(strip), 8):
    lines.append("    " + ", ".join(f"0x{p:08X}" for p in strip[i:i + 8]) + ",")
lines += ["};", "// clang-format on", ""]
pathlib.Path(__file__).with_name("ZodiacBitmap.h").write_text("\n".join(lines))
