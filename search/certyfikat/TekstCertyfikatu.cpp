#include "search/certyfikat/TekstCertyfikatu.h"

namespace {

class Wiersze {
public:
    QByteArray& tekst() { return t_; }
    Wiersze& operator<<(const char* s) {
        t_.append(s);
        return *this;
    }
    Wiersze& operator<<(long long x) {
        spacja();
        t_.append(QByteArray::number(x));
        return *this;
    }
    Wiersze& liczba(Int128 x) {
        spacja();
        t_.append(Tekst128(x));
        return *this;
    }
    void zbior(const ZbiorPozycji& z) {
        *this << (long long)z.size();
        for (const Przedzial& p : z)
            *this << p.od << p.doKonca;
    }
    void koniec() { t_.append('\n'); }

private:
    void spacja() {
        if (!t_.isEmpty() && t_.back() != '\n')
            t_.append(' ');
    }
    QByteArray t_;
};

const char* nazwaCiecia(CiecieCertyfikatu::Rodzaj r) {
    switch (r) {
    case CiecieCertyfikatu::Rodzaj::Podcykl: return " subtour";
    case CiecieCertyfikatu::Rodzaj::Kwiat: return " blossom";
    case CiecieCertyfikatu::Rodzaj::Grzebien: return " comb";
    }
    return "";
}

void ciecie(Wiersze& w, int id, const CiecieCertyfikatu& c) {
    w << "cut" << id << nazwaCiecia(c.rodzaj);
    if (c.rodzaj == CiecieCertyfikatu::Rodzaj::Grzebien)
        w << (long long)c.zbiory.size() - 1;
    for (const ZbiorPozycji& z : c.zbiory)
        w.zbior(z);
    if (c.rodzaj == CiecieCertyfikatu::Rodzaj::Kwiat) {
        w << (long long)c.krawedzie.size();
        for (const auto& [u, v] : c.krawedzie)
            w << u << v;
    }
    w.koniec();
}

void dualne(Wiersze& w, int id, const DualneCertyfikatu& d) {
    w << "duals" << id;
    w.koniec();
    w << "y";
    for (const Int128 y : d.y)
        w.liczba(y);
    w.koniec();
    w << "mu" << (long long)d.mu.size();
    for (const auto& [c, mu] : d.mu) {
        w << c;
        w.liczba(mu);
    }
    w.koniec();
}

void wezel(Wiersze& w, int id, const WezelCertyfikatu& x) {
    switch (x.rodzaj) {
    case WezelCertyfikatu::Rodzaj::Brak:
        return;
    case WezelCertyfikatu::Rodzaj::Rozgalezienie:
        w << "node" << id << " branch" << x.u << x.v << x.zero << x.jeden;
        break;
    case WezelCertyfikatu::Rodzaj::Granica:
        w << "node" << id << " bound" << x.dualne;
        break;
    case WezelCertyfikatu::Rodzaj::Promien:
        w << "node" << id << " ray" << x.dualne;
        break;
    }
    w.koniec();
}

void sekcja(Wiersze& w, const SekcjaCertyfikatu& s) {
    w << "section" << (s.cel == CelCertyfikatu::Najkrotsza ? " shortest" : " longest");
    w.koniec();
    w << "length" << (long long)s.dlugosc;
    w.koniec();
    w << "scale";
    w.liczba(s.skala);
    w.koniec();
    w << "tour";
    for (const int c : s.trasa)
        w << c;
    w.koniec();
    for (std::size_t i = 0; i < s.ciecia.size(); ++i)
        ciecie(w, int(i), s.ciecia[i]);
    for (std::size_t i = 0; i < s.dualne.size(); ++i)
        dualne(w, int(i), s.dualne[i]);
    for (std::size_t i = 0; i < s.wezly.size(); ++i)
        wezel(w, int(i), s.wezly[i]);
    for (std::size_t i = 0; i < s.wezly.size(); ++i)
        if (s.wezly[i].eliminacja >= 0) {
            w << "eliminate" << (long long)i << s.wezly[i].eliminacja;
            w.koniec();
        }
    w << "end";
    w.koniec();
}

} // namespace

QByteArray TekstCertyfikatu(const Certyfikat& c) {
    Wiersze w;
    w << "wedrownik-certificate" << Certyfikat::kWersja;
    w.koniec();
    w << "instance" << c.miasta;
    w.tekst().append(' ');
    w.tekst().append(QByteArray::number(qulonglong(c.suma), 16).rightJustified(16, '0'));
    if (!c.nazwa.isEmpty()) {
        w.tekst().append(' ');
        w.tekst().append(c.nazwa.toUtf8());
    }
    w.koniec();
    for (const SekcjaCertyfikatu& s : c.sekcje)
        sekcja(w, s);
    return w.tekst();
}
