#pragma once

class QApplication;
class QFont;
class QWidget;

namespace ui {

// The fonts the windows name are fonts of the original desktop. Each is mapped here, and only
// here, to an installed free font of (nearly) the same metrics, so that text laid out in twips for
// the original fonts fits its controls:
//   "MS Sans Serif" (the 8.25-point system font) and "Arial"  ->  Liberation Sans
//   "Verdana"                                                ->  DejaVu Sans
//   "Courier New"                                            ->  Liberation Mono
//   "Times New Roman"                                        ->  Liberation Serif
// Registers the mappings and makes 8.25-point "MS Sans Serif" the application's font.
void useDesktopFonts(QApplication& app);

// The control's own font in bold.
QFont boldFont(const QWidget* control);

} // namespace ui
