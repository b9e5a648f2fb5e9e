#pragma once

#include "app/OknaProgramu.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <utility>

// Answers the modal windows of one search started from the main window: the
// search dialog, once, set up by ustaw and started, then the summary with
// "OK".
class UzytkownikOkna : public QObject {
public:
    UzytkownikOkna(OknaProgramu& okna, std::function<void(TSzukajTraseForm&)> ustaw)
        : okna_(okna), ustaw_(std::move(ustaw)) {
        connect(&zegar_, &QTimer::timeout, this, [this] { Dzialaj(); });
        zegar_.start(5);
    }

private:
    void Dzialaj() {
        QWidget* okno = QApplication::activeModalWidget();
        if (okno == &okna_.SzukajTraseForm && !wybrano_) {
            wybrano_ = true;
            ustaw_(okna_.SzukajTraseForm);
            QMetaObject::invokeMethod(okna_.SzukajTraseForm.SzukajButton, &QPushButton::click, Qt::QueuedConnection);
        } else if (okno == &okna_.PodsumowanieForm) {
            okna_.PodsumowanieForm.Button1->click();
        }
    }

    OknaProgramu& okna_;
    std::function<void(TSzukajTraseForm&)> ustaw_;
    bool wybrano_ = false;
    QTimer zegar_;
};
