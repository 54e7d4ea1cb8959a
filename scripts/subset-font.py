#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
"""Makes the Song face the program carries: the glyphs of AR PL UMing CN
(Debian's fonts-arphic-uming) that the window and its message boxes draw,
with the face's bitmap strikes, under a family name of its own.

    scripts/subset-font.py [out.ttf]    (default src/ui/assets/uming-subset.ttf)

Needs fonts-arphic-uming and python3-fonttools (scripts/deps.sh font). Run it again whenever a text of the window or of a
message changes; the window test fails while a character is missing."""

import datetime
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = pathlib.Path("/usr/share/fonts/truetype/arphic/uming.ttc")
FAMILY = "Tolvera UMing"
POSTSCRIPT = "TolveraUMing"

# Where the texts of the windows, the menu, the messages and the cut sheet
# are written.
TEXT_FILES = [
    "src/ui/layout.cpp",
    "src/ui/form1.cpp",
    "src/ui/dimensions.cpp",
    "src/ui/cutsheet.cpp",
    "src/calc/messages.cpp",
    "src/runtime/message.cpp",
    "src/ui/messagebox.cpp",
    "src/ui/predictionwindow.cpp",
    "src/ui/installationgroup.cpp",
    "src/ui/analyserpanel.cpp",
    "src/ui/swrplot.cpp",
    "src/ui/currentplot.cpp",
    "src/runtime/runtimeerror.h",
]
# The Chinese of the figures and messages the window shows.
TRANSLATIONS = ["src/words/tolvera_zh_CN.ts"]
# Qt's own texts in the window: the edit boxes' context menu in Chinese.
QT_TEXTS = "撤消(&U) 重做(&R) 剪切(&T) 复制(&C) 粘贴(&P) 删除 全选"
# What a user may type: printable ASCII, the full-width forms, the
# ideographic space and full stop.
TYPED = (
    "".join(map(chr, range(0x20, 0x7F)))
    + "".join(map(chr, range(0xFF01, 0xFF5F)))
    + "\u3000\u3002"
)


def string_literals(path):
    text = (ROOT / path).read_text(encoding="utf-8")
    return "".join(re.findall(r'"((?:[^"\\\n]|\\.)*)"', text))


def translations(path):
    tree = ElementTree.parse(ROOT / path)
    return "".join(t.text or "" for t in tree.iter("translation"))


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "src/ui/assets/uming-subset.ttf"
    characters = set(TYPED + QT_TEXTS)
    for path in TEXT_FILES:
        characters.update(string_literals(path))
    for path in TRANSLATIONS:
        characters.update(translations(path))
    characters = {c for c in characters if c.isprintable() or c == "\u3000"}

    options = subset.Options()
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC")] + ["BDF ", "FFTM"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    font = TTFont(SOURCE, fontNumber=0)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in characters])
    subsetter.subset(font)

    # A modified Arphic font says how and when it was changed, and keeps the
    # licence; a family name of its own keeps it apart from an installed UMing.
    today = datetime.date.today().isoformat()
    notice = (
        f"Modified for Tolvera on {today} by scripts/subset-font.py: only the "
        f"{len(characters)} characters the program draws are kept (outlines and "
        "bitmap strikes unchanged), and the family is renamed."
    )
    name = font["name"]
    for record in list(name.names):
        if record.nameID in (1, 2, 3, 4, 6, 16, 17):
            name.removeNames(nameID=record.nameID)
    name.setName(FAMILY, 1, 3, 1, 0x409)
    name.setName(f"{FAMILY}: subset of AR PL UMing CN 0.2.20080216.1", 3, 3, 1, 0x409)
    name.setName(FAMILY, 4, 3, 1, 0x409)
    name.setName(POSTSCRIPT, 6, 3, 1, 0x409)
    name.setName(notice, 10, 3, 1, 0x409)
    # UMing calls its one weight Light (300); as the regular weight it is
    # what a request for a normal font finds, and bold is synthesised from it.
    font["OS/2"].usWeightClass = 400
    name.setName("Regular", 2, 3, 1, 0x409)
    font.recalcTimestamp = False  # the same file for the same input on the same day
    font.save(out, reorderTables=True)
    print(f"{out}: {len(characters)} characters, {out.stat().st_size} bytes")


if __name__ == "__main__":
    main()
