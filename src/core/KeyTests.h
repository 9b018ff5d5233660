#pragma once

// Key tests of the entry fields.
namespace core {

// True for the digits "0" to "9", Backspace (8) and Enter (13); False for every other key code.
bool IsNumericKey(int keyAscii);

} // namespace core
