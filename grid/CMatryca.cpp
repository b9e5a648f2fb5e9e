#include "grid/CMatryca.h"

#include "grid/LosoweKomorki.h"
#include "grid/PrzytnijOdcinek.h"
#include "search/LosowaLiczba.h"
#include "storage/CPamiec.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/QtColor.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace {

std::int64_t podlogaDzielenia(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        --q;
    return q;
}

std::int64_t sufitDzielenia(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if (a % b != 0 && ((a < 0) == (b < 0)))
        ++q;
    return q;
}

struct Zakres {
    std::int64_t pierwszy;
    std::int64_t ostatni;
};

// The indexes k in 0..ostatni whose position start + k * skok lies in lo..hi.
// The pitch may be zero or negative when the sizes are; then the positions
// stand still or run backwards, and this still finds exactly the ones in view.
Zakres widoczne(std::int64_t start, std::int64_t skok, std::int64_t ostatni, std::int64_t lo, std::int64_t hi) {
    Zakres z{0, ostatni};
    if (skok > 0) {
        z.pierwszy = sufitDzielenia(lo - start, skok);
        z.ostatni = podlogaDzielenia(hi - start, skok);
    } else if (skok < 0) {
        z.pierwszy = sufitDzielenia(start - hi, -skok);
        z.ostatni = podlogaDzielenia(start - lo, -skok);
    } else if (start < lo || start > hi) {
        return {1, 0};
    }
    z.pierwszy = std::max<std::int64_t>(z.pierwszy, 0);
    z.ostatni = std::min<std::int64_t>(z.ostatni, ostatni);
    return z;
}

int doRozmiaru(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX));
}

// A pen cannot be narrower than 0 (a one-pixel line) or wider than the
// painter accepts; beyond those the drawing is the nearest one it can make.
int szerokoscPiora(int szerokosc) {
    return std::clamp(szerokosc, 0, 32767);
}

QPen pioro(TColor kolor, int szerokosc) {
    return QPen(QBrush(toQColor(kolor)), szerokoscPiora(szerokosc));
}

} // namespace

CMatryca::CMatryca(QWidget* owner)
    : QWidget(owner), Cells(std::size_t(RowCount) * std::size_t(ColumnCount), 0) {
    // Every paint fills the exposed area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    EvaluateSize();
}

CMatryca::~CMatryca() = default;

void CMatryca::SprawdzRozmiar(int rows, int columns) {
    if (std::int64_t(rows) * std::int64_t(columns) > MaksLiczbaKomorek)
        throw UserError(QStringLiteral("Zbyt duża matryca miast: %1 X %2").arg(rows).arg(columns));
}

std::vector<std::uint8_t> CMatryca::NowaTablica(int rows, int columns) {
    SprawdzRozmiar(rows, columns);
    const std::int64_t liczba = std::int64_t(rows) * std::int64_t(columns);
    try {
        return std::vector<std::uint8_t>(static_cast<std::size_t>(liczba), 0);
    } catch (const std::bad_alloc&) {
        throw UserError(QStringLiteral("Brak pamięci na matrycę miast: %1 X %2").arg(rows).arg(columns));
    }
}

void CMatryca::ZmienWymiary(int rows, int columns) {
    // The new table is had before the old one goes: a refused size leaves the
    // grid as it was.
    Cells = NowaTablica(rows, columns);
    ++wersjaMiast_;
    RowCount = rows;
    ColumnCount = columns;
    EvaluateSize();
    BestPunkty.Clear();
    Paint();
    PointCount = 0;
    ZglosZmiane();
}

void CMatryca::ZglosZmiane() {
    if (OnChange)
        OnChange(this);
}

void CMatryca::SetColumnCount(int n) {
    if (n == ColumnCount || n <= 0)
        return;
    ZmienWymiary(RowCount, n);
}

void CMatryca::SetRowCount(int n) {
    if (n == RowCount || n <= 0)
        return;
    ZmienWymiary(n, ColumnCount);
}

void CMatryca::UstawWymiary(int rows, int columns) {
    if (rows <= 0 || columns <= 0 || (rows == RowCount && columns == ColumnCount))
        return;
    ZmienWymiary(rows, columns);
}

void CMatryca::SetCellSize(int n) {
    if (n == CellSize)
        return;
    CellSize = n;
    EvaluateSize();
    Paint();
}

void CMatryca::SetGridWidth(int n) {
    if (n == GridWidth)
        return;
    GridWidth = n;
    EvaluateSize();
    Paint();
}

void CMatryca::SetBestRouteWidth(int n) {
    if (n == BestRouteWidth)
        return;
    BestRouteWidth = n;
    Paint();
}

void CMatryca::SetBackgroundColor(TColor c) {
    if (c == BackgroundColor)
        return;
    BackgroundColor = c;
    Paint();
}

void CMatryca::SetGridColor(TColor c) {
    if (c == GridColor)
        return;
    GridColor = c;
    Paint();
}

void CMatryca::SetSelectedColor(TColor c) {
    if (c == SelectedColor)
        return;
    SelectedColor = c;
    Paint();
}

void CMatryca::SetBestRouteColor(TColor c) {
    if (c == BestRouteColor)
        return;
    BestRouteColor = c;
    Paint();
}

void CMatryca::SetExaminedColor(TColor c) {
    if (c == ExaminedColor)
        return;
    ExaminedColor = c;
    Paint();
}

void CMatryca::SetExamined(std::vector<std::pair<TPunkt, TPunkt>> odcinki) {
    if (odcinki.empty() && Examined.empty())
        return;
    Examined = std::move(odcinki);
    Paint();
}

void CMatryca::SetPointCount(int n) {
    if (n == PointCount)
        return;
    PointCount = n;
    ZglosZmiane();
}

void CMatryca::SetCell(int row, int column, bool value) {
    if (row < 0 || column < 0 || row >= RowCount || column >= ColumnCount)
        return;
    std::uint8_t& komorka = Cells[std::size_t(row) * std::size_t(ColumnCount) + std::size_t(column)];
    if (bool(komorka) == value)
        return;
    komorka = value ? 1 : 0;
    ++wersjaMiast_;
    PaintCell(row, column, value);
    // The route goes before the notification, so that the handler sees a
    // grid whose route agrees with its cells.
    BestPunkty.Clear();
    SetPointCount(PointCount + (value ? 1 : -1));
}

bool CMatryca::GetCell(int row, int column) const {
    if (row < 0 || column < 0 || row >= RowCount || column >= ColumnCount)
        return false;
    return Cells[std::size_t(row) * std::size_t(ColumnCount) + std::size_t(column)] != 0;
}

void CMatryca::SetBestPunkty(const CPunktyNowe* punkty) {
    if (!punkty || punkty == &BestPunkty)
        return;
    BestPunkty = *punkty;
}

void CMatryca::SetAll(bool value) {
    std::fill(Cells.begin(), Cells.end(), value ? 1 : 0);
    ++wersjaMiast_;
    BestPunkty.Clear();
    Paint();
    SetPointCount(value ? static_cast<int>(Cells.size()) : 0);
}

void CMatryca::LoadFromWektor(const bool* cells, int count) {
    if (!cells || std::int64_t(count) != std::int64_t(Cells.size()))
        return;
    int miasta = 0;
    for (std::size_t k = 0; k < Cells.size(); ++k) {
        Cells[k] = cells[k] ? 1 : 0;
        miasta += Cells[k];
    }
    ++wersjaMiast_;
    BestPunkty.Clear();
    Paint();
    PointCount = 0;
    SetPointCount(miasta);
}

void CMatryca::Losuj(int n) {
    if (std::int64_t(n) > std::int64_t(Cells.size()))
        throw UserError(QStringLiteral("Zbyt duża liczba punktów"));
    ZiarnoZCzasu();
    LosujKomorki(Cells.data(), RowCount, ColumnCount, n);
    ++wersjaMiast_;
    BestPunkty.Clear();
    Paint();
    SetPointCount(std::max(n, 0));
}

void CMatryca::SaveToCPamiec(CPamiec* pamiec) const {
    pamiec->WriteInt(static_cast<std::int32_t>(BackgroundColor));
    pamiec->WriteInt(static_cast<std::int32_t>(SelectedColor));
    pamiec->WriteInt(static_cast<std::int32_t>(GridColor));
    pamiec->WriteInt(static_cast<std::int32_t>(BestRouteColor));
    pamiec->WriteInt(CellSize);
    pamiec->WriteInt(GridWidth);
    pamiec->WriteInt(BestRouteWidth);
    pamiec->WriteInt(RowCount);
    pamiec->WriteInt(ColumnCount);
}

void CMatryca::LoadFromCPamiec(CPamiec* pamiec) {
    BackgroundColor = static_cast<TColor>(pamiec->ReadInt());
    SelectedColor = static_cast<TColor>(pamiec->ReadInt());
    GridColor = static_cast<TColor>(pamiec->ReadInt());
    BestRouteColor = static_cast<TColor>(pamiec->ReadInt());
    CellSize = pamiec->ReadInt();
    GridWidth = pamiec->ReadInt();
    BestRouteWidth = pamiec->ReadInt();

    // A refused count must not leave the control sized for the old cell
    // size: the other count, the size and the drawing are still brought up
    // to date, and the first refusal is raised afterwards.
    std::exception_ptr blad;
    try {
        SetRowCount(pamiec->ReadInt());
    } catch (const UserError&) {
        blad = std::current_exception();
    }
    const int kolumny = pamiec->ReadInt();
    try {
        SetColumnCount(kolumny);
    } catch (const UserError&) {
        if (!blad)
            blad = std::current_exception();
    }
    EvaluateSize();
    Paint();
    if (blad)
        std::rethrow_exception(blad);
}

std::int64_t CMatryca::WymiarWSkali(std::int64_t rzeczywisty, double skala) {
    if (skala == 1.0 || rzeczywisty <= 0)
        return rzeczywisty;
    return static_cast<std::int64_t>(std::floor(double(rzeczywisty - 1) * skala)) + 1;
}

void CMatryca::UstawSkale(double skala) {
    if (!std::isfinite(skala) || skala <= 0.0)
        return;
    skala = std::clamp(skala, MinSkala, MaksSkala);
    if (skala == skala_)
        return;
    skala_ = skala;
    EvaluateSize();
    update();
}

void CMatryca::EvaluateSize() {
    resize(doRozmiaru(WymiarWSkali(SzerokoscRzeczywista(), skala_)),
           doRozmiaru(WymiarWSkali(WysokoscRzeczywista(), skala_)));
    updateGeometry();
}

QSize CMatryca::sizeHint() const {
    return size();
}

void CMatryca::Paint() {
    // Synchronous: the screen shows the new state before the next input is
    // handled. Qt paints only the part of the control that is visible, and
    // nothing while the control is hidden; showing it paints it in full.
    repaint();
}

// Where the view puts a pixel u of the grid at its actual size: at
// floor(u * skala). At scale 1 every mapping is the identity, so the actual
// size is drawn exactly as the formulas give.
struct CMatryca::Rzut {
    double skala;
    // Cells too small to show: no grid lines, a dot for each city.
    bool drobne;

    std::int64_t operator()(std::int64_t u) const {
        return skala == 1.0 ? u : static_cast<std::int64_t>(std::floor(double(u) * skala));
    }
    // A pen's width: never below one pixel where it was at least one.
    int szerokosc(int w) const {
        if (skala == 1.0 || w <= 0)
            return w;
        return static_cast<int>(std::clamp<double>(std::round(double(w) * skala), 1.0, 32767.0));
    }
    // Grid pixels around the ones view pixels v..w show, for finding what
    // to draw; a pixel or two more than needed costs nothing under the clip.
    std::int64_t odWidoku(std::int64_t v) const {
        return skala == 1.0 ? v : static_cast<std::int64_t>(std::floor(double(v) / skala)) - 1;
    }
    std::int64_t doWidoku(std::int64_t w) const {
        return skala == 1.0 ? w : static_cast<std::int64_t>(std::ceil(double(w + 1) / skala)) + 1;
    }
};

QRect CMatryca::ProstokatKola(int row, int column) const {
    // The circle with its one-pixel outline, or the dot that stands for it,
    // clamped to the control.
    const Rzut rzut{skala_, false};
    const std::int64_t x0 = PoczatekKomorki(column);
    const std::int64_t y0 = PoczatekKomorki(row);
    const std::int64_t x1 = x0 + CellSize;
    const std::int64_t y1 = y0 + CellSize;
    std::int64_t lewa = rzut(std::min(x0, x1));
    std::int64_t prawa = rzut(std::max(x0, x1) + 1);
    std::int64_t gora = rzut(std::min(y0, y1));
    std::int64_t dol = rzut(std::max(y0, y1) + 1);
    if (skala_ < 1.0) {
        const std::int64_t x = rzut(SrodekKomorki(column));
        const std::int64_t y = rzut(SrodekKomorki(row));
        lewa = std::min(lewa, x - 1);
        prawa = std::max(prawa, x + 2);
        gora = std::min(gora, y - 1);
        dol = std::max(dol, y + 2);
    }
    auto naX = [this](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, width())); };
    auto naY = [this](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, height())); };
    return QRect(naX(lewa), naY(gora), naX(prawa) - naX(lewa), naY(dol) - naY(gora));
}

void CMatryca::PaintCell(int row, int column, bool city) {
    // The circle is drawn from the cell table, which SetCell has already
    // given the value city; an immediate repaint of its square does it.
    Q_UNUSED(city);
    if (row < 0 || column < 0 || row >= RowCount || column >= ColumnCount)
        return;
    const QRect obszar = ProstokatKola(row, column);
    if (!obszar.isEmpty())
        repaint(obszar);
}

void CMatryca::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintTo(painter, event->rect());
}

void CMatryca::PaintTo(QPainter& painter, const QRect& rect) const {
    PaintTo(painter, rect, skala_);
}

void CMatryca::PaintTo(QPainter& painter, const QRect& rect, double skala) const {
    if (!std::isfinite(skala) || skala <= 0.0)
        return;
    const QRect calosc(0, 0, doRozmiaru(WymiarWSkali(SzerokoscRzeczywista(), skala)),
                       doRozmiaru(WymiarWSkali(WysokoscRzeczywista(), skala)));
    const QRect obszar = rect & calosc;
    if (obszar.isEmpty())
        return;
    const Rzut rzut{skala, skala < 1.0 && Skok() > 0 && double(Skok()) * skala < ProgDrobnychKomorek};

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(obszar, Qt::IntersectClip);
    painter.fillRect(obszar, toQColor(BackgroundColor));
    // Lines closer than a few pixels would only merge into a grey veil.
    if (!rzut.drobne)
        PaintLinie(painter, obszar, rzut);
    PaintMiasta(painter, obszar, rzut);
    PaintPunkty(painter, obszar, rzut);
    PaintExamined(painter, obszar, rzut);
    painter.restore();
}

void CMatryca::PaintLinie(QPainter& painter, const QRect& obszar, const Rzut& rzut) const {
    // Only the lines whose pen reaches the area, each cut to the area with a
    // margin wider than its cap, so no pixel inside changes. Line k lies at
    // the view's place of k * pitch, moved by half the pen as at the actual
    // size.
    const int grubosc = rzut.szerokosc(GridWidth);
    const std::int64_t przesuniecie = grubosc / 2;
    const std::int64_t margines = szerokoscPiora(grubosc) + 2;
    const std::int64_t lewa = obszar.left() - margines;
    const std::int64_t prawa = obszar.right() + margines;
    const std::int64_t gora = obszar.top() - margines;
    const std::int64_t dol = obszar.bottom() + margines;
    const int szerokosc = doRozmiaru(WymiarWSkali(SzerokoscRzeczywista(), rzut.skala));
    const int wysokosc = doRozmiaru(WymiarWSkali(WysokoscRzeczywista(), rzut.skala));
    const int od_y = static_cast<int>(std::max<std::int64_t>(0, gora));
    const int do_y = static_cast<int>(std::min<std::int64_t>(wysokosc, dol));
    const int od_x = static_cast<int>(std::max<std::int64_t>(0, lewa));
    const int do_x = static_cast<int>(std::min<std::int64_t>(szerokosc, prawa));
    painter.setPen(pioro(GridColor, grubosc));
    const Zakres pionowe = widoczne(0, Skok(), ColumnCount, rzut.odWidoku(lewa - przesuniecie),
                                    rzut.doWidoku(prawa - przesuniecie));
    for (std::int64_t k = pionowe.pierwszy; k <= pionowe.ostatni; ++k) {
        const int x = static_cast<int>(rzut(k * Skok()) + przesuniecie);
        painter.drawLine(x, od_y, x, do_y);
    }
    const Zakres poziome = widoczne(0, Skok(), RowCount, rzut.odWidoku(gora - przesuniecie),
                                    rzut.doWidoku(dol - przesuniecie));
    for (std::int64_t k = poziome.pierwszy; k <= poziome.ostatni; ++k) {
        const int y = static_cast<int>(rzut(k * Skok()) + przesuniecie);
        painter.drawLine(od_x, y, do_x, y);
    }
}

void CMatryca::PaintMiasta(QPainter& painter, const QRect& obszar, const Rzut& rzut) const {
    // The cells in view, with room for a circle's outline or a dot that
    // reaches in from a cell outside.
    std::int64_t zapas = std::abs(std::int64_t(CellSize)) + 2;
    if (rzut.skala < 1.0)
        zapas += static_cast<std::int64_t>(std::ceil(2.0 / rzut.skala));
    const Zakres wiersze = widoczne(PoczatekKomorki(0), Skok(), RowCount - 1, rzut.odWidoku(obszar.top()) - zapas,
                                    rzut.doWidoku(obszar.bottom()) + zapas);
    const Zakres kolumny = widoczne(PoczatekKomorki(0), Skok(), ColumnCount - 1,
                                    rzut.odWidoku(obszar.left()) - zapas, rzut.doWidoku(obszar.right()) + zapas);
    if (wiersze.pierwszy > wiersze.ostatni || kolumny.pierwszy > kolumny.ostatni)
        return;

    // The circle inside the square from (x0 + 1, y0 + 1) to
    // (x0 + CellSize - 1, y0 + CellSize - 1), right and bottom edges
    // excluded: Qt's outline covers width + 1 pixels. Below the actual size
    // a circle narrower than 3 pixels becomes a dot of 3, so that no city
    // disappears.
    const double bok = rzut.skala == 1.0 ? double(CellSize) - 3 : std::floor((double(CellSize) - 3) * rzut.skala);
    const bool kropki = rzut.drobne || (rzut.skala < 1.0 && bok < 2.0);
    const QColor kolor = toQColor(SelectedColor);
    painter.setPen(pioro(SelectedColor, 1));
    painter.setBrush(kolor);
    const std::size_t szerokoscWiersza = std::size_t(ColumnCount);
    const std::size_t ileKolumn = std::size_t(kolumny.ostatni - kolumny.pierwszy + 1);
    for (std::int64_t i = wiersze.pierwszy; i <= wiersze.ostatni; ++i) {
        const std::uint8_t* wiersz = Cells.data() + std::size_t(i) * szerokoscWiersza;
        const std::uint8_t* od = wiersz + kolumny.pierwszy;
        const std::uint8_t* koniec = od + ileKolumn;
        // Cities are ones among zeros: memchr finds them far faster than a
        // test of every cell, which a fitted view of millions of cells needs.
        while (od < koniec) {
            const void* miasto = std::memchr(od, 1, std::size_t(koniec - od));
            if (!miasto)
                break;
            od = static_cast<const std::uint8_t*>(miasto);
            const std::int64_t j = od - wiersz;
            ++od;
            if (kropki) {
                const int x = static_cast<int>(rzut(SrodekKomorki(j)));
                const int y = static_cast<int>(rzut(SrodekKomorki(i)));
                painter.fillRect(QRect(x - 1, y - 1, 3, 3), kolor);
                continue;
            }
            const double x0 = double(rzut(PoczatekKomorki(j) + 1));
            const double y0 = double(rzut(PoczatekKomorki(i) + 1));
            painter.drawEllipse(QRectF(x0, y0, bok, bok).normalized());
        }
    }
}

void CMatryca::PaintPunkty(QPainter& painter, const QRect& obszar, const Rzut& rzut) const {
    const int n = BestPunkty.Count();
    if (n == 0)
        return;
    const int grubosc = rzut.szerokosc(BestRouteWidth);
    painter.setPen(pioro(BestRouteColor, grubosc));
    const double margines = szerokoscPiora(grubosc) + 2.0;
    const QRectF pole = QRectF(obszar).adjusted(-margines, -margines, margines, margines);
    const TPunkt* punkty = BestPunkty.Punkty.data();
    for (int i = 1; i <= n; ++i)
        if (!PaintOdcinek(painter, pole, rzut, punkty[i - 1], punkty[i == n ? 0 : i]))
            break;
}

void CMatryca::PaintExamined(QPainter& painter, const QRect& obszar, const Rzut& rzut) const {
    if (Examined.empty())
        return;
    const int grubosc = rzut.szerokosc(BestRouteWidth);
    painter.setPen(pioro(ExaminedColor, grubosc));
    const double margines = szerokoscPiora(grubosc) + 2.0;
    const QRectF pole = QRectF(obszar).adjusted(-margines, -margines, margines, margines);
    for (const auto& [a, b] : Examined)
        PaintOdcinek(painter, pole, rzut, a, b);
}

bool CMatryca::PaintOdcinek(QPainter& painter, const QRectF& pole, const Rzut& rzut, TPunkt a, TPunkt b) const {
    if (a.x < 0 || b.x < 0 || a.y < 0 || b.y < 0 || a.x >= ColumnCount || b.x >= ColumnCount || a.y >= RowCount
        || b.y >= RowCount)
        return false;
    // Beyond this the coordinates are cut to the area before Qt sees them.
    constexpr double daleko = 1 << 20;
    auto srodek = [&](TPunkt p) {
        return QPointF(double(rzut(SrodekKomorki(p.x))), double(rzut(SrodekKomorki(p.y))));
    };
    QPointF p = srodek(a);
    QPointF q = srodek(b);
    if (std::max(p.x(), q.x()) < pole.left() || std::min(p.x(), q.x()) > pole.right()
        || std::max(p.y(), q.y()) < pole.top() || std::min(p.y(), q.y()) > pole.bottom())
        return true;
    const bool duze = std::abs(p.x()) > daleko || std::abs(p.y()) > daleko || std::abs(q.x()) > daleko
                      || std::abs(q.y()) > daleko;
    if (duze && !PrzytnijOdcinek(p, q, pole))
        return true;
    painter.drawLine(QLineF(p, q));
    return true;
}

void CMatryca::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys, int X, int Y) {
    Q_UNUSED(button);
    Q_UNUSED(keys);
    const std::int64_t p = Skok();
    if (p <= 0)
        return;
    if (X % p <= GridWidth || Y % p <= GridWidth)
        return;
    const std::int64_t kolumna = X / p;
    const std::int64_t wiersz = Y / p;
    // Negative indexes can come only from negative sizes; they are outside
    // the grid like any other.
    if (wiersz < 0 || kolumna < 0 || wiersz >= RowCount || kolumna >= ColumnCount)
        return;
    const int row = static_cast<int>(wiersz);
    const int column = static_cast<int>(kolumna);
    if (OnCellClick) {
        OnCellClick(row, column);
        return;
    }
    if (BestPunkty.Count() != 0) {
        BestPunkty.Clear();
        std::uint8_t& komorka = Cells[std::size_t(row) * std::size_t(ColumnCount) + std::size_t(column)];
        komorka = komorka ? 0 : 1;
        ++wersjaMiast_;
        Paint();
        SetPointCount(PointCount + (komorka ? 1 : -1));
    } else {
        SetCell(row, column, !GetCell(row, column));
    }
}

void CMatryca::mousePressEvent(QMouseEvent* event) {
    const QPointF pozycja = event->position();
    const int x = qFloor(pozycja.x());
    const int y = qFloor(pozycja.y());
    if (skala_ == 1.0) {
        MouseDown(event->button(), event->modifiers(), x, y);
    } else if (const auto punkt = PunktRzeczywisty(x, y)) {
        MouseDown(event->button(), event->modifiers(), punkt->x(), punkt->y());
    }
    event->accept();
}

std::optional<QPoint> CMatryca::PunktRzeczywisty(int x, int y) const {
    // The grid pixel under the middle of the view pixel; the formulas of the
    // actual size then decide, grid lines included where they are drawn.
    std::int64_t u = static_cast<std::int64_t>(std::floor((double(x) + 0.5) / skala_));
    std::int64_t v = static_cast<std::int64_t>(std::floor((double(y) + 0.5) / skala_));
    const std::int64_t p = Skok();
    if (skala_ < 1.0 && p > 0 && double(p) * skala_ < ProgDrobnychKomorek) {
        // No lines are drawn to aim between, so a press anywhere takes the
        // cell it falls in, as if at its middle.
        u = podlogaDzielenia(u, p) * p + GridWidth + CellSize / 2;
        v = podlogaDzielenia(v, p) * p + GridWidth + CellSize / 2;
    }
    constexpr std::int64_t maks = std::numeric_limits<int>::max();
    if (u < 0 || v < 0 || u > maks || v > maks)
        return std::nullopt;
    return QPoint(static_cast<int>(u), static_cast<int>(v));
}
