#include "search/dowod/PulaCiec.h"

#include "search/dowod/GrafWsparcia.h"
#include "search/dowod/ProgramLiniowy.h"
#include "search/dowod/TolerancjeDowodu.h"

namespace {

constexpr int kWiekLuznego = 3;
constexpr std::size_t kPulaNaMiasto = 4;

} // namespace

PulaCiec::PulaCiec(int n) : najwiecej_(kPulaNaMiasto * std::size_t(n)) {}

void PulaCiec::Dodaj(ProgramLiniowy& lp, std::vector<Ciecie> ciecia) {
    wiek_.resize(std::size_t(lp.IloscCiec()) + ciecia.size(), 0);
    lp.DodajCiecia(std::move(ciecia));
}

void PulaCiec::OdlozLuzne(ProgramLiniowy& lp) {
    wiek_.resize(std::size_t(lp.IloscCiec()), 0);
    std::vector<int> usuwane;
    for (int k = 0; k < lp.IloscCiec(); ++k) {
        int& wiek = wiek_[std::size_t(k)];
        wiek = lp.CiecieLuzne(k) ? wiek + 1 : 0;
        if (wiek >= kWiekLuznego)
            usuwane.push_back(k);
    }
    if (usuwane.empty())
        return;
    for (int k : usuwane)
        pula_.push_back(lp.Ciecia()[std::size_t(k)]);
    if (pula_.size() > najwiecej_)
        pula_.erase(pula_.begin(), pula_.begin() + std::ptrdiff_t(pula_.size() - najwiecej_));
    lp.UsunCiecia(usuwane);
    std::size_t j = 0, zostaje = 0;
    for (std::size_t k = 0; k < wiek_.size(); ++k) {
        if (j < usuwane.size() && usuwane[j] == int(k)) {
            ++j;
            continue;
        }
        wiek_[zostaje++] = wiek_[k];
    }
    wiek_.resize(zostaje);
}

std::vector<Ciecie> PulaCiec::WezNaruszone(const GrafWsparcia& g) {
    std::vector<Ciecie> naruszone;
    for (std::size_t k = 0; k < pula_.size();) {
        if (g.Naruszenie(pula_[k]) >= TolerancjeDowodu::kNaruszenie) {
            naruszone.push_back(std::move(pula_[k]));
            pula_.erase(pula_.begin() + std::ptrdiff_t(k));
        } else {
            ++k;
        }
    }
    return naruszone;
}
