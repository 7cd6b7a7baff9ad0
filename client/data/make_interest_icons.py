#!/usr/bin/env python3
"""Writes client/host/InterestIcons.h: the 16 x 16 icons of the "interest" list, one per
category in the order of the list's "icon" field, taken from the Adwaita icon theme (Debian's
adwaita-icon-theme, CC-BY-SA 3.0 / LGPL-3) and tinted with ImageMagick. Run it again only to
change the pictures; the header it writes is what the build uses."""
import pathlib
import subprocess

SIZE = 16
THEME = pathlib.Path("/usr/share/icons/Adwaita/16x16")
# (theme icon, tint) for icons 0, 1, ...: the interest codes 101, 102, ... in datalists.json.
ICONS = [
    ("mimetypes/font-x-generic", "#7A4A1E"),            # Calligraphy and Lettering
    ("categories/applications-graphics", "#C0392B"),    # Painting and Drawing
    ("legacy/accessories-dictionary", "#8E5A2B"),       # Books and Reading
    ("categories/applications-games", "#2C3E50"),       # Chess and Board Games
    ("devices/computer", "#2E6DA4"),                    # Computers and Technology
    ("categories/emoji-food", "#D35400"),               # Cooking
    ("categories/emoji-body", "#C0392B"),               # Fitness
    ("devices/camera-photo", "#34495E"),                # Photography
    ("categories/applications-utilities", "#8E44AD"),   # Needlework
    ("categories/emoji-flags", "#1F6FB2"),              # Boating and Sailing
    ("emotes/face-smile-big", "#B7950B"),               # Theatre and Dance
    ("status/daytime-sunrise", "#D68910"),              # Hiking and Climbing
    ("mimetypes/video-x-generic", "#6C3483"),           # Film
    ("categories/applications-science", "#117A65"),     # Science
    ("legacy/preferences-system-time", "#7B6D5A"),      # History
    ("legacy/preferences-desktop-locale", "#1A5276"),   # Languages
    ("mimetypes/audio-x-generic", "#A93226"),           # Music
    ("emotes/face-monkey", "#8B5A2B"),                  # Pets and Animals
    ("categories/emoji-activities", "#1E8449"),         # Sports
    ("status/airplane-mode", "#2874A6"),                # Travel
    ("devices/input-gaming", "#5B2C6F"),                # Video Games
    ("legacy/accessories-text-editor", "#4D5656"),      # Writing
    ("status/weather-clear-night", "#1B2631"),          # Astronomy
    ("categories/emoji-travel", "#922B21"),             # Cars and Motorcycles
    ("categories/emoji-nature", "#239B56"),             # Gardening
]


def pixels(name, tint):
    source = THEME / f"{name}-symbolic.symbolic.png"
    raw = subprocess.run(["convert", str(source), "-background", "none", "-gravity", "center",
                          "-extent", f"{SIZE}x{SIZE}", "-fill", tint, "-colorize", "100",
                          "-depth", "8", "rgba:-"], check=True, capture_output=True).stdout
    assert len(raw) == SIZE * SIZE * 4, name
    return [int.from_bytes(bytes([raw[i + 3], raw[i], raw[i + 1], raw[i + 2]]), "big")
            for i in range(0, len(raw), 4)]


images = [pixels(name, tint) for name, tint in ICONS]
strip = []
for y in range(SIZE):
    for image in images:
        strip.extend(image[y * SIZE:(y + 1) * SIZE])

lines = [
    "// The icons of the \"interest\" list: 16 x 16 images side by side, in the order of the",
    "// list's \"icon\" field, as straight ARGB pixels, row by row. From the Adwaita icon theme",
    "// (CC-BY-SA 3.0 / LGPL-3), tinted. Written by client/data/make_interest_icons.py; do not edit.",
    "#pragma once",
    "",
    "#include <array>",
    "#include <cstdint>",
    "",
    "namespace nuvclient {",
    "",
    f"inline constexpr int kInterestIconSize = {SIZE};",
    f"inline constexpr int kInterestIconCount = {len(images)};",
    "",
    "// clang-format off",
    "inline constexpr std::array<std::uint32_t, kInterestIconCount * kInterestIconSize * "
    "kInterestIconSize>",
    "    kInterestIconPixels = {",
]
for i in range(0, len(strip), 8):
    lines.append("    " + ", ".join(f"0x{p:08X}" for p in strip[i:i + 8]) + ",")
lines += ["};", "// clang-format on", "", "}  // namespace nuvclient", ""]
target = pathlib.Path(__file__).resolve().parent.parent / "host" / "InterestIcons.h"
target.write_text("\n".join(lines))
