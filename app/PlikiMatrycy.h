#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class CMatryca;
class CPunkty;
class QWidget;

// The main window's files: cities opened from and saved to TSPLIB .tsp files,
// the drawn route saved as a .tour and the grid as a PNG picture, chosen in
// the standard file dialogs; a .tsp dropped on the window is opened too.
//
// City ids in the files we write are those of the opened file for as long as
// the grid holds exactly its cities; after any change of the cities they are
// the city numbers + 1, cities numbered row by row as for a search. Either
// way a .tour belongs to the .tsp saved from the same grid.
class PlikiMatrycy : public QObject {
    Q_OBJECT

public:
    PlikiMatrycy(CMatryca& matryca, QWidget& okno);

    // Replaces the cities with those of the file. A file that names its grid
    // (one we wrote) gets that grid; any other grows the grid where its
    // cities need more rows or columns, or gets a grid of its own extent
    // when the grown one would be too large. On any error nothing changes.
    void Otworz(const QString& sciezka);
    // Refuses fewer than two cities, which no TSPLIB file may hold.
    void ZapiszJako(const QString& sciezka) const;
    void ZapiszTrase(const QString& sciezka) const;
    // The grid as the view at skala shows it; 1 is the actual size.
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
    void ZapiszObrazClick();

    // The folder the next file dialog starts in: the last one used.
    const QString& Folder() const { return folder_; }

signals:
    // The cities of a file have replaced the grid's.
    void Otwarty();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QString WybierzPlik(bool doZapisu, const QString& tytul, const QString& filtr, const QString& rozszerzenie);
    void SprawdzTrase() const;
    void SprawdzMiastaDoZapisu() const;
    // The ids of cities 0..n-1 of the list, numbered row by row.
    std::vector<int> IdyMiast(const CPunkty& miasta) const;

    CMatryca& matryca_;
    QWidget& okno_;
    QString folder_;
    // The opened file's ids of cities 0..n-1, valid while the grid's cities
    // are still of version wersjaPliku_; empty when there are none to keep.
    std::vector<int> idyPliku_;
    std::uint64_t wersjaPliku_ = 0;
};
