#!/usr/bin/python3
"""Dumps the first worksheet of an .xlsx file as JSON, for the report tests.

Cells (read-only mode, which keeps the format of every cell of a merged range), merged
ranges and column widths come from openpyxl; the pictures' anchors and
sizes from the drawing part itself (openpyxl keeps only the anchor, and only with Pillow).
"invalidNumbers" lists number cells whose stored text is no finite number, which
spreadsheet programs refuse; "overlappingMerges" lists merged ranges that overlap;
"hiddenValues" lists cells whose value a merged range hides (only its first cell shows).
With --values-only the cells carry their value and type but not their format (quicker).
"""
import json
import math
import re
import sys
import zipfile
import xml.etree.ElementTree as ET

import openpyxl
from openpyxl.utils import get_column_letter

XDR = '{http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing}'
A = '{http://schemas.openxmlformats.org/drawingml/2006/main}'
FINITE = re.compile(r'^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$')


def side(border):
    return border.style if border is not None else None


def cell_json(cell, values_only):
    value = cell.value
    if isinstance(value, float) and not math.isfinite(value):
        value = repr(value)
    elif value is not None and not isinstance(value, (int, float, str, bool)):
        value = str(value)
    if values_only:
        return {'value': value, 'type': cell.data_type}
    return {
        'value': value,
        'type': cell.data_type,
        'bold': bool(cell.font.b),
        'font': cell.font.name,
        'size': cell.font.sz,
        'h': cell.alignment.horizontal,
        'v': cell.alignment.vertical,
        'wrap': bool(cell.alignment.wrap_text),
        'left': side(cell.border.left),
        'right': side(cell.border.right),
        'top': side(cell.border.top),
        'bottom': side(cell.border.bottom),
        'numberFormat': cell.number_format,
        'color': cell.font.color.rgb if cell.font.color is not None and cell.font.color.type == 'rgb' else None,
    }


def raw_checks(path):
    invalid, pictures = [], []
    with zipfile.ZipFile(path) as z:
        sheet = z.read('xl/worksheets/sheet1.xml').decode('utf-8')
        for ref, attrs, body in re.findall(r'<c r="([A-Z]+\d+)"([^>]*)>(.*?)</c>', sheet):
            if ' t="' in attrs:
                continue
            m = re.search(r'<v>(.*?)</v>', body)
            if m and not FINITE.match(m.group(1)):
                invalid.append(ref)
        for name in sorted(n for n in z.namelist() if n.startswith('xl/drawings/drawing') and n.endswith('.xml')):
            root = ET.fromstring(z.read(name))
            for anchor in root:
                start = anchor.find(XDR + 'from')
                ext = anchor.find('.//' + A + 'ext')
                pictures.append({
                    'col': int(start.find(XDR + 'col').text),
                    'colOff': int(start.find(XDR + 'colOff').text),
                    'row': int(start.find(XDR + 'row').text),
                    'rowOff': int(start.find(XDR + 'rowOff').text),
                    'cx': int(ext.get('cx')),
                    'cy': int(ext.get('cy')),
                })
    return invalid, pictures


def overlapping(ranges):
    boxes = [(r.min_row, r.min_col, r.max_row, r.max_col, r.coord) for r in ranges]
    found = []
    for i, a in enumerate(boxes):
        for b in boxes[i + 1:]:
            if a[0] <= b[2] and b[0] <= a[2] and a[1] <= b[3] and b[1] <= a[3]:
                found.append([a[4], b[4]])
    return found


def hidden(ranges, cells):
    found = []
    for r in ranges:
        for row in range(r.min_row, r.max_row + 1):
            for col in range(r.min_col, r.max_col + 1):
                if (row, col) == (r.min_row, r.min_col):
                    continue
                ref = get_column_letter(col) + str(row)
                if cells.get(ref, {}).get('value') is not None:
                    found.append(ref)
    return found


def main(path, values_only):
    wb = openpyxl.load_workbook(path)
    ws = wb.worksheets[0]
    cells = {}
    plain = openpyxl.load_workbook(path, read_only=True)
    for row in plain.worksheets[0].iter_rows():
        for cell in row:
            if hasattr(cell, 'coordinate'):
                cells[cell.coordinate] = cell_json(cell, values_only)
    plain.close()
    invalid, pictures = raw_checks(path)
    merged = ws.merged_cells.ranges
    result = {
        'sheets': len(wb.worksheets),
        'cells': cells,
        'merged': sorted(r.coord for r in merged),
        'columns': [{'min': d.min, 'max': d.max, 'width': d.width}
                    for d in ws.column_dimensions.values() if d.customWidth],
        'pictures': pictures,
        'openpyxlAnchors': [{'row': img.anchor._from.row, 'col': img.anchor._from.col}
                            for img in getattr(ws, '_images', [])],
        'invalidNumbers': invalid,
        'overlappingMerges': overlapping(merged),
        'hiddenValues': hidden(merged, cells),
    }
    json.dump(result, sys.stdout, ensure_ascii=False)


if __name__ == '__main__':
    main(sys.argv[1], '--values-only' in sys.argv[2:])
