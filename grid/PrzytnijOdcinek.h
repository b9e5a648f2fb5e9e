#pragma once

#include <QPointF>
#include <QRectF>

// Cuts the segment a-b to the box, keeping its direction; false when no part
// of it lies in the box (Liang-Barsky).
bool PrzytnijOdcinek(QPointF& a, QPointF& b, const QRectF& pole);
