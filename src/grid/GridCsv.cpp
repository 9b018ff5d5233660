#include "grid/GridCsv.h"

#include <QIODevice>

namespace grid {

void CsvWriter::writeLine(QStringView Field)
{
    append(Field, false);
    endLine();
}

void CsvWriter::addField(QStringView Field)
{
    m_line += QLatin1Char(',');
    append(Field, false);
}

void CsvWriter::addTextField(QStringView Text)
{
    m_line += QLatin1Char(',');
    append(Text, true);
}

void CsvWriter::endLine()
{
    m_line += QLatin1String("\r\n");
    writePending();
}

bool CsvWriter::finish()
{
    writePending();
    return m_ok;
}

void CsvWriter::append(QStringView Field, bool CommasToBlanks)
{
    bool hasComma = false;
    bool quoted = false;
    for (QChar ch : Field) {
        hasComma = hasComma || ch == u',';
        quoted = quoted || ch == u'"' || ch == u'\r' || ch == u'\n';
    }
    quoted = quoted || (hasComma && !CommasToBlanks);
    if (!quoted && !hasComma) {
        m_line += Field;
        return;
    }
    if (quoted)
        m_line += QLatin1Char('"');
    for (QChar ch : Field) {
        if (ch == u',' && CommasToBlanks)
            ch = u' ';
        else if (ch == u'"')
            m_line += ch;
        m_line += ch;
    }
    if (quoted)
        m_line += QLatin1Char('"');
}

void CsvWriter::writePending()
{
    if (m_line.isEmpty())
        return;
    const QByteArray bytes = m_line.toLocal8Bit();
    if (m_ok && m_out.write(bytes) != bytes.size())
        m_ok = false;
    // Emptied without giving up the storage, which the next line reuses.
    m_line.resize(0);
}

} // namespace grid
