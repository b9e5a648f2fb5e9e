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

TEST_F(Podsumowanie, IsBuiltAsDesigned) {
    EXPECT_EQ(okno.windowTitle(), "Podsumowanie");
    EXPECT_EQ(okno.size(), QSize(424, 334));
    EXPECT_EQ(okno.minimumSize(), okno.maximumSize());
    EXPECT_TRUE(okno.font().bold());
    EXPECT_EQ(okno.font().pointSize(), 8);
    EXPECT_EQ(okno.GroupBox1->title(), " Metoda permutacji ");
    EXPECT_EQ(okno.GroupBox2->title(), " Losowo ");
    EXPECT_EQ(okno.GroupBox3->title(), " Genetycznie ");
    EXPECT_EQ(okno.Label1->text(), "Najkrótsza trasa : ");
    EXPECT_EQ(okno.Label2->text(), "Najdłuższa trasa :");
    EXPECT_EQ(okno.Label3->text(), "Najkrótsza trasa : ");
    EXPECT_EQ(okno.Label4->text(), "Najkrótsza trasa : ");
    EXPECT_EQ(okno.Button1->text(), "OK");
    EXPECT_EQ(okno.PermutacjeNajkrotsza, 0.0);
    EXPECT_EQ(okno.PermutacjeNajdluzsza, 0.0);
    EXPECT_EQ(okno.LosowoNajkrotsza, 0.0);
    EXPECT_EQ(okno.GenetycznieNajkrotsza, 0.0);
}

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
