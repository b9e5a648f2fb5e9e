#include "app/OknaProgramu.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QString nazwaDostepna(QWidget* kontrolka) {
    QAccessibleInterface* interfejs = QAccessible::queryAccessibleInterface(kontrolka);
    return interfejs ? interfejs->text(QAccessible::Name) : QString();
}

} // namespace

TEST(Dostepnosc, EveryEditBoxAndCheckBoxIsNamedByItsOwnLabel) {
    OknaProgramu okna;
    const QList<QWidget*> wszystkie = {&okna.WedrownikForm,         &okna.ObliczForm,
                                       &okna.ObliczGenetycznieForm, &okna.ObliczLokalnieForm,
                                       &okna.ObliczDowodForm,       &okna.UstawieniaMatrycyForm,
                                       &okna.SzukajTraseForm,       &okna.PodsumowanieForm,
                                       &okna.FormOProgramie};
    // The other windows are the main window's children: each control once.
    QSet<QWidget*> sprawdzone;
    for (QWidget* okno : wszystkie) {
        QList<QWidget*> kontrolki;
        for (QLineEdit* pole : okno->findChildren<QLineEdit*>())
            kontrolki.append(pole);
        for (QCheckBox* pole : okno->findChildren<QCheckBox*>())
            kontrolki.append(pole);
        for (QWidget* kontrolka : kontrolki) {
            QString etykieta;
            for (QLabel* l : okno->findChildren<QLabel*>())
                if (l->buddy() == kontrolka)
                    etykieta = l->text();
            if (auto* pole = qobject_cast<QCheckBox*>(kontrolka))
                etykieta = pole->text();
            ASSERT_FALSE(etykieta.isEmpty()) << qPrintable(kontrolka->objectName()) << " has no label";
            EXPECT_EQ(nazwaDostepna(kontrolka), etykieta) << qPrintable(etykieta);
            sprawdzone.insert(kontrolka);
        }
    }
    // 1 + 1 + 1 + 5 + 8 edit boxes and check boxes: none may go unchecked.
    EXPECT_EQ(sprawdzone.size(), 16);
    EXPECT_EQ(nazwaDostepna(okna.SzukajTraseForm.IlePokolenEdit), "Ilość pokoleń : ");
}
