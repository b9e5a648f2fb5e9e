#pragma once

#include <QApplication>

// The program's application object. Every exception that escapes an event
// handler ends up here: it is shown in the standard error box and the program
// carries on, with the handler's work stopped where the error arose.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error of a handler; used by notify() and by code that calls
    // handlers outside the event loop.
    static void reportException(std::exception_ptr error);

private:
    bool reporting_ = false;
};
