#include "tests/grid/SiatkaTestowa.h"

#include "search/LosowaLiczba.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

namespace {

std::vector<bool> uklad(const CMatryca& siatka) {
    std::vector<bool> wynik;
    for (int r = 0; r < siatka.GetRowCount(); ++r)
        for (int c = 0; c < siatka.GetColumnCount(); ++c)
            wynik.push_back(siatka.GetCell(r, c));
    return wynik;
}

} // namespace

TEST(CMatrycaDefaults, NewGridIsFiveByFiveAndMeasures56) {
    CMatryca siatka;
    EXPECT_EQ(siatka.GetColumnCount(), 5);
    EXPECT_EQ(siatka.GetRowCount(), 5);
    EXPECT_EQ(siatka.GetCellSize(), 10);
    EXPECT_EQ(siatka.GetGridWidth(), 1);
    EXPECT_EQ(siatka.GetBestRouteWidth(), 2);
    EXPECT_EQ(siatka.GetBackgroundColor(), Bialy);
    EXPECT_EQ(siatka.GetGridColor(), Srebrny);
    EXPECT_EQ(siatka.GetSelectedColor(), Czarny);
    EXPECT_EQ(siatka.GetBestRouteColor(), Zielony);
    EXPECT_EQ(siatka.GetPointCount(), 0);
    EXPECT_EQ(siatka.GetBestPunkty()->Count(), 0);
    EXPECT_FALSE(siatka.OnChange);
    EXPECT_EQ(policzMiasta(siatka), 0);
    EXPECT_EQ(siatka.size(), QSize(56, 56));
}

TEST(CMatrycaCounts, SameZeroOrNegativeCountChangesNothingAndRaisesNothing) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(1, 1, true);
    ustawTrase(*siatka, {{1, 1}});
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    for (int n : {25, 0, -4}) {
        siatka->SetRowCount(n);
        siatka->SetColumnCount(n);
    }
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_EQ(siatka->GetRowCount(), 25);
    EXPECT_EQ(siatka->GetColumnCount(), 25);
    EXPECT_TRUE(siatka->GetCell(1, 1));
    EXPECT_EQ(siatka->GetPointCount(), 1);
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 1);
}

TEST(CMatrycaCounts, NewCountEmptiesGridAndRaisesOnceWithStateUpToDateEvenWhenAlreadyEmpty) {
    auto siatka = siatkaOknaGlownego();
    for (int k = 0; k < 7; ++k)
        siatka->SetCell(k, k, true);
    ustawTrase(*siatka, {{0, 0}, {1, 1}});
    Zmiany zmiany;
    zmiany.podlacz(*siatka);

    siatka->SetColumnCount(26);
    ASSERT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(zmiany.widziane[0].kolumny, 26);
    EXPECT_EQ(zmiany.widziane[0].miasta, 0);
    EXPECT_EQ(zmiany.widziane[0].punktyTrasy, 0);
    EXPECT_EQ(zmiany.widziane[0].szerokosc, 11 * 26 + 1);
    EXPECT_EQ(policzMiasta(*siatka), 0);
    EXPECT_EQ(siatka->GetPointCount(), 0);

    siatka->SetRowCount(30);
    ASSERT_EQ(zmiany.ile(), 2);
    EXPECT_EQ(zmiany.widziane[1].wiersze, 30);
    EXPECT_EQ(zmiany.widziane[1].wysokosc, 11 * 30 + 1);
    EXPECT_EQ(siatka->size(), QSize(11 * 26 + 1, 331));
    siatka->SetColumnCount(27);
    EXPECT_EQ(zmiany.ile(), 3);
}

TEST(CMatrycaCells, SetCellEmptiesTheRouteRaisesOnceAndRepeatingChangesNothing) {
    auto siatka = siatkaOknaGlownego();
    ustawTrase(*siatka, {{0, 0}, {1, 1}});
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    bool komorkaWidziana = false;
    auto zapisz = siatka->OnChange;
    siatka->OnChange = [&](CMatryca* s) {
        komorkaWidziana = s->GetCell(2, 3);
        zapisz(s);
    };

    siatka->SetCell(2, 3, true);
    ASSERT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(zmiany.widziane[0].miasta, 1);
    EXPECT_EQ(zmiany.widziane[0].punktyTrasy, 0);
    EXPECT_TRUE(komorkaWidziana);

    siatka->SetCell(2, 3, true);
    EXPECT_EQ(zmiany.ile(), 1);

    siatka->SetCell(2, 3, false);
    EXPECT_EQ(zmiany.ile(), 2);
    EXPECT_EQ(siatka->GetPointCount(), 0);
}

TEST(CMatrycaCells, OutsideIndexesAreIgnoredAndReadAsEmpty) {
    auto siatka = siatkaOknaGlownego();
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    siatka->SetCell(25, 0, true);
    siatka->SetCell(0, 25, true);
    siatka->SetCell(-1, 0, true);
    siatka->SetCell(0, -1, true);
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_EQ(siatka->GetPointCount(), 0);
    EXPECT_FALSE(siatka->GetCell(0, 25));
    EXPECT_FALSE(siatka->GetCell(25, 0));
    EXPECT_FALSE(siatka->GetCell(-1, 0));
    EXPECT_FALSE(siatka->GetCell(0, -1));
}

TEST(CMatrycaCells, SetPointCountRaisesOnlyOnChange) {
    CMatryca siatka;
    Zmiany zmiany;
    zmiany.podlacz(siatka);
    siatka.SetPointCount(0);
    EXPECT_EQ(zmiany.ile(), 0);
    siatka.SetPointCount(3);
    EXPECT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(siatka.GetPointCount(), 3);
}

TEST(CMatrycaSetAll, RaisesOnlyWhenTheCityCountChanges) {
    auto siatka = siatkaOknaGlownego();
    ustawTrase(*siatka, {{0, 0}});
    Zmiany zmiany;
    zmiany.podlacz(*siatka);

    siatka->SetAll(true);
    ASSERT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(zmiany.widziane[0].miasta, 625);
    EXPECT_EQ(zmiany.widziane[0].punktyTrasy, 0);
    EXPECT_EQ(policzMiasta(*siatka), 625);

    siatka->SetAll(true);
    EXPECT_EQ(zmiany.ile(), 1);

    siatka->SetAll(false);
    EXPECT_EQ(zmiany.ile(), 2);
    EXPECT_EQ(policzMiasta(*siatka), 0);

    siatka->SetAll(false);
    EXPECT_EQ(zmiany.ile(), 2);
}

TEST(CMatrycaLosuj, PlacesExactlyNCitiesAndEmptiesTheRoute) {
    auto siatka = siatkaOknaGlownego();
    ustawTrase(*siatka, {{0, 0}, {3, 3}});
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    siatka->Losuj(40);
    EXPECT_EQ(policzMiasta(*siatka), 40);
    EXPECT_EQ(siatka->GetPointCount(), 40);
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 0);
    ASSERT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(zmiany.widziane[0].miasta, 40);
}

TEST(CMatrycaLosuj, AllCellsAllowedAndOneMoreRefusedWithoutAnyChange) {
    auto siatka = siatkaOknaGlownego();
    siatka->Losuj(625);
    EXPECT_EQ(policzMiasta(*siatka), 625);

    siatka->Losuj(7);
    ustawTrase(*siatka, {{0, 0}, {1, 0}});
    const auto przed = uklad(*siatka);
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    EXPECT_EQ(errorMessage([&] { siatka->Losuj(626); }), "Zbyt duża liczba punktów");
    EXPECT_EQ(uklad(*siatka), przed);
    EXPECT_EQ(siatka->GetPointCount(), 7);
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 2);
    EXPECT_EQ(zmiany.ile(), 0);
}

TEST(CMatrycaLosuj, ZeroOrANegativeCountEmptiesTheGridAndRaisesOnlyWhenItHeldCities) {
    auto siatka = siatkaOknaGlownego();
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    for (int n : {0, -3}) {
        siatka->Losuj(n);
        EXPECT_EQ(zmiany.ile(), 0) << n;
        siatka->SetCell(3, 3, true);
        siatka->SetCell(4, 4, true);
        zmiany.widziane.clear();
        siatka->Losuj(n);
        EXPECT_EQ(zmiany.ile(), 1) << n;
        EXPECT_EQ(policzMiasta(*siatka), 0) << n;
        EXPECT_EQ(siatka->GetPointCount(), 0) << n;
        zmiany.widziane.clear();
    }
}

TEST(CMatrycaLosuj, SameCountAsBeforeMovesCitiesButRaisesNothing) {
    auto siatka = siatkaOknaGlownego();
    for (int k = 0; k < 10; ++k)
        siatka->SetCell(0, k, true);
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    siatka->Losuj(10);
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_EQ(policzMiasta(*siatka), 10);
}

TEST(CMatrycaLosuj, EveryCallSeedsAfreshSoTheSameSecondGivesTheSameLayout) {
    auto siatka = siatkaOknaGlownego();
    UstalZiarnoZamiastCzasu(1234);
    siatka->Losuj(100);
    const auto pierwszy = uklad(*siatka);
    siatka->Losuj(100);
    const auto drugi = uklad(*siatka);
    UstalZiarnoZamiastCzasu(1235);
    siatka->Losuj(100);
    const auto zInnymZiarnem = uklad(*siatka);
    UstalZiarnoZamiastCzasu(std::nullopt);
    EXPECT_EQ(pierwszy, drugi);
    EXPECT_NE(pierwszy, zInnymZiarnem);
}

TEST(CMatrycaLoadFromWektor, LoadsRowAfterRowAndRaisesOnlyWithCities) {
    CMatryca siatka;
    siatka.SetColumnCount(3);
    siatka.SetRowCount(2);
    ustawTrase(siatka, {{0, 0}});
    Zmiany zmiany;
    zmiany.podlacz(siatka);

    const bool komorki[6] = {false, true, false, true, false, true};
    siatka.LoadFromWektor(komorki, 6);
    ASSERT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(zmiany.widziane[0].miasta, 3);
    EXPECT_TRUE(siatka.GetCell(0, 1));
    EXPECT_TRUE(siatka.GetCell(1, 0));
    EXPECT_TRUE(siatka.GetCell(1, 2));
    EXPECT_FALSE(siatka.GetCell(0, 0));
    EXPECT_EQ(siatka.GetBestPunkty()->Count(), 0);

    // PointCount is set to 0 directly before the count: an empty vector
    // raises nothing even though the grid held cities.
    const bool puste[6] = {};
    siatka.LoadFromWektor(puste, 6);
    EXPECT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(siatka.GetPointCount(), 0);
    EXPECT_EQ(policzMiasta(siatka), 0);
}

TEST(CMatrycaLoadFromWektor, WrongLengthChangesNothing) {
    CMatryca siatka;
    siatka.SetCell(0, 0, true);
    Zmiany zmiany;
    zmiany.podlacz(siatka);
    const bool komorki[26] = {false, true, true, true};
    siatka.LoadFromWektor(komorki, 26);
    siatka.LoadFromWektor(komorki, 24);
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_TRUE(siatka.GetCell(0, 0));
    EXPECT_FALSE(siatka.GetCell(0, 1));
    EXPECT_EQ(siatka.GetPointCount(), 1);
}

TEST(CMatrycaAppearance, SettersNeverRaiseAndKeepCellsAndRoute) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(2, 2, true);
    ustawTrase(*siatka, {{2, 2}, {5, 5}});
    Zmiany zmiany;
    zmiany.podlacz(*siatka);

    siatka->SetCellSize(20);
    EXPECT_EQ(siatka->size(), QSize(526, 526));
    siatka->SetGridWidth(3);
    EXPECT_EQ(siatka->size(), QSize(578, 578));
    siatka->SetBestRouteWidth(5);
    siatka->SetBackgroundColor(rgbColor(1, 2, 3));
    siatka->SetGridColor(rgbColor(4, 5, 6));
    siatka->SetSelectedColor(rgbColor(7, 8, 9));
    siatka->SetBestRouteColor(rgbColor(10, 11, 12));
    CPunktyNowe trasa;
    trasa.Add({1, 1});
    siatka->SetBestPunkty(&trasa);
    siatka->GetBestPunkty();

    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_TRUE(siatka->GetCell(2, 2));
    EXPECT_EQ(siatka->GetPointCount(), 1);
    EXPECT_EQ(siatka->GetBestRouteWidth(), 5);
    EXPECT_EQ(siatka->GetBackgroundColor(), rgbColor(1, 2, 3));
    EXPECT_EQ(siatka->GetGridColor(), rgbColor(4, 5, 6));
    EXPECT_EQ(siatka->GetSelectedColor(), rgbColor(7, 8, 9));
    EXPECT_EQ(siatka->GetBestRouteColor(), rgbColor(10, 11, 12));
}

TEST(CMatrycaAppearance, ZeroAndNegativeValuesAreStoredUnchanged) {
    CMatryca siatka;
    siatka.SetCellSize(0);
    siatka.SetGridWidth(-2);
    siatka.SetBestRouteWidth(-7);
    EXPECT_EQ(siatka.GetCellSize(), 0);
    EXPECT_EQ(siatka.GetGridWidth(), -2);
    EXPECT_EQ(siatka.GetBestRouteWidth(), -7);
}

TEST(CMatrycaRoute, SetBestPunktyCopiesAndOwnListChangesNothing) {
    CMatryca siatka;
    CPunktyNowe trasa;
    trasa.Add({1, 2});
    trasa.Add({3, 4});
    siatka.SetBestPunkty(&trasa);
    trasa.Add({0, 0});
    ASSERT_EQ(siatka.GetBestPunkty()->Count(), 2);
    EXPECT_EQ(siatka.GetBestPunkty()->Punkty[1], (TPunkt{3, 4}));

    siatka.SetBestPunkty(siatka.GetBestPunkty());
    EXPECT_EQ(siatka.GetBestPunkty()->Count(), 2);

    CPunktyNowe pusta;
    siatka.SetBestPunkty(&pusta);
    EXPECT_EQ(siatka.GetBestPunkty()->Count(), 0);
}

TEST(CPunktyNowe, SelfAssignmentKeepsPointsAndClearEmpties) {
    CPunktyNowe lista;
    lista.Add({1, 1});
    lista.Add({2, 2});
    CPunktyNowe& ta = lista;
    lista = ta;
    EXPECT_EQ(lista.Count(), 2);
    lista.Clear();
    EXPECT_EQ(lista.Count(), 0);
}
