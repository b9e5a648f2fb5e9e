#include "tests/support/ModalHelper.h"
#include "ui/TFormOProgramie.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

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
