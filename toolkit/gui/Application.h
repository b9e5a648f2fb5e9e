#pragma once

#include <QApplication>

// The program's application object. Handlers run their work through
// runHandler() or handler() (Handler.h), which show an error in the standard
// error box where it arises; notify() is the last line of defence for an
// exception that escapes anyway: it is shown the same way and the program
// carries on, with the handler's work stopped where the error arose.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error of a handler; used by notify() and by code that calls
    // handlers outside the event loop.
    static void reportException(std::exception_ptr error);
    // Shows an error that arose elsewhere, a worker's, in the same box.
    static void reportError(const QString& message);

private:
    bool reporting_ = false;
};
