#!/usr/bin/env python3
"""Writes the part of a Noto Sans CJK face that a language's catalogues use: the web program
carries no system fonts, and a whole CJK face is larger than the rest of the page.
Usage: cjk_font.py FONT.ttc FACE-INDEX OUT.otf CATALOGUE.ts..."""
import sys
import xml.etree.ElementTree as ET
from fontTools import subset

font, index, target, *catalogues = sys.argv[1:]
text = set()
for catalogue in catalogues:
    for translation in ET.parse(catalogue).getroot().iter("translation"):
        text.update(translation.text or "")
options = subset.Options()
options.font_number = int(index)
options.hinting = False
options.desubroutinize = True
face = subset.load_font(font, options)
subsetter = subset.Subsetter(options)
subsetter.populate(text="".join(sorted(c for c in text if ord(c) > 0x2000)))
subsetter.subset(face)
subset.save_font(face, target, options)
