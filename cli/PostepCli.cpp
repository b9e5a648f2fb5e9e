#include "cli/PostepCli.h"

#include "search/sesja/MigawkaSesji.h"

#include <cmath>

namespace {

struct Linia {
    bool calkowita;

    QString dlugosc(double x) const { return QString::number(x, 'f', calkowita ? 0 : 4); }

    std::optional<QString> operator()(std::monostate) const { return std::nullopt; }
    std::optional<QString> operator()(const MigawkaPermutacji& p) const {
        if (!p.procent)
            return std::nullopt;
        return QString::number(*p.procent) + QStringLiteral(" %");
    }
    std::optional<QString> operator()(const MigawkaLosowania& l) const {
        return QString::number(l.wylosowane) + QStringLiteral(" of ") + QString::number(l.wszystkie)
               + QStringLiteral(" routes");
    }
    std::optional<QString> operator()(const MigawkaGenetyki& g) const {
        if (!g.stan)
            return std::nullopt;
        // The first state is the initial population's: generation 0.
        return QStringLiteral("generation ") + QString::number(g.stan->Zbieznosc.IlePokolen() - 1)
               + QStringLiteral(" of ") + QString::number(g.stan->IlePokolen);
    }
    std::optional<QString> operator()(const MigawkaLokalna& l) const {
        if (!std::isfinite(l.najlepsza))
            return std::nullopt;
        return QStringLiteral("round ") + QString::number(l.rundy) + QStringLiteral(", best ") + dlugosc(l.najlepsza);
    }
    std::optional<QString> operator()(const MigawkaDowodu& d) const {
        const bool najkrotsza = d.biezacy == CelDowodu::Najkrotsza;
        const MigawkaCeluDowodu& c = d.Cel(d.biezacy);
        if (std::isnan(c.dlugosc))
            return std::nullopt;
        QString linia = (najkrotsza ? QStringLiteral("shortest ") : QStringLiteral("longest ")) + dlugosc(c.dlugosc);
        if (!std::isnan(c.granica))
            linia += (najkrotsza ? QStringLiteral(", at least ") : QStringLiteral(", at most ")) + dlugosc(c.granica);
        return linia + QStringLiteral(", nodes ") + QString::number(c.wezly);
    }
};

} // namespace

std::optional<QString> LiniaPostepu(const MigawkaSesji& m, bool calkowita) {
    if (m.liczyGranice)
        return QStringLiteral("lower bound");
    if (m.procentBudowy)
        return QStringLiteral("distances ") + QString::number(*m.procentBudowy) + QStringLiteral(" %");
    return std::visit(Linia{calkowita}, m.metoda);
}
