#pragma once

#include <QApplication>

namespace ui {

// The program's application object: an end of the program raised inside an event handler
// (endProgram) ends the event loop instead of unwinding through Qt.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace ui
