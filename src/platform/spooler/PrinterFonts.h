#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace spooler {

// A font as the printer prints it on a device.
struct PrinterFont {
    QFont font;
    double lineHeight = 0; // in the device's pixels
    double cellWidth = 0;  // of one character cell in the device's pixels; 0 for a proportional font
};

// The printer's font of that name. The resident draft fonts "Draft <n>cpi" (name compared
// case-insensitively) print n characters to the inch at six lines to the inch: the system's fixed-pitch
// font at 12 points, widened or narrowed to fill a character cell of 1/n inch. Any other name is
// that font family at 12 points.
PrinterFont printerFont(const QString& name, QPaintDevice* device);

} // namespace spooler
