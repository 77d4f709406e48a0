#!/usr/bin/env python3
"""Keeps only the named contexts of a Qt .ts file, or with -CONTEXT all but those named: the
web program embeds no more of the catalogues than the windows it can show speak.
Usage: keep_contexts.py IN.ts OUT.ts CONTEXT...|-CONTEXT..."""
import sys
import xml.etree.ElementTree as ET

source, target, *named = sys.argv[1:]
drop = {n[1:] for n in named if n.startswith("-")}
keep = {n for n in named if not n.startswith("-")}
tree = ET.parse(source)
root = tree.getroot()
for context in list(root.findall("context")):
    name = context.findtext("name")
    if name in drop or (keep and name not in keep):
        root.remove(context)
tree.write(target, encoding="utf-8", xml_declaration=True)
