#include "grid/CMatryca.h"
#include "storage/CPamiec.h"
#include "toolkit/core/UserError.h"
#include "tests/support/TestHelpers.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <random>

#include <gtest/gtest.h>

namespace {

// The initial settings record: nine integers and five texts.
QByteArray rekordPoczatkowy() {
    CPamiec pamiec;
    for (int v : {0xFFFFFF, 0, 0xC0C0C0, 0x008000, 10, 1, 2, 25, 25})
        pamiec.WriteInt(v);
    for (const char* tekst : {"1000", "1000", "100", "0,3", "0,1"})
        pamiec.WriteString(QString::fromLatin1(tekst));
    return QByteArray(reinterpret_cast<const char*>(pamiec.Memory()), pamiec.Position());
}

class Generator {
public:
    explicit Generator(std::uint32_t ziarno) : los_(ziarno) {}

    int do_(int n) { return std::uniform_int_distribution<int>(0, n - 1)(los_); }
    char bajt() { return char(do_(256)); }

    QByteArray losowe(int dlugosc) {
        QByteArray wynik(dlugosc, 0);
        for (char& c : wynik)
            c = bajt();
        return wynik;
    }

    // Small counts and sizes, the edges of the 32-bit range, or anything.
    std::int32_t ciekawaLiczba() {
        static const std::int32_t brzegi[] = {0, 1, -1, 2, 3, 25, 30, 100, 2000, 8192, 65536, 100000,
                                              INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1, 1 << 26};
        switch (do_(3)) {
        case 0:
            return brzegi[do_(int(std::size(brzegi)))];
        case 1:
            return do_(61) - 30;
        default:
            return static_cast<std::int32_t>(los_());
        }
    }

    QByteArray mutacja(QByteArray rekord) {
        switch (do_(6)) {
        case 0: {  // a few bytes changed
            const int ile = 1 + do_(4);
            for (int k = 0; k < ile && !rekord.isEmpty(); ++k)
                rekord[do_(int(rekord.size()))] = bajt();
            break;
        }
        case 1:  // cut short
            rekord.truncate(do_(int(rekord.size()) + 1));
            break;
        case 2:  // extra bytes
            rekord += losowe(do_(40));
            break;
        case 3: {  // one of the nine integers replaced
            const int pole = do_(9);
            const std::uint32_t v = static_cast<std::uint32_t>(ciekawaLiczba());
            if (rekord.size() < pole * 4 + 4)
                rekord.resize(pole * 4 + 4, char(0));
            for (int k = 0; k < 4; ++k)
                rekord[pole * 4 + k] = char((v >> (8 * k)) & 0xFF);
            break;
        }
        case 4:  // the zero bytes of the texts removed
            rekord.replace(char(0), QByteArray("x"));
            break;
        default:  // nothing but noise
            rekord = losowe(do_(80));
            break;
        }
        return rekord;
    }

private:
    std::mt19937 los_;
};

} // namespace

TEST(WczytywanieLosowychPlikow, NoFileCrashesHangsOrReadsOutsideItsBuffer) {
    QTemporaryDir katalog;
    ASSERT_TRUE(katalog.isValid());
    const QString sciezka = katalog.filePath("Config.cfg");
    const QByteArray wzor = rekordPoczatkowy();
    Generator gen(20261207);

    int wczytane = 0;
    int odrzucone = 0;
    int bledy = 0;
    auto siatka = std::make_unique<CMatryca>();
    QImage obraz(48, 48, QImage::Format_RGB32);

    for (int proba = 0; proba < 4000; ++proba) {
        if (proba % 200 == 0)
            siatka = std::make_unique<CMatryca>();

        QByteArray rekord = gen.mutacja(wzor);
        if (gen.do_(3) != 0)
            rekord = gen.mutacja(rekord);
        // Most files get a matching checksum, so that their values are applied.
        QByteArray plik = gen.do_(5) != 0 ? withChecksum(rekord) : rekord;
        if (gen.do_(20) == 0)
            plik = plik.left(gen.do_(5));
        {
            QFile f(sciezka);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ASSERT_EQ(f.write(plik), plik.size());
        }

        CPamiec pamiec;
        if (!pamiec.LoadFromFile(sciezka)) {
            ++odrzucone;
            continue;
        }
        ++wczytane;
        try {
            siatka->LoadFromCPamiec(&pamiec);
        } catch (const UserError& e) {
            // Only grids too large for memory are refused.
            ASSERT_TRUE(e.message().startsWith(QStringLiteral("Zbyt duża matryca miast: "))) << e.what();
            ++bledy;
        }
        for (int k = 0; k < 5; ++k) {
            const QString tekst = pamiec.ReadString();
            ASSERT_LE(tekst.size(), plik.size());
        }
        ASSERT_LE(pamiec.Position(), pamiec.Size());

        // The loaded settings must also paint and take presses.
        if (siatka->GetPointCount() == 0 && gen.do_(2) == 0)
            siatka->Losuj(std::min<std::int64_t>(5, std::int64_t(siatka->GetRowCount()) * siatka->GetColumnCount()));
        CPunktyNowe trasa;
        for (int k = 0; k < 4; ++k)
            trasa.Add({gen.do_(siatka->GetColumnCount() + 1), gen.do_(siatka->GetRowCount() + 1)});
        siatka->SetBestPunkty(&trasa);
        QPainter painter(&obraz);
        siatka->PaintTo(painter, obraz.rect());
        painter.end();
        for (int k = 0; k < 3; ++k)
            siatka->MouseDown(Qt::LeftButton, {}, gen.do_(200) - 20, gen.do_(200) - 20);
        ASSERT_GE(siatka->GetPointCount(), 0);
    }

    EXPECT_GT(wczytane, 2000);
    EXPECT_GT(odrzucone, 200);
    EXPECT_GT(bledy, 10);
}
