#include "app/PlikiMatrycy.h"

#include "grid/CMatryca.h"
#include "search/CPunkty.h"
#include "storage/PlikTsp.h"
#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/Handler.h"

#include <QBuffer>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <numeric>
#include <unordered_map>

namespace {

QString tekstZbytDuzego(std::int64_t szerokosc, std::int64_t wysokosc, double skala) {
    return QStringLiteral("Obraz matrycy %1 byłby zbyt duży: %2 X %3 pikseli")
        .arg(skala == 1.0 ? QStringLiteral("w rzeczywistym rozmiarze") : QStringLiteral("w tym powiększeniu"))
        .arg(szerokosc)
        .arg(wysokosc);
}

std::uint64_t klucz(TPunkt p) { return (std::uint64_t(std::uint32_t(p.y)) << 32) | std::uint32_t(p.x); }

[[noreturn]] void nieMoznaUtworzyc(const QString& sciezka) {
    throw UserError(QStringLiteral("Cannot create file ")
                    + QDir::toNativeSeparators(QFileInfo(sciezka).absoluteFilePath()));
}

// The first local .tsp file among the dragged ones.
QString plikTsp(const QMimeData* dane) {
    if (!dane || !dane->hasUrls())
        return QString();
    for (const QUrl& adres : dane->urls())
        if (adres.isLocalFile() && adres.toLocalFile().endsWith(QStringLiteral(".tsp"), Qt::CaseInsensitive))
            return adres.toLocalFile();
    return QString();
}

} // namespace

PlikiMatrycy::PlikiMatrycy(CMatryca& matryca, QWidget& okno) : QObject(&okno), matryca_(matryca), okno_(okno) {
    folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder_.isEmpty() || !QFileInfo(folder_).isDir())
        folder_ = QDir::homePath();
    okno_.setAcceptDrops(true);
    okno_.installEventFilter(this);
}

void PlikiMatrycy::Otworz(const QString& sciezka) {
    const MapaTsp mapa = PlikTsp::WczytajTsp(sciezka);
    // What the file itself needs is checked first, so that a refusal names
    // that size and not one grown from the grid's other count.
    CMatryca::SprawdzRozmiar(mapa.RowCount, mapa.ColumnCount);
    int wiersze = mapa.RowCount;
    int kolumny = mapa.ColumnCount;
    if (!mapa.SiatkaZPliku) {
        const int wiecejWierszy = std::max(wiersze, matryca_.GetRowCount());
        const int wiecejKolumn = std::max(kolumny, matryca_.GetColumnCount());
        if (std::int64_t(wiecejWierszy) * wiecejKolumn <= CMatryca::MaksLiczbaKomorek) {
            wiersze = wiecejWierszy;
            kolumny = wiecejKolumn;
        }
    }

    auto komorki = std::make_unique<bool[]>(std::size_t(wiersze) * std::size_t(kolumny));
    for (const MiastoTsp& m : mapa.Miasta)
        komorki[std::size_t(m.Wiersz) * std::size_t(kolumny) + std::size_t(m.Kolumna)] = true;
    // The file's ids in the grid's numbering, kept only when they are 1..n
    // each once, as TSPLIB's are: any others could not be written back.
    std::vector<MiastoTsp> poWierszach = mapa.Miasta;
    std::sort(poWierszach.begin(), poWierszach.end(), [](const MiastoTsp& a, const MiastoTsp& b) {
        return std::pair(a.Wiersz, a.Kolumna) < std::pair(b.Wiersz, b.Kolumna);
    });
    std::vector<int> idy;
    std::vector<bool> uzyte(poWierszach.size() + 1, false);
    for (const MiastoTsp& m : poWierszach) {
        if (m.Id < 1 || std::size_t(m.Id) > poWierszach.size() || uzyte[std::size_t(m.Id)]) {
            idy.clear();
            break;
        }
        uzyte[std::size_t(m.Id)] = true;
        idy.push_back(m.Id);
    }

    matryca_.UstawWymiary(wiersze, kolumny);
    matryca_.LoadFromWektor(komorki.get(), wiersze * kolumny);
    idyPliku_ = std::move(idy);
    wersjaPliku_ = matryca_.WersjaMiast();
    emit Otwarty();
}

std::vector<int> PlikiMatrycy::IdyMiast(const CPunkty& miasta) const {
    if (matryca_.WersjaMiast() == wersjaPliku_ && idyPliku_.size() == std::size_t(miasta.Count()))
        return idyPliku_;
    std::vector<int> idy(std::size_t(miasta.Count()));
    std::iota(idy.begin(), idy.end(), 1);
    return idy;
}

void PlikiMatrycy::SprawdzMiastaDoZapisu() const {
    const int miasta = matryca_.GetPointCount();
    if (miasta < 2)
        throw UserError(QStringLiteral("Za mało miast do zapisania: %1 (potrzeba co najmniej dwóch)").arg(miasta));
}

void PlikiMatrycy::ZapiszJako(const QString& sciezka) const {
    SprawdzMiastaDoZapisu();
    CPunkty miasta;
    miasta.LoadFromCMatryca(&matryca_);
    const std::vector<int> idy = IdyMiast(miasta);
    MapaTsp mapa;
    mapa.RowCount = matryca_.GetRowCount();
    mapa.ColumnCount = matryca_.GetColumnCount();
    for (int k = 0; k < miasta.Count(); ++k)
        mapa.Miasta.push_back({idy[std::size_t(k)], miasta.Punkty[std::size_t(k)].y, miasta.Punkty[std::size_t(k)].x});
    std::sort(mapa.Miasta.begin(), mapa.Miasta.end(),
              [](const MiastoTsp& a, const MiastoTsp& b) { return a.Id < b.Id; });
    PlikTsp::ZapiszTsp(sciezka, mapa);
}

void PlikiMatrycy::SprawdzTrase() const {
    if (matryca_.GetBestPunkty()->Count() == 0)
        throw UserError(QStringLiteral("Brak trasy do zapisania."));
}

void PlikiMatrycy::ZapiszTrase(const QString& sciezka) const {
    SprawdzTrase();
    CPunkty miasta;
    miasta.LoadFromCMatryca(&matryca_);
    const std::vector<int> idy = IdyMiast(miasta);
    std::unordered_map<std::uint64_t, int> numery;
    for (int k = 0; k < miasta.Count(); ++k)
        numery.emplace(klucz(miasta.Punkty[std::size_t(k)]), idy[std::size_t(k)]);

    const std::vector<TPunkt>& trasa = matryca_.GetBestPunkty()->Punkty;
    std::vector<int> ids;
    float dlugosc = 0.0f;
    for (std::size_t k = 0; k < trasa.size(); ++k) {
        const auto numer = numery.find(klucz(trasa[k]));
        // The grid drops its route whenever a city changes, so every point
        // is a city; a route that is not counts as none.
        if (numer == numery.end())
            throw UserError(QStringLiteral("Brak trasy do zapisania."));
        ids.push_back(numer->second);
        dlugosc += Odleglosc(trasa[k], trasa[(k + 1) % trasa.size()]);
    }
    PlikTsp::ZapiszTour(sciezka, ids, double(dlugosc));
}

bool PlikiMatrycy::ObrazMozliwy(std::int64_t szerokosc, std::int64_t wysokosc) {
    return szerokosc > 0 && wysokosc > 0 && szerokosc <= MaksBokObrazu && wysokosc <= MaksBokObrazu
           && szerokosc * wysokosc <= MaksPikseliObrazu;
}

void PlikiMatrycy::ZapiszObraz(const QString& sciezka, double skala) const {
    const std::int64_t szerokosc = CMatryca::WymiarWSkali(matryca_.SzerokoscRzeczywista(), skala);
    const std::int64_t wysokosc = CMatryca::WymiarWSkali(matryca_.WysokoscRzeczywista(), skala);
    if (!ObrazMozliwy(szerokosc, wysokosc))
        throw UserError(tekstZbytDuzego(szerokosc, wysokosc, skala));
    QImage obraz(int(szerokosc), int(wysokosc), QImage::Format_RGB32);
    if (obraz.isNull())
        throw UserError(QStringLiteral("Za mało pamięci na obraz matrycy: %1 X %2 pikseli").arg(szerokosc).arg(wysokosc));
    QPainter malarz(&obraz);
    matryca_.PaintTo(malarz, obraz.rect(), skala);
    malarz.end();

    QByteArray png;
    QBuffer bufor(&png);
    if (!bufor.open(QIODevice::WriteOnly) || !obraz.save(&bufor, "PNG"))
        nieMoznaUtworzyc(sciezka);
    ZapiszAtomowo(sciezka, png);
}

QString PlikiMatrycy::WybierzPlik(bool doZapisu, const QString& tytul, const QString& filtr,
                                  const QString& rozszerzenie) {
    QFileDialog dialog(&okno_, tytul, folder_, filtr);
    dialog.setAcceptMode(doZapisu ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(doZapisu ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(rozszerzenie);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString plik = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(plik).absolutePath();
    return plik;
}

void PlikiMatrycy::OtworzClick() {
    const QString plik = WybierzPlik(false, QStringLiteral("Otwórz"), QStringLiteral("Pliki TSPLIB (*.tsp)"),
                                     QStringLiteral("tsp"));
    if (!plik.isEmpty())
        Otworz(plik);
}

void PlikiMatrycy::ZapiszJakoClick() {
    SprawdzMiastaDoZapisu();
    const QString plik = WybierzPlik(true, QStringLiteral("Zapisz jako"), QStringLiteral("Pliki TSPLIB (*.tsp)"),
                                     QStringLiteral("tsp"));
    if (!plik.isEmpty())
        ZapiszJako(plik);
}

void PlikiMatrycy::ZapiszTraseClick() {
    SprawdzTrase();
    const QString plik = WybierzPlik(true, QStringLiteral("Zapisz trasę"), QStringLiteral("Trasy TSPLIB (*.tour)"),
                                     QStringLiteral("tour"));
    if (!plik.isEmpty())
        ZapiszTrase(plik);
}

void PlikiMatrycy::ZapiszObrazClick() {
    double skala = 1.0;
    const std::int64_t szerokosc = matryca_.SzerokoscRzeczywista();
    const std::int64_t wysokosc = matryca_.WysokoscRzeczywista();
    if (!ObrazMozliwy(szerokosc, wysokosc)) {
        // The view the user sees is the picture on offer, when it can be had.
        const double widok = matryca_.Skala();
        const std::int64_t szerokoscWidoku = CMatryca::WymiarWSkali(szerokosc, widok);
        const std::int64_t wysokoscWidoku = CMatryca::WymiarWSkali(wysokosc, widok);
        if (!ObrazMozliwy(szerokoscWidoku, wysokoscWidoku))
            throw UserError(tekstZbytDuzego(szerokosc, wysokosc, 1.0)
                            + QStringLiteral(". Pomniejsz widok, aby zapisać obraz w mniejszej skali"));
        QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Pytanie"),
                            tekstZbytDuzego(szerokosc, wysokosc, 1.0)
                                + QStringLiteral(".\nZapisać obraz w obecnym powiększeniu (%1 X %2 pikseli)?")
                                      .arg(szerokoscWidoku)
                                      .arg(wysokoscWidoku),
                            QMessageBox::Yes | QMessageBox::No, &okno_);
        if (pytanie.exec() != QMessageBox::Yes)
            return;
        skala = widok;
    }
    const QString plik = WybierzPlik(true, QStringLiteral("Zapisz obraz"), QStringLiteral("Obrazy PNG (*.png)"),
                                     QStringLiteral("png"));
    if (!plik.isEmpty())
        ZapiszObraz(plik, skala);
}

bool PlikiMatrycy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt != &okno_)
        return false;
    switch (zdarzenie->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* przeciaganie = static_cast<QDragMoveEvent*>(zdarzenie);
        if (plikTsp(przeciaganie->mimeData()).isEmpty())
            return false;
        przeciaganie->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* upuszczenie = static_cast<QDropEvent*>(zdarzenie);
        const QString plik = plikTsp(upuszczenie->mimeData());
        if (plik.isEmpty())
            return false;
        upuszczenie->acceptProposedAction();
        // After the drop has ended, so the drag source is not kept waiting
        // while an error box is open.
        QMetaObject::invokeMethod(this, [this, plik] { runHandler([&] { Otworz(plik); }); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
