#include "search/genetyczne/SeriaZbieznosci.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

TEST(SeriaZbieznosci, SmallRun_KeepsEveryGenerationAndMergesInPairsWhenFull) {
    SeriaZbieznosci seria(4);
    EXPECT_TRUE(seria.Pusta());
    for (double d : {10.0, 8.0, 9.0})
        seria.Dodaj(d);
    EXPECT_EQ(seria.NajlepszeWPokoleniu(), QList<QPointF>({{0, 10}, {1, 8}, {2, 9}}));
    EXPECT_EQ(seria.NajlepszeDotad(), QList<QPointF>({{0, 10}, {1, 8}, {2, 8}}));

    // The fourth point fills the series: pairs merge, a point at the end of
    // its span with the span's mean and the minimum of the best so far.
    seria.Dodaj(4.0);
    EXPECT_EQ(seria.NajlepszeWPokoleniu(), QList<QPointF>({{1, 9}, {3, 6.5}}));
    EXPECT_EQ(seria.NajlepszeDotad(), QList<QPointF>({{1, 8}, {3, 4}}));

    // Half a span shows as one last point of what it holds so far.
    seria.Dodaj(6.0);
    EXPECT_EQ(seria.NajlepszeWPokoleniu().back(), QPointF(4, 6));
    EXPECT_EQ(seria.NajlepszeDotad().back(), QPointF(4, 4));
    seria.Dodaj(2.0);
    EXPECT_EQ(seria.NajlepszeWPokoleniu(), QList<QPointF>({{1, 9}, {3, 6.5}, {5, 4}}));
    EXPECT_EQ(seria.NajlepszeDotad(), QList<QPointF>({{1, 8}, {3, 4}, {5, 2}}));
    EXPECT_EQ(seria.IlePokolen(), 6);
}

TEST(SeriaZbieznosci, TenMillionGenerations_StayBoundedAndTheBestSoFarStaysExact) {
    SeriaZbieznosci seria;
    std::mt19937 los(5);
    std::uniform_real_distribution<double> szum(0.0, 50.0);
    // The best so far after each generation, to check every point against.
    std::vector<double> dotad;
    const long long ile = 10'000'000;
    dotad.reserve(ile);
    int najwiecejPunktow = 0;
    for (long long k = 0; k < ile; ++k) {
        // Falling on the whole, with its record lows scattered inside spans.
        const double d = 1000.0 - double(k) * 5e-5 + szum(los);
        seria.Dodaj(d);
        dotad.push_back(dotad.empty() ? d : std::min(dotad.back(), d));
        if (k % 9973 == 0)
            najwiecejPunktow = std::max(najwiecejPunktow, int(seria.NajlepszeDotad().size()));
    }
    EXPECT_LE(najwiecejPunktow, SeriaZbieznosci::NajwiecejPunktow);
    const QList<QPointF> punkty = seria.NajlepszeDotad();
    ASSERT_GE(punkty.size(), SeriaZbieznosci::NajwiecejPunktow / 2);
    ASSERT_LE(punkty.size(), SeriaZbieznosci::NajwiecejPunktow);
    EXPECT_EQ(seria.NajlepszeWPokoleniu().size(), punkty.size());
    EXPECT_EQ(punkty.back().x(), double(ile - 1));
    double poprzednie = -1.0;
    int zle = 0;
    for (const QPointF& p : punkty) {
        EXPECT_GT(p.x(), poprzednie);
        poprzednie = p.x();
        zle += p.y() != dotad[std::size_t(p.x())];
    }
    EXPECT_EQ(zle, 0);
    EXPECT_EQ(punkty.back().y(), dotad.back());
}
