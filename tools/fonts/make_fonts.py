#!/usr/bin/env python3
"""Makes the faces the board widget draws its texts in, from the Debian font packages the build installs.

Usage: make_fonts.py OUTPUT_FOLDER TRANSLATIONS_FOLDER

Tavni Serif is Liberation Serif Regular (fonts-liberation2, metric-compatible with Times) under a
name of its own; Tavni Serif CJK JP, KR and SC are Noto Serif CJK (fonts-noto-cjk) cut down to the
characters of the Japanese, Korean and Chinese translations. Both are under the SIL Open Font
License 1.1, which asks a changed font to drop its reserved name: the new names also keep the
game's faces apart from the same families installed on the machine.
"""
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

LIBERATION = Path("/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf")
NOTO_CJK = Path("/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc")
# The faces of the collection in their order there, and the translation each one draws.
CJK_FACES = {"JP": (0, "tavni_ja.ts"), "KR": (1, "tavni_ko.ts"), "SC": (2, "tavni_zh_CN.ts")}


def rename(font, family):
    """Gives font the family name family, style Regular, in every name record that names it."""
    postscript = family.replace(" ", "") + "-Regular"
    names = {1: family, 3: postscript, 4: family, 6: postscript, 16: family, 17: "Regular"}
    table = font["name"]
    for record in list(table.names):
        if record.nameID in names:
            table.removeNames(nameID=record.nameID)
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)
    if "CFF " in font:
        font["CFF "].cff.fontNames = [postscript]


def translated_characters(path):
    """Every character that the translations of the .ts file at path show."""
    texts = (element.text or "" for element in ElementTree.parse(path).iter("translation"))
    return {character for text in texts for character in text if not character.isspace()}


def main():
    output, translations = Path(sys.argv[1]), Path(sys.argv[2])
    output.mkdir(parents=True, exist_ok=True)

    serif = TTFont(LIBERATION)
    rename(serif, "Tavni Serif")
    serif.save(output / "TavniSerif-Regular.ttf")

    for region, (index, translation) in CJK_FACES.items():
        face = TTFont(NOTO_CJK, fontNumber=index, lazy=False)
        options = subset.Options()
        options.name_IDs = ["*"]
        options.name_languages = ["*"]
        options.notdef_outline = True
        subsetter = subset.Subsetter(options)
        characters = translated_characters(translations / translation)
        subsetter.populate(unicodes=[ord(c) for c in sorted(characters)])
        subsetter.subset(face)
        rename(face, "Tavni Serif CJK " + region)
        face.save(output / f"TavniSerifCJK{region}-Regular.otf")


if __name__ == "__main__":
    main()
