#include "storage/ZapisAtomowy.h"

#include "toolkit/core/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <unistd.h>

namespace {

[[noreturn]] void nieMoznaUtworzyc(const QString& sciezka) {
    throw UserError(QStringLiteral("Cannot create file ")
                    + QDir::toNativeSeparators(QFileInfo(sciezka).absoluteFilePath()));
}

bool dostepny(const QString& sciezka, int tryb) {
    return ::access(QFile::encodeName(sciezka).constData(), tryb) == 0;
}

// The folder the file really lands in: a link's target is replaced, not the
// link.
QString folderCelu(const QFileInfo& cel) {
    return QFileInfo(cel.exists() ? cel.canonicalFilePath() : cel.absoluteFilePath()).absolutePath();
}

// QSaveFile::commit() syncs too, but does not report a sync that failed;
// written data only counts once it has reached the disk. File systems
// without a sync have nothing to lose.
bool zsynchronizowany(const QFileDevice& plik) {
    if (::fsync(plik.handle()) == 0)
        return true;
    return errno == EINVAL || errno == ENOSYS || errno == ENOTSUP;
}

QByteArray zawartosc(const QString& sciezka) {
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        return {};
    return plik.readAll();
}

} // namespace

void ZapiszAtomowo(const QString& sciezka, const QByteArray& dane) {
    const QFileInfo cel(sciezka);
    if (cel.exists() && !cel.isFile())
        nieMoznaUtworzyc(sciezka);
    // Only where no temporary file can be made is the file written in place;
    // a failure there has already cut the old file short, so its bytes are
    // kept to be put back.
    const bool wMiejscu = cel.exists() && !dostepny(folderCelu(cel), W_OK | X_OK);
    const QByteArray stare = wMiejscu ? zawartosc(sciezka) : QByteArray();

    bool zapisany = false;
    {
        QSaveFile plik(sciezka);
        plik.setDirectWriteFallback(true);
        zapisany = plik.open(QIODevice::WriteOnly) && plik.write(dane) == dane.size() && plik.flush()
                   && zsynchronizowany(plik) && plik.commit();
        if (!zapisany)
            plik.cancelWriting();
    }
    if (!zapisany) {
        if (wMiejscu && zawartosc(sciezka) != stare) {
            QFile odtworzony(sciezka);
            if (odtworzony.open(QIODevice::WriteOnly | QIODevice::Truncate))
                odtworzony.write(stare);
        }
        nieMoznaUtworzyc(sciezka);
    }
}

void SprawdzZapis(const QString& sciezka) {
    const QFileInfo cel(sciezka);
    const QString folder = folderCelu(cel);
    const bool mozna = cel.exists() ? cel.isFile() && (dostepny(folder, W_OK | X_OK) || dostepny(sciezka, W_OK))
                                    : QFileInfo(folder).isDir() && dostepny(folder, W_OK | X_OK);
    if (!mozna)
        nieMoznaUtworzyc(sciezka);
}
