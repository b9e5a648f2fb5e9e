#pragma once

// Small checks that tests of several folders share.

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <functional>
#include <vector>

// The message of the UserError that action raises; empty when it raises none.
QString errorMessage(const std::function<void()>& action);

// True for a route that visits each of the cities 0..n-1 exactly once.
bool isPermutation(const std::vector<int>& route, int n);

// The record preceded by its checksum as the settings file stores it: the
// sum of its bytes taken as signed, in 32 little-endian bits.
QByteArray withChecksum(const QByteArray& record);

// Writes bytes to a new file at path and returns the path; a failure fails
// the running test.
QString writeFile(const QString& path, const QByteArray& bytes);

// Skips the running test on a machine without the TSPLIB instances; the
// test's target names their folder in WEDROWNIK_TSPLIB.
#define SKIP_WITHOUT_TSPLIB()                                               \
    if (QFileInfo::exists(QStringLiteral(WEDROWNIK_TSPLIB "/optima.tsv"))) { \
    } else                                                                   \
        GTEST_SKIP() << "no TSPLIB instances at " WEDROWNIK_TSPLIB
