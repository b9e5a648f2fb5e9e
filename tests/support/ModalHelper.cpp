#include "tests/support/ModalHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <deque>

struct ModalHelper::Impl {
    std::deque<Action> actions;
    QPointer<QWidget> lastHandled;
    QTimer timer;
};

ModalHelper::ModalHelper() : impl_(std::make_unique<Impl>()) {
    impl_->timer.setInterval(10);
    QObject::connect(&impl_->timer, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || impl_->actions.empty() || modal == impl_->lastHandled || !modal->isVisible())
            return;
        impl_->lastHandled = modal;
        Action action = std::move(impl_->actions.front());
        impl_->actions.pop_front();
        // Run outside this timer's own callback: an action that opens a
        // nested modal loop must leave the polling timer free to fire.
        QTimer::singleShot(0, modal, [action = std::move(action), modal] { action(modal); });
    });
    impl_->timer.start();
}

ModalHelper::~ModalHelper() = default;

void ModalHelper::next(Action action) {
    impl_->actions.push_back(std::move(action));
}

int ModalHelper::pending() const {
    return static_cast<int>(impl_->actions.size());
}

ModalHelper::Action answerBox(SeenBox* seen, int standardButton) {
    return [seen, standardButton](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box)
            return;
        if (seen) {
            seen->caption = box->windowTitle();
            seen->text = box->text();
            seen->icon = box->icon();
            seen->seen = true;
        }
        if (QAbstractButton* button = box->button(QMessageBox::StandardButton(standardButton)))
            button->click();
        else
            box->reject();
    };
}

SeenBox boxAfter(const std::function<void()>& action) {
    ModalHelper helper;
    SeenBox seen;
    helper.next(answerBox(&seen, QMessageBox::Ok));
    action();
    waitUntil([&] { return seen.seen; });
    return seen;
}

bool waitUntil(const std::function<bool()>& pred, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!pred()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

bool noVisibleTopLevels() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return false;
    return true;
}
