// The proof of optimality from the search dialog to the summary, on the
// grid's cities and on a file's.

#include "app/MiastaOkna.h"
#include "app/PlikiMatrycy.h"
#include "grid/CMatryca.h"
#include "search/certyfikat/CzytanieCertyfikatu.h"
#include "search/certyfikat/SprawdzenieCertyfikatu.h"
#include "search/sesja/SesjaSzukania.h"
#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"
#include "tests/app/OknoGlowneTest.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"
#include "ui/RysunekLP.h"
#include "ui/WykresGranic.h"
#include "ui/WynikModalny.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class DowodWOknie : public OknoGlowneTest {
protected:
    Krok czytajPodsumowanie() {
        return {&okna.PodsumowanieForm, [this](QWidget*) {
                    const TPodsumowanieForm& p = okna.PodsumowanieForm;
                    permutacje = {p.PermutacjeNajkrotszaLabel->text(), p.PermutacjeNajdluzszaLabel->text()};
                    dowod = p.GroupBox5->isVisible()
                                ? QStringList{p.DowodNajkrotszaLabel->text(), p.DowodNajdluzszaLabel->text()}
                                : QStringList{};
                    okna.PodsumowanieForm.Button1->click();
                }};
    }

    // The permutation search and then the proof on the window's cities:
    // both proven, each the permutation search's length; in the grid's
    // cells branch and cut says it proves to within a millionth.
    void porownajZPermutacjami(const QString& dowodu = QStringLiteral(" (udowodniona)")) {
        szukaj({wybierz(MetodaSzukania::Permutacje), czytajPodsumowanie()});
        ASSERT_FALSE(permutacje[0].isEmpty());
        EXPECT_TRUE(dowod.isEmpty());
        szukaj({wybierz(MetodaSzukania::Dowod), czytajPodsumowanie()});
        EXPECT_EQ(dowod, QStringList({permutacje[0] + dowodu, permutacje[1] + dowodu}));
        const std::vector<int>* trasa = glowne.Miasta->Trasa();
        ASSERT_NE(trasa, nullptr);
        ASSERT_TRUE(okna.ObliczDowodForm.Wynik().najkrotsza);
        EXPECT_EQ(*trasa, okna.ObliczDowodForm.Wynik().najkrotsza->trasa);
        // The longest route, proven, is drawn whole in place of an LP solution.
        const auto& krawedzie = okna.ObliczDowodForm.Rysunek->Rozwiazanie();
        EXPECT_EQ(int(krawedzie.size()), int(trasa->size()));
        EXPECT_TRUE(std::all_of(krawedzie.begin(), krawedzie.end(),
                                [](const PostepDowodu::KrawedzLP& k) { return RysunekLP::Cala(k.x); }));
    }

    QStringList permutacje;
    QStringList dowod;
    QTemporaryDir katalog;
};

} // namespace

TEST_F(DowodWOknie, OnTheGridAndOnAFileTheProvenRoutesAreThePermutationSearchs) {
    SKIP_WITHOUT_TSPLIB();
    for (const auto& [wiersz, kolumna] : {std::pair{1, 1}, {2, 8}, {9, 3}, {12, 12}, {4, 20}, {18, 6}, {15, 17}, {22, 22}})
        glowne.MatrycaMiast->SetCell(wiersz, kolumna, true);
    ASSERT_EQ(glowne.Miasta->Zestaw()->Ilosc(), 8);
    porownajZPermutacjami(QStringLiteral(" (udowodniona z dokładnością do milionowej)"));
    // One decimal in the grid's cells; no certificate of the cells' sums.
    EXPECT_TRUE(dowod.value(0).contains(',')) << qPrintable(dowod.value(0));
    EXPECT_EQ(glowne.Miasta->CertyfikatDowodu(), nullptr);

    glowne.Pliki->Otworz(QStringLiteral(WEDROWNIK_TSPLIB "/burma14.tsp"));
    porownajZPermutacjami();
    // Whole numbers in a file's metric; TSPLIB's optimum.
    EXPECT_EQ(dowod.value(0), "3323 (udowodniona)");
    // The permutation search's group stays, as every method's until the
    // cities change.
    EXPECT_EQ(permutacje[0], "3323");

    // The proof's certificate, as saved, holds for the file and its route.
    const QString cert = katalog.filePath(QStringLiteral("burma14.cert"));
    glowne.Pliki->ZapiszCertyfikat(cert);
    const InstancjaTsp instancja = PlikTsp::WczytajInstancje(QStringLiteral(WEDROWNIK_TSPLIB "/burma14.tsp"));
    const ZestawMiast plik = PlikZestawu::ZInstancji(InstancjaTsp(instancja));
    const WerdyktCertyfikatu w =
        SprawdzCertyfikat(WczytajCertyfikat(cert), plik.metryka, instancja.Nazwa, *glowne.Miasta->Trasa());
    EXPECT_TRUE(w.wazny) << w.powod.toStdString();
    // A change of the cities leaves nothing to save.
    glowne.MatrycaMiast->SetCell(0, 0, !glowne.MatrycaMiast->GetCell(0, 0));
    EXPECT_EQ(glowne.Miasta->CertyfikatDowodu(), nullptr);
}

TEST_F(DowodWOknie, FinishedWhileTheShortestIsProvenItShowsTheBestRouteSoFarWithItsGap) {
    // A proof of far more than the test's time: finished as soon as the
    // shortest route has a bound, it ends with that route and its gap, and
    // the longest route, never begun, shows nothing.
    glowne.MatrycaMiast->SetRowCount(200);
    glowne.MatrycaMiast->SetColumnCount(200);
    glowne.MatrycaMiast->Losuj(300);
    okna.SzukajTraseForm.CzasDowoduEdit->setText("100000");
    TObliczDowodForm& postep = okna.ObliczDowodForm;
    bool wNajkrotszej = false;
    SeenBox pytanie;
    szukaj({wybierz(MetodaSzukania::Dowod),
            {&postep,
             [&](QWidget*) {
                 ASSERT_TRUE(waitUntil([&] { return !postep.DolnaLabel->text().isEmpty(); }, 600000));
                 ASSERT_TRUE(waitUntil([&] { return postep.LukaLabel->text().startsWith("co najwyżej "); }, 600000));
                 EXPECT_TRUE(postep.CieciaLabel->text().contains(" (w LP : podcykle "))
                     << qPrintable(postep.CieciaLabel->text());
                 EXPECT_TRUE(postep.WezlyLabel->text().contains(" (otwarte : ")) << qPrintable(postep.WezlyLabel->text());
                 postep.WstrzymajButton->click();
                 ASSERT_TRUE(waitUntil([&] { return postep.Sesja()->ZatrzymaneWatki() > 0; }, 600000));
                 const MigawkaSesji migawka = postep.Sesja()->Migawka();
                 const auto& d = std::get<MigawkaDowodu>(migawka.metoda);
                 wNajkrotszej = d.biezacy == CelDowodu::Najkrotsza && !d.Cel(CelDowodu::Najkrotsza).udowodniona;
                 EXPECT_EQ(postep.Wykres->Cel(), CelDowodu::Najkrotsza);
                 EXPECT_GT(postep.Wykres->DolnaGranica->count(), 0);
                 EXPECT_GT(postep.Wykres->GornaGranica->count(), 0);
                 postep.ZakonczButton->click();
             }},
            odpowiedz(&pytanie, QMessageBox::Yes), czytajPodsumowanie()});
    EXPECT_EQ(pytanie.text, "Czy na pewno chcesz zakończyć obliczanie?");
    EXPECT_EQ(okna.SzukajTraseForm.result(), WynikModalny::OK);
    ASSERT_TRUE(wNajkrotszej) << "the proof ended before the test could finish it";
    ASSERT_EQ(dowod.size(), 2);
    EXPECT_TRUE(dowod[0].contains(" (co najwyżej ")) << qPrintable(dowod[0]);
    EXPECT_EQ(dowod[1], "");
    const std::vector<int>* trasa = glowne.Miasta->Trasa();
    ASSERT_NE(trasa, nullptr);
    EXPECT_TRUE(isPermutation(*trasa, 300));
}
