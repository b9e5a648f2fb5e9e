// The file's own metric needs neither a grid nor, for a length, a table.

#include "storage/PlikTsp.h"
#include "tests/cli/ProcesCli.h"
#include "tests/support/TestHelpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>


TEST(WedrownikCliMetrykaPliku, LengthOfAMillionCitiesFitsInLittleMemoryWhereTheirTableWouldTakeTerabytes) {
    // Cities 1 apart on a line, there and back: 2 (n - 1).
    const int n = PlikTsp::MaksLiczbaMiast;
    QByteArray miasta = "NAME: linia\nTYPE: TSP\nEDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n";
    QByteArray trasa = "TOUR_SECTION\n";
    for (int k = 0; k < n; ++k) {
        miasta += QByteArray::number(k + 1) + ' ' + QByteArray::number(k) + " 0\n";
        trasa += QByteArray::number(k + 1) + '\n';
    }
    QTemporaryDir katalog;
    const QString tsp = writeFile(katalog.filePath("linia.tsp"), miasta);
    const QString tour = writeFile(katalog.filePath("linia.tour"), trasa + "-1\n");

    const Wynik w = uruchom({"length", tsp, tour}, {}, ograniczPamiec(512));
    EXPECT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_EQ(w.wyjscie, QStringLiteral("cities %1\nlength %2\n").arg(n).arg(2 * (n - 1)));

    const Wynik rozwiaz = uruchom({"solve", tsp, "--method", "genetic"});
    EXPECT_EQ(rozwiaz.kod, 2);
    EXPECT_EQ(rozwiaz.bledy,
              "--method genetic: a table of 1048576 x 1048576 distances (4096.0 GiB) does not fit in memory\n");
}
