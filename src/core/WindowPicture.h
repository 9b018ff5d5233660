#pragma once

class QWidget;

namespace core {

// Sets the window's picture to "BackScreen.jpg" of the program folder. A missing file shows
// "Background Image (BackScreen.jpg) Not Found" (title "Image File Not Found") and the window
// opens without a picture.
void LoadWindowPicture(QWidget* window);

// Sets the window's picture to "BackScreen.jpg" of the program folder when the file is there;
// without it the window keeps its plain background. True when the picture was set.
bool LoadWindowPictureIfPresent(QWidget* window);

} // namespace core
