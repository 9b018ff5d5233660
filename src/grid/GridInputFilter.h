#pragma once

#include <QString>
#include <QValidator>
#include <QtGlobal>

// The rules a column's InputFilter sets for its cell editor. An empty filter lets every key
// through; exactly "<" or ">" forces what is typed into lower or upper case; any other text is
// the set of characters the editor accepts, compared exactly. Backspace and the full stop pass
// every character set.
namespace grid {

enum class CaseForcing { None, Lower, Upper };

// The case an InputFilter forces: only the one-character filters "<" and ">" force one.
CaseForcing CaseForcingOf(const QString& InputFilter);

// The key an editor filtered by InputFilter receives for the typed character code KeyAscii:
// KeyAscii itself when it passes, 0 when it is refused. Case forcing filters refuse nothing.
qint16 FilterEditKey(const QString& InputFilter, qint16 KeyAscii);

// Turns every text that reaches a line edit (typed, pasted or set) into one case.
class CaseForcingValidator final : public QValidator {
public:
    CaseForcingValidator(CaseForcing Forcing, QObject* Parent) : QValidator(Parent), m_forcing(Forcing) {}
    State validate(QString& Input, int& Pos) const override;

private:
    CaseForcing m_forcing;
};

} // namespace grid
