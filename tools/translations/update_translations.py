#!/usr/bin/env python3
"""Refreshes the six translation sources from the code and the phrase tables.

1. lupdate collects every tr() text of src/ into resources/translations/*.ts.
2. Each message gets its translation from resources/translations/texts/*.tsv
   (tab-separated: context, source, en, sp, zh_jt, por, jp; "\\n" for a line
   feed). The zh file is the source language itself, unless a row carries an
   eighth cell: the traditional Chinese text of a source that is not written
   in it (such as "Invalid").
3. Messages without a translation are listed and the script exits 1.
"""
import glob
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TS_DIR = os.path.join(ROOT, "resources", "translations")
LANGS = {"zh": "zh_TW", "en": "en", "sp": "es", "zh_jt": "zh_CN", "por": "pt", "jp": "ja"}
COLUMNS = ["en", "sp", "zh_jt", "por", "jp"]


def load_phrases():
    phrases = {}
    for path in sorted(glob.glob(os.path.join(TS_DIR, "texts", "*.tsv"))):
        with open(path, encoding="utf-8") as f:
            for lineno, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line or line.startswith("#"):
                    continue
                cells = [c.replace("\\n", "\n") for c in line.split("\t")]
                if len(cells) not in (2 + len(COLUMNS), 3 + len(COLUMNS)):
                    sys.exit(f"{path}:{lineno}: expected {2 + len(COLUMNS)} or {3 + len(COLUMNS)} columns, "
                             f"got {len(cells)}")
                phrases[(cells[0], cells[1])] = dict(zip(COLUMNS + ["zh"], cells[2:]))
    return phrases


def ts_path(lang):
    return os.path.join(TS_DIR, f"VNX03_{lang}.ts")


def main():
    for lang, code in LANGS.items():
        if not os.path.exists(ts_path(lang)):
            with open(ts_path(lang), "w", encoding="utf-8") as f:
                f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                        f'<TS version="2.1" language="{code}" sourcelanguage="zh_TW">\n</TS>\n')
    subprocess.run(["lupdate", "-silent", "-no-obsolete", "-locations", "none", "-source-language", "zh_TW",
                    os.path.join(ROOT, "src"), "-ts"] + [ts_path(l) for l in LANGS], check=True)
    phrases = load_phrases()
    missing = set()
    for lang, code in LANGS.items():
        tree = ET.parse(ts_path(lang))
        root = tree.getroot()
        root.set("language", code)
        root.set("sourcelanguage", "zh_TW")
        for context in root.iter("context"):
            cname = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                tr = message.find("translation")
                if lang == "zh":
                    entry = phrases.get((cname, source))
                    text = entry.get("zh", source) if entry else source
                else:
                    entry = phrases.get((cname, source))
                    text = entry[lang] if entry else None
                if text is None or text == "":
                    missing.add((cname, source))
                    tr.text = tr.text or None
                    tr.set("type", "unfinished")
                    continue
                tr.text = text
                tr.attrib.pop("type", None)
        ET.indent(tree, space="    ")
        with open(ts_path(lang), "wb") as f:
            f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            tree.write(f, encoding="utf-8", xml_declaration=False)
            f.write(b"\n")
    for cname, source in sorted(missing):
        print(f"untranslated: {cname}\t{source!r}")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
