#pragma once

#include <QString>
#include <optional>

// The rules of the print panel's page-range boxes, which keep 1 <= From <= To <= page count.
namespace preview {

// The leading whole number of a box's text; 0 when the text does not start with one.
int leadingNumber(const QString& text);

// The From box after its text changed: at least "1", and no higher than To (it yields to To).
QString limitedFrom(const QString& from, const QString& to);
// The To box after its text changed: no higher than the page count, and no lower than From.
QString limitedTo(const QString& to, const QString& from, int pageCount);

// Up arrow (38) and Down arrow (40) step the box's number by one; other keys leave it alone.
std::optional<QString> steppedNumber(const QString& text, int keyCode);

// Whether the text, with the typed character appended at its end, still reads as a number. A
// refused key comes back as keyAscii 0; Backspace and keys <= 0 always pass (the result then says
// whether the text as it stands is a number).
bool ValidateNumericKey(const QString& text, int& keyAscii, bool decimals, bool negatives);

// The progress text of a page being printed: "Printing page 3", or "Printing page 3 of 5" when a
// range ending at the typed To number is printed.
QString printingText(int page, const QString& rangeEnd = {});

} // namespace preview
