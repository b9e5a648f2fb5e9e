#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

// What one run of wedrownik-cli left.
struct Wynik {
    int kod = -1;
    QString wyjscie;
    QString bledy;
};

// Runs wedrownik-cli with the arguments, standard input and, when given, a
// change made in the child before the program starts (a limit, say).
Wynik uruchom(const QStringList& argumenty, const QByteArray& wejscie = {},
              const std::function<void()>& wDziecku = {});

// A child change that caps the program's address space at the megabytes
// given. Sanitized builds reserve terabytes of shadow memory at start, so
// there the cap is left out and the run shows only that the answer is right.
std::function<void()> ograniczPamiec(unsigned megabajty);

// A .tsp of n cities at random whole coordinates in [0, zakres]², EUC_2D.
QByteArray losoweMiasta(int n, unsigned ziarno, int zakres);

// The text after "klucz " on the output's line that starts with klucz; an
// empty text for a line of the key alone; none without such a line.
std::optional<QString> wiersz(const QString& wyjscie, const QString& klucz);
// The same, with no line read as an empty text.
QString linia(const QString& wyjscie, const QString& klucz);

// A test of wedrownik-cli with a folder of its own for the files it reads
// and writes.
class TestCli : public ::testing::Test {
protected:
    QString plik(const QString& nazwa, const QByteArray& tresc);

    QTemporaryDir katalog_;
};
