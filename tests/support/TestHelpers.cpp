#include "tests/support/TestHelpers.h"

#include "toolkit/core/UserError.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>

QString errorMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const UserError& e) {
        return e.message();
    }
    return QString();
}

bool isPermutation(const std::vector<int>& route, int n) {
    if (static_cast<int>(route.size()) != n)
        return false;
    std::vector<int> sorted = route;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> cities(route.size());
    std::iota(cities.begin(), cities.end(), 0);
    return sorted == cities;
}

QByteArray withChecksum(const QByteArray& record) {
    std::uint32_t sum = 0;
    for (char c : record)
        sum += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
    QByteArray result(4, 0);
    for (int k = 0; k < 4; ++k)
        result[k] = char((sum >> (8 * k)) & 0xFF);
    return result + record;
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
    return path;
}
