#include "storage/ZapisAtomowy.h"
#include "tests/support/TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

TEST(SprawdzZapis, RefusesWhatCannotBeWrittenAndCreatesNothing) {
    QTemporaryDir katalog;
    const QString brak = katalog.filePath("brak/t.tour");
    EXPECT_EQ(errorMessage([&] { SprawdzZapis(brak); }), "Cannot create file " + brak);
    ASSERT_TRUE(QDir(katalog.path()).mkdir("folder"));
    EXPECT_EQ(errorMessage([&] { SprawdzZapis(katalog.filePath("folder")); }),
              "Cannot create file " + katalog.filePath("folder"));

    const QString nowy = katalog.filePath("t.tour");
    EXPECT_EQ(errorMessage([&] { SprawdzZapis(nowy); }), "");
    EXPECT_FALSE(QFileInfo::exists(nowy));
    const QString stary = writeFile(katalog.filePath("s.tour"), "stary");
    EXPECT_EQ(errorMessage([&] { SprawdzZapis(stary); }), "");

    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QFile::setPermissions(katalog.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString wNowym = errorMessage([&] { SprawdzZapis(nowy); });
    // An existing writable file is written in place there.
    const QString wStarym = errorMessage([&] { SprawdzZapis(stary); });
    QFile::setPermissions(katalog.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(wNowym, "Cannot create file " + nowy);
    EXPECT_EQ(wStarym, "");
}
