#include "app/PlikiMatrycy.h"

#include "app/MiastaOkna.h"
#include "grid/CMatryca.h"
#include "grid/WidokPunktow.h"
#include "search/certyfikat/TekstCertyfikatu.h"
#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"
#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/Handler.h"
#include "ui/Pytanie.h"

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

namespace {

QString tekstZbytDuzego(std::int64_t szerokosc, std::int64_t wysokosc, double skala) {
    return QStringLiteral("Obraz matrycy %1 byłby zbyt duży: %2 X %3 pikseli")
        .arg(skala == 1.0 ? QStringLiteral("w rzeczywistym rozmiarze") : QStringLiteral("w tym powiększeniu"))
        .arg(szerokosc)
        .arg(wysokosc);
}

[[noreturn]] void nieMoznaUtworzyc(const QString& sciezka) {
    throw UserError(QStringLiteral("Cannot create file ")
                    + QDir::toNativeSeparators(QFileInfo(sciezka).absoluteFilePath()));
}

void zapiszPng(const QString& sciezka, const QImage& obraz) {
    QByteArray png;
    QBuffer bufor(&png);
    if (obraz.isNull() || !bufor.open(QIODevice::WriteOnly) || !obraz.save(&bufor, "PNG"))
        nieMoznaUtworzyc(sciezka);
    ZapiszAtomowo(sciezka, png);
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

PlikiMatrycy::PlikiMatrycy(CMatryca& matryca, MiastaOkna& miasta, WidokPunktow& punkty, QWidget& okno)
    : QObject(&okno), matryca_(matryca), miasta_(miasta), punkty_(punkty), okno_(okno) {
    folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder_.isEmpty() || !QFileInfo(folder_).isDir())
        folder_ = QDir::homePath();
    okno_.setAcceptDrops(true);
    okno_.installEventFilter(this);
}

void PlikiMatrycy::Otworz(const QString& sciezka) {
    InstancjaTsp instancja = PlikTsp::WczytajInstancje(sciezka);
    WidokPliku widok = WidokPliku::ZInstancji(instancja, sciezka);
    PlikZestawu::WOknie plik =
        PlikZestawu::DoOkna(std::move(instancja), matryca_.GetRowCount(), matryca_.GetColumnCount());
    emit Otwierany();
    if (!plik.zestaw.komorki.empty()) {
        const int wiersze = plik.RowCount;
        const int kolumny = plik.ColumnCount;
        auto komorki = std::make_unique<bool[]>(std::size_t(wiersze) * std::size_t(kolumny));
        for (const TPunkt& p : plik.zestaw.komorki)
            komorki[std::size_t(p.y) * std::size_t(kolumny) + std::size_t(p.x)] = true;
        matryca_.UstawWymiary(wiersze, kolumny);
        matryca_.LoadFromWektor(komorki.get(), wiersze * kolumny);
    }
    plikNazywaSiatke_ = plik.SiatkaZPliku;
    miasta_.UstawPlik(std::make_shared<const ZestawMiast>(std::move(plik.zestaw)), std::move(widok));
    emit Otwarty();
}

void PlikiMatrycy::SprawdzMiastaDoZapisu() const {
    const int miasta = miasta_.Zestaw()->Ilosc();
    if (miasta < 2)
        throw UserError(QStringLiteral("Za mało miast do zapisania: %1 (potrzeba co najmniej dwóch)").arg(miasta));
}

void PlikiMatrycy::ZapiszJako(const QString& sciezka) const {
    SprawdzMiastaDoZapisu();
    const std::shared_ptr<const ZestawMiast> zestaw = miasta_.Zestaw();
    if (const WidokPliku* widok = miasta_.Widok(); widok && !plikNazywaSiatke_) {
        // A table's places go back only when the file gave them.
        if (widok->naOkregu)
            PlikZestawu::Zapisz(sciezka, *zestaw);
        else
            PlikZestawu::Zapisz(sciezka, *zestaw, widok->x, widok->y);
        return;
    }
    // The grid's cities, or a file of ours on the very cells it names.
    MapaTsp mapa;
    mapa.RowCount = matryca_.GetRowCount();
    mapa.ColumnCount = matryca_.GetColumnCount();
    for (int k = 0; k < zestaw->Ilosc(); ++k) {
        const TPunkt p = zestaw->komorki[std::size_t(k)];
        mapa.Miasta.push_back({zestaw->ids[std::size_t(k)], p.y, p.x});
    }
    PlikTsp::ZapiszTsp(sciezka, mapa);
}

void PlikiMatrycy::SprawdzTrase() const {
    if (!miasta_.Trasa())
        throw UserError(QStringLiteral("Brak trasy do zapisania."));
}

void PlikiMatrycy::ZapiszTrase(const QString& sciezka) const {
    SprawdzTrase();
    const std::vector<int>& trasa = *miasta_.Trasa();
    const std::shared_ptr<const ZestawMiast> zestaw = miasta_.Zestaw();
    std::vector<int> ids;
    ids.reserve(trasa.size());
    for (int miasto : trasa)
        ids.push_back(zestaw->ids[std::size_t(miasto)]);
    // In the grid's cells, the single-precision sum the grid's searches show.
    PlikTsp::ZapiszTour(sciezka, ids, zestaw->metryka.Dlugosc(trasa), zestaw->metryka.Calkowita());
}

void PlikiMatrycy::ZapiszCertyfikat(const QString& sciezka) const {
    const Certyfikat* certyfikat = miasta_.CertyfikatDowodu();
    if (!certyfikat)
        throw UserError(QStringLiteral("Brak certyfikatu do zapisania: daje go dowód optymalności na miastach z pliku."));
    ZapiszAtomowo(sciezka, TekstCertyfikatu(*certyfikat));
}

bool PlikiMatrycy::ObrazMozliwy(std::int64_t szerokosc, std::int64_t wysokosc) {
    return szerokosc > 0 && wysokosc > 0 && szerokosc <= MaksBokObrazu && wysokosc <= MaksBokObrazu
           && szerokosc * wysokosc <= MaksPikseliObrazu;
}

void PlikiMatrycy::ZapiszObraz(const QString& sciezka, double skala) const {
    if (miasta_.NaPunktach()) {
        zapiszPng(sciezka, punkty_.Obraz(punkty_.size()));
        return;
    }
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
    zapiszPng(sciezka, obraz);
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

void PlikiMatrycy::ZapiszCertyfikatClick() {
    if (!miasta_.CertyfikatDowodu())
        ZapiszCertyfikat({});
    const QString plik = WybierzPlik(true, QStringLiteral("Zapisz certyfikat"),
                                     QStringLiteral("Certyfikaty optymalności (*.cert)"), QStringLiteral("cert"));
    if (!plik.isEmpty())
        ZapiszCertyfikat(plik);
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
    if (miasta_.NaPunktach()) {
        const QString plik = WybierzPlik(true, QStringLiteral("Zapisz obraz"), QStringLiteral("Obrazy PNG (*.png)"),
                                         QStringLiteral("png"));
        if (!plik.isEmpty())
            ZapiszObraz(plik);
        return;
    }
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
        if (!Zapytaj(&okno_, tekstZbytDuzego(szerokosc, wysokosc, 1.0)
                                 + QStringLiteral(".\nZapisać obraz w obecnym powiększeniu (%1 X %2 pikseli)?")
                                       .arg(szerokoscWidoku)
                                       .arg(wysokoscWidoku)))
            return;
        skala = widok;
    }
    const QString plik = WybierzPlik(true, QStringLiteral("Zapisz obraz"), QStringLiteral("Obrazy PNG (*.png)"),
                                     QStringLiteral("png"));
    if (!plik.isEmpty())
        ZapiszObraz(plik, skala);
}

bool PlikiMatrycy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt != &okno_ || Zablokowane)
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
