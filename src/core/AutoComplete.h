#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QComboBox;

// Type-ahead completion of editable combo boxes from their own lists: the typed text is completed
// with the first list item that starts with it (ignoring case) and the completed tail is selected.
namespace core {

// True while a completion procedure changes a combo's text, so that its own change never starts
// another completion.
inline bool gblnAutoCompleting = false;

// The text of a combo's edit field and its selection (start from 0).
struct ComboEditState {
    QString text;
    int selStart = 0;
    int selLength = 0;
    bool operator==(const ComboEditState&) const = default;
};

// The completion of the typed text (the text before the selection start) from the list: the
// first item that starts with it, compared literally and ignoring case, and that is not the whole
// text already. The typed part keeps the user's letters; the rest of the item replaces the
// selection and is selected. No value when no item qualifies or the text is empty.
std::optional<ComboEditState> completeFromList(const ComboEditState& state, const QStringList& items);
// The state with the selected text removed.
ComboEditState removeSelection(const ComboEditState& state);
// The first item equal to the text, ignoring case.
std::optional<QString> matchingItem(const QString& text, const QStringList& items);

// The combo's change handler.
void AutoCompleteChange(QComboBox* Combo);
// The combo's key-down handler for the deleting keys: removes a selected completion without starting
// another; the key itself then deletes as in any box.
void AutoCompleteDelete(QComboBox* Combo);
// The combo's lost-focus handler: text equal to an item, ignoring case, takes the item's letters.
void AutoCompleteLostFocus(QComboBox* Combo);

} // namespace core
