#pragma once

#include "phonebook/PhoneBookStore.h"

#include "core/FormWindow.h"

#include <QString>

#include <array>

class QComboBox;
class QLabel;

namespace ui {
class FlexGrid;
}

namespace phonebook {

// The phone book's look-up: a station, then optionally one of its branches, lists the matching
// contacts in a grid; Enter on a contact shows every field of it in labels. Driven by Enter and
// Esc alone; it changes no data and works on a connection of its own, open while it is loaded.
class frmPhoneBookQuery : public core::FormWindow<frmPhoneBookQuery> {
public:
    frmPhoneBookQuery();

    // Loads the window and shows it modally; when its connection cannot be opened the failure is
    // shown and the window is not.
    static void Open();

    // Controls (objectName = member name).
    QLabel* lblTitle;
    QLabel* lblEsc;
    QLabel* lblOrigin;
    QComboBox* cboSCode;
    QLabel* lblBranch;
    QComboBox* cboBName;
    ui::FlexGrid* msgReport;

    // The value labels, one per column of the contact (indexed by Column).
    std::array<QLabel*, kColumnCount> values;

    // Window procedures.
    void Form_Load();
    void cboSCode_KeyDown(int& KeyCode, int Shift);
    void cboBName_KeyDown(int& KeyCode, int Shift);
    void msgReport_KeyDown(int& KeyCode, int Shift);
    void FormatGrid();

    // The statement of the last station or branch search.
    QString mSql;
    bool connected() const { return m_store.isOpen(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void FillStations();

    PhoneBookStore m_store;
};

} // namespace phonebook
