#include "installer/SqlScript.h"

#include "installer/Installer.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Engine.h"
#include "platform/db/StatementLog.h"
#include "platform/runtime/Conversions.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace installer {

QString scriptText(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    QStringList text;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        // each line on its own: a sequence cut at its end is an error, a mark within it a character
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        text << utf8.decode(lines[n]);
        if (!utf8.hasError())
            continue;
        // the decoder puts U+FFFD where bytes are not UTF-8; the text before it takes the bytes before them
        const QString& line = text.last();
        for (qsizetype at = line.indexOf(QChar::ReplacementCharacter); at >= 0;
             at = line.indexOf(QChar::ReplacementCharacter, at + 1)) {
            const QByteArray bad = lines[n].mid(line.left(at).toUtf8().size(), 3);
            if (bad != "\xEF\xBF\xBD") // not a U+FFFD written in the script
                throw InstallError(QStringLiteral("line %1, column %2: the byte %3 is not UTF-8; save the script as "
                                                  "UTF-8 text. Nothing of it was run.")
                                       .arg(n + 1)
                                       .arg(at + 1)
                                       .arg(QString::number(quint8(bad[0]), 16).toUpper())
                                       .toStdString());
        }
    }
    QString script = text.join(u'\n');
    if (script.startsWith(QChar::ByteOrderMark))
        script.remove(0, 1);
    return script;
}

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
