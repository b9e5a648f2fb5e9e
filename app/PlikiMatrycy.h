#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class CMatryca;
class MiastaOkna;
class QWidget;
class WidokPunktow;

// The main window's files: cities opened from and saved to TSPLIB .tsp files,
// the drawn route saved as a .tour and the view as a PNG picture, chosen in
// the standard file dialogs; a .tsp dropped on the window is opened too.
//
// An opened file's cities keep the file's metric, ids and coordinates until
// they are edited on the grid: saved, they are the file's; a .tour gives the
// file's ids and the length in its metric. After any change of the grid's
// cities they are the grid's, numbered row by row from 1 as for a search.
class PlikiMatrycy : public QObject {
    Q_OBJECT

public:
    PlikiMatrycy(CMatryca& matryca, MiastaOkna& miasta, WidokPunktow& punkty, QWidget& okno);

    // Replaces the cities with those of the file. A file in the plane
    // (EUC_2D, CEIL_2D, ATT) whose cities take a cell each of a grid the
    // window can hold goes on the grid: one that names its grid (one we
    // wrote) gets that grid; any other grows the grid where its cities need
    // more rows or columns, or gets a grid of its own extent when the grown
    // one would be too large. Any other file is shown as points, the grid
    // kept as it was behind them. On any error nothing changes.
    void Otworz(const QString& sciezka);
    // Refuses fewer than two cities, which no TSPLIB file may hold.
    void ZapiszJako(const QString& sciezka) const;
    void ZapiszTrase(const QString& sciezka) const;
    // The certificate of the last proof of the current cities (see
    // MiastaOkna::CertyfikatDowodu), for wedrownik-cli check.
    void ZapiszCertyfikat(const QString& sciezka) const;
    // The grid as the view at skala shows it, 1 being the actual size; the
    // view of points as it shows now.
    void ZapiszObraz(const QString& sciezka, double skala = 1.0) const;

    // Pictures larger than this are refused rather than allowed to exhaust
    // memory (256 MiB of pixels); Qt's rasteriser draws sides up to 32767.
    static constexpr std::int64_t MaksPikseliObrazu = std::int64_t(1) << 26;
    static constexpr std::int64_t MaksBokObrazu = 32767;
    static bool ObrazMozliwy(std::int64_t szerokosc, std::int64_t wysokosc);

    // The menu's commands: ask for the file, then do the above.
    void OtworzClick();
    void ZapiszJakoClick();
    void ZapiszTraseClick();
    void ZapiszCertyfikatClick();
    void ZapiszObrazClick();

    // While a search runs, no file dropped on the window is taken.
    bool Zablokowane = false;

    // The folder the next file dialog starts in: the last one used.
    const QString& Folder() const { return folder_; }

signals:
    // A file has been read and its cities are about to replace the window's.
    void Otwierany();
    // The cities of a file have replaced the window's.
    void Otwarty();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QString WybierzPlik(bool doZapisu, const QString& tytul, const QString& filtr, const QString& rozszerzenie);
    void SprawdzTrase() const;
    void SprawdzMiastaDoZapisu() const;

    CMatryca& matryca_;
    MiastaOkna& miasta_;
    WidokPunktow& punkty_;
    QWidget& okno_;
    QString folder_;
    // The opened file names its grid (one we wrote): saved again, it names
    // it too, so that it opens on the same cells.
    bool plikNazywaSiatke_ = false;
};
