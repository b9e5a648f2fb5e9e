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

struct Przebieg {
    int metoda = 0;
    int miast = 2;
    Scenariusz scenariusz = Scenariusz::DoKonca;
};

class PowtarzaneWyszukiwania : public ::testing::Test {
protected:
    ~PowtarzaneWyszukiwania() override { EXPECT_TRUE(noVisibleTopLevels()); }

    int losuj(int od, int doWlacznie) { return std::uniform_int_distribution<int>(od, doWlacznie)(los_); }

    Przebieg nowyPrzebieg() {
        Przebieg p;
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
    HoldableThread* watek(int metoda) {
        return metoda == MetodaSzukania::Genetycznie ? static_cast<HoldableThread*>(okna.genetyczne.Genetyk.get())
                                                     : okna.oblicz.Watek.get();
    }
    // The window has shown the search's progress at least once.
    bool pokazalPostep(int metoda) {
        return metoda == MetodaSzukania::Genetycznie ? !okna.genetyczne.NrPokoleniaLabel->text().isEmpty()
                                                     : !okna.oblicz.ProcentLabel->text().isEmpty();
    }

    // The user's part in one run; the search may end at any moment of it.
    // The user acts at once or after the first progress shown, never after
    // a fixed time.
    void dzialaniaUzytkownika(ModalHelper& helper, const Przebieg& p) {
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
                    HoldableThread* t = watek(p.metoda);
                    return !w->isVisible() || t->parkedThreads() == 1 || t->hasEnded();
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

    void sprawdzWynik(const Przebieg& p, int wynik) {
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
        if (p.metoda == 2) {
            const CGenetyk& genetyk = *okna.genetyczne.Genetyk;
            ASSERT_TRUE(genetyk.hasEnded());
            EXPECT_FALSE(okna.genetyczne.Trwa);
            EXPECT_TRUE(isPermutation(genetyk.Najlepszy().Geny, n));
            if (wynik == 1) {
                EXPECT_EQ(genetyk.NrPokolenia(), genetyk.IlePokolen);
            }
        } else {
            const TObliczThread& watek = *okna.oblicz.Watek;
            // The window closes on Zakonczony, the body's last step; the
            // thread's own end follows a moment later.
            ASSERT_TRUE(waitUntil([&] { return watek.hasEnded(); }));
            EXPECT_TRUE(watek.Zakonczony.load());
            EXPECT_TRUE(isPermutation(watek.NajlepszaTrasa, n));
            EXPECT_LE(watek.NajkrotszaDroga, watek.NajdluzszaDroga);
            if (wynik == 1 && p.metoda == 1) {
                EXPECT_EQ(watek.NrLosowania.load(), watek.IleLosowan);
            }
            if (wynik == 1 && p.metoda == 0) {
                EXPECT_EQ(watek.NrPermutacji.load() + 1, watek.IlePermutacji.load());
            }
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
        const Przebieg p = nowyPrzebieg();
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
