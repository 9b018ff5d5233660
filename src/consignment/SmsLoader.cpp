// The SMS loader of the consignment history window: the messages sent about the consignment and
// origin, from the administration database's SMS register, in the order they were registered.

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/RegisterStatements.h"

#include "core/ModuleState.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Strings.h"

#include <QComboBox>
#include <QLineEdit>

namespace consignment {

namespace {

constexpr int kSmsRowHeight = 400; // twips

} // namespace

void frmConsignWiseGridQuery::LoadSmsDetails()
{
    FormatSmsGrid();

    const QString number = runtime::Trim(txtConsignMentNo->text()).isEmpty() ? QString() : ConsignmentNumberText();
    db::Recordset rs;
    rs.open(smsStatement(number, cboOrigin->currentText()), core::gcnnMonth, db::CursorType::Static,
            db::LockType::ReadOnly);
    if (!rs.eof()) {
        // One row per message and no empty row below. Each value goes into its own cell, so a
        // message text holding a tab or a line break stays in its cell.
        msgGridSms->setRows(int(rs.recordCount()) + 1);
        msgGridSms->setCols(rs.fieldCount());
        for (int r = 1; !rs.eof(); rs.moveNext(), ++r)
            for (int c = 0; c < rs.fieldCount(); ++c)
                msgGridSms->setTextMatrix(r, c, runtime::CellText(rs.value(c)));
        msgGridSms->setRow(1);
        msgGridSms->show();
        for (int r = 0; r < msgGridSms->rows(); ++r)
            msgGridSms->setRowHeight(r, kSmsRowHeight);
    }
    rs.close();
}

} // namespace consignment
