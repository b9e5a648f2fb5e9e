#include "search/dowod/ProgramLiniowy.h"

#include <ClpSimplex.hpp>

#include <algorithm>
#include <climits>
#include <limits>

ProgramLiniowy::ProgramLiniowy(const WagiKrawedzi& w)
    : w_(w), lp_(std::make_unique<ClpSimplex>()), kolumna_(IloscKrawedzi(w.Ilosc()), -1),
      kolumnyMiasta_(std::size_t(w.Ilosc())) {
    lp_->setLogLevel(0);
    lp_->messageHandler()->setLogLevel(0);
    lp_->setOptimizationDirection(1.0);
    const int n = w.Ilosc();
    const std::vector<double> dwa(std::size_t(n), 2.0);
    const std::vector<int> poczatki(std::size_t(n) + 1, 0);
    lp_->addRows(n, dwa.data(), dwa.data(), poczatki.data(), nullptr, nullptr);
}

ProgramLiniowy::~ProgramLiniowy() = default;

void ProgramLiniowy::DodajKrawedzie(std::span<const Krawedz> krawedzie) {
    std::vector<double> dolne, gorne, koszty, wartosci;
    std::vector<int> poczatki{0}, wiersze;
    std::vector<Krawedz> nowe;
    for (const Krawedz& k : krawedzie) {
        if (kolumna_[k.Indeks()] >= 0 || std::find(nowe.begin(), nowe.end(), k) != nowe.end())
            continue;
        nowe.push_back(k);
        dolne.push_back(0.0);
        gorne.push_back(1.0);
        koszty.push_back(w_(k));
        wiersze.push_back(k.b);
        wartosci.push_back(1.0);
        wiersze.push_back(k.a);
        wartosci.push_back(1.0);
        for (std::size_t c = 0; c < ciecia_.size(); ++c)
            if (const int a = ciecia_[c].Wspolczynnik(k); a != 0) {
                wiersze.push_back(IloscMiast() + int(c));
                wartosci.push_back(a);
            }
        poczatki.push_back(int(wiersze.size()));
    }
    if (nowe.empty())
        return;
    lp_->addColumns(int(nowe.size()), dolne.data(), gorne.data(), koszty.data(), poczatki.data(), wiersze.data(),
                    wartosci.data());
    for (const Krawedz& k : nowe) {
        const int kolumna = int(krawedzie_.size());
        kolumna_[k.Indeks()] = kolumna;
        krawedzie_.push_back(k);
        kolumnyMiasta_[std::size_t(k.a)].push_back(kolumna);
        kolumnyMiasta_[std::size_t(k.b)].push_back(kolumna);
    }
}

void ProgramLiniowy::UstawGranice(int kolumna, double dolna, double gorna) {
    lp_->setColumnBounds(kolumna, dolna, gorna);
}

double ProgramLiniowy::Dolna(int kolumna) const {
    return lp_->columnLower()[kolumna];
}

double ProgramLiniowy::Gorna(int kolumna) const {
    return lp_->columnUpper()[kolumna];
}

// The row of a cut over the columns in the LP. Only columns at a city of
// one of its sets (or on F) can have a coefficient other than 0, so only
// their cities' columns are looked at.
void ProgramLiniowy::wspolczynnikiCiecia(const Ciecie& c, std::vector<int>& kolumny, std::vector<double>& wartosci) {
    kolumny.clear();
    wartosci.clear();
    ++przebieg_;
    const auto zobacz = [&](int kolumna) {
        if (odwiedzona_.size() < krawedzie_.size())
            odwiedzona_.resize(krawedzie_.size(), 0);
        if (odwiedzona_[std::size_t(kolumna)] == przebieg_)
            return;
        odwiedzona_[std::size_t(kolumna)] = przebieg_;
        if (const int a = c.Wspolczynnik(krawedzie_[std::size_t(kolumna)]); a != 0) {
            kolumny.push_back(kolumna);
            wartosci.push_back(a);
        }
    };
    for (const std::vector<int>& s : c.zbiory)
        for (int v : s)
            for (int kolumna : kolumnyMiasta_[std::size_t(v)])
                zobacz(kolumna);
    for (const Krawedz& k : c.zeby)
        if (const int kolumna = Kolumna(k); kolumna >= 0)
            zobacz(kolumna);
}

void ProgramLiniowy::DodajCiecia(std::vector<Ciecie> ciecia) {
    if (ciecia.empty())
        return;
    std::vector<double> dolne, gorne, wartosci, wiersz;
    std::vector<int> poczatki{0}, kolumny, kolumnyWiersza;
    for (const Ciecie& c : ciecia) {
        wspolczynnikiCiecia(c, kolumnyWiersza, wiersz);
        kolumny.insert(kolumny.end(), kolumnyWiersza.begin(), kolumnyWiersza.end());
        wartosci.insert(wartosci.end(), wiersz.begin(), wiersz.end());
        poczatki.push_back(int(kolumny.size()));
        dolne.push_back(c.prawa);
        gorne.push_back(std::numeric_limits<double>::max());
    }
    lp_->addRows(int(ciecia.size()), dolne.data(), gorne.data(), poczatki.data(), kolumny.data(), wartosci.data());
    for (Ciecie& c : ciecia)
        ciecia_.push_back(std::move(c));
}

void ProgramLiniowy::UsunCiecia(std::vector<int> numery) {
    if (numery.empty())
        return;
    std::sort(numery.begin(), numery.end());
    numery.erase(std::unique(numery.begin(), numery.end()), numery.end());
    std::vector<int> wiersze;
    for (int k : numery)
        wiersze.push_back(IloscMiast() + k);
    lp_->deleteRows(int(wiersze.size()), wiersze.data());
    std::size_t j = 0, zostaje = 0;
    for (std::size_t k = 0; k < ciecia_.size(); ++k) {
        if (j < numery.size() && numery[j] == int(k)) {
            ++j;
            continue;
        }
        if (zostaje != k)
            ciecia_[zostaje] = std::move(ciecia_[k]);
        ++zostaje;
    }
    ciecia_.resize(zostaje);
}

ProgramLiniowy::Stan ProgramLiniowy::stan() {
    if (lp_->isProvenOptimal())
        return Stan::Optymalny;
    if (lp_->isProvenPrimalInfeasible())
        return Stan::Sprzeczny;
    return Stan::Blad;
}

ProgramLiniowy::Stan ProgramLiniowy::RozwiazDualnie() {
    lp_->dual();
    return ponowPoBledzie();
}

ProgramLiniowy::Stan ProgramLiniowy::RozwiazPrymalnie() {
    lp_->primal();
    return ponowPoBledzie();
}

// Numerical trouble from a warm start: once more from the slacks.
ProgramLiniowy::Stan ProgramLiniowy::ponowPoBledzie() {
    if (const Stan s = stan(); s != Stan::Blad)
        return s;
    lp_->allSlackBasis(true);
    lp_->dual();
    return stan();
}

double ProgramLiniowy::Wartosc() const {
    return lp_->objectiveValue();
}

std::span<const double> ProgramLiniowy::X() const {
    return {lp_->primalColumnSolution(), std::size_t(lp_->numberColumns())};
}

std::span<const double> ProgramLiniowy::Dualne() const {
    return {lp_->dualRowSolution(), std::size_t(lp_->numberRows())};
}

bool ProgramLiniowy::CiecieLuzne(int numer) const {
    return lp_->getRowStatus(IloscMiast() + numer) == ClpSimplex::basic;
}

std::vector<double> ProgramLiniowy::PromienSprzecznosci() const {
    const std::unique_ptr<double[]> promien(lp_->infeasibilityRay());
    if (!promien)
        return {};
    return std::vector<double>(promien.get(), promien.get() + lp_->numberRows());
}

double ProgramLiniowy::Probuj(int kolumna, double dolna, double gorna, int iteracje) {
    const int ile = lp_->numberRows() + lp_->numberColumns();
    const std::vector<unsigned char> baza(lp_->statusArray(), lp_->statusArray() + ile);
    const double staraDolna = Dolna(kolumna), staraGorna = Gorna(kolumna);
    lp_->setColumnBounds(kolumna, dolna, gorna);
    lp_->setMaximumIterations(iteracje);
    lp_->dual();
    double wartosc = lp_->objectiveValue();
    if (lp_->isProvenPrimalInfeasible())
        wartosc = std::numeric_limits<double>::infinity();
    lp_->setMaximumIterations(INT_MAX);
    lp_->setColumnBounds(kolumna, staraDolna, staraGorna);
    lp_->copyinStatus(baza.data());
    return wartosc;
}
