// Drawing pieces the scenes share: a design box of fixed units fitted into
// the scene's area, small labels, tags, ticks and crosses, bubbles, stamps
// and the chart colours.
#pragma once

#include "Scene.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace clip {

// Scenes are drawn in a box of `w` x `h` units (110 x 84 unless told), scaled
// to fit the area and standing on its bottom edge, centred across it.
class Design {
public:
    explicit Design(const SceneContext& c, qreal w = 110, qreal h = 84);
    ~Design();
    Design(const Design&) = delete;
    Design& operator=(const Design&) = delete;

    const qreal w, h;

private:
    QPainter& p_;
};

// The n-th colour of charts and lists, starting with the module's own.
QColor chartColour(const art::Theme& t, int i);

// A few words, centred in `r`.
void label(QPainter& p, const QRectF& r, const QString& s, const QColor& c, qreal px, bool bold = true);
// A pill of colour with white words, centred on `c`.
void pill(QPainter& p, QPointF c, const QString& s, const QColor& colour, qreal px = 8);
qreal pillWidth(const QString& s, qreal px = 8);
void tick(QPainter& p, const QRectF& r, const QColor& c);
void cross(QPainter& p, const QRectF& r, const QColor& c);
// A rounded speech bubble whose tail points at `tail`; a thought bubble trails small circles.
void bubble(QPainter& p, const QRectF& r, QPointF tail, bool thought = false);
// A tilted rubber stamp ("PAID"), `grow` 0..1 as it lands.
void stamp(QPainter& p, QPointF c, const QString& s, const QColor& colour, qreal grow, qreal angle = -12);
// A four-pointed glint that twinkles (`phase` 0..1 through one twinkle).
void sparkle(QPainter& p, QPointF c, qreal size, qreal phase);
// A straight arrow with a head at `to`.
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, qreal width);
// The pictures scripts can name (icons=house,car,...): the course's
// illustrations, or its flat glyphs on a round badge.
bool knownIcon(const QString& name);
QStringList iconNames();
void icon(QPainter& p, const QString& name, const QRectF& r, const art::Theme& t);

// A price tag with `s` on it, hanging from its hole at the top left.
void priceTag(QPainter& p, const QRectF& r, const QString& s, const QColor& c);

} // namespace clip
