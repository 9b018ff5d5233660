#pragma once

class QWidget;

namespace core {

// Sets the window's picture to "BackScreen.jpg" of the program folder. A missing file shows
// "Background Image (BackScreen.jpg) Not Found" (title "Image File Not Found") and the window
// opens without a picture.
void LoadWindowPicture(QWidget* window);

} // namespace core
