#!/usr/bin/env python3
"""The web page's own lines (context WebPage) of each catalogue, and each language's direction,
as the JSON the page reads; and its <noscript> line in every language, as HTML.
Usage: page_texts.py OUT.json OUT-noscript.html NOSCRIPT-LINE scribblewick_*.ts"""
import html
import json
import os
import sys
import xml.etree.ElementTree as ET

json_out, noscript_out, noscript_line, *catalogues = sys.argv[1:]
texts = {}
for path in sorted(catalogues):
    language = os.path.basename(path)[len("scribblewick_"):-len(".ts")]
    lines = {}
    for context in ET.parse(path).getroot().findall("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            if name == "WebPage" or (name == "QGuiApplication" and source == "QT_LAYOUT_DIRECTION"):
                lines[source] = translation.text or ""
    texts[language] = lines

with open(json_out, "w", encoding="utf-8") as out:
    json.dump(texts, out, ensure_ascii=False, separators=(",", ":"), sort_keys=True)

paragraphs = [f'<p lang="en">{html.escape(noscript_line)}</p>']
for language, lines in texts.items():
    if noscript_line in lines:
        direction = "rtl" if lines.get("QT_LAYOUT_DIRECTION") == "RTL" else "ltr"
        paragraphs.append(f'<p lang="{language.replace("_", "-")}" dir="{direction}">'
                          f'{html.escape(lines[noscript_line])}</p>')
with open(noscript_out, "w", encoding="utf-8") as out:
    out.write("\n".join(paragraphs))
