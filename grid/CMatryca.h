#pragma once

#include "grid/CPunktyNowe.h"
#include "storage/MapaTsp.h"
#include "toolkit/core/Color.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class CPamiec;
class QPainter;

// The grid of cells on which the user marks cities, with the best route
// drawn over it. Every change of which cells are cities or of a count
// empties the route.
class CMatryca : public QWidget {
    Q_OBJECT

public:
    // The largest cell table the grid accepts, the one a file's cities may
    // need to open on the grid. Every cell count must stay well inside the
    // 32 bits of PointCount and of LoadFromWektor's element count; a larger
    // request is refused with a UserError and the grid keeps its table.
    static constexpr std::int64_t MaksLiczbaKomorek = MaksKomorekOkna;
    // Raises "Zbyt duża matryca miast: rows X columns" for a table larger than that.
    static void SprawdzRozmiar(int rows, int columns);

    explicit CMatryca(QWidget* owner = nullptr);
    ~CMatryca() override;

    int GetColumnCount() const { return ColumnCount; }
    void SetColumnCount(int n);
    int GetRowCount() const { return RowCount; }
    void SetRowCount(int n);
    int GetCellSize() const { return CellSize; }
    void SetCellSize(int n);
    int GetGridWidth() const { return GridWidth; }
    void SetGridWidth(int n);
    int GetBestRouteWidth() const { return BestRouteWidth; }
    void SetBestRouteWidth(int n);
    TColor GetBackgroundColor() const { return BackgroundColor; }
    void SetBackgroundColor(TColor c);
    TColor GetGridColor() const { return GridColor; }
    void SetGridColor(TColor c);
    TColor GetSelectedColor() const { return SelectedColor; }
    void SetSelectedColor(TColor c);
    TColor GetBestRouteColor() const { return BestRouteColor; }
    void SetBestRouteColor(TColor c);
    // What a step of step mode looked at, drawn cell to cell over the best
    // route in a colour of its own; empty for none.
    static constexpr TColor DefaultExaminedColor = rgbColor(0xFF, 0x80, 0);
    TColor GetExaminedColor() const { return ExaminedColor; }
    void SetExaminedColor(TColor c);
    void SetExamined(std::vector<std::pair<TPunkt, TPunkt>> odcinki);
    const std::vector<std::pair<TPunkt, TPunkt>>& GetExamined() const { return Examined; }
    int GetPointCount() const { return PointCount; }
    void SetPointCount(int n);
    // Both counts at once, with one table and one OnChange; a refused size
    // changes nothing.
    void UstawWymiary(int rows, int columns);

    // Raised after every change of the cities or the counts; see the class
    // documentation of each operation for when.
    std::function<void(CMatryca* Sender)> OnChange;
    // When set, a click on a cell is handed here instead of toggling the
    // cell, so that the owner decides what the click does.
    std::function<void(int row, int column)> OnCellClick;

    void SetCell(int row, int column, bool value);
    bool GetCell(int row, int column) const;
    void SetBestPunkty(const CPunktyNowe* punkty);
    CPunktyNowe* GetBestPunkty() { return &BestPunkty; }
    const CPunktyNowe* GetBestPunkty() const { return &BestPunkty; }
    void SetAll(bool value);
    void LoadFromWektor(const bool* cells, int count);
    void Losuj(int n);
    void SaveToCPamiec(CPamiec* pamiec) const;
    void LoadFromCPamiec(CPamiec* pamiec);

    // The view's scale: pixels of the control per pixel of the grid at its
    // actual size. A view of its own: no setting changes with it, and at 1
    // the grid is drawn and hit exactly as its formulas give.
    double Skala() const { return skala_; }
    void UstawSkale(double skala);
    static constexpr double MinSkala = 1e-6;
    static constexpr double MaksSkala = 32.0;
    // Below this pitch in pixels (and only below the actual size) the cells
    // are too small to show: no grid lines, each city a dot.
    static constexpr double ProgDrobnychKomorek = 5.0;

    // The grid's size in pixels at the actual size, unclamped.
    std::int64_t SzerokoscRzeczywista() const { return Skok() * ColumnCount + GridWidth; }
    std::int64_t WysokoscRzeczywista() const { return Skok() * RowCount + GridWidth; }
    // A length of the actual size as the view at skala spans it: the last
    // pixel's place plus one.
    static std::int64_t WymiarWSkali(std::int64_t rzeczywisty, double skala);

    // Changes whenever which cells are cities may have changed (any edit,
    // Losuj, new counts), even where PointCount stays the same.
    std::uint64_t WersjaMiast() const { return wersjaMiast_; }

    // Sizes the control to its cells and lines at the view's scale, clamped
    // to what a widget can measure; its size hint follows, so a layout keeps it.
    void EvaluateSize();
    QSize sizeHint() const override;
    // A complete redraw, shown before the next user input is handled.
    void Paint();
    void PaintCell(int row, int column, bool city);

    // Draws the part of the grid inside rect, at the view's scale or at
    // another; used by paintEvent and by anything that wants the grid as a
    // picture.
    void PaintTo(QPainter& painter, const QRect& rect) const;
    void PaintTo(QPainter& painter, const QRect& rect, double skala) const;

    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys, int X, int Y);
    // The pixel of the grid at its actual size that a press on the view's
    // pixel (x, y) stands for; none beyond what MouseDown can take.
    std::optional<QPoint> PunktRzeczywisty(int x, int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Rzut;

    // Pixel geometry, in 64 bits: products of counts and sizes may exceed
    // 32 bits even when the clamped control size does not.
    std::int64_t Skok() const { return std::int64_t(CellSize) + GridWidth; }
    std::int64_t LiniaSiatki(std::int64_t k) const { return GridWidth / 2 + k * Skok(); }
    std::int64_t PoczatekKomorki(std::int64_t k) const { return GridWidth + k * Skok(); }
    std::int64_t SrodekKomorki(std::int64_t k) const { return CellSize / 2 + PoczatekKomorki(k); }
    QRect ProstokatKola(int row, int column) const;

    // Allocates an empty table of rows x columns before anything changes;
    // raises a UserError when it is too large or cannot be had.
    static std::vector<std::uint8_t> NowaTablica(int rows, int columns);
    void ZmienWymiary(int rows, int columns);
    void ZglosZmiane();

    void PaintLinie(QPainter& painter, const QRect& obszar, const Rzut& rzut) const;
    void PaintMiasta(QPainter& painter, const QRect& obszar, const Rzut& rzut) const;
    void PaintPunkty(QPainter& painter, const QRect& obszar, const Rzut& rzut) const;
    void PaintExamined(QPainter& painter, const QRect& obszar, const Rzut& rzut) const;
    // The line between the middles of two cells, where it crosses the area;
    // false for a cell off the grid.
    bool PaintOdcinek(QPainter& painter, const QRectF& pole, const Rzut& rzut, TPunkt a, TPunkt b) const;

    int ColumnCount = 5;
    int RowCount = 5;
    int CellSize = 10;
    TColor BackgroundColor = rgbColor(0xFF, 0xFF, 0xFF);
    TColor GridColor = rgbColor(0xC0, 0xC0, 0xC0);
    TColor SelectedColor = rgbColor(0, 0, 0);
    TColor BestRouteColor = rgbColor(0, 0x80, 0);
    TColor ExaminedColor = DefaultExaminedColor;
    std::vector<std::pair<TPunkt, TPunkt>> Examined;
    int GridWidth = 1;
    int BestRouteWidth = 2;
    std::vector<std::uint8_t> Cells;  // RowCount x ColumnCount, row after row
    CPunktyNowe BestPunkty;
    int PointCount = 0;
    double skala_ = 1.0;
    std::uint64_t wersjaMiast_ = 0;
};
