#!/usr/bin/env python3
"""Measures the narrowest clear gap between neighbouring barcode symbols on label sheet images.

usage: quiet-zone.py [--min MODULES] IMAGE.pgm...

Bar rows are the rows whose dark pattern repeats a few pixels above and below (bars are
vertical; text and rules are not). In each bar row, dark runs closer than five narrow elements
belong to one symbol; the white run between two symbols is their gap, counted in the narrow
element width of that row (the most common bar width). Prints the narrowest gap; with --min,
exits 1 when it is below MODULES.
"""
import sys
from collections import Counter


def read_pgm(path):
    with open(path, 'rb') as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b'P5' or int(fields[3]) > 255:
        raise SystemExit(path + ': not an 8-bit binary PGM')
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height]
    return width, height, pixels


def dark_runs(row):
    runs, x, n = [], 0, len(row)
    while x < n:
        if row[x] < 128:
            start = x
            while x < n and row[x] < 128:
                x += 1
            runs.append((start, x))
        else:
            x += 1
    return runs


def gaps_in_row(runs):
    """(gap in modules, narrow width) for each pair of neighbouring symbols in one row."""
    if len(runs) < 20:
        return []
    narrow = Counter(e - s for s, e in runs).most_common(1)[0][0]
    symbols, current = [], [runs[0]]
    for run in runs[1:]:
        if run[0] - current[-1][1] > 5 * narrow:
            symbols.append(current)
            current = [run]
        else:
            current.append(run)
    symbols.append(current)
    symbols = [s for s in symbols if len(s) >= 10]  # a symbol has at least start and stop
    return [((b[0][0] - a[-1][1]) / narrow, narrow) for a, b in zip(symbols, symbols[1:])]


def measure(path):
    width, height, pixels = read_pgm(path)
    step = max(2, height // 1000)
    rows = [pixels[y * width:(y + 1) * width] for y in range(height)]
    masks = [bytes(1 if p < 128 else 0 for p in r) for r in rows]
    found = []
    for y in range(2 * step, height - 2 * step, step):
        if masks[y] != masks[y - 2 * step] or masks[y] != masks[y + 2 * step] or 1 not in masks[y]:
            continue
        found.extend(gaps_in_row(dark_runs(rows[y])))
    return found


def main():
    args = sys.argv[1:]
    least = None
    if args[:1] == ['--min']:
        least = float(args[1])
        args = args[2:]
    narrowest = None
    for path in args:
        gaps = measure(path)
        if not gaps:
            continue
        gap = min(gaps)
        print('%s: narrowest gap %.1f modules (narrow element %d px) over %d neighbour pairs'
              % (path, gap[0], gap[1], len(gaps)))
        narrowest = gap[0] if narrowest is None else min(narrowest, gap[0])
    if narrowest is None:
        print('no neighbouring symbols found')
        return 1
    print('narrowest gap: %.1f modules' % narrowest)
    return 1 if least is not None and narrowest < least else 0


if __name__ == '__main__':
    sys.exit(main())
