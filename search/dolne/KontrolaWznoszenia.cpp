#include "search/dolne/KontrolaWznoszenia.h"

#include "search/dolne/WartoscOgraniczenia.h"

#include <algorithm>
#include <cmath>
#include <limits>

KontrolaWznoszenia::KontrolaWznoszenia(const Metryka& d, const Przenumerowanie& p, GrafKandydatow& graf,
                                       const PlanOgraniczenia& plan, std::function<double()> sekundy)
    : d_(d), p_(p), graf_(graf), plan_(plan), sekundy_(std::move(sekundy)), pelne_(d),
      kary_(std::size_t(d.Ilosc())), najlepszaSprawdzona_(-std::numeric_limits<double>::infinity()),
      co_(plan.kontrolaPoczatkowa), doKontroli_(plan.kontrolaPoczatkowa) {}

bool KontrolaWznoszenia::Sprawdz(const std::vector<double>& karyGrafu, const std::function<bool()>& stop,
                                 OgraniczenieDolne& wynik) {
    const double od = sekundy_();
    const std::vector<int>& numer = p_.numer;
    for (std::size_t c = 0; c < kary_.size(); ++c)
        kary_[c] = karyGrafu[std::size_t(numer[c])];
    std::optional<JednoDrzewo> drzewo = pelne_.Oblicz(kary_, stop);
    if (!drzewo)
        return false;
    ++wynik.kontrole;
    krawedzie_.clear();
    for (std::size_t c = 0; c < kary_.size(); ++c)
        if (drzewo->rodzic[c] >= 0)
            krawedzie_.push_back({numer[c], numer[std::size_t(drzewo->rodzic[c])]});
    krawedzie_.push_back({numer[std::size_t(drzewo->specjalne)], numer[std::size_t(drzewo->drugi)]});
    graf_.Dodaj(krawedzie_, [this](int a, int b) { return p_.Odleglosc(d_, a, b); });
    sprawdzona_ = drzewo->Wartosc(d_, kary_);
    const double wartosc = BezpieczneOgraniczenie(d_, *drzewo, kary_);
    if (wartosc > wynik.wartosc) {
        wynik.wartosc = wartosc;
        wynik.kary = kary_;
        wynik.drzewo = std::move(*drzewo);
    }
    czasKontroli_ = std::max(czasKontroli_, sekundy_() - od);
    return true;
}

bool KontrolaWznoszenia::Pora(const Wznoszenie& wznoszenie) {
    return --doKontroli_ <= 0 && Niesprawdzone(wznoszenie);
}

bool KontrolaWznoszenia::SprawdzWznoszenie(Wznoszenie& wznoszenie, const std::function<bool()>& stop,
                                           OgraniczenieDolne& wynik) {
    const double grafu = wznoszenie.Najlepsza();
    if (!Sprawdz(wznoszenie.NajlepszeKary(), stop, wynik))
        return false;
    const bool zgodne = sprawdzona_ >= grafu - plan_.zgodnosc * std::fabs(grafu);
    wznoszenie.Popraw(sprawdzona_);
    najlepszaSprawdzona_ = wznoszenie.Najlepsza();
    co_ = zgodne ? std::min(plan_.kontrolaNajrzadziej, co_ * 2) : std::max(plan_.kontrolaNajczesciej, co_ / 2);
    doKontroli_ = co_;
    return true;
}

bool KontrolaWznoszenia::Niesprawdzone(const Wznoszenie& wznoszenie) const {
    return wznoszenie.Najlepsza() > najlepszaSprawdzona_;
}
