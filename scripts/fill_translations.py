#!/usr/bin/python3
"""Fills English texts into i18n/ts.ts from i18n/english.tsv (Russian source TAB English).

Run after lupdate: lupdate adds the new source texts, this gives them their English.
Escapes in the table: \\n stands for a line break.
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

root = Path(__file__).resolve().parent.parent
ts_path = root / 'i18n' / 'ts.ts'
table = {}
for line in (root / 'i18n' / 'english.tsv').read_text(encoding='utf-8').splitlines():
    if not line.strip() or line.startswith('#'):
        continue
    ru, en = line.split('\t', 1)
    table[ru.replace('\\n', '\n')] = en.replace('\\n', '\n')

tree = ET.parse(ts_path)
missing = []
for message in tree.iter('message'):
    source = message.find('source').text or ''
    translation = message.find('translation')
    if source in table:
        translation.text = table[source]
        translation.attrib.pop('type', None)
    elif source != 'MainWindow':
        missing.append(source)
text = ET.tostring(tree.getroot(), encoding='unicode')
ts_path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + text + '\n', encoding='utf-8')
for source in missing:
    print('no English for:', repr(source), file=sys.stderr)
sys.exit(1 if missing else 0)
