#pragma once

#include "search/certyfikat/Certyfikat.h"

#include <QByteArray>
#include <QString>

// Reads a certificate's text (TekstCertyfikatu's form). Raises UserError
// "NAME:LINE: what is wrong" for text that is not one; whether what it
// says holds is SprawdzCertyfikat's to say.
Certyfikat CzytajCertyfikat(const QByteArray& tekst, const QString& nazwa);

// Reads the file at sciezka; "Cannot open file FILE" when it cannot.
Certyfikat WczytajCertyfikat(const QString& sciezka);
