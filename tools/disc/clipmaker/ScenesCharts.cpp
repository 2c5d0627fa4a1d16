// Scenes of figures: bars that grow, a line that draws itself, a pie whose
// slices sweep in, a gauge whose needle swings, a slider that reshapes a pie,
// and the pyramid of investments built tier by tier.
#include "Animate.h"
#include "Icons.h"
#include "Paint.h"
#include "SceneKit.h"

#include <QPainterPath>
#include <cmath>

namespace clip {

namespace {

using namespace art;
using namespace art::illo;

// A design box as wide as the area allows at the usual height.
qreal wideWidth(const SceneContext& c)
{
    return 84 * c.area.width() / c.area.height();
}

qreal maxOf(const QVector<qreal>& a, const QVector<qreal>& b)
{
    qreal m = 0;
    for (qreal v : a)
        m = std::max(m, v);
    for (qreal v : b)
        m = std::max(m, v);
    return m > 0 ? m : 1;
}

// Two small legend entries across the top, centred together.
void legend(QPainter& p, qreal w, const QStringList& names, const QColor& first, const QColor& second)
{
    const QFont f = art::sans(7, true);
    const int n = std::min<int>(2, names.size());
    qreal total = 0;
    for (int i = 0; i < n; ++i)
        total += 9 + art::textWidth(f, names[i]) + (i ? 8 : 0);
    const qreal k = total > w - 4 ? (w - 4) / total : 1;
    qreal x = (w - total * k) / 2;
    for (int i = 0; i < n; ++i) {
        const qreal tw = art::textWidth(f, names[i]) * k;
        p.fillRect(QRectF(x, 2, 6, 6), i == 0 ? first : second);
        art::text(p, QRectF(x + 8, 0, tw + 2, 10), Qt::AlignLeft | Qt::AlignVCenter, names[i],
                  art::fitted(f, names[i], tw + 1, 5), ink());
        x += 9 + tw + 8;
    }
}

void bars(const SceneContext& c)
{
    Design d(c, wideWidth(c));
    const QVector<qreal> values = c.params.numbers(QStringLiteral("values"));
    const QVector<qreal> compare = c.params.numbers(QStringLiteral("compare"));
    const QStringList labels = c.params.list(QStringLiteral("labels"));
    const int highlight = int(c.params.number(QStringLiteral("highlight"), 0)) - 1;
    const QStringList names = c.params.list(QStringLiteral("legend"));
    const int n = std::max<int>(1, values.size());
    const qreal top = maxOf(values, compare);
    const QRectF chart(4, names.isEmpty() ? 6 : 14, d.w - 8, labels.isEmpty() ? 74 : 64);
    const qreal slot = chart.width() / n;
    const QColor mine = c.theme.mid, other(170, 176, 188);
    for (int i = 0; i < values.size(); ++i) {
        const qreal grow = easeOut(entrance(c.now, i, n, 0.8));
        const bool two = i < compare.size();
        const qreal bw = slot * (two ? 0.36 : 0.6);
        auto bar = [&](qreal x, qreal v, const QColor& col) {
            const qreal h = chart.height() * v / top * grow;
            if (h <= 0.5)
                return;
            const QRectF b(x, chart.bottom() - h, bw, h);
            const QPainterPath path = rounded(b, std::min<qreal>(2, bw * 0.2));
            QLinearGradient g(b.topLeft(), b.topRight());
            g.setColorAt(0, col.lighter(135));
            g.setColorAt(1, col.darker(112));
            c.p.fillPath(path, g);
            stroke(c.p, path, col.darker(150), 0.8);
        };
        const qreal x0 = chart.left() + i * slot + (slot - bw * (two ? 2.15 : 1)) / 2;
        bar(x0, values[i], i == highlight ? gold() : mine);
        if (two)
            bar(x0 + bw * 1.15, compare[i], other);
        if (i == highlight && grow >= 1) {
            // The bar to look at bounces a star above it.
            const qreal h = chart.height() * values[i] / top;
            const qreal bob = 2 * std::abs(sway(c.now, 1.2));
            arrow(c.p, QPointF(x0 + bw / 2, chart.bottom() - h - 14 - bob),
                  QPointF(x0 + bw / 2, chart.bottom() - h - 3 - bob), QColor(200, 70, 60), 1.8);
        }
        if (i < labels.size())
            text(c.p, QRectF(chart.left() + i * slot, chart.bottom() + 1, slot, 9), Qt::AlignCenter,
                 labels[i], fitted(sans(7.5, true), labels[i], slot - 2, 5), c.theme.deep);
    }
    c.p.fillRect(QRectF(chart.left(), chart.bottom(), chart.width(), 1), QColor(90, 96, 108));
    if (!names.isEmpty())
        legend(c.p, d.w, names, mine, other);
}

// A line drawn left to right; a second line for comparison.
void line(const SceneContext& c)
{
    Design d(c, wideWidth(c));
    const QVector<qreal> values = c.params.numbers(QStringLiteral("values"));
    const QVector<qreal> compare = c.params.numbers(QStringLiteral("compare"));
    const QStringList labels = c.params.list(QStringLiteral("labels"));
    const QStringList names = c.params.list(QStringLiteral("legend"));
    const QRectF chart(6, names.isEmpty() ? 6 : 14, d.w - 12, labels.isEmpty() ? 74 : 64);
    qreal lo = 0;
    for (qreal v : values + compare)
        lo = std::min(lo, v);
    const qreal hi = maxOf(values, compare);
    const qreal k = easeInOut(during(c.now, 0.08, 0.8));
    // Grid.
    for (int i = 1; i <= 3; ++i)
        c.p.fillRect(QRectF(chart.left(), chart.bottom() - chart.height() * i / 3, chart.width(), 0.6),
                     QColor(0, 0, 0, 30));
    auto pointOf = [&](const QVector<qreal>& v, qreal at) {
        const qreal pos = at * (v.size() - 1);
        const int i = std::min<int>(int(pos), v.size() - 2);
        const qreal y = lerp(v[i], v[i + 1], pos - i);
        return QPointF(chart.left() + chart.width() * at,
                       chart.bottom() - (y - lo) / (hi - lo) * chart.height());
    };
    auto draw = [&](const QVector<qreal>& v, const QColor& col, qreal width) {
        if (v.size() < 2 || k <= 0)
            return;
        QPainterPath path, fill;
        const int steps = 60;
        for (int s = 0; s <= steps; ++s) {
            const QPointF pt = pointOf(v, k * s / steps);
            if (s == 0) {
                path.moveTo(pt);
                fill.moveTo(pt.x(), chart.bottom());
            }
            path.lineTo(pt);
            fill.lineTo(pt);
        }
        fill.lineTo(pointOf(v, k).x(), chart.bottom());
        fill.closeSubpath();
        QLinearGradient g(chart.topLeft(), chart.bottomLeft());
        g.setColorAt(0, withAlpha(col, 90));
        g.setColorAt(1, withAlpha(col, 8));
        c.p.fillPath(fill, g);
        stroke(c.p, path, col, width);
        QPainterPath head;
        head.addEllipse(pointOf(v, k), width * 1.3, width * 1.3);
        c.p.fillPath(head, col.darker(120));
    };
    draw(compare, QColor(200, 70, 60), 1.6);
    draw(values, c.theme.mid, 2.2);
    c.p.fillRect(QRectF(chart.left(), chart.bottom(), chart.width(), 1), QColor(90, 96, 108));
    c.p.fillRect(QRectF(chart.left(), chart.top(), 1, chart.height()), QColor(90, 96, 108));
    // Labels along the axis: the first starts at its left end, the last ends at its right.
    for (int i = 0; i < labels.size(); ++i) {
        const qreal x =
            labels.size() == 1 ? chart.center().x() : chart.left() + chart.width() * i / (labels.size() - 1);
        const bool first = i == 0 && labels.size() > 1, last = i == labels.size() - 1 && labels.size() > 1;
        const QRectF r = first  ? QRectF(x, chart.bottom() + 1, 40, 9)
                         : last ? QRectF(x - 40, chart.bottom() + 1, 40, 9)
                                : QRectF(x - 20, chart.bottom() + 1, 40, 9);
        text(c.p, r,
             (first  ? Qt::AlignLeft
              : last ? Qt::AlignRight
                     : Qt::AlignHCenter) |
                 Qt::AlignVCenter,
             labels[i], sans(7, true), c.theme.deep);
    }
    if (!names.isEmpty())
        legend(c.p, d.w, names, c.theme.mid, QColor(200, 70, 60));
}

// Slices sweep in one by one; a legend names them.
void drawPie(QPainter& p, const QRectF& r, const QVector<qreal>& shares, const art::Theme& t, qreal sweep,
             int highlight, qreal pop)
{
    qreal sum = 0;
    for (qreal s : shares)
        sum += s;
    if (sum <= 0)
        return;
    qreal start = 90;
    const qreal limit = 360 * sweep;
    qreal drawn = 0;
    if (limit <= 0)
        return;
    QPainterPath shadow;
    shadow.moveTo(r.center());
    shadow.arcTo(r, 90, -limit);
    shadow.closeSubpath();
    dropShadow(p, shadow, QPointF(1, 2), 3, QColor(0, 0, 0, 60));
    for (int i = 0; i < shares.size() && drawn < limit; ++i) {
        const qreal span = std::min(360 * shares[i] / sum, limit - drawn);
        const qreal mid = qDegreesToRadians(start - span / 2);
        const QPointF shift = i == highlight ? QPointF(std::cos(mid), -std::sin(mid)) * 4 * pop : QPointF();
        QPainterPath slice;
        slice.moveTo(r.center() + shift);
        slice.arcTo(r.translated(shift), start, -span);
        slice.closeSubpath();
        p.fillPath(slice, chartColour(t, i));
        stroke(p, slice, Qt::white, 0.8);
        start -= span;
        drawn += span;
    }
}

void pie(const SceneContext& c)
{
    Design d(c, wideWidth(c));
    const QVector<qreal> shares = c.params.numbers(QStringLiteral("shares"));
    const QStringList labels = c.params.list(QStringLiteral("labels"));
    const int highlight = int(c.params.number(QStringLiteral("highlight"), 0)) - 1;
    const qreal sweep = easeInOut(during(c.now, 0.05, 0.55));
    const qreal size = std::min<qreal>(70, d.h - 10);
    const QRectF r(labels.isEmpty() ? (d.w - size) / 2 : 4, (d.h - size) / 2 - 2, size, size);
    drawPie(c.p, r, shares, c.theme, sweep, highlight, easeBack(during(c.now, 0.6, 0.75)));
    // The legend, one row per slice, appears with its slice.
    qreal sum = 0;
    for (qreal s : shares)
        sum += s;
    qreal before = 0;
    const qreal rowH = std::min<qreal>(11, (d.h - 8) / std::max<int>(1, labels.size()));
    const qreal top = (d.h - rowH * labels.size()) / 2 - 2;
    for (int i = 0; i < labels.size() && i < shares.size(); ++i) {
        const qreal in = clamp01((sweep - before / sum) * 6);
        before += shares[i];
        if (in <= 0)
            continue;
        c.p.setOpacity(in);
        const QRectF row(r.right() + 6, top + i * rowH, d.w - r.right() - 8, rowH);
        c.p.fillRect(QRectF(row.left(), row.center().y() - 3, 6, 6), chartColour(c.theme, i));
        text(c.p, row.adjusted(9, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, labels[i],
             fitted(sans(std::min<qreal>(8, rowH * 0.75), i == highlight), labels[i], row.width() - 9, 5),
             ink());
        c.p.setOpacity(1);
    }
}

void gaugeScene(const SceneContext& c)
{
    Design d(c);
    const qreal value = clamp01(c.params.number(QStringLiteral("value"), 0.5));
    const QStringList zones = c.params.list(QStringLiteral("zones"));
    const qreal since = std::max<qreal>(0, c.now.seconds - 0.3);
    // The needle swings past its mark and settles.
    const qreal v = value * (1 - std::exp(-2.2 * since) * std::cos(4.5 * since));
    const QRectF dial(15, 8, 80, 80);
    gauge(c.p, dial, clamp01(v));
    const QColor colours[3] = {QColor(40, 140, 60), QColor(190, 140, 20), QColor(200, 60, 45)};
    const QPointF places[3] = {QPointF(14, 56), QPointF(55, 2), QPointF(96, 56)};
    for (int i = 0; i < std::min<int>(3, zones.size()); ++i)
        label(c.p, QRectF(places[i].x() - 22, places[i].y(), 44, 10), zones[i], colours[i], 7.5);
    const QString name = c.params.text(QStringLiteral("label"));
    if (!name.isEmpty())
        pill(c.p, QPointF(d.w / 2, 70), name, colours[std::min(2, int(value * 3))], 8.5);
}

// A slider slides to and fro, and the pie above it changes its slices.
void slider(const SceneContext& c)
{
    Design d(c);
    const qreal pos = 0.5 + 0.45 * sway(c.now, 4.5, -0.25);
    // An average household's shares of housing, food, transportation,
    // insurance, utilities and the rest, at a small and at a large income.
    const QVector<qreal> low = {33, 15, 18, 6, 8, 27}, high = {30, 12, 18, 15, 5, 24};
    QVector<qreal> shares;
    for (int i = 0; i < low.size(); ++i)
        shares.append(lerp(low[i], high[i], pos));
    drawPie(c.p, QRectF(32, 2, 46, 46), shares, c.theme, easeInOut(during(c.now, 0, 0.2)), -1, 0);
    const QRectF track(10, 70, 90, 4);
    c.p.fillPath(rounded(track, 2), QColor(180, 186, 198));
    c.p.fillPath(rounded(QRectF(track.left(), track.top(), track.width() * pos, 4), 2), c.theme.mid);
    const QPointF knob(track.left() + track.width() * pos, track.center().y());
    QPainterPath k;
    k.addEllipse(knob, 5, 5);
    dropShadow(c.p, k, QPointF(0.6, 1), 2, QColor(0, 0, 0, 80));
    fillVertical(c.p, k, Qt::white, QColor(210, 214, 222));
    stroke(c.p, k, QColor(110, 116, 128), 0.8);
    label(c.p, QRectF(0, 76, 20, 8), QStringLiteral("$"), c.theme.deep, 7);
    label(c.p, QRectF(90, 76, 20, 8), QStringLiteral("$$$"), c.theme.deep, 7);
    const QString name = c.params.text(QStringLiteral("label"), QStringLiteral("Income"));
    label(c.p, QRectF(20, 59, 70, 9), name, c.theme.deep, 7.5);
}

// The investment pyramid: safe ground at the base, risk at the top, built
// tier by tier. `highlight` names the tier to look at (1 is the base), one
// number per beat or one for the whole shot.
void pyramid(const SceneContext& c)
{
    Design d(c);
    const QStringList labels = c.params.list(QStringLiteral("labels"));
    const QVector<qreal> marks = c.params.numbers(QStringLiteral("highlight"));
    const int n = std::max<int>(3, labels.size());
    const int lit = marks.isEmpty() ? -1 : int(marks[std::min<int>(c.now.beat(), marks.size() - 1)]) - 1;
    const QColor tiers[] = {QColor(60, 110, 190), c.theme.mid, QColor(236, 170, 50), QColor(200, 70, 60),
                            QColor(140, 110, 200)};
    const qreal base = 96, height = 78, cx = 48;
    const qreal tierH = height / n;
    // The tiers drop in over the first part of the shot.
    const qreal build = during(c.now, 0.02, 0.3);
    for (int i = 0; i < n; ++i) {
        const qreal in = easeBack(clamp01(build * n - i));
        if (in <= 0)
            continue;
        const qreal y1 = 83 - i * tierH, y0 = y1 - tierH + 1.5;
        const qreal w1 = base * (n - i) / n, w0 = base * (n - i - 1) / n;
        const qreal drop = 18 * (1 - in);
        QPainterPath band;
        band.moveTo(cx - w0 / 2, y0 - drop);
        band.lineTo(cx + w0 / 2, y0 - drop);
        band.lineTo(cx + w1 / 2, y1 - drop);
        band.lineTo(cx - w1 / 2, y1 - drop);
        band.closeSubpath();
        const QColor col = tiers[i % 5];
        c.p.setOpacity(clamp01(in * 1.5));
        fillVertical(c.p, band, col.lighter(125), col.darker(105));
        stroke(c.p, band, col.darker(150), 0.8);
        if (i < labels.size()) {
            // The top tier is a triangle: its words sit low, where it is wide.
            const bool top = w0 < 1;
            const QRectF r = top ? QRectF(cx - w1 * 0.35, y0 - drop + tierH * 0.4, w1 * 0.7, tierH * 0.55)
                                 : QRectF(cx - w1 / 2, y0 - drop, w1, tierH - 1.5);
            text(c.p, r, Qt::AlignCenter, labels[i],
                 fitted(sans(7.5, true), labels[i], top ? r.width() : (w0 + w1) / 2 - 4, 5), Qt::white);
        }
        c.p.setOpacity(1);
        if (i == lit && in >= 1) {
            const qreal pulse = std::abs(sway(c.now, 1.2));
            stroke(c.p, band, gold(), 1.4 + pulse);
            const qreal y = (y0 + y1) / 2;
            arrow(c.p, QPointF(d.w - 2, y), QPointF(cx + (w0 + w1) / 4 + 4 + 3 * pulse, y),
                  gold().darker(115), 2);
        }
    }
}

constexpr SceneKind kScenes[] = {
    {"bars", bars, HostPlace::Left, Act::Talk,
     "values:numbers compare:numbers labels:texts highlight:number legend:texts"},
    {"line", line, HostPlace::Left, Act::Talk, "values:numbers compare:numbers labels:texts legend:texts"},
    {"pie", pie, HostPlace::None, Act::Talk, "shares:numbers labels:texts highlight:number"},
    {"gauge", gaugeScene, HostPlace::Left, Act::Talk, "value:number zones:texts label:text"},
    {"slider", slider, HostPlace::Left, Act::Talk, "label:text"},
    {"pyramid", pyramid, HostPlace::Left, Act::Talk, "labels:texts highlight:numbers"},
};

} // namespace

std::span<const SceneKind> chartScenes()
{
    return kScenes;
}

} // namespace clip
