#include "tests/support/ModalHelper.h"
#include "ui/TFormOProgramie.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(FormOProgramie, ShowsTheProgramsMethodsAuthorsAndVersion) {
    TFormOProgramie okno;
    EXPECT_EQ(okno.windowTitle(), "O programie");
    EXPECT_EQ(okno.Label5->text(), "Rozwiązywanie problemu Wedrownika metaodami :");
    EXPECT_EQ(okno.Label6->text(), "Permutacji");
    EXPECT_EQ(okno.Label7->text(), "Losową");
    EXPECT_EQ(okno.Label8->text(), "Z wykorzystaniem algorytmów genetycznych");
    EXPECT_EQ(okno.Label1->text(), "Autorzy: ");
    EXPECT_FALSE(okno.Label2->text().isEmpty());
    EXPECT_FALSE(okno.Label3->text().isEmpty());
    EXPECT_EQ(okno.Label4->text(), "Wersja:");
    EXPECT_EQ(okno.Label9->text(), "1.2 b  (maj 2002)");
    EXPECT_EQ(okno.BitBtn1->text(), "OK");
}

TEST(FormOProgramie, OnlyThreeLabelsAreBold) {
    TFormOProgramie okno;
    EXPECT_FALSE(okno.font().bold());
    for (QLabel* bold : {okno.Label5, okno.Label1, okno.Label4})
        EXPECT_TRUE(bold->font().bold()) << bold->text().toStdString();
    for (QLabel* regular : {okno.Label6, okno.Label7, okno.Label8, okno.Label2, okno.Label3, okno.Label9})
        EXPECT_FALSE(regular->font().bold()) << regular->text().toStdString();
}

TEST(FormOProgramie, OkClosesWithResultOne) {
    TFormOProgramie okno;
    ModalHelper helper;
    helper.next([&](QWidget*) { okno.BitBtn1->click(); });
    EXPECT_EQ(okno.exec(), 1);
    EXPECT_TRUE(noVisibleTopLevels());
}
