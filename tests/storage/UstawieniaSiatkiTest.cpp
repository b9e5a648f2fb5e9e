#include "storage/CPamiec.h"
#include "tests/grid/SiatkaTestowa.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray zapisane(const CPamiec& pamiec) {
    return QByteArray(reinterpret_cast<const char*>(pamiec.Memory()), pamiec.Position());
}

CPamiec ustawieniaZ(const CMatryca& siatka) {
    CPamiec pamiec;
    siatka.SaveToCPamiec(&pamiec);
    pamiec.SetPosition(0);
    return pamiec;
}

// The main window's grid, and the changes it raises while it loads settings.
class UstawieniaSiatki : public ::testing::Test {
protected:
    void wczytaj(CPamiec& pamiec) {
        zmiany.podlacz(*siatka);
        siatka->LoadFromCPamiec(&pamiec);
    }

    std::unique_ptr<CMatryca> siatka = siatkaOknaGlownego();
    Zmiany zmiany;
};

} // namespace

TEST_F(UstawieniaSiatki, DesignValuesGiveNineIntegersInOrder) {
    CPamiec pamiec;
    siatka->SaveToCPamiec(&pamiec);
    EXPECT_EQ(zapisane(pamiec), QByteArray::fromHex("ffffff00"    // BackgroundColor
                                                    "00000000"    // SelectedColor
                                                    "c0c0c000"    // GridColor
                                                    "00800000"    // BestRouteColor
                                                    "0a000000"    // CellSize
                                                    "01000000"    // GridWidth
                                                    "02000000"    // BestRouteWidth
                                                    "19000000"    // RowCount
                                                    "19000000")); // ColumnCount
}

TEST_F(UstawieniaSiatki, WholeConfigurationFileOfTheInitialSettings) {
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath("Config.cfg");
    CPamiec pamiec;
    siatka->SaveToCPamiec(&pamiec);
    for (const char* tekst : {"1000", "1000", "100", "0,3", "0,1"})
        pamiec.WriteString(QString::fromLatin1(tekst));
    EXPECT_EQ(pamiec.Checksum(0, pamiec.Position()), 555);
    pamiec.SaveToFile(sciezka);

    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    const QByteArray dane = plik.readAll();
    ASSERT_EQ(dane.size(), 62);
    EXPECT_EQ(dane.left(4), QByteArray::fromHex("2b020000"));

    CPamiec odczyt;
    ASSERT_TRUE(odczyt.LoadFromFile(sciezka));
    CMatryca inna;
    inna.LoadFromCPamiec(&odczyt);
    EXPECT_EQ(inna.GetRowCount(), 25);
    EXPECT_EQ(inna.GetColumnCount(), 25);
    EXPECT_EQ(inna.GetGridColor(), Srebrny);
    EXPECT_EQ(inna.GetBestRouteColor(), Zielony);
    EXPECT_EQ(inna.size(), QSize(276, 276));
    EXPECT_EQ(odczyt.ReadString(), "1000");
    EXPECT_EQ(odczyt.ReadString(), "1000");
    EXPECT_EQ(odczyt.ReadString(), "100");
    EXPECT_EQ(odczyt.ReadString(), "0,3");
    EXPECT_EQ(odczyt.ReadString(), "0,1");
}

TEST_F(UstawieniaSiatki, LoadWithTheSameCountsKeepsCitiesAndRaisesNothing) {
    auto zrodlo = siatkaOknaGlownego();
    zrodlo->SetCellSize(20);
    zrodlo->SetBackgroundColor(rgbColor(1, 2, 3));
    zrodlo->SetSelectedColor(rgbColor(4, 5, 6));
    zrodlo->SetGridColor(rgbColor(7, 8, 9));
    zrodlo->SetBestRouteColor(rgbColor(10, 11, 12));
    zrodlo->SetBestRouteWidth(4);
    CPamiec pamiec = ustawieniaZ(*zrodlo);

    siatka->SetCell(3, 4, true);
    siatka->SetCell(20, 1, true);
    wczytaj(pamiec);

    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_TRUE(siatka->GetCell(3, 4));
    EXPECT_TRUE(siatka->GetCell(20, 1));
    EXPECT_EQ(siatka->GetPointCount(), 2);
    EXPECT_EQ(siatka->GetCellSize(), 20);
    EXPECT_EQ(siatka->GetBestRouteWidth(), 4);
    EXPECT_EQ(siatka->GetBackgroundColor(), rgbColor(1, 2, 3));
    EXPECT_EQ(siatka->GetSelectedColor(), rgbColor(4, 5, 6));
    EXPECT_EQ(siatka->GetGridColor(), rgbColor(7, 8, 9));
    EXPECT_EQ(siatka->GetBestRouteColor(), rgbColor(10, 11, 12));
    EXPECT_EQ(siatka->size(), QSize(526, 526));

    // The city of cell (3, 4) is drawn at the new size: interior from 85.
    const QImage img = obraz(*siatka);
    EXPECT_EQ(img.pixel(95, 74), rgb(rgbColor(4, 5, 6)));
    EXPECT_EQ(img.pixel(84, 74), rgb(rgbColor(7, 8, 9)));
}

TEST_F(UstawieniaSiatki, LoadWithNewCountsEmptiesTheGridAndRaisesTwice) {
    auto zrodlo = siatkaOknaGlownego();
    zrodlo->SetRowCount(30);
    zrodlo->SetColumnCount(40);
    CPamiec pamiec = ustawieniaZ(*zrodlo);

    siatka->SetCell(3, 4, true);
    ustawTrase(*siatka, {{4, 3}});
    wczytaj(pamiec);

    ASSERT_EQ(zmiany.ile(), 2);
    EXPECT_EQ(zmiany.widziane[0].wiersze, 30);
    EXPECT_EQ(zmiany.widziane[0].kolumny, 25);
    EXPECT_EQ(zmiany.widziane[0].miasta, 0);
    EXPECT_EQ(zmiany.widziane[1].wiersze, 30);
    EXPECT_EQ(zmiany.widziane[1].kolumny, 40);
    EXPECT_EQ(siatka->GetPointCount(), 0);
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 0);
    EXPECT_EQ(siatka->size(), QSize(441, 331));
}

TEST_F(UstawieniaSiatki, OneChangedCountRaisesOnce) {
    auto zrodlo = siatkaOknaGlownego();
    zrodlo->SetColumnCount(26);
    CPamiec pamiec = ustawieniaZ(*zrodlo);
    wczytaj(pamiec);
    ASSERT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(zmiany.widziane[0].kolumny, 26);
}

TEST_F(UstawieniaSiatki, NonPositiveCountsAreIgnored) {
    CPamiec pamiec;
    for (int v : {0xFFFFFF, 0, 0xC0C0C0, 0x8000, 12, 1, 2, 0, -7})
        pamiec.WriteInt(v);
    pamiec.SetPosition(0);
    wczytaj(pamiec);
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_EQ(siatka->GetRowCount(), 25);
    EXPECT_EQ(siatka->GetColumnCount(), 25);
    EXPECT_EQ(siatka->size(), QSize(326, 326));
}

TEST_F(UstawieniaSiatki, RecordCutShortAppliesZerosAndKeepsTheCounts) {
    CPamiec pamiec;
    pamiec.SetDelta(0);
    pamiec.WriteInt(0x00FF00);
    pamiec.WriteInt(0x0000FF);
    pamiec.SetPosition(0);
    wczytaj(pamiec);
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_EQ(siatka->GetBackgroundColor(), TColor(0x00FF00));
    EXPECT_EQ(siatka->GetSelectedColor(), TColor(0x0000FF));
    EXPECT_EQ(siatka->GetCellSize(), 0);
    EXPECT_EQ(siatka->GetGridWidth(), 0);
    EXPECT_EQ(siatka->GetRowCount(), 25);
    EXPECT_EQ(siatka->size(), QSize(0, 0));
}
