# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
"""Reads an .xls file with xlrd, an independent reader, and prints what it
found as JSON: cell values and types, formats, column widths, view and print
settings, every message xlrd logged, and the problems a record-level check of
the workbook stream found (record sizes, shared-string splitting, EXTSST,
INDEX/DBCELL offsets, DIMENSIONS, ROW extents, in every worksheet). The
cells, formats and settings at the top are the first worksheet's; under
"sheets" come the name, selection and cells of every worksheet in order.

Usage: read_xls.py FILE.xls
Exit 3 when xlrd is not installed, so the caller can skip.
"""

import io
import json
import struct
import sys

try:
    import xlrd
    from xlrd import compdoc
except ImportError:
    print("python3-xlrd is not installed", file=sys.stderr)
    sys.exit(3)

MAX_DATA = 8224
CONTINUE = 0x3C
CELL_TYPES = {0x00FD: "LABELSST", 0x0203: "NUMBER", 0x027E: "RK", 0x00BD: "MULRK",
              0x0201: "BLANK", 0x00BE: "MULBLANK"}
KNOWN = {
    0x0809, 0x000A, 0x003C, 0x0042, 0x003D, 0x0019, 0x0012, 0x0013, 0x0040, 0x008D,
    0x0022, 0x000E, 0x00DA, 0x0031, 0x041E, 0x00E0, 0x0293, 0x0092, 0x0085, 0x008C,
    0x00FC, 0x00FF, 0x020B, 0x000D, 0x000C, 0x000F, 0x0011, 0x0010, 0x005F, 0x002A,
    0x002B, 0x0082, 0x0080, 0x0225, 0x0081, 0x0014, 0x0015, 0x0083, 0x0084, 0x0055,
    0x007D, 0x0200, 0x0208, 0x00D7, 0x023E, 0x0041, 0x001D,
} | set(CELL_TYPES)


def records(stream, problems):
    out = []
    pos = 0
    while pos + 4 <= len(stream):
        rtype, size = struct.unpack_from("<HH", stream, pos)
        if size > MAX_DATA:
            problems.append("record 0x%04X at %d carries %d bytes" % (rtype, pos, size))
        if rtype not in KNOWN:
            problems.append("unknown record 0x%04X at %d" % (rtype, pos))
        out.append((pos, rtype, stream[pos + 4:pos + 4 + size]))
        pos += 4 + size
    if pos != len(stream):
        problems.append("stream ends inside a record (%d of %d)" % (pos, len(stream)))
    return out


class Chunks:
    """The SST data and its CONTINUE records read as one sequence."""

    def __init__(self, parts):
        self.parts = parts  # (record position, data)
        self.index = 0
        self.offset = 0

    def left(self):
        return len(self.parts[self.index][1]) - self.offset

    def next_record(self):
        if self.index + 1 >= len(self.parts):
            raise ValueError("shared strings run past their records")
        self.index += 1
        self.offset = 0

    def read(self, n):
        data = self.parts[self.index][1][self.offset:self.offset + n]
        if len(data) != n:
            raise ValueError("read past a record")
        self.offset += n
        return data

    def position(self):
        return self.parts[self.index][0] + 4 + self.offset

    def record_position(self):
        return self.parts[self.index][0]


def check_sst(recs, problems):
    starts = [i for i, r in enumerate(recs) if r[1] == 0x00FC]
    if len(starts) != 1:
        problems.append("expected one SST record, found %d" % len(starts))
        return []
    i = starts[0]
    parts = [(recs[i][0], recs[i][2])]
    j = i + 1
    while j < len(recs) and recs[j][1] == CONTINUE:
        parts.append((recs[j][0], recs[j][2]))
        j += 1
    c = Chunks(parts)
    total, unique = struct.unpack("<II", c.read(8))
    texts, where = [], []
    try:
        for k in range(unique):
            if c.left() == 0:
                c.next_record()
            if c.left() < 3:
                problems.append("string %d: header split across records" % k)
                return texts
            where.append((c.position(), c.record_position()))
            cch, flags = struct.unpack("<HB", c.read(3))
            size = 2 if flags & 1 else 1
            if cch > 0 and c.left() < size:
                problems.append("string %d: first character not with its header" % k)
                return texts
            chars = []
            remaining = cch
            while remaining:
                if c.left() == 0:
                    c.next_record()
                    flags = c.read(1)[0]
                    size = 2 if flags & 1 else 1
                if c.left() < size:
                    problems.append("string %d: a character split across records" % k)
                    return texts
                n = min(remaining, c.left() // size)
                raw = c.read(n * size)
                chars.append(raw.decode("utf-16-le" if size == 2 else "latin-1"))
                remaining -= n
            texts.append("".join(chars))
        if c.left() != 0 or c.index != len(parts) - 1:
            problems.append("bytes left after the last shared string")
    except ValueError as e:
        problems.append("SST: %s" % e)
        return texts

    if j >= len(recs) or recs[j][1] != 0x00FF:
        problems.append("no EXTSST after the shared strings")
        return texts
    ext = recs[j][2]
    per_bucket = struct.unpack_from("<H", ext, 0)[0]
    if per_bucket < 8:
        problems.append("EXTSST buckets of %d strings" % per_bucket)
        return texts
    buckets = (len(ext) - 2) // 8
    if buckets != (unique + per_bucket - 1) // per_bucket:
        problems.append("EXTSST has %d buckets for %d strings of %d" % (buckets, unique, per_bucket))
    for b in range(min(buckets, (unique + per_bucket - 1) // per_bucket)):
        ib, cb, _ = struct.unpack_from("<IHH", ext, 2 + 8 * b)
        at, record_at = where[b * per_bucket]
        if ib != at or cb != at - record_at:
            problems.append("EXTSST bucket %d says (%d, %d), string is at (%d, %d)"
                            % (b, ib, cb, at, at - record_at))
    if total < unique:
        problems.append("SST counts %d uses of %d strings" % (total, unique))
    return texts


def cell_positions(rtype, data):
    """(row, first column, last column) of a cell record."""
    row, col = struct.unpack_from("<HH", data, 0)
    if rtype in (0x00BD, 0x00BE):
        last = struct.unpack_from("<H", data, len(data) - 2)[0]
        return row, col, last
    return row, col, col


def check_sheet(recs, start, problems):
    by_pos = {r[0]: (n, r) for n, r in enumerate(recs)}
    n0 = by_pos[start][0]
    end = next(n for n in range(n0, len(recs)) if recs[n][1] == 0x000A)
    sheet = recs[n0:end + 1]
    if sheet[1][1] != 0x020B:
        problems.append("no INDEX after the worksheet BOF")
        return {}
    index = sheet[1][2]
    rw_mic, rw_mac, defcol_at = struct.unpack_from("<III", index, 4)
    dbcells = [struct.unpack_from("<I", index, o)[0] for o in range(16, len(index), 4)]
    actual_dbcells = [r[0] for r in sheet if r[1] == 0x00D7]
    if dbcells != actual_dbcells:
        problems.append("INDEX lists DBCELLs %s, they are at %s" % (dbcells[:5], actual_dbcells[:5]))
    if defcol_at not in by_pos or by_pos[defcol_at][1][1] != 0x0055:
        problems.append("INDEX does not point at DEFCOLWIDTH")

    cells = [r for r in sheet if r[1] in CELL_TYPES]
    row_records = {struct.unpack_from("<H", r[2], 0)[0]: r for r in sheet if r[1] == 0x0208}
    used_rows, used_cols, extents = set(), set(), {}
    last_key = (-1, -1)
    for pos, rtype, data in cells:
        row, first, last = cell_positions(rtype, data)
        if (row, first) <= last_key:
            problems.append("cell records out of order at row %d col %d" % (row, first))
        last_key = (row, last)
        used_rows.add(row)
        used_cols.update((first, last))
        lo, hi = extents.get(row, (first, last + 1))
        extents[row] = (min(lo, first), max(hi, last + 1))
    for row, (lo, hi) in extents.items():
        if row not in row_records:
            problems.append("row %d has cells but no ROW record" % row)
            continue
        _, mic, mac = struct.unpack_from("<HHH", row_records[row][2], 0)
        if (mic, mac) != (lo, hi):
            problems.append("ROW %d says columns %d..%d, cells are in %d..%d" % (row, mic, mac, lo, hi))
    if used_rows and (rw_mic, rw_mac) != (min(used_rows), max(used_rows) + 1):
        problems.append("INDEX rows %d..%d, cells in %d..%d" % (rw_mic, rw_mac, min(used_rows), max(used_rows) + 1))

    dims = [r for r in sheet if r[1] == 0x0200]
    if len(dims) != 1:
        problems.append("expected one DIMENSIONS record")
    elif used_rows:
        r1, r2, c1, c2 = struct.unpack_from("<IIHH", dims[0][2], 0)
        want = (min(used_rows), max(used_rows) + 1, min(used_cols), max(used_cols) + 1)
        if (r1, r2, c1, c2) != want:
            problems.append("DIMENSIONS %s, cells span %s" % ((r1, r2, c1, c2), want))

    for at in actual_dbcells:
        n, (_, _, data) = by_pos[at]
        first_row_at = at - struct.unpack_from("<I", data, 0)[0]
        if first_row_at not in by_pos or by_pos[first_row_at][1][1] != 0x0208:
            problems.append("DBCELL at %d does not lead to a ROW record" % at)
            continue
        offsets = [struct.unpack_from("<H", data, o)[0] for o in range(4, len(data), 2)]
        m = by_pos[first_row_at][0]
        rows = [struct.unpack_from("<H", recs[m + k][2], 0)[0] for k in range(len(offsets))
                if recs[m + k][1] == 0x0208]
        if len(rows) != len(offsets):
            problems.append("DBCELL at %d lists %d rows, %d ROW records follow" % (at, len(offsets), len(rows)))
            continue
        pos = first_row_at + 20
        for row, off in zip(rows, offsets):
            pos += off
            if pos not in by_pos or by_pos[pos][1][1] not in CELL_TYPES:
                problems.append("DBCELL at %d: row %d's offset hits no cell record" % (at, row))
                break
            if struct.unpack_from("<H", by_pos[pos][1][2], 0)[0] != row:
                problems.append("DBCELL at %d: row %d's offset hits another row" % (at, row))
                break

    settings = {}
    for _, rtype, data in sheet:
        if rtype == 0x0014 and data:
            cch, flags = struct.unpack_from("<HB", data, 0)
            raw = data[3:]
            settings["header"] = raw.decode("utf-16-le") if flags & 1 else raw.decode("latin-1")
        elif rtype == 0x0083:
            settings["centerHorizontally"] = struct.unpack_from("<H", data, 0)[0]
        elif rtype == 0x002B:
            settings["printGridLines"] = struct.unpack_from("<H", data, 0)[0]
    return settings


def summary_title(data):
    """The title (property 2) of a summary information property set."""
    try:
        section = struct.unpack_from("<I", data, 44)[0]
        count = struct.unpack_from("<I", data, section + 4)[0]
        props = dict(struct.unpack_from("<II", data, section + 8 + 8 * k) for k in range(count))
        codepage = 1252
        if 1 in props:
            codepage = struct.unpack_from("<H", data, section + props[1] + 4)[0]
        if 2 not in props:
            return None
        at = section + props[2]
        vt, size = struct.unpack_from("<II", data, at)
        raw = data[at + 8:at + 8 + size]
        if vt == 31:
            return raw[:size * 2].decode("utf-16-le").rstrip("\0")
        encoding = {65001: "utf-8", 1200: "utf-16-le"}.get(codepage, "cp%d" % codepage)
        return raw.decode(encoding).rstrip("\0")
    except (struct.error, LookupError, UnicodeDecodeError) as e:
        return "<unreadable title: %s>" % e


def rgb(book, index):
    colour = book.colour_map.get(index)
    return None if colour is None else "%02X%02X%02X" % colour


def describe_xf(book, xf):
    font = book.font_list[xf.font_index]
    return {
        "font": {"name": font.name, "size": font.height / 20.0, "bold": bool(font.bold),
                 "italic": bool(font.italic), "underline": font.underline_type != 0,
                 "strikeOut": bool(font.struck_out), "colour": rgb(book, font.colour_index)},
        "fill": {"pattern": xf.background.fill_pattern,
                 "colour": rgb(book, xf.background.pattern_colour_index)},
        "horizontal": xf.alignment.hor_align, "vertical": xf.alignment.vert_align,
        "wrap": bool(xf.alignment.text_wrapped),
        "numberFormat": book.format_map[xf.format_key].format_str,
    }


KINDS = {xlrd.XL_CELL_EMPTY: "empty", xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number",
         xlrd.XL_CELL_BLANK: "blank"}


def read_cells(book, sheet, formats, format_ids):
    cells, styles = [], []
    for r in range(sheet.nrows):
        row_cells, row_styles = [], []
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            row_cells.append([KINDS.get(cell.ctype, "other %d" % cell.ctype), cell.value])
            if cell.xf_index is None or cell.xf_index < 0:
                row_styles.append(-1)
                continue
            desc = json.dumps(describe_xf(book, book.xf_list[cell.xf_index]), sort_keys=True)
            if desc not in format_ids:
                format_ids[desc] = len(formats)
                formats.append(json.loads(desc))
            row_styles.append(format_ids[desc])
        cells.append(row_cells)
        styles.append(row_styles)
    return cells, styles


def main():
    path = sys.argv[1]
    with open(path, "rb") as f:
        data = f.read()
    log = io.StringIO()
    book = xlrd.open_workbook(file_contents=data, formatting_info=True, logfile=log)
    sheet = book.sheet_by_index(0)

    problems = []
    doc = compdoc.CompDoc(data, logfile=log)
    stream = doc.get_named_stream("Workbook")
    recs = records(stream, problems)
    if not recs or recs[0][1] != 0x0809:
        problems.append("the stream does not start with BOF")
    texts = check_sst(recs, problems)
    bound = [r for r in recs if r[1] == 0x0085]
    all_settings = [check_sheet(recs, struct.unpack_from("<I", b[2], 0)[0], problems) for b in bound]
    settings = all_settings[0] if all_settings else {}
    summary = doc.get_named_stream("\x05SummaryInformation")

    formats, format_ids = [], {}
    sheets = []
    for each in book.sheets():
        each_cells, each_styles = read_cells(book, each, formats, format_ids)
        sheets.append({"name": each.name, "selected": bool(each.sheet_selected), "nrows": each.nrows,
                       "ncols": each.ncols, "cells": each_cells, "styles": each_styles})
    cells, styles = sheets[0]["cells"], sheets[0]["styles"]

    columns = {}
    for c, info in sheet.colinfo_map.items():
        columns[str(c)] = {"width": info.width, "hidden": bool(info.hidden)}

    print(json.dumps({
        "log": log.getvalue(),
        "problems": problems,
        "sharedStrings": len(texts),
        "nrows": sheet.nrows, "ncols": sheet.ncols,
        "cells": cells, "styles": styles, "formats": formats,
        "columns": columns,
        "frozen": bool(sheet.panes_are_frozen), "splitColumns": sheet.vert_split_pos,
        "showGridLines": bool(sheet.show_grid_lines),
        "print": settings,
        "title": summary_title(summary) if summary else None,
        "sheets": sheets,
    }))


main()
