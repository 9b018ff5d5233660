#include "platform/excel/Workbook.h"

#include "platform/excel/Application.h"
#include "platform/excel/XlsxFile.h"

namespace excel {

Workbook::Workbook(Application* application)
    : m_application(application)
{
    m_sheets.push_back(std::make_unique<Worksheet>(QStringLiteral("Sheet1")));
}

Worksheet* Workbook::worksheet(const QString& name)
{
    for (const auto& sheet : m_sheets)
        if (sheet->name().compare(name, Qt::CaseInsensitive) == 0)
            return sheet.get();
    return nullptr;
}

bool Workbook::saveAs(const QString& path)
{
    if (!m_open || !writeXlsx(m_sheets, path))
        return false;
    m_fullName = path;
    return true;
}

bool Workbook::save() { return !m_fullName.isEmpty() && saveAs(m_fullName); }

void Workbook::close()
{
    if (!m_open)
        return;
    m_open = false;
    if (m_application)
        m_application->forget(this);
    m_application = nullptr;
}

} // namespace excel
