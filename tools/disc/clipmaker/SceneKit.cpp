#include "SceneKit.h"

#include "Icons.h"
#include "Paint.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace clip {

Design::Design(const SceneContext& c, qreal w, qreal h) : w(w), h(h), p_(c.p)
{
    const qreal s = std::min(c.area.width() / w, c.area.height() / h);
    p_.save();
    p_.translate(c.area.center().x() - w * s / 2, c.area.bottom() - h * s);
    p_.scale(s, s);
}

Design::~Design()
{
    p_.restore();
}

QColor chartColour(const art::Theme& t, int i)
{
    // Hues that stand apart from every module's own and from each other.
    const QColor more[] = {QColor(236, 160, 40),  QColor(60, 160, 90),  QColor(60, 120, 200),
                           QColor(150, 110, 200), QColor(40, 160, 170), QColor(200, 70, 60)};
    return i == 0 ? t.mid : more[(i - 1) % 6];
}

void label(QPainter& p, const QRectF& r, const QString& s, const QColor& c, qreal px, bool bold)
{
    art::text(p, r, Qt::AlignCenter, s, art::sans(px, bold), c);
}

qreal pillWidth(const QString& s, qreal px)
{
    return art::textWidth(art::sans(px, true), s) + px * 1.2;
}

void pill(QPainter& p, QPointF c, const QString& s, const QColor& colour, qreal px)
{
    const QFont f = art::sans(px, true);
    const qreal w = pillWidth(s, px), h = px * 1.6;
    const QRectF r(c.x() - w / 2, c.y() - h / 2, w, h);
    const QPainterPath path = art::rounded(r, h / 2);
    art::fillVertical(p, path, colour.lighter(118), colour.darker(105));
    art::text(p, r, Qt::AlignCenter, s, f, Qt::white);
}

void tick(QPainter& p, const QRectF& r, const QColor& c)
{
    QPainterPath t;
    t.moveTo(r.left(), r.top() + r.height() * 0.55);
    t.lineTo(r.left() + r.width() * 0.38, r.bottom());
    t.lineTo(r.right(), r.top());
    art::stroke(p, t, c, std::max<qreal>(1.6, r.width() * 0.2));
}

void cross(QPainter& p, const QRectF& r, const QColor& c)
{
    QPainterPath x;
    x.moveTo(r.topLeft());
    x.lineTo(r.bottomRight());
    x.moveTo(r.topRight());
    x.lineTo(r.bottomLeft());
    art::stroke(p, x, c, std::max<qreal>(1.6, r.width() * 0.2));
}

void bubble(QPainter& p, const QRectF& r, QPointF tail, bool thought)
{
    QPainterPath b = art::rounded(r, std::min(r.width(), r.height()) * 0.35);
    const QColor edge(120, 126, 140);
    if (thought) {
        const QPointF from = r.center() + (tail - r.center()) * 0.55;
        for (int i = 0; i < 2; ++i) {
            const QPointF c = from + (tail - from) * (0.45 + 0.45 * i);
            const qreal rad = 2.6 - i;
            QPainterPath dot;
            dot.addEllipse(c, rad, rad);
            p.fillPath(dot, Qt::white);
            art::stroke(p, dot, edge, 0.8);
        }
    } else {
        const QPointF c = r.center();
        const QPointF d = tail - c;
        const QPointF n = QPointF(-d.y(), d.x()) / std::max<qreal>(1, std::hypot(d.x(), d.y())) * 4;
        QPainterPath t;
        t.moveTo(c + n);
        t.lineTo(tail);
        t.lineTo(c - n);
        t.closeSubpath();
        b = b.united(t);
    }
    art::dropShadow(p, b, QPointF(0.8, 1.2), 2, QColor(0, 0, 0, 60));
    p.fillPath(b, Qt::white);
    art::stroke(p, b, edge, 0.8);
}

void stamp(QPainter& p, QPointF c, const QString& s, const QColor& colour, qreal grow, qreal angle)
{
    if (grow <= 0)
        return;
    p.save();
    p.translate(c);
    p.rotate(angle);
    // Lands from large to its size.
    const qreal k = 1 + 0.8 * (1 - grow);
    p.scale(k, k);
    p.setOpacity(p.opacity() * std::min<qreal>(1, grow * 1.5));
    const QFont f = art::sans(9, true);
    const qreal w = art::textWidth(f, s) + 8, h = 13;
    const QRectF r(-w / 2, -h / 2, w, h);
    art::stroke(p, art::rounded(r, 2), colour, 1.4);
    art::text(p, r, Qt::AlignCenter, s, f, colour);
    p.restore();
}

void sparkle(QPainter& p, QPointF c, qreal size, qreal phase)
{
    const qreal k = std::sin(std::clamp(phase, qreal(0), qreal(1)) * M_PI);
    if (k <= 0.01)
        return;
    const qreal r = size * k, w = r * 0.22;
    QPainterPath star;
    star.moveTo(c + QPointF(0, -r));
    star.quadTo(c + QPointF(w, -w), c + QPointF(r, 0));
    star.quadTo(c + QPointF(w, w), c + QPointF(0, r));
    star.quadTo(c + QPointF(-w, w), c + QPointF(-r, 0));
    star.quadTo(c + QPointF(-w, -w), c + QPointF(0, -r));
    p.fillPath(star, QColor(255, 255, 230, int(230 * k)));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, qreal width)
{
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    if (len < 1)
        return;
    const QPointF u = d / len, n(-u.y(), u.x());
    const qreal head = width * 2.6;
    QPainterPath shaft;
    shaft.moveTo(from);
    shaft.lineTo(to - u * head * 0.8);
    art::stroke(p, shaft, c, width);
    QPainterPath h;
    h.moveTo(to);
    h.lineTo(to - u * head + n * head * 0.6);
    h.lineTo(to - u * head - n * head * 0.6);
    h.closeSubpath();
    p.fillPath(h, c);
}

void priceTag(QPainter& p, const QRectF& r, const QString& s, const QColor& c)
{
    QPainterPath tag;
    const qreal notch = r.height() * 0.5;
    tag.moveTo(r.left(), r.center().y());
    tag.lineTo(r.left() + notch, r.top());
    tag.lineTo(r.right(), r.top());
    tag.lineTo(r.right(), r.bottom());
    tag.lineTo(r.left() + notch, r.bottom());
    tag.closeSubpath();
    art::dropShadow(p, tag, QPointF(0.8, 1.2), 2, QColor(0, 0, 0, 70));
    art::fillVertical(p, tag, c.lighter(120), c);
    QPainterPath hole;
    hole.addEllipse(QPointF(r.left() + notch * 0.7, r.center().y()), 1.3, 1.3);
    p.fillPath(hole, Qt::white);
    art::text(p, r.adjusted(notch + 1, 0, -1, 0), Qt::AlignCenter, s,
              art::fitted(art::sans(r.height() * 0.62, true), s, r.width() - notch - 2, 5), Qt::white);
}

namespace {

using Draw = void (*)(QPainter&, const QRectF&, const art::Theme&);

struct Picture {
    const char* name;
    Draw draw;
};

// Illustrations drawn to fill a square box.
constexpr Picture kPictures[] = {
    {"house", [](QPainter& p, const QRectF& r,
                 const art::Theme& t) { art::illo::house(p, r, QColor(250, 236, 210), t.mid); }},
    {"car",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::car(p, r.adjusted(0, r.height() * 0.3, 0, 0), QColor(60, 110, 190));
     }},
    {"school",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::gradCap(p, r.adjusted(0, r.height() * 0.15, 0, -r.height() * 0.1));
     }},
    {"travel",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::plane(p, r.adjusted(0, r.height() * 0.2, 0, -r.height() * 0.2), QColor(60, 110, 190));
     }},
    {"piggy",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::piggy(p, r.adjusted(0, r.height() * 0.2, 0, 0), QColor(246, 170, 186));
     }},
    {"coins",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::coinStack(p, QPointF(r.center().x(), r.bottom()), r.width() * 0.32, 5);
     }},
    {"card",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::card(p, r.adjusted(0, r.height() * 0.2, 0, -r.height() * 0.2), QColor(60, 110, 190), -8);
     }},
    {"calendar",
     [](QPainter& p, const QRectF& r, const art::Theme& t) {
         art::illo::calendar(p, r.adjusted(r.width() * 0.08, r.height() * 0.08, -r.width() * 0.08, 0), t.mid,
                             17);
     }},
    {"shield",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::shield(p, r.adjusted(r.width() * 0.12, 0, -r.width() * 0.12, 0), QColor(40, 150, 70));
     }},
    {"umbrella",
     [](QPainter& p, const QRectF& r, const art::Theme&) { art::illo::umbrella(p, r, QColor(220, 70, 60)); }},
    {"clock",
     [](QPainter& p, const QRectF& r, const art::Theme&) { art::illo::clock(p, r.adjusted(2, 2, -2, -2)); }},
    {"tree", [](QPainter& p, const QRectF& r, const art::Theme&) { art::illo::tree(p, r); }},
    {"sprout",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::sprout(p, r.adjusted(r.width() * 0.15, 0, -r.width() * 0.15, 0));
     }},
    {"target",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::target(p, r.adjusted(0, r.height() * 0.1, -r.width() * 0.1, 0));
     }},
    {"mountain", [](QPainter& p, const QRectF& r, const art::Theme&) { art::illo::mountain(p, r); }},
    {"bag",
     [](QPainter& p, const QRectF& r, const art::Theme&) { art::illo::bag(p, r, QColor(236, 170, 50)); }},
    {"wallet",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::wallet(p, r.adjusted(0, r.height() * 0.15, 0, -r.height() * 0.1), QColor(130, 86, 50));
     }},
    {"firstaid", [](QPainter& p, const QRectF& r,
                    const art::Theme&) { art::illo::firstAid(p, r.adjusted(0, r.height() * 0.1, 0, 0)); }},
    {"calculator",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::calculator(p, r.adjusted(r.width() * 0.2, 0, -r.width() * 0.2, 0));
     }},
    {"document",
     [](QPainter& p, const QRectF& r, const art::Theme& t) {
         art::illo::document(p, r.adjusted(r.width() * 0.15, 0, -r.width() * 0.15, 0), t.mid, 5);
     }},
    {"receipt",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::receipt(p, r.adjusted(r.width() * 0.2, 0, -r.width() * 0.2, 0));
     }},
    {"money",
     [](QPainter& p, const QRectF& r, const art::Theme&) {
         art::illo::banknotes(p, r.adjusted(0, r.height() * 0.25, 0, -r.height() * 0.25), 3, -6);
     }},
    {"chart",
     [](QPainter& p, const QRectF& r, const art::Theme& t) {
         art::illo::barChart(p, r.adjusted(2, 4, -2, -2), {2, 3, 2.5, 4}, t.mid);
     }},
};

// Flat glyphs of the course, shown on a badge.
constexpr const char* kBadges[] = {"heart",    "mirror", "bulb",    "question", "list",  "printer",
                                   "scale",    "gauge",  "pyramid", "plant",    "globe", "phone",
                                   "envelope", "bolt",   "check",   "home"};

} // namespace

bool knownIcon(const QString& name)
{
    return iconNames().contains(name);
}

QStringList iconNames()
{
    QStringList out;
    for (const Picture& pic : kPictures)
        out.append(QString::fromLatin1(pic.name));
    for (const char* b : kBadges)
        out.append(QString::fromLatin1(b));
    return out;
}

void icon(QPainter& p, const QString& name, const QRectF& r, const art::Theme& t)
{
    for (const Picture& pic : kPictures)
        if (name == QLatin1String(pic.name)) {
            pic.draw(p, r, t);
            return;
        }
    QPainterPath disc;
    disc.addEllipse(r.center(), r.width() * 0.46, r.width() * 0.46);
    art::dropShadow(p, disc, QPointF(0.8, 1.2), 2, QColor(0, 0, 0, 70));
    art::fillVertical(p, disc, t.mid.lighter(125), t.dark);
    const qreal g = r.width() * 0.56;
    art::glyph(p, name, QRectF(r.center().x() - g / 2, r.center().y() - g / 2, g, g), Qt::white);
}

} // namespace clip
