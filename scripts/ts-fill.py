#!/usr/bin/env python3
"""Fills the English of a Qt .ts file from a JSON dictionary.

Usage: ts-fill.py FILE.ts DICT.json   fills every message whose French source
                                      the dictionary holds ({"French": "English"})
       ts-fill.py FILE.ts --missing   prints the sources still without English

A filled message loses its type="unfinished"; vanished and obsolete messages
are left for lupdate -no-obsolete to drop.
"""
import json
import sys
import xml.etree.ElementTree as ET


def messages(root):
    for context in root.iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            yield name, message


def main():
    path = sys.argv[1]
    tree = ET.parse(path)
    root = tree.getroot()
    if sys.argv[2] == '--missing':
        missing = 0
        for context, message in messages(root):
            t = message.find('translation')
            if t is None or t.get('type') in ('unfinished', 'vanished', 'obsolete') or not (t.text or '').strip():
                print(f'{context}\t{message.findtext("source")!r}')
                missing += 1
        return 1 if missing else 0
    with open(sys.argv[2], encoding='utf-8') as f:
        english = json.load(f)
    filled = 0
    for _, message in messages(root):
        source = message.findtext('source')
        t = message.find('translation')
        if source in english and t is not None and t.get('type') != 'vanished':
            t.text = english[source]
            t.attrib.pop('type', None)
            filled += 1
    tree.write(path, encoding='utf-8', xml_declaration=True)
    # Keep the doctype lupdate writes.
    with open(path, encoding='utf-8') as f:
        text = f.read()
    if '<!DOCTYPE TS>' not in text:
        text = text.replace("?>\n", "?>\n<!DOCTYPE TS>\n", 1)
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)
    print(f'{filled} messages filled', file=sys.stderr)
    return 0


if __name__ == '__main__':
    sys.exit(main())
