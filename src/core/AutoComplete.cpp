#include "core/AutoComplete.h"

#include "platform/runtime/Strings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace core {

namespace {

QStringList listItems(const QComboBox* combo)
{
    QStringList items;
    items.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

ComboEditState editState(const QComboBox* combo)
{
    const QLineEdit* edit = combo->lineEdit();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return {edit->text(), start, edit->selectionLength()};
}

// Changes the combo's text and selection with gblnAutoCompleting set.
void applyState(QComboBox* combo, const ComboEditState& state)
{
    const QScopedValueRollback<bool> completing(gblnAutoCompleting, true);
    QLineEdit* edit = combo->lineEdit();
    edit->setText(state.text);
    edit->setSelection(state.selStart, state.selLength);
}

} // namespace

std::optional<ComboEditState> completeFromList(const ComboEditState& state, const QStringList& items)
{
    if (state.text.isEmpty())
        return std::nullopt;
    const QString typed = runtime::UCase(state.text.left(state.selStart));
    const QString whole = runtime::UCase(state.text);
    for (const QString& item : items) {
        const QString upper = runtime::UCase(item);
        if (!upper.startsWith(typed) || upper == whole)
            continue;
        ComboEditState completed;
        completed.text = state.text.left(state.selStart) + item.mid(state.selStart)
                         + state.text.mid(state.selStart + state.selLength);
        completed.selStart = state.selStart;
        completed.selLength = int(completed.text.size()) - state.selStart;
        return completed;
    }
    return std::nullopt;
}

ComboEditState removeSelection(const ComboEditState& state)
{
    return {state.text.left(state.selStart) + state.text.mid(state.selStart + state.selLength), state.selStart, 0};
}

std::optional<QString> matchingItem(const QString& text, const QStringList& items)
{
    for (const QString& item : items) {
        if (runtime::UCase(item) == runtime::UCase(text))
            return item;
    }
    return std::nullopt;
}

void AutoCompleteChange(QComboBox* Combo)
{
    if (gblnAutoCompleting)
        return;
    if (const auto completed = completeFromList(editState(Combo), listItems(Combo)))
        applyState(Combo, *completed);
}

void AutoCompleteDelete(QComboBox* Combo)
{
    const ComboEditState state = editState(Combo);
    if (state.selLength > 0)
        applyState(Combo, removeSelection(state));
}

void AutoCompleteLostFocus(QComboBox* Combo)
{
    if (Combo->currentText().isEmpty())
        return;
    if (const auto item = matchingItem(Combo->currentText(), listItems(Combo))) {
        const QScopedValueRollback<bool> completing(gblnAutoCompleting, true);
        Combo->setEditText(*item);
    }
}

} // namespace core
