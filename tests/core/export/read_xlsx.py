# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
"""Reads an .xlsx file with openpyxl, an independent reader, and prints what
it found as JSON: cell values and types, formats, column widths, view and
print settings of the first worksheet, the title, every warning openpyxl
gave, and under "sheets" the name and cells of every worksheet in order.

Usage: read_xlsx.py FILE.xlsx
Exit 3 when openpyxl is not installed, so the caller can skip.
"""

import json
import re
import sys
import warnings
import zipfile
from xml.sax.saxutils import unescape

try:
    import openpyxl
    from openpyxl.utils import get_column_letter
except ImportError:
    print("python3-openpyxl is not installed", file=sys.stderr)
    sys.exit(3)


def colour(c):
    if c is None or c.type != "rgb" or not isinstance(c.rgb, str):
        return None
    return c.rgb[-6:].upper()


def describe(cell):
    f = cell.font
    return {
        "font": {"name": f.name, "size": float(f.sz) if f.sz else None, "bold": bool(f.b),
                 "italic": bool(f.i), "underline": f.u == "single", "strikeOut": bool(f.strike),
                 "colour": colour(f.color)},
        "fill": {"pattern": cell.fill.fill_type, "colour": colour(cell.fill.fgColor)},
        "horizontal": cell.alignment.horizontal, "vertical": cell.alignment.vertical,
        "wrap": bool(cell.alignment.wrap_text),
        "numberFormat": cell.number_format,
    }


def read_cells(sheet, formats, format_ids):
    cells, styles = [], []
    for row in sheet.iter_rows(min_row=1, max_row=sheet.max_row, max_col=sheet.max_column):
        row_cells, row_styles = [], []
        for cell in row:
            if cell.value is None:
                row_cells.append(["empty" if not cell.has_style else "blank", None])
            elif cell.data_type == "n":
                row_cells.append(["number", cell.value])
            elif cell.data_type == "s":
                row_cells.append(["text", cell.value])
            else:
                row_cells.append(["other " + cell.data_type, str(cell.value)])
            desc = json.dumps(describe(cell), sort_keys=True)
            if desc not in format_ids:
                format_ids[desc] = len(formats)
                formats.append(json.loads(desc))
            row_styles.append(format_ids[desc])
        cells.append(row_cells)
        styles.append(row_styles)
    return cells, styles


def main():
    path = sys.argv[1]
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        book = openpyxl.load_workbook(path)
        formats, format_ids = [], {}
        sheets = []
        for each in book.worksheets:
            each_cells, each_styles = read_cells(each, formats, format_ids)
            sheets.append({"name": each.title, "nrows": each.max_row, "ncols": each.max_column,
                           "cells": each_cells, "styles": each_styles})
        sheet = book.worksheets[0]
        cells, styles = sheets[0]["cells"], sheets[0]["styles"]

        columns = {}
        for c in range(1, sheet.max_column + 1):
            dim = sheet.column_dimensions.get(get_column_letter(c))
            if dim is not None:
                columns[str(c - 1)] = {"width": dim.width, "hidden": bool(dim.hidden)}

    with zipfile.ZipFile(path) as z:
        xml = z.read("xl/worksheets/sheet1.xml").decode("utf-8")
    header = re.search(r"<oddHeader>(.*?)</oddHeader>", xml, re.S)

    print(json.dumps({
        "log": "\n".join(str(w.message) for w in caught),
        "nrows": sheet.max_row, "ncols": sheet.max_column,
        "cells": cells, "styles": styles, "formats": formats,
        "columns": columns,
        "freezePanes": sheet.freeze_panes,
        "showGridLines": bool(sheet.sheet_view.showGridLines in (None, True)),
        "print": {
            "header": unescape(header.group(1)) if header else None,
            "centerHorizontally": bool(sheet.print_options.horizontalCentered),
            "printGridLines": bool(sheet.print_options.gridLines),
        },
        "title": book.properties.title,
        "sheets": sheets,
    }))


main()
