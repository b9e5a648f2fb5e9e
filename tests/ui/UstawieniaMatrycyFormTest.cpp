#include "grid/CMatryca.h"
#include "tests/support/ModalHelper.h"
#include "ui/TUstawieniaMatrycyForm.h"

#include <QColorDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The main window's grid with its design values, holding a few cities and a
// route, and the dialog working on it.
class UstawieniaMatrycy : public ::testing::Test {
protected:
    UstawieniaMatrycy() : dialog(grid) {
        grid.SetColumnCount(25);
        grid.SetRowCount(25);
        grid.SetCellSize(10);
        grid.SetBestRouteColor(rgbColor(0, 0x80, 0));
        grid.SetGridWidth(1);
        grid.SetBestRouteWidth(2);
        grid.SetCell(1, 1, true);
        grid.SetCell(3, 4, true);
        grid.GetBestPunkty()->Add({1, 1});
        grid.GetBestPunkty()->Add({4, 3});
        grid.OnChange = [this](CMatryca*) {
            ++changes;
            seenRows.push_back(grid.GetRowCount());
        };
    }

    ~UstawieniaMatrycy() override { EXPECT_TRUE(noVisibleTopLevels()); }

    // Shows the dialog modally, runs act on it while it is open, and returns
    // its result.
    int run(const std::function<void()>& act) {
        ModalHelper helper;
        helper.next([&](QWidget*) { act(); });
        return dialog.exec();
    }

    // Opens the colour dialog with colourButton, sets colour there and
    // confirms or cancels it; back in the settings dialog, presses finish.
    // Returns the settings dialog's result.
    int chooseColour(QPushButton* colourButton, const QColor& colour, bool confirm, QPushButton* finish,
                     const std::function<void()>& beforeFinish = {}) {
        ModalHelper helper;
        helper.next([=](QWidget*) { colourButton->click(); });
        helper.next([=](QWidget* w) {
            auto* colours = qobject_cast<QColorDialog*>(w);
            ASSERT_NE(colours, nullptr);
            colours->setCurrentColor(colour);
            if (confirm)
                colours->accept();
            else
                colours->reject();
        });
        QTimer check;
        check.setInterval(20);
        QObject::connect(&check, &QTimer::timeout, [&] {
            // The colour dialog hides before its call returns the colour; it
            // is gone only once the choice has been stored.
            if (helper.pending() == 0 && QApplication::activeModalWidget() == &dialog &&
                dialog.findChildren<QColorDialog*>().isEmpty()) {
                check.stop();
                if (beforeFinish)
                    beforeFinish();
                finish->click();
            }
        });
        check.start();
        return dialog.exec();
    }

    QStringList edits() const {
        return {dialog.IleWierszyEdit->text(), dialog.IleKolumnEdit->text(), dialog.WielkoscKomorkiEdit->text(),
                dialog.SzerokoscTrasyEdit->text(), dialog.SzerokoscSiatkiEdit->text()};
    }

    CMatryca grid;
    TUstawieniaMatrycyForm dialog;
    int changes = 0;
    std::vector<int> seenRows;
};

} // namespace

TEST_F(UstawieniaMatrycy, ShowsTheGridsValuesTopToBottom) {
    QStringList shown;
    const int result = run([&] {
        shown = edits();
        dialog.AnulujButton->click();
    });
    EXPECT_EQ(shown, (QStringList{"25", "25", "10", "2", "1"}));
    EXPECT_EQ(result, 2);
}

TEST_F(UstawieniaMatrycy, OkWithNothingChangedKeepsCitiesAndRoute) {
    const int result = run([&] { dialog.OKButton->click(); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid.GetPointCount(), 2);
    EXPECT_TRUE(grid.GetCell(3, 4));
    EXPECT_EQ(grid.GetBestPunkty()->Count(), 2);
}

TEST_F(UstawieniaMatrycy, ThirtyRowsEmptiesTheGridAndResizesIt) {
    run([&] {
        dialog.IleWierszyEdit->setText("30");
        dialog.OKButton->click();
    });
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(grid.GetRowCount(), 30);
    EXPECT_EQ(grid.GetColumnCount(), 25);
    EXPECT_EQ(grid.GetPointCount(), 0);
    EXPECT_EQ(grid.GetBestPunkty()->Count(), 0);
    EXPECT_EQ(grid.width(), 276);
    EXPECT_EQ(grid.height(), 331);
}

TEST_F(UstawieniaMatrycy, ZeroColumnsIsIgnoredAndTheDialogCloses) {
    const int result = run([&] {
        dialog.IleKolumnEdit->setText("0");
        dialog.OKButton->click();
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(grid.GetColumnCount(), 25);
    EXPECT_EQ(grid.GetPointCount(), 2);
    EXPECT_EQ(changes, 0);
}

TEST_F(UstawieniaMatrycy, LettersStopAtThatEditWithEarlierValuesApplied) {
    ModalHelper helper;
    SeenBox seen;
    bool stillOpen = false;
    int routeWidthAfterError = 0;
    helper.next([&](QWidget*) {
        dialog.IleWierszyEdit->setText("20");
        dialog.IleKolumnEdit->setText("21");
        dialog.WielkoscKomorkiEdit->setText("abc");
        dialog.SzerokoscTrasyEdit->setText("7");
        dialog.OKButton->click();
    });
    helper.next(answerBox(&seen, QMessageBox::Ok));
    const int result = [&] {
        QTimer check;
        check.setInterval(20);
        QObject::connect(&check, &QTimer::timeout, [&] {
            if (seen.seen && !stillOpen && QApplication::activeModalWidget() == &dialog) {
                stillOpen = dialog.isVisible();
                routeWidthAfterError = grid.GetBestRouteWidth();
                dialog.WielkoscKomorkiEdit->setText("12");
                dialog.OKButton->click();
            }
        });
        check.start();
        return dialog.exec();
    }();
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "'abc' is not a valid integer value.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(routeWidthAfterError, 2);  // later edits were not applied
    EXPECT_EQ(result, 1);
    EXPECT_EQ(grid.GetRowCount(), 20);
    EXPECT_EQ(grid.GetColumnCount(), 21);
    EXPECT_EQ(grid.GetCellSize(), 12);
    EXPECT_EQ(grid.GetBestRouteWidth(), 7);
}

TEST_F(UstawieniaMatrycy, TheTypedSizeIsCheckedAsAWholeAndARefusalNamesIt) {
    // Types rows and columns and presses OK; an error box is answered and the
    // dialog then cancelled. Returns the box's text, empty without one.
    const auto okWithCounts = [&](const QString& rows, const QString& columns) {
        ModalHelper helper;
        SeenBox seen;
        helper.next([&](QWidget*) {
            dialog.IleWierszyEdit->setText(rows);
            dialog.IleKolumnEdit->setText(columns);
            dialog.OKButton->click();
        });
        helper.next(answerBox(&seen, QMessageBox::Ok));
        QTimer check;
        check.setInterval(20);
        QObject::connect(&check, &QTimer::timeout, [&] {
            if (seen.seen && QApplication::activeModalWidget() == &dialog)
                dialog.AnulujButton->click();
        });
        check.start();
        dialog.exec();
        return seen.text;
    };
    // From one row of 46341 columns to the largest square: rows first would
    // pass through 8192 x 46341.
    grid.SetRowCount(1);
    grid.SetColumnCount(46341);
    changes = 0;
    EXPECT_EQ(okWithCounts("8192", "8192"), "");
    EXPECT_EQ(grid.GetRowCount(), 8192);
    EXPECT_EQ(grid.GetColumnCount(), 8192);
    EXPECT_EQ(changes, 2);

    EXPECT_EQ(okWithCounts("8193", "0"), "Zbyt duża matryca miast: 8193 X 8192.");
    EXPECT_EQ(grid.GetRowCount(), 8192);
    EXPECT_EQ(changes, 2);
}

TEST_F(UstawieniaMatrycy, ColourChosenThenAnulujChangesNothing) {
    TColor chosen = 0;
    EXPECT_EQ(chooseColour(dialog.Button2, QColor(255, 0, 0), true, dialog.AnulujButton,
                           [&] { chosen = dialog.MiastaColorDialog.Color; }),
              2);
    EXPECT_EQ(chosen, rgbColor(255, 0, 0));
    EXPECT_EQ(grid.GetSelectedColor(), rgbColor(0, 0, 0));

    // The next showing starts from the grid's colour again.
    TColor shownAgain = 1;
    run([&] {
        shownAgain = dialog.MiastaColorDialog.Color;
        dialog.AnulujButton->click();
    });
    EXPECT_EQ(shownAgain, rgbColor(0, 0, 0));
}

TEST_F(UstawieniaMatrycy, ColourConfirmedReachesTheGridOnOk) {
    EXPECT_EQ(chooseColour(dialog.Button1, QColor(0, 0, 255), true, dialog.OKButton), 1);
    EXPECT_EQ(grid.GetBackgroundColor(), rgbColor(0, 0, 255));
    EXPECT_EQ(grid.GetPointCount(), 2);
}

TEST_F(UstawieniaMatrycy, CancellingTheColourDialogKeepsTheEarlierChoice) {
    EXPECT_EQ(chooseColour(dialog.Button4, QColor(1, 2, 3), false, dialog.OKButton), 1);
    EXPECT_EQ(grid.GetBestRouteColor(), rgbColor(0, 0x80, 0));
}

TEST_F(UstawieniaMatrycy, EscapeAndEnterDoNotCloseTheDialog) {
    bool openAfterKeys = false;
    run([&] {
        QTest::keyClick(dialog.IleWierszyEdit, Qt::Key_Escape);
        QTest::keyClick(dialog.IleWierszyEdit, Qt::Key_Return);
        openAfterKeys = dialog.isVisible();
        dialog.close();
    });
    EXPECT_TRUE(openAfterKeys);
    EXPECT_EQ(dialog.result(), 2);
}
