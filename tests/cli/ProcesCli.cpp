#include "tests/cli/ProcesCli.h"
#include "tests/support/TestHelpers.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>

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

QByteArray losoweMiasta(int n, unsigned ziarno, int zakres) {
    std::mt19937 los(ziarno);
    std::uniform_int_distribution<int> wspolrzedna(0, zakres);
    QByteArray tekst = "NAME: los\nTYPE: TSP\nEDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n";
    for (int k = 1; k <= n; ++k)
        tekst += QByteArray::number(k) + ' ' + QByteArray::number(wspolrzedna(los)) + ' '
                 + QByteArray::number(wspolrzedna(los)) + '\n';
    return tekst + "EOF\n";
}

std::optional<QString> wiersz(const QString& wyjscie, const QString& klucz) {
    const QRegularExpressionMatch m =
        QRegularExpression("(^|\n)" + QRegularExpression::escape(klucz) + "( ([^\n]*))?(\n|$)").match(wyjscie);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(3);
}

QString linia(const QString& wyjscie, const QString& klucz) {
    return wiersz(wyjscie, klucz).value_or(QString());
}

QString TestCli::plik(const QString& nazwa, const QByteArray& tresc) {
    return writeFile(katalog_.filePath(nazwa), tresc);
}
