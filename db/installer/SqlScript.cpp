#include "installer/SqlScript.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Engine.h"
#include "platform/db/StatementLog.h"
#include "platform/runtime/Conversions.h"

#include <QRegularExpression>

namespace installer {

QStringList splitBatches(const QString& script)
{
    static const QRegularExpression go(QStringLiteral("^\\s*GO(?:\\s+([1-9]\\d{0,8}))?\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    QStringList batches;
    QString current;
    const QStringList lines = script.split(u'\n');
    for (const QString& line : lines) {
        if (const auto end = go.match(line); end.hasMatch()) {
            const int count = end.hasCaptured(1) ? end.captured(1).toInt() : 1;
            if (!current.trimmed().isEmpty())
                for (int i = 0; i < count; ++i)
                    batches << current;
            current.clear();
        } else {
            current += line + QLatin1Char('\n');
        }
    }
    if (!current.trimmed().isEmpty())
        batches << current;
    return batches;
}

int runScript(db::Connection& connection, const QString& script, QTextStream& out)
{
    int failed = 0;
    for (const QString& batch : splitBatches(script)) {
        try {
            db::StatementLog::record(connection.databaseName(), batch);
            const db::ResultSet result = connection.engine().executeBatch(batch);
            if (result.columns.isEmpty())
                continue;
            out << result.columns.join(u'\t') << '\n';
            for (const auto& row : result.rows) {
                QStringList cells;
                for (const QVariant& v : row)
                    cells << (v.isValid() ? runtime::CellText(v) : QStringLiteral("NULL"));
                out << cells.join(u'\t') << '\n';
            }
        } catch (const db::DbError& e) {
            ++failed;
            out << "Msg " << e.number() << ": " << e.description() << '\n';
        }
    }
    out.flush();
    return failed;
}

} // namespace installer
