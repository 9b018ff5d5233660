#include "core/KeyTests.h"

namespace core {

bool IsNumericKey(int keyAscii) { return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8 || keyAscii == 13; }

} // namespace core
