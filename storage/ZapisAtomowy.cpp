#include "storage/ZapisAtomowy.h"

#include "toolkit/core/UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

void ZapiszAtomowo(const QString& sciezka, const QByteArray& dane) {
    const QFileInfo cel(sciezka);
    QSaveFile plik(sciezka);
    const bool zapisany = (!cel.exists() || cel.isFile()) && plik.open(QIODevice::WriteOnly)
                          && plik.write(dane) == dane.size() && plik.commit();
    if (!zapisany) {
        plik.cancelWriting();
        throw UserError(QStringLiteral("Cannot create file ") + QDir::toNativeSeparators(cel.absoluteFilePath()));
    }
}
