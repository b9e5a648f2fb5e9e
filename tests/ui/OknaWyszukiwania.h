#pragma once

#include "grid/CMatryca.h"
#include "search/CPunkty.h"
#include "search/ZestawMiast.h"
#include "tests/support/ModalHelper.h"
#include "ui/OknoGlowne.h"
#include "ui/TObliczDowodForm.h"
#include "ui/TObliczForm.h"
#include "ui/TObliczGenetycznieForm.h"
#include "ui/TObliczLokalnieForm.h"
#include "ui/TSzukajTraseForm.h"
#include "ui/WynikModalny.h"
#include "tests/support/TestHelpers.h"

#include <QAbstractButton>
#include <QMetaObject>

#include <memory>
#include <vector>

// The main window as the search windows see it: a 25 x 25 grid, the cities
// of the current search, and a record of every route drawn.
class GlowneOkno : public OknoGlowne {
public:
    GlowneOkno() {
        matryca.SetRowCount(25);
        matryca.SetColumnCount(25);
    }

    // Marks n cities on distinct cells of an empty grid and takes the
    // search's snapshot.
    void UstawMiasta(int n) {
        matryca.SetAll(false);
        for (int k = 0; k < n; ++k) {
            const int komorka = (k * 37) % 625;
            matryca.SetCell(komorka / 25, komorka % 25, true);
        }
        UstawZSiatki();
    }

    // Three cities with the sides 3, 4 and 5: every route is 12 long.
    void UstawTrojkat() {
        matryca.SetAll(false);
        matryca.SetCell(0, 0, true);
        matryca.SetCell(0, 3, true);
        matryca.SetCell(4, 0, true);
        UstawZSiatki();
    }

    // A file's cities.
    void UstawZestaw(ZestawMiast z) { zestaw = std::make_shared<const ZestawMiast>(std::move(z)); }

    std::shared_ptr<const ZestawMiast> ZestawSzukania() const override { return zestaw; }
    void RysujTrase(const std::vector<int>& trasa) override { narysowane.push_back(trasa); }
    void RysujBadane(const std::vector<std::pair<int, int>>& odcinki) override { badane = odcinki; }
    std::vector<QPointF> PunktyWidoku() const override { return {}; }

    // The closed length of a route, each step in single precision and the
    // sum in double, as the genetic search sums it.
    double Dlugosc(const std::vector<int>& trasa) const {
        double suma = 0.0;
        for (std::size_t i = 0; i < trasa.size(); ++i)
            suma += double(float(zestaw->metryka(trasa[i], trasa[(i + 1) % trasa.size()])));
        return suma;
    }

    CMatryca matryca;
    std::shared_ptr<const ZestawMiast> zestaw;
    std::vector<std::vector<int>> narysowane;
    // What the last step of step mode looked at, as last drawn.
    std::vector<std::pair<int, int>> badane;

private:
    void UstawZSiatki() {
        CPunkty miasta;
        miasta.LoadFromCMatryca(&matryca);
        UstawZestaw(ZestawMiast::ZKomorek(std::move(miasta.Punkty)));
    }
};

// The search windows as the program creates them.
struct OknaWyszukiwania {
    GlowneOkno glowne;
    TObliczForm oblicz{glowne, nullptr};
    TObliczGenetycznieForm genetyczne{glowne, nullptr};
    TObliczLokalnieForm lokalne{glowne, nullptr};
    TObliczDowodForm dowod{glowne, nullptr};
    TSzukajTraseForm szukaj{oblicz, genetyczne, lokalne, dowod, nullptr};
};

// Clicks from the event loop rather than from inside the helper's action, so
// that a modal window the click opens can be handled by the next action.
inline void kliknijPozniej(QAbstractButton* przycisk) {
    QMetaObject::invokeMethod(przycisk, &QAbstractButton::click, Qt::QueuedConnection);
}

inline void zamknijPozniej(QWidget* okno) {
    QMetaObject::invokeMethod(okno, &QWidget::close, Qt::QueuedConnection);
}
