// Certificates from the command line: solve writes one for each proven
// route, check verifies it, and what cannot be certified is said.

#include "tests/cli/ProcesCli.h"

#include <QFile>

#include <gtest/gtest.h>

using WedrownikCliCertyfikat = TestCli;

TEST_F(WedrownikCliCertyfikat, ExactWritesACertificateThatCheckAcceptsAndDamageThatCheckNames) {
    // Within the permutation search's reach too: a certificate asks for
    // branch and cut's proof.
    for (const int n : {12, 30}) {
        const QString tsp = plik(QStringLiteral("%1.tsp").arg(n), losoweMiasta(n, 3, 1000));
        const QString tour = katalog_.filePath(QStringLiteral("%1.tour").arg(n));
        const QString cert = katalog_.filePath(QStringLiteral("%1.cert").arg(n));
        const Wynik rozwiazanie =
            uruchom({"solve", tsp, "--method", "exact", "--tour", tour, "--certificate", cert, "--seed", "1"});
        ASSERT_EQ(rozwiazanie.kod, 0) << rozwiazanie.bledy.toStdString();
        const Wynik sprawdzenie = uruchom({"check", tsp, tour, cert});
        EXPECT_EQ(sprawdzenie.kod, 0) << sprawdzenie.wyjscie.toStdString();
        EXPECT_EQ(sprawdzenie.wyjscie, "certificate valid\n");

        QFile plikCertyfikatu(cert);
        ASSERT_TRUE(plikCertyfikatu.open(QIODevice::ReadOnly));
        QByteArray tekst = plikCertyfikatu.readAll();
        EXPECT_TRUE(tekst.contains("\nsection shortest\n") && tekst.contains("\nsection longest\n"));
        const QByteArray dlugosc = "length " + linia(rozwiazanie.wyjscie, "longest").toUtf8() + "\n";
        ASSERT_TRUE(tekst.contains(dlugosc));
        tekst.replace(dlugosc, "length 1\n");
        const Wynik zly = uruchom({"check", tsp, tour, plik(QStringLiteral("zly%1.cert").arg(n), tekst)});
        EXPECT_EQ(zly.kod, 1);
        EXPECT_TRUE(zly.wyjscie.startsWith("certificate invalid: section longest: its route is "))
            << zly.wyjscie.toStdString();
    }
}

TEST_F(WedrownikCliCertyfikat, WhatCannotBeCertifiedIsRefusedOrSaid) {
    const QString tsp = plik("c.tsp", losoweMiasta(20, 5, 1000));
    const QString cert = katalog_.filePath("c.cert");
    const Wynik lokalnie = uruchom({"solve", tsp, "--method", "local", "--certificate", cert});
    EXPECT_EQ(lokalnie.kod, 2);
    EXPECT_TRUE(lokalnie.bledy.contains("only the exact and auto methods prove")) << lokalnie.bledy.toStdString();
    const Wynik siatka = uruchom({"solve", tsp, "--metric", "grid", "--method", "exact", "--certificate", cert});
    EXPECT_EQ(siatka.kod, 2);
    EXPECT_TRUE(siatka.bledy.contains("--metric grid")) << siatka.bledy.toStdString();

    // A proof stopped by its limit long before the end: the route, and no file.
    const QString duzy = plik("d.tsp", losoweMiasta(400, 7, 100000));
    const Wynik przerwany =
        uruchom({"solve", duzy, "--method", "exact", "--time-limit", "0.2", "--certificate", cert, "--seed", "1"});
    EXPECT_EQ(przerwany.kod, 6);
    EXPECT_TRUE(przerwany.bledy.contains("no certificate written: the shortest route: the proof did not finish"))
        << przerwany.bledy.toStdString();
    EXPECT_TRUE(wiersz(przerwany.wyjscie, "route"));
    EXPECT_FALSE(QFile::exists(cert));

    const Wynik brak = uruchom({"check", tsp, katalog_.filePath("x.tour"), cert});
    EXPECT_EQ(brak.kod, 2);
}
