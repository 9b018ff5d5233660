// The CSV export of the grid's rows and the fill from a recordset.

#include "grid/GridCsv.h"
#include "grid/QvGrid.h"

#include "platform/db/Recordset.h"
#include "platform/paths/Installation.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/shell/Shell.h"
#include "platform/ui/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

namespace grid {

namespace {

const QString ExportFolder = QStringLiteral("ConvertedExcelFile");

// A failure of the export, numbered and described as the runtime's file errors are.
struct ExportFailure {
    int Number;
    QString Description;
};

const ExportFailure BadFileName{52, QStringLiteral("Bad file name or number")};
const ExportFailure FileAccess{75, QStringLiteral("Path/File access error")};
const ExportFailure PathNotFound{76, QStringLiteral("Path not found")};
const ExportFailure DeviceError{57, QStringLiteral("Device I/O error")};

// A grid name names a file of the export folder only: no way up, no folder of its own.
bool isPlainFileName(const QString& Name)
{
    return !Name.contains(QLatin1String("..")) && !Name.contains(QLatin1Char('/')) && !Name.contains(QLatin1Char('\\'));
}

void showFailure(const ExportFailure& Failure)
{
    ui::MsgBox(QStringLiteral("Error# %1\r\n%2").arg(Failure.Number).arg(Failure.Description), ui::vbCritical,
               QStringLiteral("QvGrid.Export"));
}

// Where a recordset stands, to put it back there: on a record, before the first or past the last.
class RecordsetPosition {
public:
    explicit RecordsetPosition(db::Recordset& Records)
        : m_records(Records)
        , m_pastLast(Records.eof())
        , m_beforeFirst(!m_pastLast && Records.bof())
        , m_bookmark(m_pastLast || m_beforeFirst ? 0 : Records.bookmark())
    {
    }

    void restore()
    {
        if (m_pastLast) {
            m_records.moveLast();
            m_records.moveNext();
        } else if (m_beforeFirst) {
            m_records.moveFirst();
            m_records.movePrevious();
        } else {
            m_records.setBookmark(m_bookmark);
        }
    }

private:
    db::Recordset& m_records;
    bool m_pastLast;
    bool m_beforeFirst;
    qsizetype m_bookmark;
};

} // namespace

void QvGrid::ExportGrid(const QString& strGridName, bool vbVisibleColsOnly, bool vbVisibleRowsOnly,
                        bool vbBooleanAsText)
{
    if (m_store.LastRow() == -1) {
        ui::MsgBox(QStringLiteral("No grid rows to export."), ui::vbInformation);
        return;
    }

    const QString fileName = strGridName + QStringLiteral(".csv");
    const QString windowsPath = ExportFolder + QLatin1Char('\\') + fileName;
    try {
        if (!isPlainFileName(strGridName))
            throw BadFileName;
        const QString path = paths::programPath(windowsPath);
        if (!QFileInfo(path).dir().exists())
            throw PathNotFound;
        // Written beside the old file, which is replaced only when the new one is complete.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw FileAccess;

        const QList<ColumnInfo>& columns = m_store.Columns();
        std::vector<qint32> exported;
        for (qint32 col : m_store.ColOrder())
            if (!vbVisibleColsOnly || columns.at(col).Visible)
                exported.push_back(col);

        CsvWriter csv(file);
        if (!m_props.Caption.isEmpty())
            csv.writeLine(m_props.Caption);
        for (qint32 col : exported)
            csv.addTextField(columns.at(col).Heading);
        csv.endLine();
        for (qint32 row = 0; row <= m_store.LastRow(); ++row) {
            m_store.FetchAhead(row, exported);
            const RowInfo& record = m_store.RowAt(row);
            if (vbVisibleRowsOnly && !record.Visible)
                continue;
            for (qint32 col : exported) {
                const QString& text = record.Cells.at(col).Text;
                // A check box counts as checked as it did when its row was added.
                if (columns.at(col).ColType == ColCheckBox && !vbBooleanAsText)
                    csv.addField(GridStore::rVal(text) != 0 ? QStringLiteral("-1") : QStringLiteral("0"));
                else
                    csv.addTextField(text);
            }
            csv.endLine();
        }
        if (TotalsLineShow())
            for (qint32 col : exported)
                csv.addField(TotalsLineText(col));

        if (!csv.finish() || !file.commit())
            throw DeviceError;
    } catch (const ExportFailure& failure) {
        showFailure(failure);
        return;
    } catch (const runtime::RuntimeError& error) {
        showFailure({int(error.number()), QString::fromUtf8(error.what())});
        return;
    }

    const QString question = QStringLiteral("File %1 was saved to your Application Excel path.\r\nDo you want to open it?")
                                 .arg(fileName);
    if (ui::MsgBox(question, ui::vbYesNo | ui::vbQuestion) == ui::vbYes)
        shellOpenFile(windowsPath);
}

void QvGrid::shellOpenFile(const QString& Path)
{
    if (shell::ShellExecute(QStringLiteral("open"), Path) <= 32)
        ui::MsgBox(QStringLiteral("Unable to open target file."), ui::vbInformation);
}

void QvGrid::FillGridFromQuery(db::Recordset& rActiveRecordset, bool bAddColumns, bool bFitColWidth)
{
    if (bAddColumns)
        ClearAll();
    else
        Clear();
    if (rActiveRecordset.eof() && rActiveRecordset.bof())
        return;

    RecordsetPosition position(rActiveRecordset);
    const int fieldCount = rActiveRecordset.fieldCount();
    if (bAddColumns)
        for (const QString& name : rActiveRecordset.fieldNames())
            AddColumn(name, 500, 4, ColText, QString(), QString(), 4, false, 0, true, false);

    // Each value goes into its cell whole, tabs included.
    QStringList values(fieldCount);
    for (rActiveRecordset.moveFirst(); !rActiveRecordset.eof(); rActiveRecordset.moveNext()) {
        for (int field = 0; field < fieldCount; ++field)
            values[field] = runtime::CellText(rActiveRecordset.value(field));
        m_store.AddRowTexts(values);
    }
    position.restore();
    if (bFitColWidth || bAddColumns)
        ColForceFit();
}

} // namespace grid
