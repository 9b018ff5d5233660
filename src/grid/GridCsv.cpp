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
    m_pending.push_back(u',');
    append(Field, false);
}

void CsvWriter::addTextField(QStringView Text)
{
    m_pending.push_back(u',');
    append(Text, true);
}

void CsvWriter::endLine()
{
    m_pending.push_back(u'\r');
    m_pending.push_back(u'\n');
    if (m_pending.size() >= BlockSize)
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
    for (const QChar ch : Field) {
        // Every character that matters sorts at or before the comma.
        if (ch > u',')
            continue;
        hasComma = hasComma || ch == u',';
        quoted = quoted || ch == u'"' || ch == u'\r' || ch == u'\n';
    }
    quoted = quoted || (hasComma && !CommasToBlanks);
    if (!quoted && !hasComma) {
        m_pending.insert(m_pending.end(), Field.utf16(), Field.utf16() + Field.size());
        return;
    }
    if (quoted)
        m_pending.push_back(u'"');
    for (const QChar character : Field) {
        char16_t ch = character.unicode();
        if (ch == u',' && CommasToBlanks)
            ch = u' ';
        else if (ch == u'"')
            m_pending.push_back(ch);
        m_pending.push_back(ch);
    }
    if (quoted)
        m_pending.push_back(u'"');
}

void CsvWriter::writePending()
{
    if (m_pending.empty())
        return;
    const QByteArray bytes = QStringView(m_pending.data(), qsizetype(m_pending.size())).toLocal8Bit();
    if (m_ok && m_out.write(bytes) != bytes.size())
        m_ok = false;
    // Emptied without giving up the storage, which the next block reuses.
    m_pending.clear();
}

} // namespace grid
