#pragma once

#include "search/Metryka.h"
#include "search/certyfikat/Certyfikat.h"
#include "search/dowod/Ciecie.h"
#include "search/dowod/SwiadekDowodu.h"

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

// Records a branch and cut's proof as it runs (SwiadekDowodu), and makes
// the certificate's section from it once the route is proven. Per node it
// keeps the duals that gave its best bound (shared with the children that
// inherit it), the ray that closed it, the duals of its elimination; each
// cut once. Only copies are made while the proof runs, O(n + cuts) a
// priced solve that raises a bound; the whole numbers, and the check that
// they still close every leaf, come at the end.
class ZapisCertyfikatu : public SwiadekDowodu {
public:
    explicit ZapisCertyfikatu(int n);

    void Wziety(const Wezel& wezel) override;
    void Wyceniony(const ProgramLiniowy& lp, long double granica) override;
    void Sprzeczny(const ProgramLiniowy& lp, WycenaKrawedzi& wycena) override;
    void Zamkniety() override;
    void Wyeliminowane(const ProgramLiniowy& lp) override;
    void Rozgaleziony(Krawedz e) override;
    void Nierozwiazany() override;

    // The section proving trasa (cities from 0; also the certificate's
    // order of positions) the best for cel in metric d: its duals scaled
    // and rounded to whole numbers, then checked as any checker would. A
    // scale that loses a leaf's closure gives way to the next; when none
    // keeps them all, no section, and why.
    struct Sekcja {
        std::optional<SekcjaCertyfikatu> sekcja;
        QString blad;
    };
    Sekcja Utworz(const std::vector<int>& trasa, const Metryka& d, CelCertyfikatu cel) const;

private:
    struct Migawka {
        std::vector<double> y;
        std::vector<std::pair<int, double>> mu;  // cut number, multiplier
    };
    using WspolnaMigawka = std::shared_ptr<const Migawka>;
    enum class Stan { Otwarty, Zamkniety, Rozgaleziony };
    struct WezelZapisu {
        std::vector<std::uint64_t> klucz;
        Stan stan = Stan::Otwarty;
        long double granica;
        WspolnaMigawka najlepsza, promien, eliminacja;
        Krawedz krawedz;
        int zero = -1, jeden = -1;
    };

    WspolnaMigawka migawka(const ProgramLiniowy& lp, std::span<const double> dualne);
    int numerCiecia(const Ciecie& c);
    struct Zaokraglenie;

    int n_;
    std::vector<WezelZapisu> wezly_;
    std::map<std::vector<std::uint64_t>, int> czekajace_;
    int biezacy_ = -1;
    bool nierozwiazany_ = false;
    std::vector<Ciecie> ciecia_;
    std::unordered_multimap<std::size_t, int> skroty_;
};
