#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Prints a workbook as JSON, as a spreadsheet reads it: per sheet its frozen
# cell, its autofilter and its rows of [type, value, font colour] cells.
import datetime
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
out = {"sheets": book.sheetnames}
for sheet in book.worksheets:
    rows = []
    for row in sheet.iter_rows():
        cells = []
        for cell in row:
            value = cell.value
            if isinstance(value, datetime.datetime):
                value = value.isoformat()
            color = cell.font.color.rgb if cell.font and cell.font.color else None
            cells.append([cell.data_type, value, color if isinstance(color, str) else None])
        rows.append(cells)
    out[sheet.title] = {"freeze": sheet.freeze_panes, "filter": sheet.auto_filter.ref,
                        "rows": rows}
json.dump(out, sys.stdout)
