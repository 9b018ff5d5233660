#pragma once

#include "platform/excel/Worksheet.h"

#include <QString>
#include <memory>
#include <vector>

namespace excel {

// Writes the worksheets as an Office Open XML workbook (.xlsx): values, number formats, horizontal
// alignments and merged areas. The file is written beside the path under a temporary name and then
// put in place, so an existing file is either replaced whole or left as it was. Numbers are written
// with a decimal point whatever the process's numeric locale. False when anything failed.
bool writeXlsx(const std::vector<std::unique_ptr<Worksheet>>& sheets, const QString& path);

} // namespace excel
