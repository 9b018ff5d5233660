#pragma once

#include "phonebook/PhoneBookStore.h"

#include "core/FormWindow.h"

#include <QString>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class FlexGrid;
}

namespace phonebook {

// The phone book's entry window: fifteen boxes filled in order with Enter, the buttons New, Save,
// Edit, View and Exit, and the list of every contact, from which a contact is loaded for editing
// (Enter) or deleted (F8). It works on a connection of its own, open while it is loaded.
class frmPhoneBook : public core::FormWindow<frmPhoneBook> {
public:
    static constexpr int kBoxCount = kColumnCount;

    frmPhoneBook();

    // Loads the window and shows it modally; when its connection cannot be opened the failure is
    // shown and the window is not.
    static void Open();

    // Controls (objectName = member name).
    QLabel* lblTitle;
    QLineEdit* txtStationCode;
    QLineEdit* txtStationName;
    QLineEdit* txtPersonName;
    QLineEdit* txtDesignation;
    QLineEdit* txtBranchName;
    QLineEdit* txtAddress1;
    QLineEdit* txtAddress2;
    QLineEdit* txtAddress3;
    QLineEdit* txtPinCode;
    QLineEdit* txtMobileNo;
    QLineEdit* txtPhoneNo;
    QLineEdit* txtFaxNo;
    QLineEdit* txtEmail1;
    QLineEdit* txtEmail2;
    QLineEdit* txtEmail3;
    QPushButton* cmdNew;
    QPushButton* cmdSave;
    QPushButton* cmdEdit;
    QPushButton* cmdView;
    QPushButton* cmdExit;
    ui::FlexGrid* msgReport;
    QLabel* lblDel;

    // The boxes in Enter order.
    std::array<QLineEdit*, kBoxCount> boxes() const;

    // Window procedures.
    void Form_Load();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdSave_KeyDown(int& KeyCode, int Shift);
    void cmdEdit_Click();
    void cmdView_Click();
    void cmdExit_Click();
    void msgReport_KeyDown(int& KeyCode, int Shift);
    void FillGrid();
    void FormatGrid();
    void ClearTextBoxes();
    void EnableTextBoxes(bool enabled);
    void EnableButtons(bool enabled);

    // "", "New", "Edit" or "View": the last of those buttons pressed.
    QString mMode;
    // The key of the contact loaded from the list for editing, as stored; none until one is loaded,
    // and none again once Esc on the list has emptied the boxes.
    std::optional<ContactKey> mLoadedKey;
    bool connected() const { return m_store.isOpen(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void Box_KeyPress(int box, int& KeyAscii);
    void Box_KeyDown(int box, int& KeyCode);
    void Box_KeyUp(int box, int& KeyCode);
    // Enter's check of a box; false (the message shown, the focus kept there) when it refuses.
    bool BoxPasses(int box);
    bool Refuses(int box) const;
    bool EveryBoxPasses();
    ContactValues EnteredValues() const;
    void ShowContact(const ContactValues& values);
    // The saves of the two modes; false when the save is refused (nothing written, the message
    // shown).
    bool SaveNew();
    bool SaveEdit();
    void DeleteSelected();
    bool OnEmptyRow() const;
    ContactKey SelectedKey() const;

    PhoneBookStore m_store;
};

} // namespace phonebook
