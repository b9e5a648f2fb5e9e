#include "storage/CzytnikLinii.h"

#include "toolkit/core/UserError.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr std::size_t kKawalek = std::size_t(1) << 16;

} // namespace

CzytnikLinii::CzytnikLinii(Zrodlo zrodlo, const QString& nazwa, std::function<void()> kontrola)
    : zrodlo_(std::move(zrodlo)), nazwa_(nazwa), kontrola_(std::move(kontrola)) {}

CzytnikLinii::Zrodlo CzytnikLinii::ZUrzadzenia(QIODevice& urzadzenie) {
    return [&urzadzenie](char* dokad, std::int64_t ile) { return std::int64_t(urzadzenie.read(dokad, ile)); };
}

CzytnikLinii::Zrodlo CzytnikLinii::ZBajtow(QByteArrayView bajty) {
    return [bajty, pozycja = qsizetype(0)](char* dokad, std::int64_t ile) mutable {
        const qsizetype ile_ = std::min<qsizetype>(qsizetype(ile), bajty.size() - pozycja);
        std::memcpy(dokad, bajty.data() + pozycja, std::size_t(ile_));
        pozycja += ile_;
        return std::int64_t(ile_);
    };
}

void CzytnikLinii::SprawdzRozmiar(std::int64_t bajty, const QString& nazwa) {
    if (bajty > MaksRozmiar)
        throw UserError(nazwa + BilingualText{QStringLiteral(": plik jest większy niż %1 MiB"),
                                              QStringLiteral(": file larger than %1 MiB")}
                                    .arg(MaksRozmiar >> 20));
}

void CzytnikLinii::BladW(int linia, const BilingualText& co) const {
    throw UserError(nazwa_ + QLatin1Char(':') + QString::number(linia) + QStringLiteral(": ") + co);
}

bool CzytnikLinii::doczytaj() {
    if (naKoncu_)
        return false;
    if (poczatek_ > 0) {
        std::memmove(bufor_.data(), bufor_.data() + poczatek_, koniec_ - poczatek_);
        koniec_ -= poczatek_;
        poczatek_ = 0;
    }
    if (bufor_.size() < koniec_ + kKawalek)
        bufor_.resize(koniec_ + kKawalek);
    const std::int64_t ile = zrodlo_(bufor_.data() + koniec_, std::int64_t(kKawalek));
    if (ile < 0)
        throw UserError(QStringLiteral("Cannot open file ") + nazwa_);
    if (ile == 0) {
        naKoncu_ = true;
        return false;
    }
    koniec_ += std::size_t(ile);
    przeczytane_ += ile;
    SprawdzRozmiar(przeczytane_, nazwa_);
    return true;
}

bool CzytnikLinii::Nastepna(QByteArrayView& linia) {
    if (naPoczatku_) {
        naPoczatku_ = false;
        while (koniec_ - poczatek_ < 3 && doczytaj()) {
        }
        if (koniec_ - poczatek_ >= 3 && std::memcmp(bufor_.data() + poczatek_, "\xEF\xBB\xBF", 3) == 0)
            poczatek_ += 3;
    }
    if (std::exchange(poCR_, false) && (poczatek_ < koniec_ || doczytaj()) && bufor_[poczatek_] == '\n')
        ++poczatek_;

    std::size_t przeszukane = 0;  // bytes after poczatek_ known to hold no line end
    for (;;) {
        const char* od = bufor_.data() + poczatek_;
        const char* const konczy = bufor_.data() + koniec_;
        const char* znak = std::find_if(od + przeszukane, konczy, [](char c) { return c == '\n' || c == '\r'; });
        if (znak != konczy) {
            linia = QByteArrayView(od, znak - od).trimmed();
            poCR_ = *znak == '\r';
            poczatek_ = std::size_t(znak - bufor_.data()) + 1;
            break;
        }
        przeszukane = koniec_ - poczatek_;
        if (std::int64_t(przeszukane) > MaksDlugoscLinii)
            BladW(numer_ + 1, BilingualText{QStringLiteral("linia dłuższa niż %1 MiB"),
                                            QStringLiteral("line longer than %1 MiB")}
                                  .arg(MaksDlugoscLinii >> 20));
        if (!doczytaj()) {
            if (poczatek_ == koniec_)
                return false;
            linia = QByteArrayView(bufor_.data() + poczatek_, koniec_ - poczatek_).trimmed();
            poczatek_ = koniec_;
            break;
        }
    }
    if (kontrola_ && numer_ % 4096 == 0)
        kontrola_();
    ++numer_;
    return true;
}
