// The checker accepts the certificates the branch and cut writes, and
// rejects each kind of damage by naming what fails.

#include "search/certyfikat/CzytanieCertyfikatu.h"
#include "search/certyfikat/KsztaltCiecia.h"
#include "search/certyfikat/OgraniczenieWezla.h"
#include "search/certyfikat/SprawdzenieCertyfikatu.h"
#include "search/certyfikat/SumaWag.h"
#include "search/certyfikat/TekstCertyfikatu.h"
#include "search/dowod/DowodOptymalnosci.h"
#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

struct Przypadek {
    Metryka metryka;
    QString nazwa;
    Certyfikat certyfikat;
    std::vector<int> trasa;
};

// A proof of the instance with a certificate of each goal asked for.
Przypadek udowodnij(const char* plik, std::initializer_list<CelDowodu> cele) {
    const QString sciezka = QStringLiteral(WEDROWNIK_TSPLIB "/") + plik + ".tsp";
    InstancjaTsp instancja = PlikTsp::WczytajInstancje(sciezka);
    const QString nazwa = instancja.Nazwa;
    ZestawMiast miasta = PlikZestawu::ZInstancji(std::move(instancja));
    Przypadek p{miasta.metryka, nazwa, {}, {}};
    p.certyfikat.nazwa = nazwa;
    p.certyfikat.miasta = p.metryka.Ilosc();
    p.certyfikat.suma = SumaWag(WagiCalkowite(p.metryka));
    for (const CelDowodu cel : cele) {
        RunningClock zegar;
        zegar.start();
        UstawieniaDowodu u;
        u.rundy = 50;
        u.certyfikat = true;
        const WynikDowodu w = Udowodnij(p.metryka, cel, u, [] { return false; }, zegar, nullptr);
        EXPECT_TRUE(w.udowodniona) << plik;
        EXPECT_TRUE(w.certyfikat) << plik << ": " << w.bezCertyfikatu.toStdString();
        if (!w.certyfikat)
            continue;
        p.certyfikat.sekcje.push_back(*w.certyfikat);
        if (cel == CelDowodu::Najkrotsza)
            p.trasa = w.trasa;
    }
    return p;
}

class Certyfikaty : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QFileInfo::exists(QStringLiteral(WEDROWNIK_TSPLIB "/optima.tsv")))
            kroA100_ = new Przypadek(udowodnij("kroA100", {CelDowodu::Najkrotsza}));
    }
    static void TearDownTestSuite() {
        delete kroA100_;
        kroA100_ = nullptr;
    }
    void SetUp() override { SKIP_WITHOUT_TSPLIB(); }

    static WerdyktCertyfikatu sprawdz(const Certyfikat& c, const std::vector<int>& trasa) {
        return SprawdzCertyfikat(c, kroA100_->metryka, kroA100_->nazwa, trasa);
    }
    static SekcjaCertyfikatu& sekcja(Certyfikat& c) { return c.sekcje.front(); }

    static Przypadek* kroA100_;
};
Przypadek* Certyfikaty::kroA100_ = nullptr;

void oczekujNiewaznego(const WerdyktCertyfikatu& w, const char* fragment) {
    EXPECT_FALSE(w.wazny);
    EXPECT_TRUE(w.powod.contains(QLatin1String(fragment))) << w.powod.toStdString();
}

} // namespace

TEST_F(Certyfikaty, TheProofsCertificateIsValidAndReadsBackFromItsText) {
    const Certyfikat& c = kroA100_->certyfikat;
    ASSERT_EQ(c.sekcje.size(), 1u);
    // A proof that branched and eliminated, so the tree is checked in earnest.
    EXPECT_GT(sekcja(kroA100_->certyfikat).wezly.size(), 1u);
    const WerdyktCertyfikatu w = sprawdz(c, kroA100_->trasa);
    EXPECT_TRUE(w.wazny) << w.powod.toStdString();
    EXPECT_EQ(CzytajCertyfikat(TekstCertyfikatu(c), QStringLiteral("x.cert")), c);
    EXPECT_EQ(sekcja(kroA100_->certyfikat).dlugosc, 21282);
}

TEST_F(Certyfikaty, AWorseRouteOrALengthNotTheRoutesIsRejected) {
    std::vector<int> gorsza = kroA100_->trasa;
    std::swap(gorsza[3], gorsza[40]);
    oczekujNiewaznego(sprawdz(kroA100_->certyfikat, gorsza), "the certificate proves the shortest route 21282");
    Certyfikat c = kroA100_->certyfikat;
    sekcja(c).dlugosc = 21281;
    oczekujNiewaznego(sprawdz(c, kroA100_->trasa), "the route is 21282 long");
}

TEST_F(Certyfikaty, ACertificateOfAnotherInstanceIsRejected) {
    // The same name and size, one city moved: only the weights tell.
    std::vector<double> x = kroA100_->metryka.X(), y = kroA100_->metryka.Y();
    x[7] += 5.0;
    const Metryka inna = Metryka::Wspolrzedne(RodzajMetryki::Euc2d, x, y);
    oczekujNiewaznego(SprawdzCertyfikat(kroA100_->certyfikat, inna, kroA100_->nazwa, kroA100_->trasa),
                      "checksum of the weights differs");
    oczekujNiewaznego(SprawdzCertyfikat(kroA100_->certyfikat, kroA100_->metryka, QStringLiteral("kroB100"),
                                        kroA100_->trasa),
                      "not \"kroB100\"");
}

TEST_F(Certyfikaty, AMissingLeafOrANodeOutsideTheTreeIsRejected) {
    Certyfikat c = kroA100_->certyfikat;
    std::vector<WezelCertyfikatu>& wezly = sekcja(c).wezly;
    const auto lisc = std::find_if(wezly.begin(), wezly.end(), [](const WezelCertyfikatu& w) {
        return w.rodzaj == WezelCertyfikatu::Rodzaj::Granica;
    });
    ASSERT_NE(lisc, wezly.end());
    const int id = int(lisc - wezly.begin());
    lisc->rodzaj = WezelCertyfikatu::Rodzaj::Brak;
    oczekujNiewaznego(sprawdz(c, kroA100_->trasa), QStringLiteral("its child %1").arg(id).toUtf8().constData());

    // The root closed by its own duals, its children left over.
    Certyfikat d = kroA100_->certyfikat;
    sekcja(d).wezly[0].rodzaj = WezelCertyfikatu::Rodzaj::Granica;
    sekcja(d).wezly[0].dualne = 0;
    EXPECT_FALSE(sprawdz(d, kroA100_->trasa).wazny);
}

TEST_F(Certyfikaty, ACutMadeInvalidIsRejectedByItsShape) {
    Certyfikat c = kroA100_->certyfikat;
    // Every city: x(delta(V)) = 0, not 2.
    sekcja(c).ciecia[0].zbiory[0] = {{0, 99}};
    oczekujNiewaznego(sprawdz(c, kroA100_->trasa), "cut 0 is not valid for every route");

    Certyfikat kwiat = kroA100_->certyfikat;
    CiecieCertyfikatu& k = sekcja(kwiat).ciecia[0];
    k.rodzaj = CiecieCertyfikatu::Rodzaj::Kwiat;
    // Two edges of F: an even number.
    const std::vector<int>& t = sekcja(kwiat).trasa;
    k.zbiory[0] = {{0, 9}};
    k.krawedzie = {{t[9], t[10]}, {t[0], t[99]}};
    oczekujNiewaznego(sprawdz(kwiat, kroA100_->trasa), "odd number of edges");
}

TEST(KsztaltCiecia, BlossomsAndCombsAreCheckedForTheShapeThatMakesThemValid) {
    const int n = 12;
    std::vector<int> pozycja(n);
    std::iota(pozycja.begin(), pozycja.end(), 0);
    const auto ksztalt = [&](CiecieCertyfikatu c) { return SprawdzKsztalt(c, n, pozycja); };
    using R = CiecieCertyfikatu::Rodzaj;

    const KsztaltCiecia kwiat = ksztalt({R::Kwiat, {{{2, 5}}}, {{1, 2}, {5, 6}, {4, 9}}});
    EXPECT_FALSE(kwiat.blad);
    EXPECT_EQ(kwiat.prawa, -2);
    EXPECT_TRUE(ksztalt({R::Kwiat, {{{2, 5}}}, {{2, 3}}}).blad) << "an edge inside the handle";
    EXPECT_TRUE(ksztalt({R::Kwiat, {{{2, 5}}}, {{1, 2}, {2, 1}, {5, 6}}}).blad) << "an edge twice";

    // Handle 0..5, teeth {5,6}, {4,7}... as intervals: {0..5}; {5..6}; {3,8}; {1,9}.
    const CiecieCertyfikatu grzebien{R::Grzebien, {{{0, 5}}, {{5, 6}}, {{3, 3}, {8, 8}}, {{1, 1}, {9, 9}}}, {}};
    const KsztaltCiecia dobry = ksztalt(grzebien);
    EXPECT_FALSE(dobry.blad) << dobry.blad->toStdString();
    EXPECT_EQ(dobry.prawa, 10);
    CiecieCertyfikatu nakladajace = grzebien;
    nakladajace.zbiory[2] = {{{5, 5}, {8, 8}}};
    EXPECT_TRUE(ksztalt(nakladajace).blad) << "teeth overlapping";
    CiecieCertyfikatu wewnatrz = grzebien;
    wewnatrz.zbiory[3] = {{{1, 2}}};
    EXPECT_TRUE(ksztalt(wewnatrz).blad) << "a tooth inside the handle";
    CiecieCertyfikatu parzysty = grzebien;
    parzysty.zbiory.pop_back();
    EXPECT_TRUE(ksztalt(parzysty).blad) << "two teeth";
}

TEST_F(Certyfikaty, ADualLoweredSoTheBoundNoLongerClosesItsLeafIsRejected) {
    Certyfikat c = kroA100_->certyfikat;
    SekcjaCertyfikatu& s = sekcja(c);
    const auto lisc = std::find_if(s.wezly.begin(), s.wezly.end(), [](const WezelCertyfikatu& w) {
        return w.rodzaj == WezelCertyfikatu::Rodzaj::Granica;
    });
    ASSERT_NE(lisc, s.wezly.end());
    // City 0's dual raised far: its degree row gains 2 y, but each edge at
    // city 0 the leaf leaves free prices y lower, so with three of them or
    // more the bound falls by y at least. (Lowered by a little, as the
    // dual of an edge fixed at 1 it may cost nothing.)
    s.dualne[std::size_t(lisc->dualne)].y[0] += 100000 * s.skala;
    oczekujNiewaznego(sprawdz(c, kroA100_->trasa),
                      QStringLiteral("leaf %1 is not closed").arg(lisc - s.wezly.begin()).toUtf8().constData());
}

TEST(OgraniczenieWezla, ARayClosesANodeThatFixesThreeEdgesAtOneCityAndNoFewer) {
    // y = -1 at city 0: every edge at 0 prices at 1, so L = -2 + (edges
    // at 0 fixed to 1), above 0 only with three of them.
    OgraniczenieWezla o({0, 1, 2, 3, 4}, std::vector<std::int64_t>(10, 7), {});
    const DualneCertyfikatu promien{{-1, 0, 0, 0, 0}, {}};
    std::vector<std::uint8_t> stan(10, OgraniczenieWezla::Wolna);
    // Pairs (1,0), (2,0), (3,0) of positions.
    stan[0] = stan[1] = OgraniczenieWezla::Jeden;
    EXPECT_EQ(o.Granica(promien, 1, false, stan), 0);
    stan[3] = OgraniczenieWezla::Jeden;
    EXPECT_EQ(o.Granica(promien, 1, false, stan), 1);
    // With the weights, 7 a pair at scale 2, the fixed edges price at
    // 14 + 1 each and the free ones add nothing.
    EXPECT_EQ(o.Granica(promien, 2, true, stan), -2 + 3 * (14 + 1));
}

TEST(CertyfikatNajdluzszej, TheLongestRoutesCertificateIsValidInTheNegatedWeights) {
    SKIP_WITHOUT_TSPLIB();
    Przypadek p = udowodnij("fri26", {CelDowodu::Najkrotsza, CelDowodu::Najdluzsza});
    ASSERT_EQ(p.certyfikat.sekcje.size(), 2u);
    EXPECT_EQ(p.certyfikat.sekcje[1].cel, CelCertyfikatu::Najdluzsza);
    const WerdyktCertyfikatu w = SprawdzCertyfikat(p.certyfikat, p.metryka, p.nazwa, p.trasa);
    EXPECT_TRUE(w.wazny) << w.powod.toStdString();
    // Claiming a longer longest route than its own is caught.
    p.certyfikat.sekcje[1].dlugosc += 1;
    oczekujNiewaznego(SprawdzCertyfikat(p.certyfikat, p.metryka, p.nazwa, p.trasa), "section longest");
}

TEST(CzytanieCertyfikatu, TextThatIsNoCertificateIsRefusedWithItsLine) {
    const QString blad = errorMessage([] {
        CzytajCertyfikat("wedrownik-certificate 1\ninstance 5 00000000000000ff x\nsection shortest\nlength 7\n"
                         "scale 12x\n",
                         QStringLiteral("a.cert"));
    });
    EXPECT_TRUE(blad.startsWith(QStringLiteral("a.cert:5: "))) << blad.toStdString();
    EXPECT_FALSE(errorMessage([] { CzytajCertyfikat("hello\n", QStringLiteral("b.cert")); }).isEmpty());
}
