#include "app/PlikiMatrycy.h"
#include "grid/CMatryca.h"
#include "storage/PlikTsp.h"
#include "tests/app/OknoGlowneTest.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollArea>
#include <QUrl>

#include <gtest/gtest.h>

#include <tuple>

namespace {

class PlikiTest : public OknoGlowneTest {
protected:
    QString plik(const QString& nazwa, const QByteArray& tekst) { return writeFile(dir.filePath(nazwa), tekst); }

    // The grid shows whole in the scroll box and fills it along one side.
    void oczekujDopasowania() const {
        const QSize pole = glowne.ScrollBox1->maximumViewportSize();
        const CMatryca& m = *glowne.MatrycaMiast;
        EXPECT_LE(m.width(), pole.width());
        EXPECT_LE(m.height(), pole.height());
        EXPECT_TRUE(m.width() >= pole.width() - 2 || m.height() >= pole.height() - 2);
    }

    // The cities as the user sees them: rows, columns and city cells.
    QString stan() const {
        const CMatryca& m = *glowne.MatrycaMiast;
        QString wynik = QStringLiteral("%1x%2:").arg(m.GetRowCount()).arg(m.GetColumnCount());
        for (int w = 0; w < m.GetRowCount(); ++w)
            for (int k = 0; k < m.GetColumnCount(); ++k)
                if (m.GetCell(w, k))
                    wynik += QStringLiteral(" %1,%2").arg(w).arg(k);
        return wynik;
    }

    void narysujTrase(const std::vector<TPunkt>& miasta) {
        for (const TPunkt& p : miasta)
            glowne.MatrycaMiast->SetCell(p.y, p.x, true);
        std::vector<int> trasa(miasta.size());
        for (std::size_t k = 0; k < trasa.size(); ++k)
            trasa[k] = int(k);
        glowne.RysujTrase(trasa);
    }

    static QByteArray czytaj(const QString& sciezka) {
        QFile f(sciezka);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    void upusc(const QString& sciezka) {
        QMimeData dane;
        dane.setUrls({QUrl::fromLocalFile(sciezka)});
        // Qt delivers a drop only to the widget that took the drag's entry.
        QDragEnterEvent wejscie(QPoint(100, 100), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&glowne, &wejscie);
        ASSERT_TRUE(wejscie.isAccepted());
        QDropEvent upuszczenie(QPointF(100, 100), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&glowne, &upuszczenie);
    }

};

} // namespace

TEST_F(PlikiTest, OpenFromTheMenuGrowsTheGridReplacesTheCitiesAndRemembersTheFolder) {
    narysujTrase({{1, 1}, {3, 3}, {1, 3}});
    okna.PodsumowanieForm.PermutacjeNajkrotsza = 5.0;
    const QString sciezka = plik("duza.tsp", "NAME : duza\nTYPE : TSP\nEDGE_WEIGHT_TYPE : EUC_2D\nDIMENSION : 3\n"
                                             "NODE_COORD_SECTION\n1 39 0\n2 0 9\n3 5.2 4.4\nEOF\n");
    ModalHelper helper;
    QStringList filtry;
    helper.next([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        filtry = dialog->nameFilters();
        // Typed, as a user does: the file list fills in later.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(sciezka);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides its override
    });
    glowne.Otworz1->trigger();
    EXPECT_EQ(helper.pending(), 0);
    EXPECT_EQ(filtry, QStringList{"Pliki TSPLIB (*.tsp)"});
    EXPECT_EQ(stan(), "25x40: 0,0 5,5 9,39");
    EXPECT_EQ(glowne.MatrycaMiast->GetBestPunkty()->Count(), 0);
    EXPECT_EQ(glowne.StatusPanel0->text(), "  Wielkość matrycy miast : 25 X 40");
    EXPECT_EQ(glowne.StatusPanel1->text(), "  Ilość miast na matrycy : 3");
    EXPECT_EQ(okna.PodsumowanieForm.PermutacjeNajkrotsza, -1.0);
    EXPECT_EQ(glowne.Pliki->Folder(), dir.path());
}

TEST_F(PlikiTest, EachBadFileLeavesEverythingAsItWasAndShowsItsMessage) {
    narysujTrase({{1, 1}, {3, 3}, {1, 3}});
    okna.PodsumowanieForm.PermutacjeNajkrotsza = 5.0;
    const QString przed = stan();
    const QString naglowek = "EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n";
    const std::pair<QString, QString> przypadki[] = {
        {plik("man.tsp", "EDGE_WEIGHT_TYPE : MAN_2D\n"),
         dir.filePath("man.tsp")
             + ":1: EDGE_WEIGHT_TYPE MAN_2D nie jest obsługiwany (tylko EUC_2D, CEIL_2D, ATT, GEO i EXPLICIT)"},
        {plik("tekst.tsp", (naglowek + "1 0 0\n2 a 1\n").toUtf8()), dir.filePath("tekst.tsp") + ":4: 'a' nie jest liczbą."},
        {plik("jedno.tsp", (naglowek + "1 0 0\n").toUtf8()),
         dir.filePath("jedno.tsp") + ":3: za mało miast: 1 (potrzeba co najmniej dwóch)"},
        {dir.filePath("brak.tsp"), "Cannot open file " + dir.filePath("brak.tsp") + "."},
    };
    for (const auto& [sciezka, komunikat] : przypadki) {
        const SeenBox blad = boxAfter([&] { upusc(sciezka); });
        ASSERT_TRUE(blad.seen);
        EXPECT_EQ(blad.text, komunikat) << qPrintable(blad.text);
        EXPECT_EQ(blad.icon, QMessageBox::Critical);
        EXPECT_EQ(stan(), przed);
        EXPECT_EQ(glowne.MatrycaMiast->GetBestPunkty()->Count(), 3);
        EXPECT_EQ(okna.PodsumowanieForm.PermutacjeNajkrotsza, 5.0);
    }
}

TEST_F(PlikiTest, SaveThenOpenGivesTheSameGridAndCells) {
    glowne.MatrycaMiast->SetRowCount(13);
    glowne.MatrycaMiast->SetColumnCount(17);
    for (TPunkt p : std::vector<TPunkt>{{2, 3}, {7, 1}, {10, 10}, {0, 5}})
        glowne.MatrycaMiast->SetCell(p.y, p.x, true);
    const QString zapisany = stan();
    const QString sciezka = dir.filePath("m.tsp");
    glowne.Pliki->ZapiszJako(sciezka);

    glowne.MatrycaMiast->SetRowCount(30);
    glowne.MatrycaMiast->Losuj(8);
    glowne.Pliki->Otworz(sciezka);
    EXPECT_EQ(stan(), zapisany);

    // Saved again as it was opened, it still names its grid.
    const QString znowu = dir.filePath("znowu.tsp");
    glowne.Pliki->ZapiszJako(znowu);
    glowne.MatrycaMiast->Losuj(8);
    glowne.Pliki->Otworz(znowu);
    EXPECT_EQ(stan(), zapisany);
}

TEST_F(PlikiTest, FailedSaveReportsTheFileAndKeepsTheOldOneWhole) {
    // A name so long that no temporary file can be made beside it.
    const QString sciezka = plik(QString(250, 'x') + ".tsp", "stary");
    glowne.MatrycaMiast->SetCell(1, 1, true);
    glowne.MatrycaMiast->SetCell(2, 2, true);
    EXPECT_EQ(errorMessage([&] { glowne.Pliki->ZapiszJako(sciezka); }), "Cannot create file " + sciezka);
    QFile stary(sciezka);
    ASSERT_TRUE(stary.open(QIODevice::ReadOnly));
    EXPECT_EQ(stary.readAll(), "stary");
}

TEST_F(PlikiTest, PictureHasTheControlsSizeAndTheRouteInItsColour) {
    narysujTrase({{1, 1}, {20, 1}, {20, 20}});
    const QString sciezka = dir.filePath("m.png");
    glowne.Pliki->ZapiszObraz(sciezka);
    const QImage obraz(sciezka);
    EXPECT_EQ(obraz.size(), glowne.MatrycaMiast->size());
    // Halfway along the first segment, from (17, 17) to (226, 17); below
    // the closing diagonal, nothing.
    EXPECT_EQ(obraz.pixelColor(120, 17), QColor(0, 0x80, 0));
    EXPECT_EQ(obraz.pixelColor(60, 150), QColor(Qt::white));
}

TEST_F(PlikiTest, SavingARouteWithoutOneSaysSoAndAsksNothing) {
    glowne.MatrycaMiast->SetCell(1, 1, true);
    const SeenBox blad = boxAfter([&] { glowne.ZapiszTrase1->trigger(); });
    EXPECT_EQ(blad.text, "Brak trasy do zapisania.");
}

TEST_F(PlikiTest, TheFilesIdsAreWrittenUntilTheCitiesChange) {
    // Ids past the count, as a file without DIMENSION may have them.
    const QString sciezka =
        plik("idy.tsp", "EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n7 0 0\n3 4 1\n9 2 5.25\nEOF\n");
    glowne.Pliki->Otworz(sciezka);
    auto zapiszTrase = [&] {
        glowne.RysujTrase({0, 1, 2});
        const QString tour = dir.filePath("t.tour");
        glowne.Pliki->ZapiszTrase(tour);
        return czytaj(tour);
    };
    // The length in the file's metric: 4 + 5 + 6.
    const QByteArray tour = zapiszTrase();
    EXPECT_TRUE(tour.contains("TOUR_SECTION\n7\n3\n9\n-1\n")) << tour.constData();
    EXPECT_TRUE(tour.contains("COMMENT : Długość trasy 15\n")) << tour.constData();

    // The saved instance is the file's: its ids, coordinates and metric.
    glowne.Pliki->ZapiszJako(dir.filePath("zapisany.tsp"));
    const InstancjaTsp zapisany = PlikTsp::WczytajInstancje(dir.filePath("zapisany.tsp"));
    EXPECT_EQ(zapisany.Ids, (std::vector<int>{7, 3, 9}));
    EXPECT_EQ(zapisany.X, (std::vector<double>{0, 4, 2}));
    EXPECT_EQ(zapisany.Y, (std::vector<double>{0, 1, 5.25}));

    // A city set and taken away again leaves the same cities, numbered anew
    // row by row and measured in cells.
    glowne.MatrycaMiast->MouseDown(Qt::LeftButton, {}, 13, 13);
    glowne.MatrycaMiast->MouseDown(Qt::LeftButton, {}, 13, 13);
    ASSERT_EQ(glowne.MatrycaMiast->GetPointCount(), 3);
    const QByteArray wKomorkach = zapiszTrase();
    EXPECT_TRUE(wKomorkach.contains("TOUR_SECTION\n1\n2\n3\n-1\n")) << wKomorkach.constData();
    EXPECT_FALSE(wKomorkach.contains("COMMENT : Długość trasy 15\n"));
}

TEST_F(PlikiTest, AFileIsCheckedAtTheSizeItNeedsNotAtTheGridsOtherCount) {
    // 25 rows of that width would be too many cells; its own one row is not.
    const QString szeroka =
        plik("szeroka.tsp", "EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n1 0 0\n2 3000000 0\nEOF\n");
    glowne.Pliki->Otworz(szeroka);
    EXPECT_EQ(stan(), "1x3000001: 0,0 0,3000000");
    oczekujDopasowania();
}

TEST_F(PlikiTest, AnOpenedInstanceIsShownWholeAndZoomsWithoutChangingASetting) {
    // The extent of kroA100: 1970 x 3956 cells.
    CMatryca& m = *glowne.MatrycaMiast;
    glowne.Pliki->Otworz(plik("a.tsp", "EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n1 0 0\n2 3955 1969\nEOF\n"));
    ASSERT_EQ(stan(), "1970x3956: 0,3955 1969,0");
    oczekujDopasowania();
    const double dopasowana = m.Skala();

    // Zooming out stops where the whole grid shows.
    glowne.Powieksz1->trigger();
    glowne.Powieksz1->trigger();
    EXPECT_NEAR(m.Skala(), 2 * dopasowana, 1e-12);
    for (int k = 0; k < 3; ++k)
        glowne.Pomniejsz1->trigger();
    EXPECT_EQ(m.Skala(), dopasowana);
    glowne.RzeczywistyRozmiar1->trigger();
    EXPECT_EQ(m.width(), 3956 * 11 + 1);
    EXPECT_EQ(m.GetCellSize(), 10);

    // A fitted view follows the window's size.
    glowne.DopasujDoOkna1->trigger();
    glowne.resize(glowne.width() + 200, glowne.height() + 100);
    oczekujDopasowania();
}

TEST_F(PlikiTest, SaveAsWithOneCityWritesNothingAndSaysWhy) {
    glowne.MatrycaMiast->SetCell(1, 1, true);
    const QString sciezka = dir.filePath("jedno.tsp");
    EXPECT_EQ(errorMessage([&] { glowne.Pliki->ZapiszJako(sciezka); }),
              "Za mało miast do zapisania: 1 (potrzeba co najmniej dwóch)");
    EXPECT_FALSE(QFile::exists(sciezka));
}

TEST_F(PlikiTest, APictureTooLargeAtTheActualSizeIsOfferedAtTheZoom) {
    // 8801 pixels square at the actual size: more than a picture may take.
    glowne.MatrycaMiast->UstawWymiary(800, 800);
    glowne.DopasujDoOkna1->trigger();
    const QSize widok = glowne.MatrycaMiast->size();
    const QString sciezka = dir.filePath("duzy.png");
    ModalHelper helper;
    SeenBox pytanie;
    helper.next(answerBox(&pytanie, QMessageBox::Yes));
    helper.next([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(sciezka);
        static_cast<QDialog*>(dialog)->accept();
    });
    glowne.ZapiszObraz1->trigger();
    EXPECT_EQ(helper.pending(), 0);
    EXPECT_EQ(pytanie.text, QStringLiteral("Obraz matrycy w rzeczywistym rozmiarze byłby zbyt duży: 8801 X 8801 pikseli.\n"
                                           "Zapisać obraz w obecnym powiększeniu (%1 X %2 pikseli)?")
                                .arg(widok.width())
                                .arg(widok.height()));
    EXPECT_EQ(QImage(sciezka).size(), widok);
}
