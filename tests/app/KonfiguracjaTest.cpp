#include "app/OknaProgramu.h"
#include "grid/CMatryca.h"
#include "storage/CPamiec.h"
#include "tests/support/TestHelpers.h"
#include "tests/support/ModalHelper.h"

#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray defaultRecord() {
    const unsigned char bytes[] = {
        0x2B, 0x02, 0x00, 0x00,                          // checksum 555
        0xFF, 0xFF, 0xFF, 0x00,                          // background white
        0x00, 0x00, 0x00, 0x00,                          // cities black
        0xC0, 0xC0, 0xC0, 0x00,                          // grid silver
        0x00, 0x80, 0x00, 0x00,                          // route green
        10, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0,             // cell size, grid width, route width
        25, 0, 0, 0, 25, 0, 0, 0,                        // rows, columns
        '1', '0', '0', '0', 0, '1', '0', '0', '0', 0,    // draws, generations
        '1', '0', '0', 0, '0', ',', '3', 0, '0', ',', '1', 0};
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A record with a correct checksum from the given values.
QByteArray record(const std::vector<std::int32_t>& ints, const QStringList& texts) {
    CPamiec pamiec;
    for (std::int32_t v : ints)
        pamiec.WriteInt(v);
    for (const QString& t : texts)
        pamiec.WriteString(t);
    return withChecksum(QByteArray(reinterpret_cast<const char*>(pamiec.Memory()), pamiec.Position()));
}

class Konfiguracja : public ::testing::Test {
protected:
    std::unique_ptr<OknaProgramu> start() {
        auto okna = std::make_unique<OknaProgramu>();
        okna->WedrownikForm.PlikKonfiguracji = path();
        okna->WedrownikForm.show();
        return okna;
    }

    QString path() const { return dir.filePath("Config.cfg"); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Konfiguracja, DefaultSettingsAreWrittenByteForByte) {
    auto okna = start();
    okna->WedrownikForm.close();
    EXPECT_FALSE(okna->WedrownikForm.isVisible());
    EXPECT_EQ(readFile(path()).toHex(' '), defaultRecord().toHex(' '));
}

TEST_F(Konfiguracja, SettingsSurviveARestartButCitiesDoNot) {
    {
        auto okna = start();
        CMatryca& grid = *okna->WedrownikForm.MatrycaMiast;
        grid.SetRowCount(30);
        grid.SetColumnCount(40);
        grid.SetCellSize(14);
        grid.SetGridWidth(2);
        grid.SetBestRouteWidth(3);
        grid.SetBackgroundColor(rgbColor(1, 2, 3));
        grid.SetSelectedColor(rgbColor(4, 5, 6));
        grid.SetGridColor(rgbColor(7, 8, 9));
        grid.SetBestRouteColor(rgbColor(10, 11, 12));
        grid.SetCell(3, 3, true);
        okna->SzukajTraseForm.IleLosowanEdit->setText("77");
        okna->SzukajTraseForm.IlePokolenEdit->setText("");
        okna->SzukajTraseForm.LicznoscPopulacjiEdit->setText("12");
        okna->SzukajTraseForm.PKrzyzowaniaEdit->setText("0.5");
        okna->SzukajTraseForm.PMutacjiEdit->setText("zła");
        okna->WedrownikForm.close();
    }
    auto okna = start();
    const CMatryca& grid = *okna->WedrownikForm.MatrycaMiast;
    EXPECT_EQ(grid.GetRowCount(), 30);
    EXPECT_EQ(grid.GetColumnCount(), 40);
    EXPECT_EQ(grid.GetCellSize(), 14);
    EXPECT_EQ(grid.GetGridWidth(), 2);
    EXPECT_EQ(grid.GetBestRouteWidth(), 3);
    EXPECT_EQ(grid.GetBackgroundColor(), rgbColor(1, 2, 3));
    EXPECT_EQ(grid.GetSelectedColor(), rgbColor(4, 5, 6));
    EXPECT_EQ(grid.GetGridColor(), rgbColor(7, 8, 9));
    EXPECT_EQ(grid.GetBestRouteColor(), rgbColor(10, 11, 12));
    EXPECT_EQ(grid.GetPointCount(), 0);
    EXPECT_EQ(okna->SzukajTraseForm.IleLosowanEdit->text(), "77");
    EXPECT_EQ(okna->SzukajTraseForm.IlePokolenEdit->text(), "");
    EXPECT_EQ(okna->SzukajTraseForm.LicznoscPopulacjiEdit->text(), "12");
    EXPECT_EQ(okna->SzukajTraseForm.PKrzyzowaniaEdit->text(), "0.5");
    // One byte per character: what Latin-1 cannot hold comes back as '?'.
    EXPECT_EQ(okna->SzukajTraseForm.PMutacjiEdit->text(), "z?a");
    okna->WedrownikForm.hide();
}

TEST_F(Konfiguracja, TheColourOfStepModesLinesSurvivesARestartAndAFileWithoutItKeepsTheDefault) {
    const TColor domyslny = CMatryca::DefaultExaminedColor;
    {
        auto okna = start();
        okna->WedrownikForm.MatrycaMiast->SetExaminedColor(rgbColor(13, 14, 15));
        okna->WedrownikForm.close();
    }
    {
        auto okna = start();
        EXPECT_EQ(okna->WedrownikForm.MatrycaMiast->GetExaminedColor(), rgbColor(13, 14, 15));
        okna->WedrownikForm.MatrycaMiast->SetExaminedColor(domyslny);
        okna->WedrownikForm.close();
    }
    EXPECT_EQ(readFile(path()).toHex(' '), defaultRecord().toHex(' '));
    auto okna = start();
    EXPECT_EQ(okna->WedrownikForm.MatrycaMiast->GetExaminedColor(), domyslny);
    okna->WedrownikForm.hide();
}

TEST_F(Konfiguracja, OneChangedByteMakesTheFileIgnored) {
    QByteArray bytes = record({0x00FFFFFF, 0, 0x00C0C0C0, 0x008000, 20, 1, 2, 25, 25},
                              {"5", "6", "7", "0,3", "0,1"});
    bytes[20] = char(21);  // the cell size, without correcting the checksum
    writeFile(path(), bytes);
    auto okna = start();
    EXPECT_EQ(okna->WedrownikForm.MatrycaMiast->GetCellSize(), 10);
    EXPECT_EQ(okna->SzukajTraseForm.IleLosowanEdit->text(), "1000");
    okna->WedrownikForm.hide();
}

TEST_F(Konfiguracja, ShortEmptyAndMissingFilesLeaveTheDesignSettings) {
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\x01\x02\x03", 3)}) {
        writeFile(path(), bytes);
        auto okna = start();
        EXPECT_EQ(okna->WedrownikForm.MatrycaMiast->GetRowCount(), 25);
        EXPECT_EQ(okna->SzukajTraseForm.PKrzyzowaniaEdit->text(), "0,3");
        okna->WedrownikForm.hide();
    }
    QFile::remove(path());
    auto okna = start();
    EXPECT_EQ(okna->WedrownikForm.MatrycaMiast->GetCellSize(), 10);
    okna->WedrownikForm.hide();
}

TEST_F(Konfiguracja, ARecordCutShortChangesNothingEvenWithAMatchingChecksum) {
    const std::vector<std::int32_t> values = {rgbColor(9, 9, 9), 0, 0, 0, 20, 3, 4, 30, 40};
    const QByteArray cutShort[] = {
        QByteArray(4, '\0'),
        record({rgbColor(9, 9, 9), 0}, {}),
        // the fifth text without its terminating 0
        withChecksum(record(values, {"5", "6", "7", "0,5"}).mid(4) + "3"),
    };
    for (const QByteArray& bytes : cutShort) {
        writeFile(path(), bytes);
        auto okna = start();
        okna->WedrownikForm.close();
        EXPECT_EQ(readFile(path()).toHex(' '), defaultRecord().toHex(' '));
    }

    writeFile(path(), record(values, {"", "", "", "", ""}));
    auto okna = start();
    EXPECT_EQ(okna->WedrownikForm.MatrycaMiast->GetColumnCount(), 40);
    EXPECT_EQ(okna->SzukajTraseForm.PMutacjiEdit->text(), "");
    okna->WedrownikForm.hide();
}

TEST_F(Konfiguracja, AGridTooLargeToHoldIsReportedAndTheProgramStaysUsable) {
    writeFile(path(), record({0x00FFFFFF, 0, 0x00C0C0C0, 0x008000, 10, 1, 2, 25, 2000000000},
                             {"33", "44", "55", "0,3", "0,1"}));
    std::unique_ptr<OknaProgramu> okna;
    const SeenBox seen = boxAfter([&] { okna = start(); });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    CMatryca& grid = *okna->WedrownikForm.MatrycaMiast;
    EXPECT_EQ(grid.GetRowCount(), 25);
    EXPECT_EQ(grid.GetColumnCount(), 25);
    EXPECT_EQ(okna->SzukajTraseForm.IleLosowanEdit->text(), "33");
    grid.SetCell(1, 1, true);
    EXPECT_EQ(grid.GetPointCount(), 1);
    okna->WedrownikForm.hide();
}

TEST_F(Konfiguracja, AFailedSaveIsReportedAndTheProgramStillCloses) {
    auto okna = std::make_unique<OknaProgramu>();
    const QString unreachable = dir.filePath("brak/katalogu/Config.cfg");
    okna->WedrownikForm.PlikKonfiguracji = unreachable;
    okna->WedrownikForm.show();
    const SeenBox seen = boxAfter([&] { okna->WedrownikForm.close(); });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Cannot create file " + unreachable + ".");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_FALSE(okna->WedrownikForm.isVisible());
}
