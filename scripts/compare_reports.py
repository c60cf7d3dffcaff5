#!/usr/bin/python3
"""Compares two folders of reports written by bench/report_samples, file by file.

PDF: the text as `pdftotext -layout` gives it and the page count must be identical,
and every page rendered by `pdftoppm` must look the same: a pixel may differ by up
to --tolerance levels (anti-aliasing), and at most --spread of a page's pixels may
differ by more.
Excel: every cell (value, type, font, alignment, borders), the merged ranges, the
column widths and the pictures' anchors and sizes must be identical, and no pixel
of a picture may differ by more than --picture-tolerance levels in any channel.
Both print the largest difference of a pixel they found.

With --reading-order, for reports of two builds whose font metrics differ (Qt 5 and Qt 6):
a PDF must hold the same words in the same order, read line by line down the pages
without the pages' numbers, so that where a page breaks does not count; its page count
is printed, not compared, and no pixel is compared; a workbook must have the same
cells, merges, widths and picture anchors, and pictures of the same pixel sizes.

    scripts/compare_reports.py /work/golden-reports /tmp/new-reports
    scripts/compare_reports.py --reading-order /tmp/reports-qt5 /tmp/reports-qt6
(write both at the same logical DPI, e.g. QT_FONT_DPI=96: Qt 5's offscreen screen says
100 dpi, Qt 6's 96, and a workbook sizes its pictures by the DPI they were made at)
Exit code 0 when everything matches; the differences found otherwise.
"""
import argparse
import io
import os
import subprocess
import sys
import tempfile
import zipfile

from PIL import Image, ImageChops

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'report'))
import xlsx_dump  # noqa: E402
import openpyxl  # noqa: E402


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def page_count(path):
    for line in run('pdfinfo', path).decode().splitlines():
        if line.startswith('Pages:'):
            return int(line.split()[1])
    return -1


def render(path, folder, dpi):
    run('pdftoppm', '-r', str(dpi), '-gray', '-png', path, os.path.join(folder, 'p'))
    return sorted(os.path.join(folder, name) for name in os.listdir(folder))


def reading_order(path):
    """The words of the pages, line by line, without the pages' numbers."""
    words = []
    for page in run('pdftotext', '-layout', path, '-').decode().split('\f'):
        lines = [line for line in page.split('\n') if line.strip()]
        if lines and lines[-1].strip().isdigit():
            lines.pop()
        for line in lines:
            words += line.split()
    return words


def compare_pdf_reading_order(old, new):
    old_pages, new_pages = page_count(old), page_count(new)
    old_words, new_words = reading_order(old), reading_order(new)
    print(f'  {old_pages} pages against {new_pages}, {len(old_words)} words against {len(new_words)}')
    if old_words == new_words:
        return []
    at = next((i for i, (a, b) in enumerate(zip(old_words, new_words)) if a != b),
              min(len(old_words), len(new_words)))
    return [f'words differ from word {at + 1}: {old_words[at:at + 5]!r} against {new_words[at:at + 5]!r}']


def compare_pdf(old, new, args):
    if args.reading_order:
        return compare_pdf_reading_order(old, new)
    problems = []
    old_pages, new_pages = page_count(old), page_count(new)
    if old_pages != new_pages:
        problems.append(f'pages: {old_pages} against {new_pages}')
    old_text = run('pdftotext', '-layout', old, '-').decode()
    new_text = run('pdftotext', '-layout', new, '-').decode()
    if old_text != new_text:
        old_lines, new_lines = old_text.split('\n'), new_text.split('\n')
        at = next((i for i, (a, b) in enumerate(zip(old_lines, new_lines)) if a != b),
                  min(len(old_lines), len(new_lines)))
        problems.append(f'text differs from line {at + 1}: {old_lines[at:at + 1]!r} against {new_lines[at:at + 1]!r}')
    if problems:
        return problems
    worst = 0.0
    largest = 0
    with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
        for page, (x, y) in enumerate(zip(render(old, a, args.dpi), render(new, b, args.dpi)), start=1):
            one, two = Image.open(x).convert('L'), Image.open(y).convert('L')
            if one.size != two.size:
                problems.append(f'page {page}: {one.size} against {two.size} pixels')
                continue
            histogram = ImageChops.difference(one, two).histogram()
            largest = max([largest] + [level for level, count in enumerate(histogram) if count])
            over = sum(histogram[args.tolerance + 1:])
            share = over / (one.size[0] * one.size[1])
            worst = max(worst, share)
            if share > args.spread:
                problems.append(f'page {page}: {over} pixels differ by more than {args.tolerance}')
    print(f'  {old_pages} pages, text identical, worst page {worst:.5%} of pixels beyond tolerance, '
          f'largest pixel difference {largest} levels')
    return problems


def pictures(path):
    """Decoded pixels of every picture in the workbook, in part-name order."""
    found = []
    with zipfile.ZipFile(path) as z:
        for name in sorted(n for n in z.namelist() if n.startswith('xl/media/')):
            found.append(Image.open(io.BytesIO(z.read(name))).convert('RGBA'))
    return found


def sheet(path):
    cells = {}
    book = openpyxl.load_workbook(path, read_only=True)
    for row in book.worksheets[0].iter_rows():
        for cell in row:
            if hasattr(cell, 'coordinate'):
                cells[cell.coordinate] = xlsx_dump.cell_json(cell, False)
    book.close()
    full = openpyxl.load_workbook(path)
    ws = full.worksheets[0]
    merged = sorted(r.coord for r in ws.merged_cells.ranges)
    widths = sorted((d.min, d.max, d.width) for d in ws.column_dimensions.values() if d.customWidth)
    _, anchors = xlsx_dump.raw_checks(path)
    return {'sheets': len(full.worksheets), 'cells': cells, 'merged': merged, 'widths': widths,
            'anchors': anchors, 'pictures': pictures(path)}


def picture_difference(old, new):
    """The largest difference of a channel of a pixel, or None when the sizes differ."""
    if old.size != new.size:
        return None
    bands = ImageChops.difference(old, new).split()
    return max(max(level for level, count in enumerate(band.histogram()) if count) for band in bands)


def compare_xlsx(old, new, args):
    one, two = sheet(old), sheet(new)
    problems = []
    for key in ('sheets', 'merged', 'widths', 'anchors'):
        if one[key] != two[key]:
            problems.append(f'{key} differ')
    largest = 0
    if len(one['pictures']) != len(two['pictures']):
        problems.append('numbers of pictures differ')
    for number, (a, b) in enumerate(zip(one['pictures'], two['pictures']), start=1):
        difference = picture_difference(a, b)
        if difference is None:
            problems.append(f'picture {number}: {a.size} against {b.size} pixels')
            continue
        largest = max(largest, difference)
        if difference > args.picture_tolerance and not args.reading_order:
            problems.append(f'picture {number}: a pixel differs by {difference} levels')
    if one['cells'] != two['cells']:
        refs = sorted(set(one['cells']) | set(two['cells']))
        wrong = [r for r in refs if one['cells'].get(r) != two['cells'].get(r)]
        problems.append(f'{len(wrong)} cells differ, first {wrong[0]}: '
                        f'{one["cells"].get(wrong[0])} against {two["cells"].get(wrong[0])}')
    print(f'  {len(one["cells"])} cells, {len(one["merged"])} merges, {len(one["anchors"])} pictures, '
          f'largest pixel difference {largest} levels')
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('old')
    parser.add_argument('new')
    parser.add_argument('--dpi', type=int, default=40)
    parser.add_argument('--tolerance', type=int, default=64, help='grey levels a pixel may differ by')
    parser.add_argument('--spread', type=float, default=0.001, help='share of a page beyond the tolerance')
    parser.add_argument('--picture-tolerance', type=int, default=8,
                        help='levels a channel of a workbook picture\'s pixel may differ by')
    parser.add_argument('--reading-order', action='store_true',
                        help='the same words in the same order and the same cells; pages and pixels may differ')
    args = parser.parse_args()

    # The new folder decides which reports are compared, so a run of one size is enough.
    names = sorted(n for n in os.listdir(args.new) if n.endswith(('.pdf', '.xlsx')))
    if not names:
        print(f'no reports in {args.new}')
        return 2
    failed = False
    for name in names:
        old, new = os.path.join(args.old, name), os.path.join(args.new, name)
        print(name)
        if not os.path.exists(old):
            problems = ['missing from ' + args.old]
        elif name.endswith('.pdf'):
            problems = compare_pdf(old, new, args)
        else:
            problems = compare_xlsx(old, new, args)
        for problem in problems:
            print(f'  DIFFERS: {problem}')
        failed |= bool(problems)
    print('different' if failed else 'the same')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
