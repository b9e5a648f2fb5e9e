#include "toolkit/gui/Application.h"

#include "toolkit/core/UserError.h"
#include "toolkit/gui/ErrorBox.h"

#include <QThread>

#include <exception>
#include <new>

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
    QString message;
    try {
        std::rethrow_exception(error);
    } catch (const UserError& e) {
        message = e.message();
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Za mało pamięci");
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = QStringLiteral("Nieznany błąd");
    }

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
