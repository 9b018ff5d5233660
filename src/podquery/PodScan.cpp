// The scanned POD document of the typed number: at the central office with POD images on, the
// document the administration registered for the number is handed to the desktop's handler for
// it. The clerk hears when there is none, when it has no path, and when it does not open.

#include "podquery/frmPODQueryGrid.h"

#include "podquery/PodQueryStatements.h"

#include "consignment/StatementValues.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/ValueKind.h"
#include "platform/shell/Shell.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/MessageBox.h"

#include <QLineEdit>
#include <QPushButton>

namespace podquery {

namespace {

// Opens the document, a Windows path of the installation, with the shell's "Open": true when the
// shell took it, false when the file or its folder is missing or nothing can open it.
bool OpenDocument(const QString& filePath)
{
    return shell::ShellExecute(QStringLiteral("Open"), filePath) > 32;
}

} // namespace

void frmPODQueryGrid::ConnectPodScan()
{
    ui::attachHandlers(cmdPODScan, {.click = [this] { cmdPODScan_Click(); }});
    ui::attachHandlers(cmdDocImage, {.click = [this] { cmdDocImage_Click(); }});
}

void frmPODQueryGrid::cmdPODScan_Click()
{
    if (!core::gblnCentralMode || !core::gblnPodImageMode)
        return;
    const QString typed = runtime::Trim(txtConsignNo->text());
    if (typed.isEmpty()) {
        ui::MsgBox(QStringLiteral("Type Consignment No."), ui::vbInformation, QStringLiteral("Consignment Query"));
        txtConsignNo->setFocus();
        return;
    }

    db::Recordset documents;
    const auto closeDocuments = core::closingAtEnd(documents);
    documents.open(scannedDocumentStatement(consignment::statementNumber(typed)), core::gcnnMonth,
                   db::CursorType::Dynamic, db::LockType::Optimistic);
    if (documents.eof()) {
        ui::MsgBox(QStringLiteral("POD Scan PDF Image is not Found"), ui::vbInformation);
        return;
    }
    const QVariant path = documents.value(QStringLiteral("file_path"));
    if (runtime::IsNull(path)) {
        ui::MsgBox(QStringLiteral("POD Scan Image is not avilable"), ui::vbInformation);
        return;
    }
    if (!OpenDocument(runtime::CStr(path)))
        ui::MsgBox(QStringLiteral("POD Scan Image could not be opened"), ui::vbInformation);
}

// The button has no action of its own.
void frmPODQueryGrid::cmdDocImage_Click() {}

} // namespace podquery
