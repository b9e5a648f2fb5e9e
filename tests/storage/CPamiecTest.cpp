#include "storage/CPamiec.h"
#include "tests/support/TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <functional>
#include <future>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QByteArray bajty(const CPamiec& pamiec, int od, int ile) {
    return QByteArray(reinterpret_cast<const char*>(pamiec.Memory()) + od, ile);
}

QByteArray wczytaj(const QString& sciezka) {
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        return QByteArray();
    return plik.readAll();
}

void zapisz(const QString& sciezka, const QByteArray& dane) {
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(plik.write(dane), dane.size());
}

// The message of a save made while files may not grow past limit bytes: the
// write fails there, as on a full disk. The signal the limit raises is ignored.
QString komunikatZapisuPonadLimit(const CPamiec& pamiec, const QString& sciezka, rlim_t limit) {
    rlimit dawny{};
    if (getrlimit(RLIMIT_FSIZE, &dawny) != 0)
        return "getrlimit failed";
    rlimit maly = dawny;
    maly.rlim_cur = limit;
    const auto dawnySygnal = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &maly) != 0)
        return "setrlimit failed";
    const QString blad = errorMessage([&] { pamiec.SaveToFile(sciezka); });
    setrlimit(RLIMIT_FSIZE, &dawny);
    std::signal(SIGXFSZ, dawnySygnal);
    return blad;
}

QString pelna(const QString& sciezka) {
    return QDir::toNativeSeparators(QFileInfo(sciezka).absoluteFilePath());
}

// A folder of the test's own, and the configuration file's place in it.
class CPamiecFile : public ::testing::Test {
protected:
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath("Config.cfg");
};

} // namespace

TEST(CPamiecWrite, IntegersAreLittleEndian) {
    CPamiec pamiec;
    pamiec.WriteInt(0x12345678);
    pamiec.WriteInt(-2);
    pamiec.WriteByte(0xAB);
    EXPECT_EQ(pamiec.Position(), 9);
    EXPECT_EQ(bajty(pamiec, 0, 9), QByteArray::fromHex("78563412feffffffab"));
}

TEST(CPamiecWrite, SizeGrowsByDeltaWhenTheDataReachesIt) {
    CPamiec pamiec;
    EXPECT_EQ(pamiec.GetDelta(), 1000);
    EXPECT_EQ(pamiec.Size(), 0);
    pamiec.WriteInt(1);
    EXPECT_EQ(pamiec.Size(), 1000);
    for (int k = 1; k < 249; ++k)
        pamiec.WriteInt(k);
    EXPECT_EQ(pamiec.Position(), 996);
    EXPECT_EQ(pamiec.Size(), 1000);
    // 996 + 4 reaches the size: it grows although the bytes would fit.
    pamiec.WriteInt(7);
    EXPECT_EQ(pamiec.Size(), 2000);
    EXPECT_EQ(pamiec.Position(), 1000);
}

TEST(CPamiecWrite, LargeWriteGrowsBeyondOneDelta) {
    CPamiec pamiec;
    pamiec.SetDelta(100);
    const QByteArray duzo(350, 'x');
    EXPECT_EQ(pamiec.WriteData(duzo.constData(), 350), 350);
    EXPECT_EQ(pamiec.Size(), 350);
    EXPECT_EQ(pamiec.Position(), 350);
    pamiec.WriteByte(1);
    EXPECT_EQ(pamiec.Size(), 450);
}

TEST(CPamiecWrite, ZeroDeltaGrowsOnlyAsNeeded) {
    CPamiec pamiec;
    pamiec.SetDelta(0);
    pamiec.WriteInt(5);
    EXPECT_EQ(pamiec.Size(), 4);
    pamiec.SetDelta(-3);
    pamiec.WriteByte(5);
    EXPECT_EQ(pamiec.Size(), 5);
}

TEST(CPamiecWrite, EmptyTextIsOneZeroByte) {
    CPamiec pamiec;
    pamiec.WriteString(QString());
    EXPECT_EQ(pamiec.Position(), 1);
    EXPECT_EQ(bajty(pamiec, 0, 1), QByteArray(1, '\0'));
}

TEST(CPamiecWrite, TextIsOneBytePerCharacterThenZero) {
    CPamiec pamiec;
    pamiec.WriteString("0,3");
    pamiec.WriteString(QStringLiteral("ó\u00FF"));
    pamiec.WriteString(QStringLiteral("ł€\U0001F600x"));
    EXPECT_EQ(bajty(pamiec, 0, pamiec.Position()), QByteArray::fromHex("302c3300f3ff003f3f3f7800"));
}

TEST(CPamiecRead, ReadsBackWhatWasWritten) {
    CPamiec pamiec;
    pamiec.WriteInt(INT32_MIN);
    pamiec.WriteInt(555);
    pamiec.WriteByte(200);
    pamiec.WriteString(QStringLiteral("1000"));
    pamiec.WriteString(QString());
    pamiec.WriteString(QStringLiteral("żó"));
    pamiec.SetPosition(0);
    EXPECT_EQ(pamiec.ReadInt(), INT32_MIN);
    EXPECT_EQ(pamiec.ReadInt(), 555);
    EXPECT_EQ(pamiec.ReadByte(), 200);
    EXPECT_EQ(pamiec.ReadString(), "1000");
    EXPECT_EQ(pamiec.ReadString(), "");
    EXPECT_EQ(pamiec.ReadString(), QStringLiteral("?ó"));
}

TEST(CPamiecRead, PastTheEndYieldsZeroAndEmptyText) {
    CPamiec pamiec;
    pamiec.SetDelta(0);
    pamiec.WriteByte(0x34);
    pamiec.WriteByte(0x12);
    pamiec.SetPosition(0);
    EXPECT_EQ(pamiec.ReadInt(), 0x1234);
    EXPECT_EQ(pamiec.Position(), 2);
    EXPECT_EQ(pamiec.ReadInt(), 0);
    EXPECT_EQ(pamiec.ReadByte(), 0);
    EXPECT_EQ(pamiec.ReadString(), "");
    char bufor[8] = {};
    EXPECT_EQ(pamiec.ReadData(bufor, 8), 0);
    EXPECT_EQ(pamiec.Position(), 2);
}

TEST(CPamiecRead, TextWithoutItsZeroEndsAtTheEndOfTheData) {
    CPamiec pamiec;
    pamiec.SetDelta(0);
    pamiec.WriteData("abc", 3);
    pamiec.SetPosition(0);
    EXPECT_EQ(pamiec.ReadString(), "abc");
    EXPECT_EQ(pamiec.Position(), 3);
}

TEST(CPamiecRead, LongTextGrowsTheScratchBuffer) {
    CPamiec pamiec;
    const QString dlugi(1234, QChar('q'));
    pamiec.WriteString(dlugi);
    pamiec.SetPosition(0);
    EXPECT_EQ(pamiec.ReadString(), dlugi);
    EXPECT_EQ(pamiec.Position(), 1235);
}

TEST(CPamiecChecksum, BytesCountAsSigned) {
    CPamiec pamiec;
    pamiec.WriteByte(0xFF);
    pamiec.WriteByte(0xC0);
    pamiec.WriteByte(0x7F);
    pamiec.WriteByte(0x80);
    EXPECT_EQ(pamiec.Checksum(0, 1), -1);
    EXPECT_EQ(pamiec.Checksum(1, 2), -64);
    EXPECT_EQ(pamiec.Checksum(0, 4), -1 - 64 + 127 - 128);
    EXPECT_EQ(pamiec.Checksum(2, 2), 0);
}

TEST(CPamiecChecksum, WrapsAroundIn32Bits) {
    CPamiec pamiec;
    pamiec.SetDelta(0);
    // 17 million bytes of 127 sum past 2^31.
    const std::vector<char> dane(17000000, 127);
    pamiec.WriteData(dane.data(), int(dane.size()));
    const std::int64_t prawdziwa = 127LL * 17000000LL;
    EXPECT_EQ(pamiec.Checksum(0, pamiec.Size()), static_cast<std::int32_t>(prawdziwa - (1LL << 32)));
}

TEST_F(CPamiecFile, SaveWritesChecksumThenTheDataBeforeTheCursor) {
    CPamiec pamiec;
    pamiec.WriteInt(0xC0C0C0);
    pamiec.WriteString("ab");
    pamiec.SaveToFile(sciezka);
    EXPECT_EQ(wczytaj(sciezka), QByteArray::fromHex("03000000" "c0c0c000" "616200"));
}

TEST_F(CPamiecFile, RoundTripPutsTheCursorAtTheFirstValue) {
    CPamiec zapis;
    zapis.WriteInt(-123456);
    zapis.WriteString(QStringLiteral("0,3"));
    zapis.WriteByte(0xFF);
    zapis.SaveToFile(sciezka);

    CPamiec odczyt;
    ASSERT_TRUE(odczyt.LoadFromFile(sciezka));
    EXPECT_EQ(odczyt.Position(), 4);
    EXPECT_EQ(odczyt.Size(), 4 + 4 + 4 + 1);
    EXPECT_EQ(odczyt.ReadInt(), -123456);
    EXPECT_EQ(odczyt.ReadString(), "0,3");
    EXPECT_EQ(odczyt.ReadByte(), 0xFF);
}

TEST_F(CPamiecFile, SaveReplacesAnExistingFile) {
    zapisz(sciezka, QByteArray(500, 'z'));
    CPamiec pamiec;
    pamiec.WriteByte(1);
    pamiec.SaveToFile(sciezka);
    EXPECT_EQ(wczytaj(sciezka), QByteArray::fromHex("0100000001"));
}

TEST_F(CPamiecFile, OneChangedByteMakesTheFileIgnored) {
    CPamiec zapis;
    for (int k = 0; k < 9; ++k)
        zapis.WriteInt(k * 1000);
    zapis.SaveToFile(sciezka);
    QByteArray dane = wczytaj(sciezka);
    dane[17] = char(dane[17] + 1);
    zapisz(sciezka, dane);
    CPamiec odczyt;
    EXPECT_FALSE(odczyt.LoadFromFile(sciezka));

    // Two changes that cancel out in the sum pass unnoticed.
    dane[18] = char(dane[18] - 1);
    zapisz(sciezka, dane);
    CPamiec znowu;
    EXPECT_TRUE(znowu.LoadFromFile(sciezka));
}

TEST_F(CPamiecFile, ChangedChecksumMakesTheFileIgnored) {
    zapisz(sciezka, QByteArray::fromHex("0200000001"));
    CPamiec pamiec;
    EXPECT_FALSE(pamiec.LoadFromFile(sciezka));
}

TEST_F(CPamiecFile, MissingShortAndEmptyFilesAreIgnored) {
    CPamiec brak;
    EXPECT_FALSE(brak.LoadFromFile(katalog.filePath("nie-ma.cfg")));
    EXPECT_EQ(brak.Size(), 0);

    const QString pusty = katalog.filePath("pusty.cfg");
    zapisz(pusty, QByteArray());
    CPamiec zPustego;
    EXPECT_FALSE(zPustego.LoadFromFile(pusty));

    const QString krotki = katalog.filePath("krotki.cfg");
    zapisz(krotki, QByteArray::fromHex("000000"));
    CPamiec zKrotkiego;
    EXPECT_FALSE(zKrotkiego.LoadFromFile(krotki));
    EXPECT_EQ(zKrotkiego.ReadInt(), 0);
    EXPECT_EQ(zKrotkiego.ReadString(), "");
}

TEST_F(CPamiecFile, ChecksumAloneIsAnEmptyRecord) {
    zapisz(sciezka, QByteArray(4, '\0'));
    CPamiec pamiec;
    ASSERT_TRUE(pamiec.LoadFromFile(sciezka));
    EXPECT_EQ(pamiec.ReadInt(), 0);
    EXPECT_EQ(pamiec.ReadString(), "");
    EXPECT_EQ(pamiec.Position(), 4);
}

TEST_F(CPamiecFile, CutShortRecordWithMatchingChecksumReadsZerosAndEmptyTexts) {
    // Two whole integers, one cut to two bytes, then nothing.
    zapisz(sciezka, withChecksum(QByteArray::fromHex("ffffff00" "0a000000" "3412")));
    CPamiec pamiec;
    ASSERT_TRUE(pamiec.LoadFromFile(sciezka));
    EXPECT_EQ(pamiec.ReadInt(), 0xFFFFFF);
    EXPECT_EQ(pamiec.ReadInt(), 10);
    EXPECT_EQ(pamiec.ReadInt(), 0x1234);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(pamiec.ReadInt(), 0);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(pamiec.ReadString(), "");
    EXPECT_EQ(pamiec.Position(), pamiec.Size());
}

TEST_F(CPamiecFile, UnreadableExistingFileRaisesCannotOpen) {
    ASSERT_TRUE(QDir(katalog.path()).mkdir("Config.cfg"));
    CPamiec pamiec;
    EXPECT_EQ(errorMessage([&] { pamiec.LoadFromFile(sciezka); }), "Cannot open file " + pelna(sciezka));
}

TEST_F(CPamiecFile, SaveIntoAMissingDirectoryRaisesCannotCreate) {
    const QString wBraku = katalog.filePath("brak/Config.cfg");
    CPamiec pamiec;
    pamiec.WriteInt(1);
    EXPECT_EQ(errorMessage([&] { pamiec.SaveToFile(wBraku); }), "Cannot create file " + pelna(wBraku));
    EXPECT_FALSE(QFileInfo::exists(wBraku));
}

TEST_F(CPamiecFile, FailedReplaceLeavesTheOldFileWhole) {
    // A name so long that no temporary file can be made beside it: the old
    // file can exist, but its replacement cannot be written.
    const QString dluga = katalog.filePath(QString(250, QChar('c')));
    const QByteArray stary = QByteArray::fromHex("0300000001010100");
    zapisz(dluga, stary);
    CPamiec pamiec;
    pamiec.WriteInt(77);
    EXPECT_EQ(errorMessage([&] { pamiec.SaveToFile(dluga); }), "Cannot create file " + pelna(dluga));
    EXPECT_EQ(wczytaj(dluga), stary);
}

TEST_F(CPamiecFile, SaveOverADirectoryRaisesCannotCreate) {
    ASSERT_TRUE(QDir(katalog.path()).mkpath("Config.cfg/w-srodku"));
    CPamiec pamiec;
    pamiec.WriteInt(1);
    EXPECT_EQ(errorMessage([&] { pamiec.SaveToFile(sciezka); }), "Cannot create file " + pelna(sciezka));
    EXPECT_TRUE(QFileInfo(sciezka + "/w-srodku").isDir());
    EXPECT_EQ(QDir(katalog.path()).entryList(QDir::Files).size(), 0);
}

TEST_F(CPamiecFile, ReadOnlyDirectoryWritesInPlaceOnlyAWritableFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    const QByteArray stary = QByteArray::fromHex("0100000001");
    zapisz(sciezka, stary);
    QFile::setPermissions(katalog.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    CPamiec pamiec;
    pamiec.WriteInt(0x0102);
    pamiec.SaveToFile(sciezka);
    const QByteArray zapisany = withChecksum(QByteArray::fromHex("02010000"));
    EXPECT_EQ(wczytaj(sciezka), zapisany);

    // Written in place, a failed write has cut the old file; it is put back.
    CPamiec dluzszy;
    for (int k = 0; k < 40; ++k)
        dluzszy.WriteInt(k);
    const QString bladWMiejscu = komunikatZapisuPonadLimit(dluzszy, sciezka, 16);
    QFile::setPermissions(sciezka, QFileDevice::ReadOwner);
    const QString bladOdczytu = errorMessage([&] { pamiec.SaveToFile(sciezka); });
    QFile::setPermissions(katalog.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(bladWMiejscu, "Cannot create file " + pelna(sciezka));
    EXPECT_EQ(bladOdczytu, "Cannot create file " + pelna(sciezka));
    EXPECT_EQ(wczytaj(sciezka), zapisany);
}

TEST_F(CPamiecFile, AWriteThatFailsKeepsTheOldBytesAndLeavesNoTemporaryFile) {
    const QByteArray stary = QByteArray::fromHex("0300000001010100");
    zapisz(sciezka, stary);
    CPamiec pamiec;
    for (int k = 0; k < 40; ++k)
        pamiec.WriteInt(k);

    EXPECT_EQ(komunikatZapisuPonadLimit(pamiec, sciezka, 16), "Cannot create file " + pelna(sciezka));
    EXPECT_EQ(wczytaj(sciezka), stary);
    EXPECT_EQ(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Config.cfg"});
}

TEST_F(CPamiecFile, SpecialFilesAreNeitherReadNorReplaced) {
    const QString kolejka = katalog.filePath("kolejka");
    ASSERT_EQ(mkfifo(QFile::encodeName(kolejka).constData(), 0600), 0);
    for (const QString& cel : {kolejka, QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(cel.toStdString());
        QFile::remove(sciezka);
        ASSERT_TRUE(QFile::link(cel, sciezka));
        // A read that waited on the pipe or ran on through the device would
        // never end; the guard only keeps such a fault from hanging the run.
        auto odczyt = std::async(std::launch::async, [&] {
            CPamiec pamiec;
            return errorMessage([&] { pamiec.LoadFromFile(sciezka); });
        });
        if (odczyt.wait_for(std::chrono::minutes(1)) != std::future_status::ready) {
            QFile pisarz(kolejka);
            pisarz.open(QIODevice::WriteOnly);
            FAIL() << "reading hangs";
        }
        EXPECT_EQ(odczyt.get(), "Cannot open file " + pelna(sciezka));

        CPamiec pamiec;
        pamiec.WriteInt(1);
        EXPECT_EQ(errorMessage([&] { pamiec.SaveToFile(sciezka); }), "Cannot create file " + pelna(sciezka));
        EXPECT_EQ(QFileInfo(sciezka).symLinkTarget(), cel);
    }
    struct stat stan {};
    ASSERT_EQ(stat(QFile::encodeName(kolejka).constData(), &stan), 0);
    EXPECT_TRUE(S_ISFIFO(stan.st_mode));
}

TEST_F(CPamiecFile, AFileLargerThanAnyRecordIsNotRead) {
    zapisz(sciezka, withChecksum(QByteArray(CPamiec::NajwiekszyPlik - 4, 'a')));
    CPamiec wolno;
    EXPECT_TRUE(wolno.LoadFromFile(sciezka));
    zapisz(sciezka, withChecksum(QByteArray(CPamiec::NajwiekszyPlik - 3, 'a')));
    CPamiec za;
    EXPECT_EQ(errorMessage([&] { za.LoadFromFile(sciezka); }), "Cannot open file " + pelna(sciezka));
}
