#pragma once

// Small checks that tests of several folders share.

#include <QByteArray>
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
