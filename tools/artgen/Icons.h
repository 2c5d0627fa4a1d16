// Icons of the course: flat glyphs in one colour for buttons, and colourful
// illustrations (coins, houses, cards, charts, ...) for pictures.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QVector>

namespace art {

// A glyph drawn in `fg` into `box` (square boxes look best). Throws RowError
// for an unknown name.
void glyph(QPainter& p, const QString& name, const QRectF& box, const QColor& fg);
bool hasGlyph(const QString& name);

namespace illo {

void coin(QPainter& p, QPointF centre, qreal r, qreal tilt = 0);
void coinStack(QPainter& p, QPointF bottomCentre, qreal r, int count);
void banknotes(QPainter& p, const QRectF& r, int count, qreal angle = 0);
void piggy(QPainter& p, const QRectF& r, const QColor& body);
void house(QPainter& p, const QRectF& r, const QColor& wall, const QColor& roof);
void car(QPainter& p, const QRectF& r, const QColor& body);
void card(QPainter& p, const QRectF& r, const QColor& c, qreal angle = 0);
void calendar(QPainter& p, const QRectF& r, const QColor& head, int marked = -1);
void document(QPainter& p, const QRectF& r, const QColor& accent, int lines = 6);
void barChart(QPainter& p, const QRectF& r, const QVector<qreal>& values, const QColor& c);
void pieChart(QPainter& p, const QRectF& r, const QVector<qreal>& shares, const QVector<QColor>& colours,
              qreal depth = 0);
void trendLine(QPainter& p, const QRectF& r, const QVector<qreal>& values, const QColor& c, qreal width);
void magnifier(QPainter& p, QPointF centre, qreal r, qreal angle = 45);
void umbrella(QPainter& p, const QRectF& r, const QColor& c);
void bag(QPainter& p, const QRectF& r, const QColor& c);
void wallet(QPainter& p, const QRectF& r, const QColor& c);
void scale(QPainter& p, const QRectF& r, qreal tilt);
void gauge(QPainter& p, const QRectF& r, qreal value);
void sprout(QPainter& p, const QRectF& r);
void target(QPainter& p, const QRectF& r);
void mountain(QPainter& p, const QRectF& r);
void calculator(QPainter& p, const QRectF& r);
void shield(QPainter& p, const QRectF& r, const QColor& c);
void clipboard(QPainter& p, const QRectF& r, int checked, int lines);
void receipt(QPainter& p, const QRectF& r);
void firstAid(QPainter& p, const QRectF& r);
void clock(QPainter& p, const QRectF& r);
void gradCap(QPainter& p, const QRectF& r);
void disc(QPainter& p, const QRectF& r);
void speaker(QPainter& p, const QRectF& r, const QColor& c);
void cloud(QPainter& p, const QRectF& r, const QColor& c);
void tree(QPainter& p, const QRectF& r);
void plane(QPainter& p, const QRectF& r, const QColor& c);

} // namespace illo

} // namespace art
