#pragma once

#include "search/certyfikat/Certyfikat.h"

#include <QString>

#include <memory>

struct WynikSesji;
struct ZestawMiast;

// A session's proven routes as one certificate, for the window and the
// command line alike: a section for each route asked for whose proof was
// recorded, the shortest's first (check compares the .tour file with the
// first), under the instance's name and the checksum of its weights.
struct CertyfikatSesji {
    // None when no route asked for has a recorded proof.
    std::shared_ptr<const Certyfikat> certyfikat;
    // In English: why there is none, or which route it leaves out and why.
    QString brak;
};

CertyfikatSesji ZlozCertyfikat(const WynikSesji& wynik, const ZestawMiast& miasta, const QString& nazwa);
