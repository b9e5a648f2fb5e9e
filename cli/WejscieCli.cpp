#include "cli/WejscieCli.h"

#include "cli/WyjatkiCli.h"
#include "toolkit/core/UserError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <poll.h>
#include <unistd.h>

namespace {

// Qt's own reads retry on EINTR, so a read that waits on a pipe would not end
// on Ctrl+C: the descriptor is polled with a timeout and read only when it
// has something.
QByteArray czytaj(int deskryptor, const QString& nazwa, const std::atomic<bool>& przerwano) {
    constexpr qsizetype kKawalek = qsizetype(1) << 16;
    QByteArray dane;
    // One byte past the bound is enough for PlikTsp to refuse the input.
    while (dane.size() <= PlikTsp::MaksRozmiarPliku) {
        if (przerwano.load())
            throw PrzerwanoBezTrasy{};
        pollfd gotowosc{deskryptor, POLLIN, 0};
        const int ile = ::poll(&gotowosc, 1, 100);
        if (ile == 0 || (ile < 0 && errno == EINTR))
            continue;
        if (ile < 0)
            throw UserError(QStringLiteral("Cannot open file ") + nazwa);
        const qsizetype byloJuz = dane.size();
        dane.resize(byloJuz + kKawalek);
        const ssize_t przeczytane = ::read(deskryptor, dane.data() + byloJuz, std::size_t(kKawalek));
        dane.resize(byloJuz + (przeczytane > 0 ? przeczytane : 0));
        if (przeczytane == 0)
            break;
        if (przeczytane < 0 && errno != EINTR && errno != EAGAIN)
            throw UserError(QStringLiteral("Cannot open file ") + nazwa);
    }
    return dane;
}

} // namespace

MapaTsp WczytajWejscie(const QString& plik, const std::atomic<bool>& przerwano) {
    QByteArray dane;
    if (plik == QStringLiteral("-")) {
        dane = czytaj(STDIN_FILENO, plik, przerwano);
    } else {
        QFile wejscie(plik);
        // Only a regular file: a named pipe is no file of cities.
        if (!QFileInfo(plik).isFile() || !wejscie.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            throw UserError(QStringLiteral("Cannot open file ") + plik);
        dane = czytaj(wejscie.handle(), plik, przerwano);
    }
    QBuffer bufor(&dane);
    bufor.open(QIODevice::ReadOnly);
    return PlikTsp::WczytajTsp(bufor, plik, [&] {
        if (przerwano.load())
            throw PrzerwanoBezTrasy{};
    });
}
