#pragma once

// Reads a workbook back with a real spreadsheet reader (openpyxl under the system's Python) into
// JSON: {"sheets": [names], "merges": ["A1:C1", ...], "sheetXml": the first sheet's XML,
//        "cells": {"A1": {"type": "text"|"number"|"date"|"empty", "value": ..., "format": ...,
//                         "align": "center"|null}}} for the first sheet's cells that hold a value
// or a style.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace testsupport {

inline QJsonObject readWorkbook(const QString& path)
{
    static const char* script = R"(
import datetime, json, sys, zipfile
import openpyxl
from openpyxl.utils.escape import unescape
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
cells = {}
for row in sheet.iter_rows():
    for cell in row:
        value = cell.value
        if isinstance(value, datetime.datetime):
            entry = {"type": "date", "value": value.isoformat()}
        elif isinstance(value, bool) or value is None:
            entry = {"type": "empty", "value": None}
        elif isinstance(value, (int, float)):
            entry = {"type": "number", "value": value}
        else:
            entry = {"type": "text", "value": unescape(value)}  # "_x000D_" is a carriage return
        align = cell.alignment.horizontal if cell.has_style else None
        if value is None and align is None:
            continue
        entry["format"] = cell.number_format
        entry["align"] = align
        cells[cell.coordinate] = entry
with zipfile.ZipFile(sys.argv[1]) as archive:
    xml = archive.read("xl/worksheets/sheet1.xml").decode("utf-8")
print(json.dumps({"sheets": book.sheetnames, "merges": sorted(str(r) for r in sheet.merged_cells.ranges),
                  "cells": cells, "sheetXml": xml}))
)";
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(script), path});
    reader.waitForFinished(60000);
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

} // namespace testsupport
