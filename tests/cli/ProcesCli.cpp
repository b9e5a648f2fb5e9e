#include "tests/cli/ProcesCli.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

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

std::function<void()> ograniczPamiec(unsigned megabajty) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    (void)megabajty;
    return {};
#else
    return [megabajty] {
        const rlimit pamiec{rlim_t(megabajty) << 20, rlim_t(megabajty) << 20};
        ::setrlimit(RLIMIT_AS, &pamiec);
    };
#endif
}
