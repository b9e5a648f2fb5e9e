#include "search/dolne/Wznoszenie.h"

#include <algorithm>
#include <cmath>
#include <limits>

Wznoszenie::Wznoszenie(GrafKandydatow& graf, double cel, std::vector<double> kary, const PlanOgraniczenia& plan)
    : graf_(graf), cel_(cel), plan_(plan), kary_(std::move(kary)), najlepszeKary_(kary_),
      kierunek_(kary_.size(), 0.0), najlepsza_(-std::numeric_limits<double>::infinity()),
      lambda_(plan.lambdaPoczatkowa), cierpliwosc_(plan.cierpliwosc) {}

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
    if (objetosc_)
        return krokObjetosci(wartosc);

    if (wartosc > najlepsza_) {
        najlepsza_ = wartosc;
        najlepszeKary_ = kary_;
        bezPoprawy_ = 0;
    } else if (++bezPoprawy_ >= cierpliwosc_) {
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

double Wznoszenie::pozostalePolowienia() const {
    return std::max(0.0, std::log2(lambda_ / plan_.lambdaKoncowa)) + 1.0;
}

void Wznoszenie::RozlozNaCzas(double sekundNaKrok, double zostalo) {
    const double razem = iteracje_ + zostalo / sekundNaKrok;
    if (plan_.objetosc && razem >= plan_.krokowDlaObjetosci)
        PrzejdzNaObjetosc();
    if (objetosc_) {
        cierpliwosc_ = int(std::clamp(razem / plan_.krokowNaCierpliwosc, double(plan_.cierpliwosc),
                                      plan_.cierpliwoscNajwieksza));
    } else {
        // Lambda's halvings fill the time, but a small instance has long
        // converged past cierpliwoscNaMiasto steps per city.
        const double krokow = zostalo / sekundNaKrok / pozostalePolowienia();
        const double najwyzej = plan_.cierpliwoscNaMiasto * double(kary_.size());
        cierpliwosc_ = std::max(plan_.cierpliwosc, int(std::min(krokow, najwyzej)));
    }
}

bool Wznoszenie::krokObjetosci(double wartosc) {
    const std::size_t n = kary_.size();
    if (sredni_.empty()) {
        sredni_.assign(n, 0.0);
        for (std::size_t c = 0; c < n; ++c)
            sredni_[c] = double(stopien_[c] - 2);
        najlepsza_ = wartosc;
        najlepszeKary_ = kary_;
    } else {
        // The mix of this tree and the average that is shortest: the
        // average tends to a fractional point where every degree is 2.
        double ab = 0.0, bb = 0.0;
        for (std::size_t c = 0; c < n; ++c) {
            const double g = double(stopien_[c] - 2);
            const double r = sredni_[c] - g;
            ab += sredni_[c] * r;
            bb += r * r;
        }
        double alfa = bb > 0.0 ? ab / bb : plan_.alfaObjetosci;
        alfa = std::clamp(alfa, plan_.alfaObjetosci / 10.0, plan_.alfaObjetosci);
        double iloczyn = 0.0;
        for (std::size_t c = 0; c < n; ++c) {
            const double g = double(stopien_[c] - 2);
            iloczyn += g * kierunek_[c];
            sredni_[c] = alfa * g + (1.0 - alfa) * sredni_[c];
        }
        if (wartosc > najlepsza_) {
            najlepsza_ = wartosc;
            najlepszeKary_ = kary_;
            if (iloczyn >= 0.0)
                lambda_ = std::min(2.0, lambda_ * 1.1);
            bezPoprawy_ = 0;
        } else if (++bezPoprawy_ >= cierpliwosc_) {
            lambda_ *= 0.66;
            bezPoprawy_ = 0;
        }
    }
    double norma = 0.0;
    for (std::size_t c = 0; c < n; ++c)
        norma += sredni_[c] * sredni_[c];
    if (norma < 1e-12 || lambda_ < plan_.lambdaKoncowa)
        return false;
    const double luka = std::max(cel_ - najlepsza_, 1e-6 * std::fabs(najlepsza_) + 1e-9);
    const double krok = lambda_ * luka / norma;
    for (std::size_t c = 0; c < n; ++c) {
        kierunek_[c] = sredni_[c];
        kary_[c] = najlepszeKary_[c] + krok * sredni_[c];
    }
    return true;
}

void Wznoszenie::PrzejdzNaObjetosc() {
    if (objetosc_)
        return;
    objetosc_ = true;
    lambda_ = plan_.lambdaObjetosci;
    kary_ = najlepszeKary_;
    najlepsza_ = -std::numeric_limits<double>::infinity();
    bezPoprawy_ = 0;
    std::fill(kierunek_.begin(), kierunek_.end(), 0.0);
}
