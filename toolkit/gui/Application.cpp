#include "toolkit/gui/Application.h"

#include "toolkit/core/ExceptionMessage.h"
#include "toolkit/gui/ErrorBox.h"

#include <QThread>

#include <exception>

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportException(std::current_exception());
        return false;
    }
}

void Application::reportException(std::exception_ptr error) {
    reportError(describeException(error).pl);
}

void Application::reportError(const QString& message) {
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    // Only the user-interface thread may show a box; a second error raised
    // while the box is open is not stacked on top of the first.
    if (!app || QThread::currentThread() != app->thread() || app->reporting_) {
        qWarning("%s", qPrintable(message));
        return;
    }
    app->reporting_ = true;
    showErrorBox(message);
    app->reporting_ = false;
}
