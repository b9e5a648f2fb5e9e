#include "cli/WejscieCli.h"

#include "cli/WyjatkiCli.h"
#include "storage/PlikTsp.h"
#include "toolkit/core/UserError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <poll.h>
#include <unistd.h>

namespace {

// Qt's own reads retry on EINTR, so a read that waits on a pipe would not end
// on Ctrl+C: the descriptor is polled with a timeout and read only when it
// has something.
CzytnikLinii::Zrodlo zDeskryptora(int deskryptor, const std::atomic<bool>& przerwano) {
    return [deskryptor, &przerwano](char* dokad, std::int64_t ile) -> std::int64_t {
        for (;;) {
            if (przerwano.load())
                throw PrzerwanoBezTrasy{};
            pollfd gotowosc{deskryptor, POLLIN, 0};
            const int gotowe = ::poll(&gotowosc, 1, 100);
            if (gotowe == 0 || (gotowe < 0 && errno == EINTR))
                continue;
            if (gotowe < 0)
                return -1;
            const ssize_t przeczytane = ::read(deskryptor, dokad, std::size_t(ile));
            if (przeczytane >= 0)
                return przeczytane;
            if (errno != EINTR && errno != EAGAIN)
                return -1;
        }
    };
}

} // namespace

InstancjaTsp WczytajWejscie(const QString& plik, const std::atomic<bool>& przerwano) {
    const auto kontrola = [&] {
        if (przerwano.load())
            throw PrzerwanoBezTrasy{};
    };
    if (plik == QStringLiteral("-"))
        return PlikTsp::CzytajInstancje(zDeskryptora(STDIN_FILENO, przerwano), plik, kontrola);
    QFile wejscie(plik);
    // Only a regular file: a named pipe is no file of cities.
    if (!QFileInfo(plik).isFile() || !wejscie.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw UserError(QStringLiteral("Cannot open file ") + plik);
    CzytnikLinii::SprawdzRozmiar(wejscie.size(), plik);
    return PlikTsp::CzytajInstancje(zDeskryptora(wejscie.handle(), przerwano), plik, kontrola);
}
