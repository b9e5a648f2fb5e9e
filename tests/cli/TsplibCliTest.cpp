// wedrownik-cli on TSPLIB's own instances: lengths in each file's metric
// reproduce the published optima.

#include "storage/PlikZestawu.h"
#include "tests/cli/ProcesCli.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

namespace {

const QString kTsplib = QStringLiteral(WEDROWNIK_TSPLIB);

std::map<QString, qint64> optima() {
    std::map<QString, qint64> wynik;
    QFile plik(kTsplib + QStringLiteral("/optima.tsv"));
    if (!plik.open(QIODevice::ReadOnly))
        return wynik;
    while (!plik.atEnd()) {
        const QList<QByteArray> pola = plik.readLine().split('\t');
        if (pola.size() >= 2)
            wynik[QString::fromUtf8(pola[0])] = pola[1].toLongLong();
    }
    return wynik;
}

class WedrownikCliTsplib : public TestCli {
protected:
    void SetUp() override {
        optima_ = optima();
        if (optima_.empty())
            GTEST_SKIP() << "no TSPLIB instances at " << kTsplib.toStdString();
    }
    static QString tsp(const QString& nazwa) { return kTsplib + QLatin1Char('/') + nazwa + QStringLiteral(".tsp"); }

    std::map<QString, qint64> optima_;
};

QJsonObject json(const Wynik& w) { return QJsonDocument::fromJson(w.wyjscie.toUtf8()).object(); }

// A route climbed by 2-opt towards the longest: reversals while one
// lengthens it.
std::int64_t dwaOptWGore(const Metryka& d, std::vector<int> t) {
    const std::size_t n = t.size();
    for (bool lepiej = true; lepiej;) {
        lepiej = false;
        for (std::size_t i = 0; i + 2 < n; ++i)
            for (std::size_t j = i + 2; j < n; ++j) {
                const int a = t[i], b = t[i + 1], c = t[j], e = t[(j + 1) % n];
                if (d(a, c) + d(b, e) > d(a, b) + d(c, e)) {
                    std::reverse(t.begin() + std::ptrdiff_t(i) + 1, t.begin() + std::ptrdiff_t(j) + 1);
                    lepiej = true;
                }
            }
    }
    return d.DlugoscCalkowita(t);
}

} // namespace

TEST_F(WedrownikCliTsplib, EachPublishedOptimalTourMeasuresItsOptimum) {
    int trasy = 0;
    for (const QFileInfo& tour : QDir(kTsplib).entryInfoList({QStringLiteral("*.opt.tour")})) {
        const QString nazwa = tour.fileName().chopped(int(qstrlen(".opt.tour")));
        const Wynik w = uruchom({"length", tsp(nazwa), tour.filePath(), "--json"});
        ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
        EXPECT_EQ(json(w)["length"].toInteger(), optima_.at(nazwa)) << nazwa.toStdString();
        ++trasy;
    }
    EXPECT_EQ(trasy, 25);
}

TEST_F(WedrownikCliTsplib, ExactSearchFindsThePublishedOptimumAndALongestNoClimbBeats) {
    for (const QString nazwa : {"burma14", "ulysses16", "gr17", "ulysses22", "fri26", "bayg29", "bays29"}) {
        const QString tour = katalog_.filePath(nazwa + QStringLiteral(".tour"));
        const Wynik w = uruchom({"solve", tsp(nazwa), "--method", "exact", "--tour", tour, "--json"});
        ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
        const qint64 najkrotsza = json(w)["shortest"].toInteger();
        const qint64 najdluzsza = json(w)["longest"].toInteger();
        EXPECT_EQ(najkrotsza, optima_.at(nazwa)) << nazwa.toStdString();
        // The route written is one of the file's cities, each once, of just
        // that length.
        const Wynik dlugosc = uruchom({"length", tsp(nazwa), tour, "--json"});
        EXPECT_EQ(json(dlugosc)["length"].toInteger(), najkrotsza) << dlugosc.bledy.toStdString();

        ZestawMiast miasta = PlikZestawu::Wczytaj(tsp(nazwa));
        std::vector<int> trasa(std::size_t(miasta.metryka.Ilosc()));
        std::iota(trasa.begin(), trasa.end(), 0);
        std::mt19937 los(7);
        for (int proba = 0; proba < 20; ++proba) {
            std::shuffle(trasa.begin(), trasa.end(), los);
            EXPECT_LE(dwaOptWGore(miasta.metryka, trasa), najdluzsza) << nazwa.toStdString();
        }
    }
}

TEST_F(WedrownikCliTsplib, TwoCitiesAtOnePointSolveInTheFilesMetricButNotOnTheGrid) {
    const QString tour = katalog_.filePath(QStringLiteral("a280.tour"));
    const Wynik w = uruchom({"solve", tsp("a280"), "--method", "random", "--draws", "20", "--seed", "3", "--tour",
                             tour, "--json"});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    std::vector<int> ids;
    for (const QJsonValue& id : json(w)["route"].toArray())
        ids.push_back(id.toInt());
    std::sort(ids.begin(), ids.end());
    std::vector<int> wszystkie(280);
    std::iota(wszystkie.begin(), wszystkie.end(), 1);
    EXPECT_EQ(ids, wszystkie);
    EXPECT_EQ(json(uruchom({"length", tsp("a280"), tour, "--json"}))["length"].toInteger(),
              json(w)["shortest"].toInteger());

    const Wynik siatka = uruchom({"solve", tsp("a280"), "--metric", "grid"});
    EXPECT_EQ(siatka.kod, 2);
    EXPECT_TRUE(siatka.bledy.contains("city 172 in the same cell as city 171")) << siatka.bledy.toStdString();
}
