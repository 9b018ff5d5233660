#include "platform/flexgrid/FlexFormatString.h"

#include "platform/flexgrid/FlexGridTypes.h"

namespace ui {

FlexFormatSpec parseFormatString(const QString& format)
{
    FlexFormatSpec spec;
    const qsizetype semicolon = format.indexOf(QLatin1Char(';'));
    const QString columnPart = semicolon < 0 ? format : format.left(semicolon);
    if (semicolon >= 0)
        spec.rowHeadings = format.mid(semicolon + 1).split(QLatin1Char('|'));
    if (columnPart.isEmpty())
        return spec;
    for (const QString& segment : columnPart.split(QLatin1Char('|'))) {
        FlexFormatColumn column{segment, std::nullopt};
        if (!segment.isEmpty()) {
            switch (segment.front().unicode()) {
            case '<': column.alignment = flexAlignLeftCenter; break;
            case '^': column.alignment = flexAlignCenterCenter; break;
            case '>': column.alignment = flexAlignRightCenter; break;
            default: break;
            }
            if (column.alignment)
                column.heading = segment.mid(1);
        }
        spec.columns.push_back(column);
    }
    return spec;
}

} // namespace ui
