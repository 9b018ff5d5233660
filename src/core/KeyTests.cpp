#include "core/KeyTests.h"

#include "platform/ui/ControlEvents.h"

namespace core {

bool IsNumericKey(int keyAscii)
{
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == ui::vbKeyBack || keyAscii == ui::vbKeyReturn;
}

} // namespace core
