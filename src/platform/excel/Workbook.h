#pragma once

#include "platform/excel/Worksheet.h"

#include <QString>
#include <memory>
#include <vector>

namespace excel {

class Application;

// A workbook of the spreadsheet stand-in: one worksheet "Sheet1" when added. Saving writes the
// whole workbook as an Office Open XML file (.xlsx) whatever the name's extension.
class Workbook {
public:
    explicit Workbook(Application* application);

    Worksheet& activeSheet() { return *m_sheets.front(); }
    // The worksheet of that name (any case), or null.
    Worksheet* worksheet(const QString& name);
    const std::vector<std::unique_ptr<Worksheet>>& worksheets() const { return m_sheets; }

    // Writes the workbook to the path (an existing file is replaced whole, never half-written) and
    // remembers the path. False when the file could not be written or the workbook is closed.
    bool saveAs(const QString& path);
    // Writes the workbook again to the path of the last saveAs; false when it was never saved.
    bool save();
    // Closes the workbook; changes since the last save are dropped (the stand-in asks nothing).
    void close();
    bool isOpen() const { return m_open; }
    // The path of the last saveAs, or "".
    QString fullName() const { return m_fullName; }

private:
    friend class Application;

    Application* m_application;
    std::vector<std::unique_ptr<Worksheet>> m_sheets;
    QString m_fullName;
    bool m_open = true;
};

} // namespace excel
