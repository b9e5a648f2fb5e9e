#include "tests/cli/ProcesCli.h"

#include <gtest/gtest.h>

Wynik uruchom(const QStringList& argumenty, const QByteArray& wejscie, const std::function<void()>& wDziecku) {
    QProcess proces;
    if (wDziecku)
        proces.setChildProcessModifier(wDziecku);
    proces.start(QStringLiteral(WEDROWNIK_CLI), argumenty);
    EXPECT_TRUE(proces.waitForStarted());
    proces.write(wejscie);
    proces.closeWriteChannel();
    EXPECT_TRUE(proces.waitForFinished(120000));
    EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit);
    return {proces.exitCode(), QString::fromUtf8(proces.readAllStandardOutput()),
            QString::fromUtf8(proces.readAllStandardError())};
}
