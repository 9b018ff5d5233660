#include "core/WindowPicture.h"

#include "platform/paths/Installation.h"
#include "platform/ui/MessageBox.h"

#include <QFileInfo>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace core {

void LoadWindowPicture(QWidget* window)
{
    if (!LoadWindowPictureIfPresent(window))
        ui::MsgBox(QStringLiteral("Background Image (BackScreen.jpg) Not Found"), ui::vbInformation,
                   QStringLiteral("Image File Not Found"));
}

bool LoadWindowPictureIfPresent(QWidget* window)
{
    const QString file = paths::programPath(QStringLiteral("BackScreen.jpg"));
    const QPixmap picture(file);
    if (!QFileInfo::exists(file) || picture.isNull())
        return false;
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    return true;
}

} // namespace core
