#include "preview/FolderPanel.h"

#include "platform/paths/FileNames.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowHost.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

namespace preview {
namespace {

constexpr int kWidth = 4200;
constexpr int kHeight = 4560;

FolderNameSeam::StandIn& standIn()
{
    static FolderNameSeam::StandIn answerer;
    return answerer;
}

// A folder that could not be created, as the runtime's "Path/File access error".
class FolderCreationError : public runtime::RuntimeError {
public:
    explicit FolderCreationError(const QString& folder)
        : RuntimeError(runtime::ErrorNumber(75)),
          m_description(QStringLiteral("Path/File access error: the folder %1 could not be created.")
                            .arg(QDir::toNativeSeparators(folder))
                            .toStdString())
    {
    }
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    std::string m_description;
};

} // namespace

QString pictureTitle(const QString& reportTitle)
{
    const QString title = reportTitle.trimmed();
    if (title.isEmpty() || title.contains(u'\\') || title.contains(u'/'))
        return QStringLiteral("PPview");
    return title;
}

QString pictureFileName(const QString& folder, const QString& title, int page, bool jpg)
{
    return paths::fittedFileName(folder, title, QString::number(page + 1) + (jpg ? QStringLiteral(".jpg") : QStringLiteral(".gif")));
}

void FolderNameSeam::setStandIn(StandIn answerer) { standIn() = std::move(answerer); }

QString FolderNameSeam::ask(QWidget* parent)
{
    const QString prompt = QStringLiteral("Enter Folder Name");
    const QString offered = QStringLiteral("New Folder");
    if (standIn())
        return standIn()(prompt, offered);
    QInputDialog box(parent);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setLabelText(prompt);
    box.setTextValue(offered);
    ui::WindowHost::showModal(&box);
    return box.result() == QDialog::Accepted ? box.textValue() : QString();
}

FolderPanel::FolderPanel(QWidget* parent) : QFrame(parent)
{
    const ui::TwipsPlacer t(this);
    setObjectName(QStringLiteral("picGetFolder"));
    resize(t.x(kWidth), t.y(kHeight));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);

    Label4 = t.place(new QLabel(QStringLiteral(" Select a Directory: "), this), QStringLiteral("Label4"), 120, 90,
                     2700, 300);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    cmdNewFolder = t.place(new QToolButton(this), QStringLiteral("cmdNewFolder"), 3240, 60, 360, 360);
    cmdNewFolder->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    cmdNewFolder->setToolTip(QStringLiteral("New Folder"));
    cmdUpOne = t.place(new QToolButton(this), QStringLiteral("cmdUpOne"), 3720, 60, 360, 360);
    cmdUpOne->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    cmdUpOne->setToolTip(QStringLiteral("Back Up"));
    Drive1 = t.place(new QComboBox(this), QStringLiteral("Drive1"), 120, 510, 3960, 345);
    for (const QFileInfo& drive : QDir::drives())
        Drive1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));
    Dir1 = t.place(new QListWidget(this), QStringLiteral("Dir1"), 120, 945, 3960, 2880);
    Dir1->setIconSize(QSize(t.y(240), t.y(240)));
    OptFileType_0 = t.place(new QRadioButton(QStringLiteral("JPG"), this), QStringLiteral("OptFileType_0"), 180, 3960,
                            900, 300);
    OptFileType_0->setToolTip(QStringLiteral("Save Pages as JPG"));
    OptFileType_1 = t.place(new QRadioButton(QStringLiteral("GIF"), this), QStringLiteral("OptFileType_1"), 1140, 3960,
                            900, 300);
    OptFileType_1->setToolTip(QStringLiteral("Save Pages as GIF"));
    OptFileType_1->setChecked(true);
    cmdOpen = t.place(new QPushButton(QStringLiteral("Ok"), this), QStringLiteral("cmdOpen"), 2100, 3900, 900, 405);
    cmdQuit = t.place(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("cmdQuit"), 3120, 3900, 960, 405);

    ui::attachHandlers(cmdUpOne, {.click = [this] { cmdUpOne_Click(); }});
    ui::attachHandlers(cmdNewFolder, {.click = [this] { cmdNewFolder_Click(); }});
    ui::attachHandlers(Drive1, {.click = [this] { setPath(QDir::fromNativeSeparators(Drive1->currentText())); }});
    Dir1->viewport()->installEventFilter(this);
    setPath(QDir::currentPath());
    hide();
}

bool FolderPanel::setPath(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return false;
    m_path = dir.absolutePath();
    fillFolderList();
    return true;
}

bool FolderPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Dir1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const QListWidgetItem* item = Dir1->itemAt(mouse->position().toPoint()))
            setPath(item->data(Qt::UserRole).toString());
    }
    return QFrame::eventFilter(watched, event);
}

void FolderPanel::fillFolderList()
{
    Dir1->clear();
    QStringList ancestors;
    for (QDir dir(m_path);; ) {
        ancestors.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const auto add = [&](const QString& folder, int depth, const QIcon& icon) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(icon, QString(depth * 2, u' ') + name, Dir1);
        item->setData(Qt::UserRole, folder);
        return item;
    };
    for (int depth = 0; depth < ancestors.size(); ++depth)
        add(ancestors[depth], depth, openIcon);
    Dir1->setCurrentRow(int(ancestors.size()) - 1);
    const QDir open(m_path);
    for (const QString& child : open.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        add(open.filePath(child), int(ancestors.size()), folderIcon);
}

void FolderPanel::cmdUpOne_Click()
{
    QDir dir(m_path);
    if (dir.cdUp())
        setPath(dir.absolutePath());
}

void FolderPanel::cmdNewFolder_Click()
{
    const QString name = FolderNameSeam::ask(window()).trimmed();
    if (name.isEmpty())
        return;
    if (name.contains(u'/') || name.contains(u'\\') || name == QStringLiteral(".."))
        throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall,
                                    QStringLiteral("\"%1\" cannot be a folder name: a name holds no \"\\\" or \"/\" and is not "
                                                   "\"..\". No folder was created.")
                                        .arg(name)
                                        .toStdString());
    const QString folder = QDir(m_path).filePath(name);
    QDir().mkdir(folder);
    if (!QFileInfo(folder).isDir())
        throw FolderCreationError(folder);
    setPath(folder);
}

bool FolderPanel::jpgChosen() const { return OptFileType_0->isChecked(); }

void FolderPanel::mousePressEvent(QMouseEvent* event) { event->accept(); }

} // namespace preview
