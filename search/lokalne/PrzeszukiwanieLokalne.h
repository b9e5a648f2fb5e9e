#pragma once

#include "search/lokalne/KolejkaAktywnych.h"
#include "search/lokalne/KopniecieLokalne.h"
#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/PlanPrzeszukiwania.h"
#include "search/lokalne/PostepPrzeszukiwania.h"
#include "search/lokalne/PunktPlaszczyzny.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/TrasaDokladnaMala.h"
#include "search/lokalne/TrasaTablicowa.h"
#include "search/lokalne/TrasaZachlanna.h"
#include "search/lokalne/WarunekKonca.h"
#include "search/lokalne/ZejscieLokalne.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <barrier>
#include <cstdint>
#include <exception>
#include <functional>
#include <numeric>
#include <optional>
#include <random>
#include <thread>
#include <vector>

struct UstawieniaLokalne {
    // Running time of the search (time held does not count); 0: no limit.
    double limitSekund = 0.0;
    // Kicks of all threads together; negative: no limit. With a limit and no
    // time limit, the same seed gives the same route whatever the threads'
    // timing.
    long long limitRund = -1;
    std::uint64_t ziarno = 1;
    int watki = 2;
    // In place of PlanPrzeszukiwania::Dla(n), for measurements and tests.
    std::optional<PlanPrzeszukiwania> plan;
};

// Iterated local search for the shortest closed route: candidate neighbours,
// a greedy start, descent by 3-opt and Or-opt moves with don't-look bits,
// then rounds of a local double-bridge kick and a descent around it, each
// round kept when the route got no longer and taken back otherwise.
//
// d is called from every search thread at once and must stay valid while
// the search runs. Szukaj() runs on the calling thread and watki - 1 helper
// threads; each of them calls przerwij every few milliseconds, where it holds
// no lock. przerwij may block (a held search) and returns true when the
// search must end; the best route found so far is then the result. Progress
// can be read from any thread while the search runs.
template <MiaraOdleglosci D>
class PrzeszukiwanieLokalne {
public:
    PrzeszukiwanieLokalne(const D& d, int n, std::vector<PunktPlaszczyzny> wspolrzedne = {})
        : d_(d), n_(std::max(n, 0)), wspolrzedne_(std::move(wspolrzedne)) {}

    void Szukaj(const UstawieniaLokalne& ustawienia, const std::function<bool()>& przerwij);

    // The result of the last Szukaj(): a route and its length, summed in
    // double along it.
    const std::vector<int>& Trasa() const { return trasa_; }
    // False when the search was stopped before it made its first route: the
    // result is then the cities in their own order, which nothing chose.
    bool TrasaZbudowana() const { return zbudowana_; }
    double Dlugosc() const { return dlugosc_; }

    PostepPrzeszukiwania& Postep() { return postep_; }
    const PostepPrzeszukiwania& Postep() const { return postep_; }

    double DlugoscTrasy(const std::vector<int>& trasa) const {
        double s = 0.0;
        const std::size_t n = trasa.size();
        for (std::size_t i = 0; i < n; ++i)
            s += double(d_(trasa[i], trasa[i + 1 == n ? 0 : i + 1]));
        return s;
    }

private:
    void Lancuchy(const std::vector<int>& poczatkowa, const std::function<bool()>& przerwij,
                  WarunekKonca::Zegar::time_point start);
    void Podzial(const std::vector<int>& poczatkowa, const std::function<bool()>& przerwij,
                 WarunekKonca::Zegar::time_point start);
    bool Runda(OknoTrasy& okno, KolejkaAktywnych& kolejka, std::mt19937_64& los, WarunekKonca& warunek,
               double& zmiana, bool& bezKopniecia) const;
    void Wynik(const std::vector<int>& trasa, double sekundy);

    // Runs praca(w) for w = 1 .. watki-1 on helper threads and praca(0) here;
    // an exception of any of them comes out here once all have ended.
    template <class Praca>
    void NaWatkach(int watki, Praca&& praca);

    static std::uint64_t Ziarno(std::uint64_t ziarno, int watek) {
        std::uint64_t z = ziarno + 0x9E3779B97F4A7C15ull * std::uint64_t(watek + 1);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    const D& d_;
    int n_;
    std::vector<PunktPlaszczyzny> wspolrzedne_;
    UstawieniaLokalne ustawienia_;
    PlanPrzeszukiwania plan_;
    SasiedziKandydaci sasiedzi_;
    PostepPrzeszukiwania postep_;
    std::vector<int> trasa_;
    bool zbudowana_ = false;
    double dlugosc_ = 0.0;
};

template <MiaraOdleglosci D>
void PrzeszukiwanieLokalne<D>::Szukaj(const UstawieniaLokalne& ustawienia, const std::function<bool()>& przerwij) {
    const auto start = WarunekKonca::Zegar::now();
    ustawienia_ = ustawienia;
    ustawienia_.watki = std::max(1, ustawienia.watki);
    postep_.Zeruj();
    plan_ = ustawienia.plan ? *ustawienia.plan : PlanPrzeszukiwania::Dla(n_);
    if (n_ <= NajwiecejMiastDokladnie) {
        Wynik(TrasaDokladnaMala(d_, n_), 0.0);
        return;
    }
    std::atomic<bool> koniec{false};
    WarunekKonca warunek(przerwij, start, ustawienia_.limitSekund, koniec);
    const auto przerwijStart = [&warunek] { return warunek(); };
    std::vector<int> poczatkowa;
    if (sasiedzi_.Zbuduj(d_, n_, wspolrzedne_, plan_.sasiedzi, plan_.wCwiartce, przerwijStart))
        poczatkowa = TrasaZachlanna(sasiedzi_, n_, [this](int a, int b) { return double(d_(a, b)); }, przerwijStart);
    if (poczatkowa.empty()) {
        // Stopped before any route was made: the cities in their own order.
        poczatkowa.resize(std::size_t(n_));
        std::iota(poczatkowa.begin(), poczatkowa.end(), 0);
        // Not handed out as progress: no search chose it.
        trasa_ = std::move(poczatkowa);
        dlugosc_ = DlugoscTrasy(trasa_);
        zbudowana_ = false;
        return;
    }
    postep_.Zglos(poczatkowa, DlugoscTrasy(poczatkowa), warunek.Sekundy());
    if (koniec.load()) {
        Wynik(poczatkowa, warunek.Sekundy());
        return;
    }
    // A shared route needs stretches long enough for a kick each.
    if (plan_.podzialTrasy && ustawienia_.watki > 1 && n_ >= 64 * ustawienia_.watki)
        Podzial(poczatkowa, przerwij, start);
    else
        Lancuchy(poczatkowa, przerwij, start);
}

template <MiaraOdleglosci D>
void PrzeszukiwanieLokalne<D>::Wynik(const std::vector<int>& trasa, double sekundy) {
    zbudowana_ = true;
    trasa_ = trasa;
    dlugosc_ = DlugoscTrasy(trasa_);
    postep_.Zglos(trasa_, dlugosc_, sekundy);
}

template <MiaraOdleglosci D>
template <class Praca>
void PrzeszukiwanieLokalne<D>::NaWatkach(int watki, Praca&& praca) {
    std::vector<std::exception_ptr> bledy(static_cast<std::size_t>(watki));
    const auto bezpiecznie = [&](int w) {
        try {
            praca(w);
        } catch (...) {
            bledy[std::size_t(w)] = std::current_exception();
        }
    };
    std::vector<std::thread> pomocnicy;
    pomocnicy.reserve(std::size_t(watki - 1));
    for (int w = 1; w < watki; ++w)
        pomocnicy.emplace_back(bezpiecznie, w);
    bezpiecznie(0);
    for (auto& t : pomocnicy)
        t.join();
    for (const auto& blad : bledy)
        if (blad)
            std::rethrow_exception(blad);
}

template <MiaraOdleglosci D>
bool PrzeszukiwanieLokalne<D>::Runda(OknoTrasy& okno, KolejkaAktywnych& kolejka, std::mt19937_64& los,
                                     WarunekKonca& warunek, double& zmiana, bool& bezKopniecia) const {
    zmiana = 0.0;
    const std::size_t znacznik = okno.Znacznik();
    double przyrost = 0.0;
    for (int k = 0; k < plan_.kopniecWRundzie; ++k) {
        double p = 0.0;
        std::array<int, 8> dotkniete{};
        bezKopniecia = !KopniecieLokalne(d_, sasiedzi_, okno, plan_.najdluzszyOdcinek, plan_.najwiekszaRozpietosc,
                                         los, p, dotkniete);
        if (bezKopniecia) {
            okno.Cofnij(znacznik);
            kolejka.Wyczysc();
            return false;
        }
        przyrost += p;
        for (const int c : dotkniete)
            kolejka.Dodaj(c);
    }
    bool przerwane = false;
    const double zysk = ZejscieLokalne(d_, sasiedzi_, okno, kolejka, plan_, true, warunek, przerwane);
    if (przerwane) {
        okno.Cofnij(znacznik);
        kolejka.Wyczysc();
        return true;
    }
    // Equal routes are kept too: the search drifts along plateaus instead of
    // kicking the same route again and again.
    if (przyrost - zysk < 1e-9) {
        zmiana = przyrost - zysk;
        okno.ZapomnijDziennik();
    } else {
        okno.Cofnij(znacznik);
    }
    return false;
}

template <MiaraOdleglosci D>
void PrzeszukiwanieLokalne<D>::Lancuchy(const std::vector<int>& poczatkowa, const std::function<bool()>& przerwij,
                                        WarunekKonca::Zegar::time_point start) {
    const int watki = ustawienia_.watki;
    const double dlugoscPoczatkowa = DlugoscTrasy(poczatkowa);
    std::vector<std::vector<int>> wyniki(static_cast<std::size_t>(watki));
    std::atomic<bool> koniec{false};
    double sekundy = 0.0;
    NaWatkach(watki, [&](int w) {
        WarunekKonca warunek(przerwij, start, ustawienia_.limitSekund, koniec);
        TrasaTablicowa trasa(poczatkowa);
        OknoTrasy okno(trasa);
        okno.CalaTrasa();
        KolejkaAktywnych kolejka(n_);
        for (const int c : poczatkowa)
            kolejka.Dodaj(c);
        bool przerwane = false;
        double dlugosc = dlugoscPoczatkowa - ZejscieLokalne(d_, sasiedzi_, okno, kolejka, plan_, false, warunek, przerwane);
        long long przydzial = -1;
        if (ustawienia_.limitRund >= 0)
            przydzial = ustawienia_.limitRund / watki + (w < ustawienia_.limitRund % watki ? 1 : 0);
        std::mt19937_64 los(Ziarno(ustawienia_.ziarno, w));
        double zgloszone = -1.0;
        for (long long r = 0; !przerwane && (przydzial < 0 || r < przydzial); ++r) {
            if (warunek())
                break;
            double zmiana = 0.0;
            bool bezKopniecia = false;
            if (Runda(okno, kolejka, los, warunek, zmiana, bezKopniecia) || bezKopniecia)
                break;
            dlugosc += zmiana;
            postep_.DodajRundy(1);
            // A copy of the route for the reader now and then, not every round.
            if (dlugosc < postep_.NajlepszaDlugosc()) {
                const double teraz = warunek.Sekundy();
                if (teraz - zgloszone >= 0.02) {
                    postep_.Zglos(trasa.Kolejnosc(), dlugosc, teraz);
                    zgloszone = teraz;
                }
            }
        }
        wyniki[std::size_t(w)] = trasa.Kolejnosc();
        if (w == 0)
            sekundy = warunek.Sekundy();
    });
    std::size_t najlepszy = 0;
    double najkrotsza = DlugoscTrasy(wyniki[0]);
    for (std::size_t w = 1; w < wyniki.size(); ++w) {
        const double s = DlugoscTrasy(wyniki[w]);
        if (s < najkrotsza)
            najkrotsza = s, najlepszy = w;
    }
    Wynik(wyniki[najlepszy], sekundy);
}

template <MiaraOdleglosci D>
void PrzeszukiwanieLokalne<D>::Podzial(const std::vector<int>& poczatkowa, const std::function<bool()>& przerwij,
                                       WarunekKonca::Zegar::time_point start) {
    const int watki = std::min(ustawienia_.watki, 255);
    TrasaTablicowa trasa(poczatkowa);
    std::vector<std::uint8_t> wlasciciel(std::size_t(n_), 0);
    std::vector<std::uint8_t> doSprawdzenia(std::size_t(n_), 1);
    struct Watek {
        explicit Watek(TrasaTablicowa& t, int n) : okno(t), kolejka(n) {}
        OknoTrasy okno;
        KolejkaAktywnych kolejka;
        std::mt19937_64 los;
        int poczatek = 0;
        int dlugosc = 0;
        long long przydzial = 0;
        double zmiana = 0.0;
        long long rundy = 0;
        WarunekKonca* warunek = nullptr;
    };
    std::vector<Watek> stan;
    stan.reserve(std::size_t(watki));
    for (int w = 0; w < watki; ++w) {
        stan.emplace_back(trasa, n_);
        stan.back().los.seed(Ziarno(ustawienia_.ziarno, w));
    }
    std::atomic<bool> koniec{false};
    bool wszystkoKoniec = false;
    double dlugosc = DlugoscTrasy(poczatkowa);
    long long zrobione = 0;
    double sekundy = 0.0;
    std::mt19937_64 losPodzialu(Ziarno(ustawienia_.ziarno, -1));

    // Between epochs, with every thread at the barrier: the new length, the
    // route for the reader, and the next split of the route at a random place.
    const auto nowaEpoka = [&]() noexcept {
        for (const Watek& s : stan) {
            dlugosc += s.zmiana;
            zrobione += s.rundy;
        }
        const long long pozostalo = ustawienia_.limitRund < 0 ? -1 : ustawienia_.limitRund - zrobione;
        try {
            postep_.Zglos(trasa.Kolejnosc(), dlugosc, stan[0].warunek ? stan[0].warunek->Sekundy() : 0.0);
        } catch (...) {
            // Only the reader's copy is lost; the search goes on.
        }
        if (koniec.load() || pozostalo == 0) {
            wszystkoKoniec = true;
            return;
        }
        // The old ends join the middle of a stretch: their moves across the
        // old border were out of reach until now.
        for (const Watek& s : stan)
            for (int k = -3; k <= 3; ++k) {
                const int p = ((s.poczatek + k) % n_ + n_) % n_;
                doSprawdzenia[std::size_t(trasa.Miasto(p))] = 1;
            }
        const int przesuniecie = int(losPodzialu() % std::uint64_t(n_));
        for (int w = 0; w < watki; ++w) {
            Watek& s = stan[std::size_t(w)];
            const int od = int(std::int64_t(n_) * w / watki), dokad = int(std::int64_t(n_) * (w + 1) / watki);
            s.poczatek = (przesuniecie + od) % n_;
            s.dlugosc = dokad - od;
            for (int r = 0; r < s.dlugosc; ++r)
                wlasciciel[std::size_t(trasa.Miasto((s.poczatek + r) % n_))] = std::uint8_t(w);
            s.przydzial = plan_.rundWEpoce;
            if (pozostalo >= 0)
                s.przydzial = std::min(s.przydzial, pozostalo / watki + (w < pozostalo % watki ? 1 : 0));
            s.zmiana = 0.0;
            s.rundy = 0;
        }
    };
    nowaEpoka();
    std::barrier bariera(watki, nowaEpoka);

    NaWatkach(watki, [&](int w) {
        WarunekKonca warunek(przerwij, start, ustawienia_.limitSekund, koniec);
        Watek& s = stan[std::size_t(w)];
        s.warunek = &warunek;
        try {
            while (!wszystkoKoniec) {
                s.okno.Fragment(s.poczatek, s.dlugosc, wlasciciel, std::uint8_t(w));
                for (int r = 0; r < s.dlugosc; ++r) {
                    const int c = trasa.Miasto((s.poczatek + r) % n_);
                    if (doSprawdzenia[std::size_t(c)]) {
                        doSprawdzenia[std::size_t(c)] = 0;
                        s.kolejka.Dodaj(c);
                    }
                }
                bool przerwane = false;
                double zmiana = -ZejscieLokalne(d_, sasiedzi_, s.okno, s.kolejka, plan_, false, warunek, przerwane);
                long long r = 0;
                while (!przerwane && r < s.przydzial && !warunek()) {
                    double z = 0.0;
                    bool bezKopniecia = false;
                    if (Runda(s.okno, s.kolejka, s.los, warunek, z, bezKopniecia) || bezKopniecia)
                        break;
                    zmiana += z;
                    ++r;
                    postep_.DodajRundy(1);
                }
                while (!s.kolejka.Pusta())
                    doSprawdzenia[std::size_t(s.kolejka.Wez())] = 1;
                s.zmiana = zmiana;
                s.rundy = r;
                bariera.arrive_and_wait();
            }
        } catch (...) {
            // Let the other threads pass the barrier without this one.
            koniec.store(true);
            bariera.arrive_and_drop();
            s.warunek = nullptr;
            throw;
        }
        if (w == 0)
            sekundy = warunek.Sekundy();
        s.warunek = nullptr;
    });
    Wynik(trasa.Kolejnosc(), sekundy);
}
