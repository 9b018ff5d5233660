#pragma once

class QString;
class QWidget;

namespace ui {
class DatePicker;
}

namespace reports {

// The keys of a report's From and To pickers: Enter on From moves to To; Esc on either moves to
// Exit. fromDateKeyDown handles From's keys; toDateEntered handles To's Esc and returns true only
// for Enter with the range in order. An Enter on a reversed range shows `reversedMessage` and
// keeps the focus on To.
void fromDateKeyDown(int KeyCode, ui::DatePicker* to, QWidget* exit);
bool toDateEntered(int KeyCode, const ui::DatePicker* from, ui::DatePicker* to, QWidget* exit,
                   const QString& reversedMessage);

} // namespace reports
