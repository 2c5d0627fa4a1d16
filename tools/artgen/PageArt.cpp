// The artwork of the exercise pages: worksheet panels, totals, charts'
// backgrounds, gauges, lesson panels, the investment pyramid and the rest.
// Each picture keeps light ground under the black and navy text the program
// writes on it, and dark ground under its white, yellow and red text.
#include "Icons.h"
#include "Paint.h"
#include "Studio.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace art {

namespace {

QColor darkTop(const Theme& t)
{
    return mix(t.dark, t.panel, 0.3);
}

// A charcoal tinted by the module: pure red text stays readable on it.
QColor charcoal(const Theme& t)
{
    return mix(t.panel, QColor(38, 40, 46), 0.7);
}

// A dark rounded panel with a gold hairline.
QPainterPath darkPanel(QPainter& p, const QRectF& r, const Theme& t, qreal radius = 12, bool shadow = true)
{
    const QPainterPath path = rounded(r, radius);
    if (shadow)
        dropShadow(p, path, QPointF(0, 2.5), 5, QColor(0, 0, 0, 90));
    fillVertical(p, path, darkTop(t), t.panel);
    stroke(p, path, withAlpha(gold(), 190), 1.2);
    return path;
}

// A light card in the flat card colour (selection bars are drawn against it).
QPainterPath lightCard(QPainter& p, const QRectF& r, const Theme& t, qreal radius = 12)
{
    const QPainterPath path = rounded(r, radius);
    dropShadow(p, path, QPointF(0, 2.5), 5, QColor(0, 0, 0, 60));
    p.fillPath(path, cardColour(t));
    stroke(p, path, mix(t.light, Qt::white, 0.2), 1.2);
    return path;
}

void plaque(QPainter& p, const QRectF& r, const Theme& t, bool forRed = false)
{
    const QPainterPath path = rounded(r, r.height() / 3);
    dropShadow(p, path, QPointF(0, 2), 4, QColor(0, 0, 0, 90));
    if (forRed)
        fillVertical(p, path, charcoal(t).lighter(130), charcoal(t));
    else
        fillVertical(p, path, t.mid.darker(115), t.deep);
    gloss(p, path, 35);
    stroke(p, path, gold(), 1.5);
}

QImage onPage(const Row& r, Studio& s)
{
    return s.pageCrop(r.theme, QRect(r.x, r.y, r.width, r.height));
}

// ---------------------------------------------------------------- money management

QImage netBak(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    darkPanel(p, QRectF(1, 1, r.width - 2, r.height - 4), t);
    // Four label rows (page y 160, 190, 220, 250).
    for (int i = 0; i < 4; ++i)
        if (i % 2 == 0)
            p.fillRect(QRectF(8, 16 + 30 * i, r.width - 16, 28), QColor(255, 255, 255, 14));
    p.fillRect(QRectF(12, 146, r.width - 24, 1), withAlpha(gold(), 120));
    // The total plaque (page y 300 to 360, kept as one strip).
    plaque(p, QRectF(10, 164, r.width - 20, 54), t);
    illo::coinStack(p, QPointF(74, 210), 16, 3);
    illo::coinStack(p, QPointF(106, 212), 14, 2);
    p.end();
    return img;
}

QImage netTotal(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    plaque(p, QRectF(1, 1, r.width - 2, r.height - 5), t);
    illo::coinStack(p, QPointF(36, 36), 13, 3);
    p.end();
    return img;
}

QImage netFly(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    // Labels (black) right-aligned on page x 182, rows from page y 122 every 26.
    lightCard(p, QRectF(1, 4, 258, r.height - 8), t);
    for (int i = 0; i < 8; ++i)
        p.fillRect(QRectF(10, 44 + 26 * i, 240, 1), mix(t.light, cardColour(t), 0.75));
    // The right side, covered by the detail panel while it is open.
    const QRectF side(266, 10, r.width - 270, r.height - 22);
    const QPainterPath sp = rounded(side, 12);
    fillVertical(p, sp, mix(t.tint, Qt::white, 0.4), t.tint);
    stroke(p, sp, mix(t.light, Qt::white, 0.3), 1);
    illo::document(p, QRectF(side.left() + 22, side.top() + 26, 90, 120), t.mid, 7);
    illo::calculator(p, QRectF(side.left() + 124, side.top() + 60, 70, 100));
    // The caption under the pictures, the coins below it, clear of each other.
    text(p, QRectF(side.left() + 10, side.top() + 168, side.width() - 20, 24),
         Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Click a line to itemize it"), gothic(12),
         t.heading);
    illo::coinStack(p, QPointF(side.left() + 52, side.bottom() - 10), 18, 4);
    illo::coinStack(p, QPointF(side.left() + 96, side.bottom() - 8), 18, 2);
    p.end();
    return img;
}

QImage bud1(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    lightCard(p, QRectF(1, 4, r.width - 2, 224), t);
    // Caption of the take-home pay field above the categories.
    text(p, QRectF(4, 14, 133, 22), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Take-home pay: $"),
         sans(14, true), t.heading);
    p.fillRect(QRectF(10, 44, r.width - 20, 1.5), withAlpha(t.mid, 160));
    text(p, QRectF(12, 44, 200, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Monthly spending"),
         gothic(11.5), t.mid);
    for (int k = 0; k < 7; ++k)
        p.fillRect(QRectF(10, 84 + 23 * k, r.width - 20, 1), mix(t.light, cardColour(t), 0.75));
    // What is left: the program writes the amount in white (red when negative).
    plaque(p, QRectF(2, 232, r.width - 4, 38), t, true);
    text(p, QRectF(12, 232, 144, 38), Qt::AlignLeft | Qt::AlignVCenter, r.caption,
         fitted(gothic(13), r.caption, 140, 9), goldLight());
    p.end();
    return img;
}

QImage netBk(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    const QPainterPath panel = rounded(QRectF(1, 1, r.width - 2, r.height - 4), 12);
    dropShadow(p, panel, QPointF(0, 2.5), 5, QColor(0, 0, 0, 90));
    fillVertical(p, panel, charcoal(t).lighter(125), charcoal(t));
    stroke(p, panel, withAlpha(gold(), 190), 1.2);
    text(p, QRectF(16, 6, 300, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Your net worth"),
         gothic(13), goldLight());
    p.fillRect(QRectF(12, 106, r.width - 24, 44), QColor(255, 255, 255, 16));
    illo::scale(p, QRectF(r.width - 54, 8, 44, 34), -8);
    p.end();
    return img;
}

QImage savTot(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    plaque(p, QRectF(1, 1, r.width - 2, r.height - 5), t);
    illo::piggy(p, QRectF(r.width - 58, 6, 46, 30), QColor(246, 170, 186));
    p.end();
    return img;
}

// The average-budget chart: a dark pie panel (typ1 and the top of typ2), a
// light legend card (typ2) and a navy strip under the income slider (typ3).
QImage averageBudgetArt(const Theme& t, Studio& s)
{
    QImage img = s.pageCrop(t.id, QRect(0, 0, 512, 429));
    QPainter p;
    begin(p, img);
    const QRectF legend(2, 184, 496, 104);
    const QPainterPath lp = rounded(legend, 12);
    dropShadow(p, lp, QPointF(0, 2.5), 5, QColor(0, 0, 0, 60));
    p.fillPath(lp, cardColour(t));
    stroke(p, lp, mix(t.light, Qt::white, 0.2), 1.2);
    // The panel starts below the page heading, which runs into x 261 at y 15 to 37.
    const QPainterPath pie = rounded(QRectF(263, 41, 236, 137), 14);
    dropShadow(p, pie, QPointF(0, 2.5), 5, QColor(0, 0, 0, 90));
    fillVertical(p, pie, darkTop(t), t.panel);
    stroke(p, pie, withAlpha(gold(), 190), 1.2);
    text(p, QRectF(272, 44, 222, 20), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Average monthly spending"), gothic(11.5), goldLight());
    // The income slider lies across the top of the strip, the program writes
    // the income under its thumb and a ruler below; the caption closes it.
    const QPainterPath strip = rounded(QRectF(1, 291, 316, 86), 10);
    p.fillPath(strip, QColor(0, 0, 128));
    stroke(p, strip, withAlpha(gold(), 190), 1.2);
    text(p, QRectF(10, 355, 298, 18), Qt::AlignHCenter | Qt::AlignVCenter,
         QStringLiteral("Slide to choose a monthly take-home income"), gothic(10.5), goldLight());
    p.end();
    return img;
}

QImage typ(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    const QImage& all = s.memo(QStringLiteral("average:") + t.id, [&] { return averageBudgetArt(t, s); });
    return crop(all, QRect(r.x, r.y, r.width, r.height));
}

QImage budRez(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    // Bars start at the left edge (page x 140): the panel is square there.
    QPainterPath path;
    path.addRoundedRect(QRectF(-20, 1, r.width + 19, r.height - 4), 12, 12);
    dropShadow(p, path, QPointF(0, 2.5), 5, QColor(0, 0, 0, 90));
    fillVertical(p, path, darkTop(t), t.panel);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 26), 1));
    for (int x = 31; x < 310; x += 31)
        p.drawLine(QPointF(x + 0.5, 14), QPointF(x + 0.5, r.height - 6));
    p.restore();
    p.fillRect(QRectF(0, 14, 1.5, r.height - 20), withAlpha(goldLight(), 180));
    stroke(p, path, withAlpha(gold(), 190), 1.2);
    // Legend.
    p.fillRect(QRectF(190, 3, 9, 8), QColor(0, 255, 0));
    text(p, QRectF(202, 0, 80, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Average"),
         sans(10, true), QColor(200, 240, 200));
    p.fillRect(QRectF(262, 3, 9, 8), Qt::white);
    text(p, QRectF(274, 0, 90, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Your budget"),
         sans(10, true), Qt::white);
    p.end();
    return img;
}

QImage lessonBg(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    const QPainterPath path = darkPanel(p, QRectF(1, 1, r.width - 3, r.height - 4), t, 14);
    p.save();
    p.setClipPath(path);
    const QString mark = t.id == QLatin1String("man")  ? QStringLiteral("umbrella")
                         : t.id == QLatin1String("pl") ? QStringLiteral("target")
                                                       : QStringLiteral("scale");
    glyph(p, mark, QRectF(r.width - 120, r.height - 112, 130, 130), QColor(255, 255, 255, 16));
    p.restore();
    p.end();
    return img;
}

// ---------------------------------------------------------------- credit

QImage wrkShet(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    darkPanel(p, QRectF(1, 1, r.width - 3, r.height - 4), t);
    // Results band behind the monthly payment, principal and interest.
    p.fillRect(QRectF(8, 104, r.width - 16, 90), QColor(255, 255, 255, 12));
    p.fillRect(QRectF(14, 196, r.width - 28, 1), withAlpha(gold(), 170));
    // The legend of the pie: the program writes the percentages in black.
    const QRectF card(340, 6, 146, 46);
    const QPainterPath cp = rounded(card, 8);
    p.fillPath(cp, QColor(252, 250, 244));
    stroke(p, cp, gold(), 1);
    p.fillRect(QRectF(348, 18, 10, 10), QColor(254, 0, 0));
    p.fillRect(QRectF(348, 35, 10, 10), QColor(0, 255, 0));
    text(p, QRectF(362, 14, 80, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Interest"),
         sans(11, true), ink());
    text(p, QRectF(362, 31, 80, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Principal"),
         sans(11, true), ink());
    p.end();
    return img;
}

QImage creFlyBk(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    lightCard(p, QRectF(1, 4, 330, r.height - 8), t);
    text(p, QRectF(14, 10, 300, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Your monthly numbers"),
         gothic(13), t.heading);
    p.fillRect(QRectF(12, 34, 306, 1.5), withAlpha(t.mid, 150));
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(12, 78 + 35 * i, 306, 1), mix(t.light, cardColour(t), 0.7));
    const QRectF side(338, 12, r.width - 342, r.height - 26);
    const QPainterPath sp = rounded(side, 12);
    fillVertical(p, sp, mix(t.tint, Qt::white, 0.4), t.tint);
    stroke(p, sp, mix(t.light, Qt::white, 0.3), 1);
    illo::card(p, QRectF(side.left() + 18, side.top() + 24, 100, 62), QColor(60, 110, 190), -12);
    illo::card(p, QRectF(side.left() + 40, side.top() + 52, 100, 62), t.mid, 6);
    illo::receipt(p, QRectF(side.left() + 20, side.top() + 110, 50, 66));
    illo::coinStack(p, QPointF(side.left() + 118, side.bottom() - 14), 16, 4);
    p.end();
    return img;
}

// A gauge card: a track with coloured zones under the bar the program grows.
void gaugeCard(QPainter& p, const Row& r, const Theme& t, const QString& title, const QVector<int>& stops,
               const QStringList& zoneNames, const QVector<QColor>& zoneColours, const QStringList& marks)
{
    const QVector<int> bar = r.listParam(QStringLiteral("bar"), 4);
    const qreal bx = bar[0] - r.x, by = bar[1] - r.y, bw = bar[2], bh = bar[3];
    const QRectF card(1, 1, r.width - 3, r.height - 5);
    const QPainterPath cp = rounded(card, 12);
    dropShadow(p, cp, QPointF(0, 2.5), 5, QColor(0, 0, 0, 60));
    fillVertical(p, cp, QColor(255, 255, 255), cardColour(t));
    stroke(p, cp, mix(t.light, Qt::white, 0.2), 1.2);
    text(p, QRectF(16, 8, card.width() - 32, 24), Qt::AlignLeft | Qt::AlignVCenter, title, gothic(15),
         t.heading);
    p.fillRect(QRectF(14, 34, card.width() - 28, 1.5), withAlpha(t.mid, 150));
    // Zone colours in a thin band over the track, named in a legend below.
    for (int i = 0; i + 1 < stops.size(); ++i) {
        const QRectF z(bx + stops[i], by - 11, stops[i + 1] - stops[i], 6);
        p.fillPath(rounded(z.adjusted(0.5, 0, -0.5, 0), 2), zoneColours[i]);
    }
    qreal lx = 24;
    const qreal ly = card.bottom() - 19;
    for (int i = 0; i < zoneNames.size(); ++i) {
        QPainterPath dot;
        dot.addEllipse(QRectF(lx, ly + 3, 11, 11));
        p.fillPath(dot, zoneColours[i]);
        const QFont f = sans(12, true);
        text(p, QRectF(lx + 16, ly, 160, 17), Qt::AlignLeft | Qt::AlignVCenter, zoneNames[i], f, ink());
        lx += 16 + textWidth(f, zoneNames[i]) + 22;
    }
    // The track (a groove the bar fills).
    const QRectF track(bx - 3, by - 3, bw + 6, bh + 6);
    const QPainterPath tp = rounded(track, 5);
    fillVertical(p, tp, QColor(196, 200, 210), QColor(236, 238, 242));
    innerShadow(p, tp, 110);
    stroke(p, tp, QColor(140, 146, 158), 1);
    for (int i = 0; i < stops.size(); ++i) {
        const qreal x = bx + stops[i];
        p.fillRect(QRectF(x - 0.5, by + bh + 3, 1, 6), QColor(90, 96, 108));
        if (i < marks.size() && !marks[i].isEmpty())
            text(p, QRectF(x - 40, by + bh + 9, 80, 14), Qt::AlignHCenter | Qt::AlignTop, marks[i], sans(10),
                 ink());
    }
}

QImage zoneGr(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    // The bar grows 49 pixels to the comfort level and up to 153 beyond it
    // (25 percent over the comfort level ends the caution zone at 134).
    gaugeCard(p, r, t, QStringLiteral("Your monthly debt payments"), {0, 49, 134, 206},
              {QStringLiteral("Comfortable"), QStringLiteral("Caution"), QStringLiteral("Too much debt")},
              {QColor(50, 160, 80), QColor(228, 170, 30), QColor(210, 60, 50)},
              {QStringLiteral("$0"), QStringLiteral("Comfort level"), QStringLiteral("+25%"), QString()});
    glyph(p, QStringLiteral("gauge"), QRectF(26, 76, 40, 40), t.mid);
    illo::gauge(p, QRectF(340, 44, 110, 80), 0.62);
    p.end();
    return img;
}

QImage barTip(const Row& r, Studio&)
{
    const Theme& t = theme(r.theme);
    QImage img = newImage(r.width, r.height, t.deep);
    QPainter p(&img);
    QLinearGradient g(QPointF(0, 0), QPointF(0, r.height));
    const QColor base = t.id == QLatin1String("pl") ? QColor(30, 120, 200) : QColor(40, 70, 160);
    g.setColorAt(0, base.lighter(170));
    g.setColorAt(0.35, base.lighter(115));
    g.setColorAt(1, base.darker(140));
    p.fillRect(QRectF(0, 0, r.width, r.height), g);
    p.end();
    return img;
}

QImage creRep(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    const QRectF sheet(4, 2, r.width - 8, r.height - 6);
    const QPainterPath sp = rounded(sheet, 6);
    dropShadow(p, sp, QPointF(0, 3), 6, QColor(0, 0, 0, 80));
    p.fillPath(sp, QColor(255, 255, 255));
    stroke(p, sp, QColor(170, 176, 186), 1);
    p.save();
    p.setClipPath(sp);
    fillVertical(p, QRectF(sheet.left(), sheet.top(), sheet.width(), 30), t.mid, t.dark);
    p.restore();
    text(p, QRectF(16, 2, 300, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("CREDIT REPORT"),
         gothic(16), Qt::white);
    text(p, QRectF(200, 2, r.width - 216, 30), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Sample"),
         gothicBook(13), t.tint);
    // Who it is about.
    text(p, QRectF(16, 36, 200, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pat Sample"),
         sans(12, true), ink());
    text(p, QRectF(16, 51, 260, 14), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("123 Main Street, Springfield"), sans(11), QColor(90, 96, 108));
    // Account table.
    const QStringList heads = {QStringLiteral("Creditor"), QStringLiteral("Type"), QStringLiteral("Balance"),
                               QStringLiteral("Rating")};
    const qreal cols[] = {16, 170, 270, 370};
    const qreal top = 72;
    p.fillRect(QRectF(10, top, r.width - 20, 18), mix(t.tint, Qt::white, 0.2));
    for (int c = 0; c < 4; ++c)
        text(p, QRectF(cols[c], top, 100, 18), Qt::AlignLeft | Qt::AlignVCenter, heads[c], sans(11, true),
             t.deep);
    struct Acct {
        const char* name;
        const char* type;
        const char* balance;
        int rating;
    } rows[] = {{"Main Street Bank", "Installment", "$4,210", 1},
                {"City Card", "Revolving", "$860", 2},
                {"Auto Loan Co.", "Installment", "$9,740", 1},
                {"Home Store", "Revolving", "$320", 5},
                {"Phone Company", "Open", "$0", 9}};
    auto ratingColour = [](int v) {
        if (v <= 2)
            return QColor(50, 160, 80);
        if (v <= 4)
            return QColor(228, 170, 30);
        if (v <= 6)
            return QColor(230, 120, 40);
        return QColor(210, 50, 44);
    };
    for (int i = 0; i < 5; ++i) {
        const qreal y = top + 20 + i * 19;
        if (i % 2)
            p.fillRect(QRectF(10, y, r.width - 20, 19), QColor(246, 247, 250));
        text(p, QRectF(cols[0], y, 150, 19), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromLatin1(rows[i].name), sans(11.5), ink());
        text(p, QRectF(cols[1], y, 100, 19), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromLatin1(rows[i].type), sans(11.5), ink());
        text(p, QRectF(cols[2], y, 90, 19), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromLatin1(rows[i].balance), sans(11.5), ink());
        const QRectF chip(cols[3], y + 2.5, 26, 14);
        p.fillPath(rounded(chip, 7), ratingColour(rows[i].rating));
        text(p, chip, Qt::AlignCenter, QString::number(rows[i].rating), sans(11, true), Qt::white);
    }
    // The rating scale 0 to 9.
    const qreal sy = r.height - 54;
    text(p, QRectF(16, sy - 2, 120, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Account ratings:"),
         sans(11.5, true), t.deep);
    const qreal x0 = 130, cw = 30;
    for (int v = 0; v <= 9; ++v) {
        const QRectF box(x0 + v * cw, sy - 2, cw - 3, 18);
        p.fillPath(rounded(box, 3), v == 0 ? QColor(150, 156, 168) : ratingColour(v));
        text(p, box, Qt::AlignCenter, QString::number(v), sans(11, true), Qt::white);
    }
    text(p, QRectF(x0 - 10, sy + 18, 60, 14), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("too new"),
         sans(10), QColor(90, 96, 108));
    text(p, QRectF(x0 + cw, sy + 18, 2 * cw, 14), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("best"),
         sans(10, true), QColor(40, 130, 60));
    text(p, QRectF(x0 + 8 * cw - 6, sy + 18, 2 * cw, 14), Qt::AlignHCenter | Qt::AlignTop,
         QStringLiteral("worst"), sans(10, true), QColor(190, 40, 34));
    illo::magnifier(p, QPointF(r.width - 52, 122), 24, 45);
    p.end();
    return img;
}

// ---------------------------------------------------------------- spending results

QImage resBk(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    // Flat panel colour under the topics and bullets (kept exact in every palette).
    QPainterPath path;
    path.addRoundedRect(QRectF(1, -12, r.width - 2, r.height + 9), 12, 12);
    dropShadow(p, path, QPointF(0, 2.5), 5, QColor(0, 0, 0, 90));
    p.fillPath(path, t.panel);
    p.fillRect(QRectF(262, 10, 1, r.height - 24), withAlpha(gold(), 150));
    p.fillRect(QRectF(18, 46, 230, 1), QColor(255, 255, 255, 40));
    stroke(p, path, withAlpha(gold(), 190), 1.2);
    p.end();
    return img;
}

QImage resTab(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    const int sel = r.intParam(QStringLiteral("tab"), 1);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    // The strip's floor joins the panel below; one pixel, so that the score
    // written low on each tab (down to the strip's last rows) stays on it.
    p.fillRect(QRectF(1, r.height - 1, r.width - 2, 1), t.panel);
    const QColor typeColours[5] = {QColor(250, 214, 40), QColor(60, 170, 80), QColor(220, 60, 50),
                                   QColor(60, 110, 210), QColor(255, 255, 255)};
    for (int k = 1; k <= 5; ++k) {
        const qreal x = 21 + 92 * (k - 1);
        QPainterPath tab;
        const QRectF tr(x + 1, k == sel ? 0 : 3, 90, r.height + 8);
        tab.addRoundedRect(tr, 9, 9);
        QPainterPath cut;
        cut.addRect(QRectF(0, 0, r.width, r.height - (k == sel ? 0 : 1)));
        tab = tab.intersected(cut);
        if (k == sel) {
            p.fillPath(tab, t.panel);
            stroke(p, tab, withAlpha(gold(), 200), 1.2);
            p.fillRect(QRectF(x + 2, r.height - 2, 88, 2), t.panel);
        } else {
            fillVertical(p, tab, QColor(255, 255, 255), mix(t.tint, t.light, 0.25));
            stroke(p, tab, mix(t.light, Qt::white, 0.1), 1);
        }
        QPainterPath dot;
        dot.addEllipse(QRectF(x + 74, 7, 9, 9));
        p.fillPath(dot, typeColours[k - 1]);
        stroke(p, dot, QColor(0, 0, 0, 120), 0.8);
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------- planning

QImage sav1Bk(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    darkPanel(p, QRectF(1, 1, r.width - 3, r.height - 4), t);
    // Header with the page counter ("Page 1 of 3" at page (50, 140)).
    const QPainterPath pill = rounded(QRectF(40, 2, 96, 24), 12);
    p.fillPath(pill, QColor(0, 0, 0, 70));
    stroke(p, pill, QColor(255, 255, 255, 50), 1);
    text(p, QRectF(150, 2, 330, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("About you"),
         gothic(13), goldLight());
    p.fillRect(QRectF(12, 30, r.width - 24, 1), withAlpha(gold(), 150));
    for (int i = 0; i < 4; ++i)
        if (i % 2 == 0)
            p.fillRect(QRectF(8, 60 + 38 * i, r.width - 16, 34), QColor(255, 255, 255, 12));
    illo::calendar(p, QRectF(r.width - 88, 52, 56, 52), t.mid, 10);
    illo::coinStack(p, QPointF(r.width - 58, r.height - 22), 16, 5);
    p.end();
    return img;
}

QImage riskBk(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    // Pointer length: 45 pixels at most below 13 points, 145 below 19, 204 at 24.
    gaugeCard(p, r, t, QStringLiteral("Your risk tolerance"), {0, 45, 145, 208},
              {QStringLiteral("Low"), QStringLiteral("Moderate"), QStringLiteral("Higher")},
              {QColor(60, 110, 190), QColor(50, 160, 80), QColor(228, 140, 30)},
              {QStringLiteral("cautious"), QString(), QString(), QStringLiteral("bold")});
    glyph(p, QStringLiteral("gauge"), QRectF(26, 74, 40, 40), t.mid);
    illo::coinStack(p, QPointF(340, 128), 14, 3);
    illo::coinStack(p, QPointF(372, 130), 14, 5);
    illo::sprout(p, QRectF(359, 66, 28, 42));
    p.end();
    return img;
}

QImage growBk(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    const QVector<int> plot = r.listParam(QStringLiteral("plot"), 4);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    darkPanel(p, QRectF(1, 1, r.width - 3, r.height - 4), t);
    const QRectF area(plot[0], plot[1], plot[2], plot[3]);
    p.fillRect(area, QColor(0, 0, 0, 50));
    p.fillRect(QRectF(area.left() - 1, area.top(), 1.5, area.height() + 1), withAlpha(goldLight(), 200));
    p.fillRect(QRectF(area.left() - 1, area.bottom(), area.width() + 2, 1.5), withAlpha(goldLight(), 200));
    illo::sprout(p, QRectF(r.width - 50, r.height - 60, 34, 46));
    p.end();
    return img;
}

QImage dwindBk(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    darkPanel(p, QRectF(1, 1, r.width - 3, r.height - 4), t);
    text(p, QRectF(12, 2, 240, 20), Qt::AlignLeft | Qt::AlignVCenter, r.caption, gothic(12), goldLight());
    p.fillRect(QRectF(10, 21, r.width - 20, 1), withAlpha(gold(), 140));
    glyph(p, QStringLiteral("arrowDown"), QRectF(r.width - 62, 26, 40, 40), QColor(255, 255, 255, 60));
    p.end();
    return img;
}

QImage radio(const Row& r, Studio&)
{
    const Theme& t = theme(r.theme);
    QImage img = newImage(r.width, r.height, paper());
    QPainter p;
    begin(p, img);
    QPainterPath ring;
    ring.addEllipse(QRectF(1.5, 1.5, r.width - 3, r.height - 3));
    const bool sel = parseState(r.state) == State::Selected;
    fillVertical(p, ring, QColor(226, 230, 236), QColor(255, 255, 255));
    innerShadow(p, ring, 70);
    stroke(p, ring, sel ? t.mid : QColor(120, 126, 138), 1.4);
    if (sel) {
        QPainterPath dot;
        dot.addEllipse(QRectF(5, 5, r.width - 10, r.height - 10));
        QRadialGradient g(QPointF(r.width * 0.4, r.height * 0.4), r.width * 0.4);
        g.setColorAt(0, t.light);
        g.setColorAt(1, t.dark);
        p.fillPath(dot, g);
    }
    p.end();
    return img;
}

// The investment pyramid, widest at the bottom, centred on page x 150.
QImage pyramid(const Row& r, Studio& s, bool highlighted)
{
    const int top = r.intParam(QStringLiteral("top"), 102),
              bottom = r.intParam(QStringLiteral("bottom"), 387);
    QImage img = s.pageCrop(r.theme, QRect(r.x, top, r.width, bottom - top));
    QPainter p;
    begin(p, img);
    const qreal cx = 150 - r.x, h = bottom - top;
    const qreal wTop = 96, wBottom = r.width - 4;
    auto halfWidth = [&](qreal y) { return (wTop + (wBottom - wTop) * y / h) / 2; };
    const int bounds[] = {102, 182, 249, 317, 387};
    const QColor base = highlighted ? QColor(34, 150, 64) : QColor(72, 82, 100);
    for (int i = 0; i < 4; ++i) {
        const qreal y0 = bounds[i] - top, y1 = bounds[i + 1] - top - 2;
        QPainterPath band;
        band.moveTo(cx - halfWidth(y0), y0);
        band.lineTo(cx + halfWidth(y0), y0);
        band.lineTo(cx + halfWidth(y1), y1);
        band.lineTo(cx - halfWidth(y1), y1);
        band.closeSubpath();
        const QColor c = base.lighter(100 + (3 - i) * 6);
        fillVertical(p, band, c.lighter(118), c.darker(118));
        gloss(p, band, 40);
        stroke(p, band, highlighted ? QColor(200, 240, 200, 200) : QColor(190, 196, 210, 150), 1);
    }
    p.end();
    return img;
}

QImage tier(const Row& r, Studio& s)
{
    const bool sel = parseState(r.state) == State::Selected;
    const QImage& all =
        s.memo(QStringLiteral("pyramid:") + (sel ? "sel" : "off"), [&] { return pyramid(r, s, sel); });
    return crop(all, QRect(0, r.y - r.intParam(QStringLiteral("top"), 102), r.width, r.height));
}

// ---------------------------------------------------------------- contact and help

QImage qor(const Row& r, Studio& s)
{
    QImage img = onPage(r, s);
    QPainter p;
    begin(p, img);
    const QRectF body(2, 2, r.width - 4, r.height - 6);
    const QPainterPath path = rounded(body, 10);
    dropShadow(p, path, QPointF(0, 2), 4, QColor(0, 0, 0, 80));
    fillVertical(p, path, QColor(46, 96, 74), QColor(24, 66, 48));
    gloss(p, path, 50);
    stroke(p, path, gold(), 1.4);
    QPainterPath disc;
    disc.addEllipse(QRectF(9, body.center().y() - 16, 32, 32));
    p.fillPath(disc, QColor(255, 255, 255, 40));
    stroke(p, disc, goldLight(), 1.2);
    glyph(p, QStringLiteral("globe"), QRectF(15, body.center().y() - 10, 20, 20), Qt::white);
    text(p, QRectF(48, 8, body.width() - 50, 22), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Visit Corvell"), gothic(15), Qt::white, QColor(0, 0, 0, 110));
    text(p, QRectF(48, 28, body.width() - 50, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("online"),
         gothicBook(12), goldLight());
    p.end();
    return img;
}

} // namespace

void addPageRecipes(RecipeBook& book)
{
    book.insert(QStringLiteral("netbak"), netBak);
    book.insert(QStringLiteral("nettotal"), netTotal);
    book.insert(QStringLiteral("netfly"), netFly);
    book.insert(QStringLiteral("bud1"), bud1);
    book.insert(QStringLiteral("netbk"), netBk);
    book.insert(QStringLiteral("savtot"), savTot);
    book.insert(QStringLiteral("typ1"), typ);
    book.insert(QStringLiteral("typ2"), typ);
    book.insert(QStringLiteral("typ3"), typ);
    book.insert(QStringLiteral("budrez"), budRez);
    book.insert(QStringLiteral("lessonbg"), lessonBg);
    book.insert(QStringLiteral("wrkshet"), wrkShet);
    book.insert(QStringLiteral("creflybk"), creFlyBk);
    book.insert(QStringLiteral("zonegr"), zoneGr);
    book.insert(QStringLiteral("bartip"), barTip);
    book.insert(QStringLiteral("crerep"), creRep);
    book.insert(QStringLiteral("resbk"), resBk);
    book.insert(QStringLiteral("restab"), resTab);
    book.insert(QStringLiteral("sav1bk"), sav1Bk);
    book.insert(QStringLiteral("riskbk"), riskBk);
    book.insert(QStringLiteral("growbk"), growBk);
    book.insert(QStringLiteral("dwindbk"), dwindBk);
    book.insert(QStringLiteral("radio"), radio);
    book.insert(QStringLiteral("tier"), tier);
    book.insert(QStringLiteral("qor"), qor);
}

} // namespace art
