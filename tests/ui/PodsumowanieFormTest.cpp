#include "tests/support/ModalHelper.h"
#include "ui/TPodsumowanieForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <limits>

namespace {

class Podsumowanie : public ::testing::Test {
protected:
    ~Podsumowanie() override { EXPECT_TRUE(noVisibleTopLevels()); }

    // Shows the window modally, reads its four value labels and closes it
    // with "OK"; returns the modal result.
    int pokaz() {
        ModalHelper helper;
        helper.next([this](QWidget*) {
            teksty = {okno.PermutacjeNajkrotszaLabel->text(), okno.PermutacjeNajdluzszaLabel->text(),
                      okno.LosowoNajkrotszaLabel->text(), okno.GenetycznieNajkrotszaLabel->text()};
            okno.Button1->click();
        });
        return okno.exec();
    }

    void ustaw(double permutacjeNajkrotsza, double permutacjeNajdluzsza, double losowo, double genetycznie) {
        okno.PermutacjeNajkrotsza = permutacjeNajkrotsza;
        okno.PermutacjeNajdluzsza = permutacjeNajdluzsza;
        okno.LosowoNajkrotsza = losowo;
        okno.GenetycznieNajkrotsza = genetycznie;
    }

    TPodsumowanieForm okno{nullptr};
    QStringList teksty;
};

} // namespace

TEST_F(Podsumowanie, ShowsOnlyTheMethodsRun) {
    ustaw(-1.0, -1.0, 12.34, -1.0);
    EXPECT_EQ(pokaz(), 1);
    EXPECT_EQ(teksty, QStringList({"", "", "12,3", ""}));
}

TEST_F(Podsumowanie, FormatsLengthsWithOneDecimalAndTheLocalesComma) {
    ustaw(0.96, 0.0, 1234.55, 7.25);
    pokaz();
    EXPECT_EQ(teksty, QStringList({"1,0", "0,0", "1234,6", "7,3"}));
}

TEST_F(Podsumowanie, LeavesMinusOneAndBelowAndNotANumberEmpty) {
    ustaw(-1.0, -2.5, std::numeric_limits<double>::quiet_NaN(), -0.5);
    pokaz();
    EXPECT_EQ(teksty, QStringList({"", "", "", "-0,5"}));
}

TEST_F(Podsumowanie, ShowingTwiceShowsTheSameTexts) {
    ustaw(12.0, 20.0, -1.0, 11.5);
    pokaz();
    const QStringList pierwsze = teksty;
    pokaz();
    EXPECT_EQ(teksty, pierwsze);
    EXPECT_EQ(teksty, QStringList({"12,0", "20,0", "", "11,5"}));
}
