#pragma once

#include <QFrame>
#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace preview {

// The name part of the saved pictures: the report title trimmed; "PPview" when that is empty or
// holds a folder separator ("\" or "/"), so a title never points into another folder.
QString pictureTitle(const QString& reportTitle);
// The picture of page index n: <folder>/<title><n + 1>.jpg or .gif, the title cut short where the
// name would exceed what the file system takes.
QString pictureFileName(const QString& folder, const QString& title, int page, bool jpg);

// Asks for the name of a new folder, offering "New Folder"; "" when cancelled. In the program a
// modal input box through the window host; a test stands in and answers with the prompt it got.
class FolderNameSeam {
public:
    using StandIn = std::function<QString(const QString& prompt, const QString& offered)>;
    static void setStandIn(StandIn standIn);
    static QString ask(QWidget* parent);
};

// The preview's folder panel: a drive list, a folder list (the open folder's ancestors above it, its
// sub-folders below; one click opens an entry), Back Up, New Folder, JPG or GIF (GIF at first), and
// Ok and Cancel, which the window carries out.
class FolderPanel : public QFrame {
public:
    explicit FolderPanel(QWidget* parent);

    // The open folder; it starts as the process's current folder.
    QString path() const { return m_path; }
    // Opens the folder; false, staying where it was, when it cannot be read.
    bool setPath(const QString& folder);
    void cmdUpOne_Click();
    // Creates the named folder in the open one and opens it; refuses a name that holds a folder
    // separator or is "..", and reports a folder that still does not exist afterwards, staying
    // where it was.
    void cmdNewFolder_Click();
    bool jpgChosen() const;

    QLabel* Label4;
    QComboBox* Drive1;
    QListWidget* Dir1;
    QToolButton* cmdNewFolder;
    QToolButton* cmdUpOne;
    QRadioButton* OptFileType_0;
    QRadioButton* OptFileType_1;
    QPushButton* cmdOpen;
    QPushButton* cmdQuit;

protected:
    // One click on a folder entry, with any button, opens it when the button is released.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A click on the panel stays with it (a click on the window around it closes the panels).
    void mousePressEvent(QMouseEvent* event) override;

private:
    void fillFolderList();

    QString m_path;
};

} // namespace preview
