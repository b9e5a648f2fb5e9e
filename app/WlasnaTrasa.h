#pragma once

#include <QObject>

#include <vector>

class QWidget;

// The user's own route, drawn city by city: a click takes a city, a click
// on a city already taken or Backspace takes the last one back, Esc leaves.
// Once every city is taken the route closes. While it is drawn, the keys of
// the window given are read here before any control of it sees them.
class WlasnaTrasa : public QObject {
    Q_OBJECT

public:
    explicit WlasnaTrasa(QWidget& okno);

    // A route of ilosc cities, none taken yet.
    void Zacznij(int ilosc);
    bool Trwa() const { return trwa_; }
    const std::vector<int>& Miasta() const { return miasta_; }

    // A click on the city; a number of no city is passed over.
    void Kliknij(int miasto);
    void CofnijOstatnie();
    // Esc: the drawing is left, and Przerwana said.
    void Przerwij();
    // The cities have changed under the route: it ends without a word.
    void Porzuc();

signals:
    // The route so far, after every city taken or taken back.
    void Zmieniona(const std::vector<int>& trasa);
    // Every city taken, in the order taken.
    void Zamknieta(const std::vector<int>& trasa);
    void Przerwana();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void Koniec();

    QWidget& okno_;
    bool trwa_ = false;
    std::vector<int> miasta_;
    std::vector<bool> wziete_;
};
