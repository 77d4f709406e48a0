#!/usr/bin/env python3
"""Keeps only the named contexts of a Qt .ts file: the web program embeds no more of Qt's
catalogues than the windows it can show speak.
Usage: keep_contexts.py IN.ts OUT.ts CONTEXT..."""
import sys
import xml.etree.ElementTree as ET

source, target, *keep = sys.argv[1:]
tree = ET.parse(source)
root = tree.getroot()
for context in list(root.findall("context")):
    if context.findtext("name") not in keep:
        root.remove(context)
tree.write(target, encoding="utf-8", xml_declaration=True)
