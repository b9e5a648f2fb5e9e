#pragma once

#include "search/certyfikat/Certyfikat.h"

#include <QByteArray>

// The certificate as text, one record a line (see README.md, "Certificates
// of optimality"); CzytajCertyfikat reads it back to an equal one.
QByteArray TekstCertyfikatu(const Certyfikat& c);
