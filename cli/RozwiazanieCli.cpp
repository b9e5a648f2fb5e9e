#include "cli/RozwiazanieCli.h"

#include "grid/CPunkty.h"
#include "search/CGenetyk.h"
#include "search/PokrycieTras.h"
#include "search/TObliczThread.h"
#include "storage/PlikTsp.h"
#include "toolkit/core/HoldableThread.h"
#include "toolkit/core/UserError.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

MapaTsp wczytaj(const QString& plik) {
    if (plik == QStringLiteral("-")) {
        QFile wejscie;
        if (!wejscie.open(stdin, QIODevice::ReadOnly))
            throw UserError(QStringLiteral("Cannot open file -"));
        return PlikTsp::WczytajTsp(wejscie, plik);
    }
    return PlikTsp::WczytajTsp(plik);
}

QString dziesietnie(Liczba128 x) {
    QString cyfry;
    do {
        cyfry.prepend(QChar('0' + int(x % 10)));
        x /= 10;
    } while (x != 0);
    return cyfry;
}

// Polls the interruption flag and the progress every 100 ms until the
// worker's body has ended; the loop also serves the worker's synchronous
// calls onto this thread.
void czekaj(HoldableThread& watek, const std::atomic<bool>& przerwano, const std::function<void()>& pokaz) {
    QEventLoop petla;
    QTimer zegar;
    QObject::connect(&watek, &QThread::finished, &petla, &QEventLoop::quit);
    QObject::connect(&zegar, &QTimer::timeout, &petla, [&] {
        if (przerwano.load())
            watek.requestFinish();
        if (pokaz)
            pokaz();
        if (watek.hasEnded())
            petla.quit();
    });
    zegar.start(100);
    watek.release();
    if (!watek.hasEnded())
        petla.exec();
    watek.waitForEnd();
}

} // namespace

QByteArray RozwiazanieCli::Uruchom(const std::atomic<bool>& przerwano,
                                   const std::function<void(const QString&)>& postep, bool& przerwany) {
    const MapaTsp mapa = wczytaj(zadanie_.plik);
    // Numbered as the window numbers marked cells, row by row, so that the
    // lengths are the ones it shows for the same cells.
    std::vector<MiastoTsp> miasta = mapa.Miasta;
    std::sort(miasta.begin(), miasta.end(), [](const MiastoTsp& a, const MiastoTsp& b) {
        return a.Wiersz != b.Wiersz ? a.Wiersz < b.Wiersz : a.Kolumna < b.Kolumna;
    });
    CPunkty punkty;
    for (const MiastoTsp& m : miasta)
        punkty.Add(TPunkt{m.Kolumna, m.Wiersz});
    const OdleglosciSlot odleglosci = punkty.CreateOdleglosci();
    const int n = punkty.Count();

    QElapsedTimer zegar;
    zegar.start();
    std::vector<int> trasa;
    double najkrotsza = 0.0;
    std::optional<double> najdluzsza;
    QString trasy;
    przerwany = false;

    if (zadanie_.metoda == ZadanieCli::Metoda::Genetyczna) {
        CGenetyk genetyk;
        genetyk.Odleglosci = &odleglosci;
        try {
            genetyk.UstawRozmiar(zadanie_.populacja, n);
        } catch (const std::bad_alloc&) {
            throw UserError(QStringLiteral("--population %1: too large for memory").arg(zadanie_.populacja));
        }
        genetyk.PKrzyzowania = zadanie_.krzyzowanie;
        genetyk.PMutacji = zadanie_.mutacja;
        genetyk.IlePokolen = zadanie_.pokolenia;
        genetyk.Ziarno = zadanie_.ziarno;
        czekaj(genetyk, przerwano, [&] {
            if (postep) {
                genetyk.NowyStan();
                const int pokolenie = genetyk.OdebranyStan().NrPokolenia;
                postep(QStringLiteral("generation %1 of %2").arg(pokolenie).arg(genetyk.IlePokolen));
            }
        });
        trasa = genetyk.Najlepszy().Geny;
        najkrotsza = genetyk.Najlepszy().Droga;
        przerwany = genetyk.finishRequested();
        trasy = QString::number(qint64(genetyk.NrPokolenia() + 1) * zadanie_.populacja);
    } else {
        TObliczThread watek;
        watek.Odleglosci = &odleglosci;
        watek.IloscMiast = n;
        const bool dokladna = zadanie_.metoda == ZadanieCli::Metoda::Dokladna;
        if (!dokladna) {
            watek.IleLosowan = zadanie_.losowania;
            watek.Ziarno = zadanie_.ziarno;
        }
        watek.Tryb = dokladna ? 1 : 2;
        czekaj(watek, przerwano, [&] {
            if (!postep)
                return;
            if (!dokladna)
                postep(QStringLiteral("%1 of %2 routes").arg(watek.NrLosowania.load()).arg(watek.IleLosowan));
            else if (watek.ProcentPokrycia.load() >= 0)
                postep(QStringLiteral("%1 %").arg(watek.ProcentPokrycia.load()));
            else if (watek.IlePermutacji.load() > 0)
                postep(QStringLiteral("%1 %").arg(
                    quint64(watek.NrPermutacji.load()) * 100 / watek.IlePermutacji.load()));
        });
        trasa = watek.NajlepszaTrasa;
        najkrotsza = watek.NajkrotszaDroga;
        przerwany = watek.finishRequested();
        if (dokladna) {
            najdluzsza = watek.NajdluzszaDroga;
            if (!przerwany)
                trasy = dziesietnie(PokrycieTras::Silnia(n - 1));
        } else {
            trasy = QString::number(qint64(watek.NrLosowania.load()) + 1);
        }
    }
    const double sekundy = double(zegar.nsecsElapsed()) * 1e-9;

    std::vector<int> ids;
    for (int miasto : trasa)
        if (miasto >= 0 && miasto < n)
            ids.push_back(miasta[std::size_t(miasto)].Id);
    if (!zadanie_.tour.isEmpty() && int(ids.size()) == n)
        PlikTsp::ZapiszTour(zadanie_.tour, ids, najkrotsza);

    const QString metoda = ZadanieCli::NazwaMetody(zadanie_.metoda);
    if (zadanie_.json) {
        QJsonObject wynik;
        wynik[QStringLiteral("method")] = metoda;
        wynik[QStringLiteral("cities")] = n;
        wynik[QStringLiteral("shortest")] = najkrotsza;
        if (najdluzsza)
            wynik[QStringLiteral("longest")] = *najdluzsza;
        QJsonArray lista;
        for (int id : ids)
            lista.append(id);
        wynik[QStringLiteral("route")] = lista;
        wynik[QStringLiteral("seconds")] = sekundy;
        if (!trasy.isEmpty())
            wynik[QStringLiteral("routes")] = trasy.toDouble();
        wynik[QStringLiteral("finished")] = !przerwany;
        return QJsonDocument(wynik).toJson(QJsonDocument::Compact) + '\n';
    }
    QString tekst = QStringLiteral("method %1\ncities %2\nshortest %3\n").arg(metoda).arg(n).arg(najkrotsza, 0, 'f', 4);
    if (najdluzsza)
        tekst += QStringLiteral("longest %1\n").arg(*najdluzsza, 0, 'f', 4);
    tekst += QStringLiteral("route");
    for (int id : ids)
        tekst += QStringLiteral(" %1").arg(id);
    tekst += QStringLiteral("\nseconds %1\n").arg(sekundy, 0, 'f', 3);
    if (!trasy.isEmpty())
        tekst += QStringLiteral("routes %1\n").arg(trasy);
    if (przerwany)
        tekst += QStringLiteral("finished early\n");
    return tekst.toUtf8();
}
