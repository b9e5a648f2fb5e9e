#pragma once

#include <QObject>
#include <QString>

class CMatryca;
class QWidget;

// The main window's files: cities opened from and saved to TSPLIB .tsp files,
// the drawn route saved as a .tour and the grid as a PNG picture, chosen in
// the standard file dialogs; a .tsp dropped on the window is opened too.
//
// City ids in the files we write are the city numbers + 1, cities numbered
// row by row as for a search, so a .tour belongs to the .tsp saved from the
// same grid.
class PlikiMatrycy : public QObject {
    Q_OBJECT

public:
    PlikiMatrycy(CMatryca& matryca, QWidget& okno);

    // Replaces the cities with those of the file. A file that names its grid
    // (one we wrote) gets that grid; any other grows the grid where its
    // cities need more rows or columns. On any error nothing changes.
    void Otworz(const QString& sciezka);
    void ZapiszJako(const QString& sciezka) const;
    void ZapiszTrase(const QString& sciezka) const;
    void ZapiszObraz(const QString& sciezka) const;

    // The menu's commands: ask for the file, then do the above.
    void OtworzClick();
    void ZapiszJakoClick();
    void ZapiszTraseClick();
    void ZapiszObrazClick();

    // The folder the next file dialog starts in: the last one used.
    const QString& Folder() const { return folder_; }

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QString WybierzPlik(bool doZapisu, const QString& tytul, const QString& filtr, const QString& rozszerzenie);
    void SprawdzTrase() const;

    CMatryca& matryca_;
    QWidget& okno_;
    QString folder_;
};
