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
#include <QMimeData>
#include <QPainter>
#include <QStandardPaths>
#include <QWidget>

#include <memory>
#include <unordered_map>

namespace {

// A picture larger than this (256 MiB of pixels) is refused rather than
// allowed to exhaust memory.
constexpr qint64 MaksPikseliObrazu = qint64(1) << 26;

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
    const int wiersze = mapa.SiatkaZPliku ? mapa.RowCount : std::max(mapa.RowCount, matryca_.GetRowCount());
    const int kolumny = mapa.SiatkaZPliku ? mapa.ColumnCount : std::max(mapa.ColumnCount, matryca_.GetColumnCount());
    CMatryca::SprawdzRozmiar(wiersze, kolumny);

    auto komorki = std::make_unique<bool[]>(std::size_t(wiersze) * std::size_t(kolumny));
    for (const MiastoTsp& m : mapa.Miasta)
        komorki[std::size_t(m.Wiersz) * std::size_t(kolumny) + std::size_t(m.Kolumna)] = true;

    // Whichever count shrinks changes first, so the table in between is
    // never larger than the final one.
    if (kolumny < matryca_.GetColumnCount()) {
        matryca_.SetColumnCount(kolumny);
        matryca_.SetRowCount(wiersze);
    } else {
        matryca_.SetRowCount(wiersze);
        matryca_.SetColumnCount(kolumny);
    }
    matryca_.LoadFromWektor(komorki.get(), wiersze * kolumny);
}

void PlikiMatrycy::ZapiszJako(const QString& sciezka) const {
    CPunkty miasta;
    miasta.LoadFromCMatryca(&matryca_);
    MapaTsp mapa;
    mapa.RowCount = matryca_.GetRowCount();
    mapa.ColumnCount = matryca_.GetColumnCount();
    for (int k = 0; k < miasta.Count(); ++k)
        mapa.Miasta.push_back({k + 1, miasta.Punkty[std::size_t(k)].y, miasta.Punkty[std::size_t(k)].x});
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
    std::unordered_map<std::uint64_t, int> numery;
    for (int k = 0; k < miasta.Count(); ++k)
        numery.emplace(klucz(miasta.Punkty[std::size_t(k)]), k + 1);

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

void PlikiMatrycy::ZapiszObraz(const QString& sciezka) const {
    const QSize rozmiar = matryca_.size();
    if (qint64(rozmiar.width()) * rozmiar.height() > MaksPikseliObrazu)
        nieMoznaUtworzyc(sciezka);
    QImage obraz(rozmiar, QImage::Format_RGB32);
    if (obraz.isNull())
        nieMoznaUtworzyc(sciezka);
    QPainter malarz(&obraz);
    matryca_.PaintTo(malarz, obraz.rect());
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
    const QString plik = WybierzPlik(true, QStringLiteral("Zapisz obraz"), QStringLiteral("Obrazy PNG (*.png)"),
                                     QStringLiteral("png"));
    if (!plik.isEmpty())
        ZapiszObraz(plik);
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
