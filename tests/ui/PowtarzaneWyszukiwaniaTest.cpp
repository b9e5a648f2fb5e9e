#include "search/sesja/SesjaSzukania.h"
#include "tests/ui/OknaWyszukiwania.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <random>

namespace {

// What the user does while a search runs.
enum class Scenariusz { DoKonca, PauzaIWznowienie, PauzaIZakonczenie, ZakonczenieOdmowione, ZamkniecieDialogu };

struct Proba {
    int metoda = 0;
    int miast = 2;
    Scenariusz scenariusz = Scenariusz::DoKonca;
};

class PowtarzaneWyszukiwania : public ::testing::Test {
protected:
    ~PowtarzaneWyszukiwania() override { EXPECT_TRUE(noVisibleTopLevels()); }

    int losuj(int od, int doWlacznie) { return std::uniform_int_distribution<int>(od, doWlacznie)(los_); }

    Proba nowyPrzebieg() {
        Proba p;
        p.metoda = losuj(0, 2);
        p.miast = losuj(2, 7);
        p.scenariusz = static_cast<Scenariusz>(losuj(0, 4));
        okna.glowne.UstawMiasta(p.miast);
        okna.szukaj.IleLosowanEdit->setText(QString::number(losuj(1, 30000)));
        okna.szukaj.IlePokolenEdit->setText(QString::number(losuj(1, 200)));
        okna.szukaj.LicznoscPopulacjiEdit->setText(QString::number(losuj(1, 12)));
        okna.szukaj.PKrzyzowaniaEdit->setText(QStringLiteral("0,%1").arg(losuj(0, 9)));
        okna.szukaj.PMutacjiEdit->setText(QStringLiteral("0.%1").arg(losuj(0, 9)));
        okna.genetyczne.RysujTraseCheck->setChecked(losuj(0, 1) == 1);
        return p;
    }

    TOknoObliczen& okno(int metoda) {
        return metoda == MetodaSzukania::Genetycznie ? static_cast<TOknoObliczen&>(okna.genetyczne) : okna.oblicz;
    }
    SesjaSzukania* sesja(int metoda) { return okno(metoda).Sesja(); }
    // The window has shown the search's progress at least once.
    bool pokazalPostep(int metoda) {
        return metoda == MetodaSzukania::Genetycznie ? !okna.genetyczne.NrPokoleniaLabel->text().isEmpty()
                                                     : !okna.oblicz.ProcentLabel->text().isEmpty();
    }

    // The user's part in one run; the search may end at any moment of it.
    // The user acts at once or after the first progress shown, never after
    // a fixed time.
    void dzialaniaUzytkownika(ModalHelper& helper, const Proba& p) {
        helper.next([&, p](QWidget*) {
            if (p.scenariusz == Scenariusz::ZamkniecieDialogu) {
                zamknijPozniej(&okna.szukaj);
                return;
            }
            okna.szukaj.SetSzukajGroupItemIndex(p.metoda);
            kliknijPozniej(okna.szukaj.SzukajButton);
        });
        if (p.scenariusz == Scenariusz::DoKonca || p.scenariusz == Scenariusz::ZamkniecieDialogu)
            return;
        helper.next([&, p](QWidget* w) {
            // Half the time the user first waits to see the search move; a
            // search that ends meanwhile closes the window.
            if (losuj(0, 1) == 1)
                waitUntil([&] { return !w->isVisible() || pokazalPostep(p.metoda); });
            if (!w->isVisible())
                return;
            if (p.metoda == MetodaSzukania::Genetycznie && losuj(0, 1) == 1)
                okna.genetyczne.RysujTraseCheck->toggle();
            switch (p.scenariusz) {
            case Scenariusz::PauzaIWznowienie:
                okno(p.metoda).WstrzymajButton->click();
                ASSERT_TRUE(waitUntil([&] {
                    SesjaSzukania* s = sesja(p.metoda);
                    return !w->isVisible() || s->ZatrzymaneWatki() == 1 || s->Skonczona();
                }));
                okno(p.metoda).WstrzymajButton->click();
                break;
            case Scenariusz::PauzaIZakonczenie:
                if (losuj(0, 1) == 1)
                    okno(p.metoda).WstrzymajButton->click();
                helper.next(answerBox(nullptr, QMessageBox::Yes));
                kliknijPozniej(okno(p.metoda).ZakonczButton);
                break;
            case Scenariusz::ZakonczenieOdmowione:
                helper.next(answerBox(nullptr, QMessageBox::No));
                // A genetic search that ended while the question was open
                // leaves its window open without a search: the user closes it.
                helper.next([&, p](QWidget* okno) {
                    if (p.metoda == MetodaSzukania::Genetycznie && !okna.genetyczne.Trwa && okno->isVisible())
                        zamknijPozniej(okno);
                });
                kliknijPozniej(okno(p.metoda).ZakonczButton);
                break;
            default:
                break;
            }
        });
    }

    void sprawdzWynik(const Proba& p, int wynik) {
        const int n = p.miast;
        switch (p.scenariusz) {
        case Scenariusz::ZamkniecieDialogu:
            ASSERT_EQ(wynik, 2);
            return;
        case Scenariusz::PauzaIZakonczenie:
            // The search may have ended before the user's click.
            ASSERT_TRUE(wynik == 7 || wynik == 1) << wynik;
            break;
        case Scenariusz::ZakonczenieOdmowione:
            ASSERT_TRUE(wynik == 1 || (p.metoda == 2 && wynik == 2)) << wynik;
            break;
        default:
            ASSERT_EQ(wynik, 1);
        }
        SesjaSzukania* s = sesja(p.metoda);
        ASSERT_NE(s, nullptr);
        ASSERT_TRUE(waitUntil([&] { return s->Skonczona(); }));
        EXPECT_FALSE(okno(p.metoda).Trwa);
        if (wynik != 1)
            return;
        const WynikSesji& w = okna.szukaj.Wynik();
        ASSERT_TRUE(w.najkrotsza);
        EXPECT_TRUE(isPermutation(w.najkrotsza->trasa, n));
        if (p.metoda == 0) {
            ASSERT_TRUE(w.najdluzsza);
            EXPECT_LE(w.najkrotsza->dlugosc, w.najdluzsza->dlugosc);
        } else if (p.metoda == 1) {
            EXPECT_EQ(w.trasy, QString::number(s->Ustawienia().losowania + 1));
        } else {
            EXPECT_EQ(w.zbieznosc.IlePokolen(), s->Ustawienia().pokolenia + 1);
        }
    }

    OknaWyszukiwania okna;
    std::mt19937 los_{20261207};
};

} // namespace

TEST_F(PowtarzaneWyszukiwania, ManyRunsMixingMethodsPausesAndFinishes) {
    int ukonczone = 0;
    int przerwane = 0;
    for (int przebieg = 0; przebieg < 210; ++przebieg) {
        const Proba p = nowyPrzebieg();
        const std::size_t narysowanePrzed = okna.glowne.narysowane.size();
        int wynik = 0;
        {
            ModalHelper helper;
            dzialaniaUzytkownika(helper, p);
            wynik = okna.szukaj.exec();
        }
        SCOPED_TRACE(testing::Message() << "run " << przebieg << " method " << p.metoda << " cities " << p.miast
                                        << " scenario " << int(p.scenariusz));
        ASSERT_NO_FATAL_FAILURE(sprawdzWynik(p, wynik));
        ASSERT_TRUE(noVisibleTopLevels());
        // Only the genetic window draws while it runs.
        if (p.metoda != 2) {
            EXPECT_EQ(okna.glowne.narysowane.size(), narysowanePrzed);
        }
        ukonczone += wynik == 1;
        przerwane += wynik == 7;
    }
    // Both endings occur, whatever the timing.
    EXPECT_GT(ukonczone, 50);
    EXPECT_GT(przerwane, 0);
}
