#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

using Dzialanie = std::function<void(QWidget*)>;

// Acts on the modal windows of one search in turn. Unlike a plain helper it
// waits for the window each step names (nullptr: any message box) and lets
// other windows pass, as a progress window that may close by itself before
// anyone sees it.
class Kierowca {
public:
    Kierowca() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { sprawdz(); });
        timer_.start();
    }

    void nastepnie(QWidget* okno, Dzialanie dzialanie) { kroki_.push_back({okno, std::move(dzialanie)}); }
    std::size_t pozostalo() const { return kroki_.size(); }

private:
    void sprawdz() {
        QWidget* modalne = QApplication::activeModalWidget();
        if (!modalne || !modalne->isVisible() || kroki_.empty() || modalne == ostatnie_)
            return;
        QWidget* cel = kroki_.front().first;
        if (cel ? modalne != cel : !qobject_cast<QMessageBox*>(modalne))
            return;
        ostatnie_ = modalne;
        Dzialanie dzialanie = std::move(kroki_.front().second);
        kroki_.pop_front();
        // Outside the timer's callback, so the action may open a modal loop.
        QTimer::singleShot(0, modalne, [dzialanie = std::move(dzialanie), modalne] { dzialanie(modalne); });
    }

    QTimer timer_;
    std::deque<std::pair<QWidget*, Dzialanie>> kroki_;
    QPointer<QWidget> ostatnie_;
};
