#pragma once

#include "grid/CPunktyNowe.h"
#include "toolkit/core/Color.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class CPamiec;
class QPainter;

// The grid of cells on which the user marks cities, with the best route
// drawn over it. Every change of which cells are cities or of a count
// empties the route.
class CMatryca : public QWidget {
    Q_OBJECT

public:
    // The largest cell table the grid accepts (8192 x 8192 cells, one byte
    // each). Every cell count must stay well inside the 32 bits of
    // PointCount and of LoadFromWektor's element count; a larger request is
    // refused with a UserError and the grid keeps its table.
    static constexpr std::int64_t MaksLiczbaKomorek = std::int64_t(1) << 26;
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
    int GetPointCount() const { return PointCount; }
    void SetPointCount(int n);

    // Raised after every change of the cities or the counts; see the class
    // documentation of each operation for when.
    std::function<void(CMatryca* Sender)> OnChange;

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

    // Sizes the control to its cells and lines, clamped to what a widget can
    // measure; its size hint follows, so a layout keeps it.
    void EvaluateSize();
    QSize sizeHint() const override;
    // A complete redraw, shown before the next user input is handled.
    void Paint();
    void PaintCell(int row, int column, bool city);

    // Draws the part of the grid inside rect; used by paintEvent and by
    // anything that wants the grid as a picture.
    void PaintTo(QPainter& painter, const QRect& rect) const;

    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys, int X, int Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
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

    void PaintPunkty(QPainter& painter, const QRect& rect) const;

    int ColumnCount = 5;
    int RowCount = 5;
    int CellSize = 10;
    TColor BackgroundColor = rgbColor(0xFF, 0xFF, 0xFF);
    TColor GridColor = rgbColor(0xC0, 0xC0, 0xC0);
    TColor SelectedColor = rgbColor(0, 0, 0);
    TColor BestRouteColor = rgbColor(0, 0x80, 0);
    int GridWidth = 1;
    int BestRouteWidth = 2;
    std::vector<std::uint8_t> Cells;  // RowCount x ColumnCount, row after row
    CPunktyNowe BestPunkty;
    int PointCount = 0;
};
