#pragma once

#include "grid/RzutPunktow.h"
#include "search/dowod/PostepDowodu.h"

#include <QPointF>
#include <QWidget>

#include <vector>

struct ZestawMiast;

// The proof's current LP solution over the cities, fitted to the widget:
// an edge the LP takes whole is drawn solid, one it takes in part dashed,
// so that where the solution is not yet a route shows at a glance.
class RysunekLP : public QWidget {
    Q_OBJECT

public:
    explicit RysunekLP(QWidget* parent);

    // The cities where the main window shows them: the set's grid cells,
    // or without them punktyWidoku, the view of points' places. Empties the
    // solution.
    void UstawMiasta(const ZestawMiast& zestaw, std::vector<QPointF> punktyWidoku);
    // City k at punkty[k]; os: which way a larger y goes.
    void UstawMiasta(std::vector<QPointF> punkty, OsY os);
    // Edges between cities that are not there are passed over.
    void UstawRozwiazanie(std::vector<PostepDowodu::KrawedzLP> krawedzie);
    void Wyczysc() { UstawRozwiazanie({}); }
    const std::vector<PostepDowodu::KrawedzLP>& Rozwiazanie() const { return krawedzie_; }

    // The LP takes the edge whole.
    static bool Cala(double x);

    static constexpr int Margines = 6;
    static constexpr QRgb KolorCalych = 0xFF00'3C'B4;
    static constexpr QRgb KolorUlamkowych = 0xFFD2'32'00;

    QSize sizeHint() const override { return {260, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RzutPunktow Rzut() const;

    std::vector<QPointF> punkty_;
    OsY os_ = OsY::WGore;
    QRectF zasieg_;
    std::vector<PostepDowodu::KrawedzLP> krawedzie_;
};
