#include "search/lokalne/PolaczenieSciezek.h"

#include "search/lokalne/DrzewoPunktow.h"

#include <optional>

namespace {

constexpr int kBrak = -1;

// The paths' ends not yet walked, and the nearest of them to a city.
class WolneKonce {
public:
    WolneKonce(const std::vector<std::array<int, 2>>& sasiad, const SasiedziKandydaci& sasiedzi)
        : sasiedzi_(sasiedzi), plaszczyzna_(sasiedzi.Plaszczyzna()),
          wPlaszczyznie_(plaszczyzna_.size() == sasiad.size()), miejsceKonca_(sasiad.size(), kBrak) {
        for (std::size_t c = 0; c < sasiad.size(); ++c)
            if (sasiad[c][1] == kBrak)
                konce_.push_back(int(c));
        for (std::size_t i = 0; i < konce_.size(); ++i)
            miejsceKonca_[std::size_t(konce_[i])] = int(i);
        std::vector<PunktPlaszczyzny> miejsca;
        if (wPlaszczyznie_)
            for (const int c : konce_)
                miejsca.push_back(plaszczyzna_[std::size_t(c)]);
        drzewo_.emplace(miejsca);
        if (!wPlaszczyznie_)
            wolne_ = konce_;
        zostalo_ = int(konce_.size());
    }

    int Pierwszy() const { return konce_.empty() ? 0 : konce_.front(); }
    int Zostalo() const { return zostalo_; }

    void Zabierz(int c) {
        const int i = miejsceKonca_[std::size_t(c)];
        if (i == kBrak)
            return;
        miejsceKonca_[std::size_t(c)] = kBrak;
        --zostalo_;
        if (wPlaszczyznie_) {
            drzewo_->Usun(i);
            return;
        }
        // Here miejsceKonca_ is a place in wolne_, kept dense.
        const int ostatni = wolne_.back();
        wolne_[std::size_t(i)] = ostatni;
        if (ostatni != c)
            miejsceKonca_[std::size_t(ostatni)] = i;
        wolne_.pop_back();
    }

    // At least one end must be left.
    int Najblizszy(int c, const std::function<double(int, int)>& odleglosc) {
        for (const auto& s : sasiedzi_.Dla(c))
            if (miejsceKonca_[std::size_t(s.miasto)] != kBrak)
                return s.miasto;
        if (wPlaszczyznie_)
            return konce_[std::size_t(drzewo_->NajblizszyObecny(plaszczyzna_[std::size_t(c)]))];
        int najblizszy = kBrak;
        double najmniej = 0.0;
        for (const int w : wolne_) {
            const double dw = odleglosc(c, w);
            if (najblizszy == kBrak || dw < najmniej || (dw == najmniej && w < najblizszy))
                najblizszy = w, najmniej = dw;
        }
        return najblizszy;
    }

private:
    const SasiedziKandydaci& sasiedzi_;
    const std::vector<PunktPlaszczyzny>& plaszczyzna_;
    bool wPlaszczyznie_;
    std::vector<int> konce_;
    // Of each end, its place in konce_ (the tree's points) or in wolne_.
    std::vector<int> miejsceKonca_;
    std::optional<DrzewoPunktow> drzewo_;
    std::vector<int> wolne_;
    int zostalo_ = 0;
};

} // namespace

std::vector<int> PolaczSciezki(const std::vector<std::array<int, 2>>& sasiad, const SasiedziKandydaci& sasiedzi,
                               const std::function<double(int, int)>& odleglosc,
                               const std::function<bool()>& przerwij) {
    WolneKonce konce(sasiad, sasiedzi);
    std::vector<int> trasa;
    trasa.reserve(sasiad.size());
    int wejscie = konce.Pierwszy();
    int kroki = 0;
    while (true) {
        // Walk the path from its free end wejscie to the other end.
        konce.Zabierz(wejscie);
        int poprzednie = kBrak, biezace = wejscie;
        while (true) {
            trasa.push_back(biezace);
            int dalej = kBrak;
            for (const int s : sasiad[std::size_t(biezace)])
                if (s != kBrak && s != poprzednie) {
                    dalej = s;
                    break;
                }
            if (dalej == kBrak || dalej == wejscie)
                break;
            poprzednie = biezace;
            biezace = dalej;
        }
        konce.Zabierz(biezace);
        if (konce.Zostalo() == 0)
            return trasa;
        if ((++kroki & 63) == 0 && przerwij())
            return {};
        wejscie = konce.Najblizszy(biezace, odleglosc);
    }
}
