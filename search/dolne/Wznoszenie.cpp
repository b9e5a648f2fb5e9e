#include "search/dolne/Wznoszenie.h"

#include <algorithm>
#include <cmath>
#include <limits>

Wznoszenie::Wznoszenie(GrafKandydatow& graf, double cel, std::vector<double> kary, const PlanOgraniczenia& plan)
    : graf_(graf), cel_(cel), plan_(plan), kary_(std::move(kary)), najlepszeKary_(kary_),
      kierunek_(kary_.size(), 0.0), najlepsza_(-std::numeric_limits<double>::infinity()),
      lambda_(plan.lambdaPoczatkowa) {}

bool Wznoszenie::Krok() {
    if (lambda_ < plan_.lambdaKoncowa)
        return false;
    double koszt = 0.0;
    if (!graf_.MinimalneJednoDrzewo(kary_, drzewo_, koszt))
        return false;
    ++iteracje_;
    const std::size_t n = kary_.size();
    stopien_.assign(n, 0);
    double sumaKar = 0.0;
    for (std::size_t c = 0; c < n; ++c) {
        sumaKar += kary_[c];
        const int r = drzewo_.rodzic[c];
        if (r >= 0) {
            ++stopien_[c];
            ++stopien_[std::size_t(r)];
        }
    }
    ++stopien_[std::size_t(drzewo_.specjalne)];
    ++stopien_[std::size_t(drzewo_.drugi)];
    const double wartosc = koszt - 2.0 * sumaKar;
    if (wartosc > najlepsza_) {
        najlepsza_ = wartosc;
        najlepszeKary_ = kary_;
        bezPoprawy_ = 0;
    } else if (++bezPoprawy_ >= plan_.cierpliwosc) {
        // Gone astray: a shorter step from the best penalties so far.
        lambda_ /= 2.0;
        bezPoprawy_ = 0;
        kary_ = najlepszeKary_;
        std::fill(kierunek_.begin(), kierunek_.end(), 0.0);
        return true;
    }
    double norma = 0.0;
    bool trasa = true;
    for (std::size_t c = 0; c < n; ++c) {
        const double g = double(stopien_[c] - 2);
        trasa = trasa && g == 0.0;
        kierunek_[c] = (1.0 - plan_.bezwladnosc) * g + plan_.bezwladnosc * kierunek_[c];
        norma += kierunek_[c] * kierunek_[c];
    }
    if (trasa || norma == 0.0)
        return false;
    // From the best bound, not this step's: a step that lost ground would
    // otherwise take a longer one next, and the ascent runs away. A target
    // at or below the bound (the graph's bound may pass a route: it misses
    // edges) would step backwards: a sliver of the bound instead.
    const double luka = std::max(cel_ - najlepsza_, 1e-6 * std::fabs(najlepsza_) + 1e-9);
    const double krok = lambda_ * luka / norma;
    for (std::size_t c = 0; c < n; ++c)
        kary_[c] += krok * kierunek_[c];
    return true;
}

double Wznoszenie::PozostalePolowienia() const {
    return std::max(0.0, std::log2(lambda_ / plan_.lambdaKoncowa)) + 1.0;
}
