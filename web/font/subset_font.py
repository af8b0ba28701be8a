#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Cuts the web page's font from Debian's AR PL UMing: every character the given source files
show (the programs, the runtime, the page), ASCII, and the full-width digits and signs, as
WOFF2. The name table says that this is a modified subset and when it was made; the face stays
under the Arphic Public License (ARPHICPL.TXT beside this script)."""
import argparse
import datetime
import json
import pathlib

from fontTools import subset
from fontTools.ttLib import TTCollection

FAMILY = "UMing Subset"
# Full-width forms: the digits and the signs, not the letters.
FULL_WIDTH = [*range(0xFF01, 0xFF21), *range(0xFF3B, 0xFF41), *range(0xFF5B, 0xFF5F)]


def launcher_text(programs_json):
    """What the launcher shows of the programs: each program's Chinese title and line."""
    programs = json.loads(pathlib.Path(programs_json).read_text(encoding="utf-8"))
    return "".join(program["title_zh"] + program["line_zh"] for program in programs)


def characters(programs_json, sources):
    wanted = set(range(0x20, 0x7F)) | set(FULL_WIDTH) | {0x3000}
    texts = [launcher_text(programs_json)] + [pathlib.Path(source).read_text(encoding="utf-8") for source in sources]
    for text in texts:
        wanted |= {ord(c) for c in text if ord(c) > 0x7F}
    return wanted


def rename(font, made_on):
    note = (f"Modified subset of AR PL UMing CN, cut on {made_on} to the characters of the "
            "teaching programs' web page. Arphic Public License.")
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 3, 4, 6, 16, 17, 10):
            names.removeNames(nameID=record.nameID)
    for name_id, value in ((1, FAMILY), (4, FAMILY), (6, FAMILY.replace(" ", "")), (3, f"{FAMILY} {made_on}"),
                           (10, note)):
        names.setName(value, name_id, 3, 1, 0x409)
        names.setName(value, name_id, 1, 0, 0)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--font", default="/usr/share/fonts/truetype/arphic/uming.ttc")
    parser.add_argument("--output", required=True)
    parser.add_argument("--programs", required=True, help="programs.json, the list of the programs")
    parser.add_argument("sources", nargs="+")
    args = parser.parse_args()

    font = TTCollection(args.font).fonts[0]  # AR PL UMing CN
    for tag in ("BDF ", "FFTM"):  # bitmap strikes and a tool's timestamp, of no use on the web
        if tag in font:
            del font[tag]
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = []
    options.hinting = False
    options.name_IDs = ["*"]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=characters(args.programs, args.sources))
    subsetter.subset(font)
    rename(font, datetime.datetime.now(datetime.timezone.utc).date().isoformat())
    font.flavor = "woff2"
    font.save(args.output)


if __name__ == "__main__":
    main()
