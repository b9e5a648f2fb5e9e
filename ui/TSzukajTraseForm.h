#pragma once


#include "search/sesja/UstawieniaSesji.h"
#include "search/sesja/WynikSesji.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class CPamiec;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TObliczForm;
class TOknoObliczen;
class TObliczGenetycznieForm;
class TObliczLokalnieForm;
class TObliczDowodForm;
struct UstawieniaGenetyczne;

// The items of the dialog's SzukajGroup, the search methods.
namespace MetodaSzukania {
enum : int { Permutacje = 0, Losowo = 1, Genetycznie = 2, Lokalnie = 3, Dowod = 4 };
} // namespace MetodaSzukania

// The search dialog: the method and its settings. "Szukaj" validates the
// chosen method's settings, runs its progress window modally in place of the
// dialog and ends the dialog with that window's result: OK when the search ran
// to its end, Przerwano when the user finished it early; Anuluj when the
// dialog is closed without a search.
class TSzukajTraseForm : public QDialog {
    Q_OBJECT

public:
    TSzukajTraseForm(TObliczForm& obliczForm, TObliczGenetycznieForm& obliczGenetycznieForm,
                     TObliczLokalnieForm& obliczLokalnieForm, TObliczDowodForm& obliczDowodForm, QWidget* parent);

    QGroupBox* SzukajGroup = nullptr;
    QButtonGroup* SzukajGroupItems = nullptr;  // ids: MetodaSzukania
    QRadioButton* PermutacjeRadio = nullptr;
    QRadioButton* LosowoRadio = nullptr;
    QRadioButton* GenetycznieRadio = nullptr;
    QRadioButton* LokalnieRadio = nullptr;
    QRadioButton* DowodRadio = nullptr;
    QGroupBox* UstawieniaLosoweGroup = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* IleLosowanEdit = nullptr;
    QGroupBox* UstawieniaGenetyczneGroup = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* IlePokolenEdit = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* LicznoscPopulacjiEdit = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* PKrzyzowaniaEdit = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* PMutacjiEdit = nullptr;
    // Kept for the session only: the settings file holds the five texts above.
    QGroupBox* UstawieniaLokalneGroup = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* CzasSzukaniaEdit = nullptr;
    QGroupBox* UstawieniaDowoduGroup = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* CzasDowoduEdit = nullptr;
    // Runs any method step by step, its progress window showing each step.
    QCheckBox* KrokPoKrokuCheck = nullptr;
    QPushButton* SzukajButton = nullptr;

    // The selected item of SzukajGroup, a MetodaSzukania.
    int SzukajGroupItemIndex() const;
    void SetSzukajGroupItemIndex(int index);

    void FormShow();
    void SzukajGroupClick();
    void SzukajButtonClick();

    // The five setting texts, in the configuration record's order.
    void ZapiszUstawienia(CPamiec* pamiec) const;
    void WczytajUstawienia(CPamiec* pamiec);

    // The texts of the genetic settings boxes.
    UstawieniaGenetyczne UstawieniaGenetyki() const;

    // The answer of the search that the last "Szukaj" ran to its end.
    const WynikSesji& Wynik() const { return wynik_; }

    // The number of cities the next search gets, set before the dialog is
    // shown: each method says before it starts what it cannot do with them.
    int IloscMiast = 0;
    // The memory a distance table may take; the machine's budget when none.
    std::optional<std::uint64_t> BudzetPamieci;
    // Refuses a method that cannot run on IloscMiast cities (a table or a
    // population larger than the budget, more cities than the proof takes),
    // saying why.
    void SprawdzMetode(const UstawieniaSesji& ustawienia) const;
    // Past the cities the permutation search is known to finish for, asks
    // whether to search all the same; false when the user says no.
    bool PotwierdzPermutacje();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* UtworzMetody();
    QGroupBox* UtworzUstawieniaGenetyczne();
    // A settings group of one captioned edit box.
    QGroupBox* UtworzUstawienie(const QString& etykieta, const QString& tekst, QLabel*& label, QLineEdit*& edit);
    void Uloz();
    // Checks the chosen method's settings and runs its window modally;
    // the window that ran, or none when the user chose not to search.
    TOknoObliczen* Szukaj(int metoda, int& wynik);

    TObliczForm& obliczForm_;
    TObliczGenetycznieForm& obliczGenetycznieForm_;
    TObliczLokalnieForm& obliczLokalnieForm_;
    TObliczDowodForm& obliczDowodForm_;
    WynikSesji wynik_;
};
