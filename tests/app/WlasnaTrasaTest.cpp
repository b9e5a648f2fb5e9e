// "Narysuj własną trasę": the user's own route, on the grid and on the view
// of points, its length and how it compares with the searches' routes.

#include "app/MiastaOkna.h"
#include "app/PlikiMatrycy.h"
#include "app/WlasnaTrasa.h"
#include "grid/CMatryca.h"
#include "grid/WidokPunktow.h"
#include "search/ZestawMiast.h"
#include "tests/app/OknoGlowneTest.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Four cities at the corners of a 3 X 4 rectangle of cells, numbered row by
// row: 0 (0, 0), 1 (0, 3), 2 (4, 0), 3 (4, 3). Around it 14 cells; across
// its diagonals, 0 3 1 2, 5 + 4 + 5 + 4 = 18.
class WlasnaTrasaWOknie : public OknoGlowneTest {
protected:
    WlasnaTrasaWOknie() {
        for (const auto& [wiersz, kolumna] : {std::pair{0, 0}, {0, 3}, {4, 0}, {4, 3}})
            glowne.MatrycaMiast->SetCell(wiersz, kolumna, true);
    }

    void kliknij(int wiersz, int kolumna) {
        QTest::mouseClick(glowne.MatrycaMiast, Qt::LeftButton, {}, QPoint(kolumna * 11 + 6, wiersz * 11 + 6));
    }

    int narysowane() const { return glowne.MatrycaMiast->GetBestPunkty()->Count(); }

    // The summary that opens when the route closes, read and closed.
    void czytajPodsumowanie(ModalHelper& pomocnik) {
        pomocnik.next([this](QWidget*) {
            const TPodsumowanieForm& p = okna.PodsumowanieForm;
            wlasna = p.GroupBox6->isVisible() ? QStringList{p.WlasnaTrasaLabel->text(), p.WlasnaPorownanieLabel->text()}
                                              : QStringList{};
            okna.PodsumowanieForm.Button1->click();
        });
    }

    QStringList wlasna;
};

} // namespace

TEST_F(WlasnaTrasaWOknie, ClicksTakeCitiesAndARetakenCityOrBackspaceTakesTheLastBack) {
    glowne.NarysujTrase1->trigger();
    ASSERT_TRUE(glowne.Wlasna->Trwa());
    kliknij(0, 0);
    kliknij(4, 3);
    EXPECT_EQ(narysowane(), 2);
    // A cell with no city takes nothing and places none.
    kliknij(2, 2);
    EXPECT_EQ(narysowane(), 2);
    EXPECT_EQ(glowne.MatrycaMiast->GetPointCount(), 4);

    kliknij(0, 0);
    EXPECT_EQ(glowne.Wlasna->Miasta(), (std::vector<int>{0}));
    kliknij(4, 3);
    QTest::keyClick(glowne.MatrycaMiast, Qt::Key_Backspace);
    EXPECT_EQ(glowne.Wlasna->Miasta(), (std::vector<int>{0}));
    EXPECT_EQ(narysowane(), 1);

    QTest::keyClick(glowne.MatrycaMiast, Qt::Key_Escape);
    EXPECT_FALSE(glowne.Wlasna->Trwa());
    EXPECT_EQ(narysowane(), 0);
    // Drawing changed no city: nothing to undo, and a click places a city again.
    EXPECT_FALSE(glowne.Cofnij1->isEnabled());
    kliknij(2, 2);
    EXPECT_EQ(glowne.MatrycaMiast->GetPointCount(), 5);
}

TEST_F(WlasnaTrasaWOknie, TheClosedRouteIsMeasuredAndComparedWithTheProvenOptimum) {
    szukaj({wybierz(MetodaSzukania::Permutacje), {&okna.PodsumowanieForm, [this](QWidget*) {
                                                        okna.PodsumowanieForm.Button1->click();
                                                    }}});
    glowne.NarysujTrase1->trigger();
    kliknij(0, 0);
    kliknij(4, 3);
    kliknij(0, 3);
    EXPECT_EQ(glowne.Miasta->Trasa(), nullptr);
    ModalHelper pomocnik;
    czytajPodsumowanie(pomocnik);
    kliknij(4, 0);
    EXPECT_EQ(pomocnik.pending(), 0);
    // 18 against 14: 4 / 14 = 28,57 %.
    EXPECT_EQ(wlasna, QStringList({"18,0", "28,6 % powyżej najkrótszej (udowodnionej)"}));
    EXPECT_EQ(glowne.statusBar()->currentMessage(), "Długość własnej trasy : 18,0");
    EXPECT_FALSE(glowne.Wlasna->Trwa());
    ASSERT_NE(glowne.Miasta->Trasa(), nullptr);
    EXPECT_EQ(*glowne.Miasta->Trasa(), (std::vector<int>{0, 3, 1, 2}));
    EXPECT_EQ(narysowane(), 4);

    // A change of the cities takes the route and its group away.
    kliknij(2, 2);
    EXPECT_EQ(okna.PodsumowanieForm.WlasnaTrasa, -1.0);
    EXPECT_EQ(glowne.Miasta->Trasa(), nullptr);
}

TEST_F(WlasnaTrasaWOknie, OnTheViewOfPointsTheDotsAreClickedAndTheFilesMetricMeasures) {
    // An explicit table: three cities on a circle, 1 from the first to the
    // second, 2 to the third, 3 between the second and the third.
    glowne.Pliki->Otworz(writeFile(dir.filePath("t.tsp"),
                                   "NAME : t\nTYPE : TSP\nDIMENSION : 3\nEDGE_WEIGHT_TYPE : EXPLICIT\n"
                                   "EDGE_WEIGHT_FORMAT : UPPER_ROW\nEDGE_WEIGHT_SECTION\n1 2\n3\nEOF\n"));
    ASSERT_TRUE(glowne.Miasta->NaPunktach());
    const WidokPliku& widok = *glowne.Miasta->Widok();
    auto kliknijMiasto = [&](int k) {
        const QPointF piksel = glowne.PunktyMiast->NaPiksel(QPointF(widok.x[std::size_t(k)], widok.y[std::size_t(k)]));
        QTest::mouseClick(glowne.PunktyMiast, Qt::LeftButton, {}, piksel.toPoint());
    };
    glowne.NarysujTrase1->trigger();
    kliknijMiasto(2);
    kliknijMiasto(0);
    EXPECT_EQ(glowne.PunktyMiast->Trasa(), (std::vector<int>{2, 0}));
    ModalHelper pomocnik;
    czytajPodsumowanie(pomocnik);
    kliknijMiasto(1);
    EXPECT_EQ(pomocnik.pending(), 0);
    EXPECT_EQ(wlasna, QStringList({"6", "Brak trasy do porównania"}));
    EXPECT_EQ(glowne.statusBar()->currentMessage(), "Długość własnej trasy : 6");
}
