// The module frame (top band and left column), its side buttons, the
// navigation bar, and page furniture shared by the modules: chooser buttons,
// survey backgrounds and check boxes, the top-ten window, selection bars,
// pop-up panels, narration pictures and bullets.
#include "Icons.h"
#include "Paint.h"
#include "Studio.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace art {

namespace {

// A caption drawn into `r`, wrapped on words and shrunk until it fits.
void caption(QPainter& p, const QRectF& r, int align, const QString& s, QFont f, const QColor& c,
             const QColor& shadow = Qt::transparent, qreal minPx = 8)
{
    const int flags = align | Qt::TextWordWrap;
    while (f.pixelSize() > minPx) {
        const QRectF need = QFontMetricsF(f).boundingRect(r, flags, s);
        bool wordsFit = true;
        for (const QString& w : s.split(' '))
            if (textWidth(f, w) > r.width())
                wordsFit = false;
        if (need.height() <= r.height() + 1 && wordsFit)
            break;
        f.setPixelSize(f.pixelSize() - 1);
    }
    text(p, r, flags, s, f, c, shadow);
}

// The course's coin emblem with an "F".
void emblem(QPainter& p, const QRectF& r, const QColor& letter)
{
    QPainterPath c;
    c.addEllipse(r);
    dropShadow(p, c, QPointF(0, 1.5), 3, QColor(0, 0, 0, 110));
    QRadialGradient g(r.topLeft() + QPointF(r.width() * 0.35, r.height() * 0.3), r.width() * 0.8);
    g.setColorAt(0, QColor(255, 236, 170));
    g.setColorAt(0.55, gold());
    g.setColorAt(1, QColor(178, 120, 28));
    p.fillPath(c, g);
    stroke(p, c, QColor(150, 100, 20), 1);
    QPainterPath inner;
    inner.addEllipse(r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12));
    stroke(p, inner, QColor(255, 240, 190, 170), 1);
    text(p, r.adjusted(0, -r.height() * 0.02, r.width() * 0.02, 0), Qt::AlignCenter, QStringLiteral("F"),
         gothic(r.height() * 0.62), letter, QColor(255, 240, 200, 150), QPointF(-0.7, -0.7));
}

void diagonalTexture(QPainter& p, const QRectF& r, int alpha, qreal step)
{
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(QColor(255, 255, 255, alpha), 1));
    for (qreal x = r.left() - r.height(); x < r.right(); x += step)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    p.restore();
}

} // namespace

// The module background: a top band and a left column framing a light page.
QImage drawFrame(const Theme& t)
{
    QImage img = newImage(640, 480, paper());
    QPainter p;
    begin(p, img);
    // Left column.
    const QRectF column(0, 46, 128, 434);
    fillVertical(p, column, t.dark, t.deep);
    diagonalTexture(p, column, 7, 7);
    {
        QLinearGradient edge(QPointF(110, 0), QPointF(126, 0));
        edge.setColorAt(0, QColor(0, 0, 0, 0));
        edge.setColorAt(1, QColor(0, 0, 0, 60));
        p.fillRect(QRectF(110, 46, 16, 434), edge);
    }
    // Top band.
    const QRectF band(0, 0, 640, 46);
    fillVertical(p, band, t.mid.darker(112), t.deep);
    {
        QRadialGradient sweep(QPointF(150, -30), 420);
        sweep.setColorAt(0, QColor(255, 255, 255, 60));
        sweep.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(band, sweep);
    }
    diagonalTexture(p, band, 8, 7);
    // Gold rules framing the page.
    {
        QLinearGradient g(QPointF(0, 0), QPointF(640, 0));
        g.setColorAt(0, QColor(196, 140, 40));
        g.setColorAt(0.4, goldLight());
        g.setColorAt(1, QColor(196, 140, 40));
        p.fillRect(QRectF(0, 43, 640, 3), g);
        p.fillRect(QRectF(0, 42, 640, 1), QColor(0, 0, 0, 70));
        QLinearGradient v(QPointF(0, 46), QPointF(0, 480));
        v.setColorAt(0, goldLight());
        v.setColorAt(1, QColor(176, 122, 36));
        p.fillRect(QRectF(125, 46, 3, 434), v);
    }
    // Brand and module name.
    emblem(p, QRectF(9, 5, 33, 33), t.deep);
    const QFont brand = gothic(25);
    text(p, QRectF(50, 0, 200, 43), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fiscova"), brand, Qt::white,
         QColor(0, 0, 0, 120));
    const qreal after = 50 + textWidth(brand, QStringLiteral("Fiscova")) + 14;
    p.fillRect(QRectF(after, 10, 1.5, 24), withAlpha(goldLight(), 170));
    text(p, QRectF(after + 13, 0, 300, 44), Qt::AlignLeft | Qt::AlignVCenter, t.title, gothicBook(17),
         t.tint, QColor(0, 0, 0, 110));
    // Tray of the top-ten and video buttons (learning modules only).
    if (t.id != QLatin1String("how")) {
        QPainterPath tray = rounded(QRectF(474, 2, 156, 39), 9);
        p.fillPath(tray, QColor(0, 0, 0, 55));
        stroke(p, tray, QColor(255, 255, 255, 35), 1);
    }
    // Module badge at the head of the column.
    {
        QPainterPath disc;
        disc.addEllipse(QRectF(9, 56, 32, 32));
        dropShadow(p, disc, QPointF(0, 1.5), 3, QColor(0, 0, 0, 120));
        fillVertical(p, disc, t.light, t.mid);
        stroke(p, disc, goldLight(), 1.5);
        glyph(p, t.emblem, QRectF(16, 63, 18, 18), Qt::white);
        const QFont f = gothic(12);
        if (t.line2.isEmpty())
            text(p, QRectF(48, 52, 76, 40), Qt::AlignLeft | Qt::AlignVCenter, t.line1, f, Qt::white);
        else {
            const QFont g = fitted(f, t.line1.size() > t.line2.size() ? t.line1 : t.line2, 74, 9);
            text(p, QRectF(48, 56, 76, 16), Qt::AlignLeft | Qt::AlignVCenter, t.line1, g, Qt::white);
            text(p, QRectF(48, 72, 76, 16), Qt::AlignLeft | Qt::AlignVCenter, t.line2, g, t.tint);
        }
        p.fillRect(QRectF(12, 93, 104, 1), withAlpha(goldLight(), 110));
    }
    // Divider between the section buttons and the main menu, exit and web buttons.
    p.fillRect(QRectF(14, 338, 100, 1), withAlpha(goldLight(), 120));
    p.fillRect(QRectF(14, 339, 100, 1), QColor(0, 0, 0, 60));
    if (t.id == QLatin1String("fin")) {
        // Financial attitudes has three sections: an ornament fills the fourth place.
        QPainterPath heart;
        heart.addEllipse(QRectF(44, 276, 40, 40));
        p.fillPath(heart, QColor(255, 255, 255, 14));
        glyph(p, QStringLiteral("heart"), QRectF(52, 285, 24, 24), withAlpha(t.light, 110));
    }
    if (t.id == QLatin1String("how")) {
        // Contact and help has no section buttons: a quiet help card instead.
        QPainterPath card = rounded(QRectF(10, 108, 106, 218), 10);
        p.fillPath(card, QColor(255, 255, 255, 16));
        stroke(p, card, QColor(255, 255, 255, 40), 1);
        glyph(p, QStringLiteral("question"), QRectF(39, 122, 48, 48), withAlpha(goldLight(), 200));
        text(p, QRectF(14, 178, 98, 40), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             QStringLiteral("We are here to help"), gothic(13), Qt::white);
        const char* icons[] = {"phone", "envelope", "globe"};
        for (int i = 0; i < 3; ++i) {
            QPainterPath d;
            d.addEllipse(QRectF(20 + i * 31, 240, 26, 26));
            p.fillPath(d, withAlpha(t.light, 90));
            glyph(p, QString::fromLatin1(icons[i]), QRectF(25 + i * 31, 245, 16, 16), Qt::white);
        }
        text(p, QRectF(14, 276, 98, 40), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             QStringLiteral("Credits and how to reach us"), gothicBook(11), t.tint);
    }
    p.end();
    return img;
}

namespace {

// ---------------------------------------------------------------- side buttons

void newBadge(QPainter& p, const QRectF& r)
{
    QPainterPath pill = rounded(r, r.height() / 2);
    glow(p, pill, 5, QColor(255, 200, 60, 200));
    fillVertical(p, pill, QColor(255, 120, 60), QColor(214, 40, 30));
    stroke(p, pill, QColor(255, 230, 160), 1);
    text(p, r, Qt::AlignCenter, QStringLiteral("NEW"), sans(r.height() * 0.72, true), Qt::white);
}

QImage sideButton(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = crop(s.frame(r.theme), QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    const int num = r.intParam(QStringLiteral("num"), 1);
    const QString icon = r.param(QStringLiteral("icon"), QStringLiteral("info"));
    QPainter p;
    begin(p, img);
    QRectF card;
    if (num <= 4)
        card = QRectF(5, 4, 117, 50);
    else if (num <= 6)
        card = QRectF(5, 3, 117, 34);
    else
        card = QRectF(3.5, 3.5, r.width - 7, r.height - 7);
    const bool over = st == State::Over || st == State::NewOver;
    const bool sel = st == State::Selected;
    const bool isNew = st == State::New || st == State::NewOver;
    const QRectF body = sel ? card.translated(0, 1) : card;
    const QPainterPath path = rounded(body, 9);
    if (isNew)
        glow(p, path, 8, QColor(255, 196, 60, 190));
    if (over)
        glow(p, path, 6, QColor(255, 214, 120, 150));
    if (!sel)
        dropShadow(p, path, QPointF(0, 2), 4, QColor(0, 0, 0, 120));
    QColor textColour = Qt::white, iconColour = goldLight(), discColour = withAlpha(t.deep, 190);
    if (sel) {
        fillVertical(p, path, goldLight(), gold());
        innerShadow(p, path, 80);
        stroke(p, path, QColor(150, 100, 24), 1.2);
        textColour = t.deep;
        iconColour = goldLight();
        discColour = t.deep;
    } else if (over) {
        fillVertical(p, path, t.light, t.mid);
        gloss(p, path, 80);
        stroke(p, path, goldLight(), 1.6);
        iconColour = t.deep;
        discColour = gold();
    } else {
        fillVertical(p, path, withAlpha(t.mid.lighter(108), 235), withAlpha(t.dark, 235));
        gloss(p, path, 45);
        stroke(p, path, QColor(255, 255, 255, 55), 1);
    }
    const QColor shadow = sel ? Qt::transparent : QColor(0, 0, 0, 120);
    if (num <= 6) {
        const qreal d = num <= 4 ? 30 : 24;
        const QRectF disc(body.left() + 6, body.center().y() - d / 2, d, d);
        QPainterPath dp;
        dp.addEllipse(disc);
        p.fillPath(dp, discColour);
        stroke(p, dp, sel ? QColor(150, 100, 24) : withAlpha(goldLight(), over ? 255 : 170), 1.3);
        glyph(p, icon, disc.adjusted(d * 0.2, d * 0.2, -d * 0.2, -d * 0.2), iconColour);
        const QRectF cap(disc.right() + 6, body.top() + 2, body.right() - disc.right() - 9, body.height() - 4);
        caption(p, cap, Qt::AlignLeft | Qt::AlignVCenter, r.caption, gothic(num <= 4 ? 13 : 12.5), textColour, shadow);
    } else {
        const qreal g = num == 7 ? 18 : 17;
        glyph(p, icon, QRectF(body.center().x() - g / 2, body.top() + 3, g, g), sel ? t.deep : (over ? Qt::white : goldLight()));
        caption(p, QRectF(body.left() + 2, body.top() + g + 3, body.width() - 4, body.height() - g - 4),
                Qt::AlignHCenter | Qt::AlignVCenter, r.caption, gothic(num == 7 ? 10 : 10.5), textColour, shadow, 7);
    }
    if (isNew)
        newBadge(p, QRectF(r.width - 31, 1, 29, 12));
    p.end();
    return img;
}

// ---------------------------------------------------------------- navigation bar

QImage navButton(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = s.pageCrop(r.theme, QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    QPainter p;
    begin(p, img);
    const QRectF body(1.5, 1.5, r.width - 3, r.height - 4.5);
    buttonBody(p, body, body.height() / 2, t.mid, st);
    const QRectF b = st == State::Selected ? body.translated(0, 1) : body;
    const QString icon = r.param(QStringLiteral("icon"));
    const bool iconRight = icon == QLatin1String("arrowR") || icon == QLatin1String("ret");
    const QFont f = gothic(12.5);
    const qreal tw = textWidth(f, r.caption), gw = 12, gap = 5;
    const qreal x0 = b.center().x() - (tw + gw + gap) / 2;
    const QColor fg = st == State::Over ? Qt::white : QColor(255, 255, 255, 240);
    if (iconRight) {
        text(p, QRectF(x0, b.top(), tw + 2, b.height()), Qt::AlignLeft | Qt::AlignVCenter, r.caption, f, fg,
             QColor(0, 0, 0, 110));
        glyph(p, icon, QRectF(x0 + tw + gap, b.center().y() - gw / 2, gw, gw), st == State::Over ? goldLight() : fg);
    } else {
        glyph(p, icon, QRectF(x0, b.center().y() - gw / 2, gw, gw), st == State::Over ? goldLight() : fg);
        text(p, QRectF(x0 + gw + gap, b.top(), tw + 2, b.height()), Qt::AlignLeft | Qt::AlignVCenter, r.caption, f, fg,
             QColor(0, 0, 0, 110));
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------- chooser choices

QImage choiceButton(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = s.pageCrop(r.theme, QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    QPainter p;
    begin(p, img);
    const bool sel = st == State::Selected, over = st == State::Over;
    const QRectF body = QRectF(2, 2, r.width - 4, r.height - 6).translated(0, sel ? 1 : 0);
    const QPainterPath path = rounded(body, 10);
    QColor capColour = t.deep, discFill = t.mid, glyphColour = Qt::white, chevron = withAlpha(t.mid, 150);
    if (over) {
        glow(p, path, 6, QColor(240, 190, 80, 150));
        dropShadow(p, path, QPointF(0, 2), 4, QColor(0, 0, 0, 90));
        fillVertical(p, path, t.mid.lighter(118), t.dark);
        gloss(p, path, 70);
        stroke(p, path, gold(), 1.6);
        capColour = Qt::white;
        discFill = gold();
        glyphColour = t.deep;
        chevron = goldLight();
    } else if (sel) {
        fillVertical(p, path, t.deep, t.dark);
        innerShadow(p, path, 120);
        stroke(p, path, gold(), 1.4);
        capColour = goldLight();
        discFill = t.deep.darker(120);
        glyphColour = goldLight();
        chevron = goldLight();
    } else {
        dropShadow(p, path, QPointF(0, 2), 4, QColor(0, 0, 0, 70));
        fillVertical(p, path, QColor(255, 255, 255), mix(t.tint, paper(), 0.2));
        stroke(p, path, t.mid, 1.3);
    }
    const QRectF disc(body.left() + 5, body.center().y() - 13.5, 27, 27);
    QPainterPath dp;
    dp.addEllipse(disc);
    if (over)
        fillVertical(p, dp, goldLight(), gold());
    else
        fillVertical(p, dp, discFill.lighter(125), discFill);
    glyph(p, r.param(QStringLiteral("icon"), QStringLiteral("arrowR")), disc.adjusted(6, 6, -6, -6), glyphColour);
    caption(p, QRectF(disc.right() + 9, body.top(), body.width() - disc.width() - 40, body.height()),
            Qt::AlignLeft | Qt::AlignVCenter, r.caption, gothic(15), capColour,
            over ? QColor(0, 0, 0, 110) : Qt::transparent, 10);
    glyph(p, QStringLiteral("arrowR"), QRectF(body.right() - 20, body.center().y() - 6, 12, 12), chevron);
    p.end();
    return img;
}

// ---------------------------------------------------------------- surveys

struct SurveyLayout {
    int bgX, bgY, cols, firstCol, firstRow, rows, spacing, counterY;
    QStringList heads;
};

SurveyLayout surveyLayout(const Row& r)
{
    SurveyLayout l;
    l.bgX = r.x;
    l.bgY = r.y;
    l.cols = r.intParam(QStringLiteral("cols"), 2);
    l.firstCol = r.intParam(QStringLiteral("firstcol"), 400);
    l.firstRow = r.intParam(QStringLiteral("firstrow"), 182);
    l.rows = r.intParam(QStringLiteral("rows"), 5);
    l.spacing = r.intParam(QStringLiteral("spacing"), 43);
    l.counterY = r.intParam(QStringLiteral("counter"), 140);
    l.heads = r.param(QStringLiteral("heads")).split('|');
    return l;
}

QColor laneColour(const Theme& t) { return mix(t.panel, t.mid, 0.28); }

QImage surveyBackground(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    const SurveyLayout l = surveyLayout(r);
    QImage img = s.pageCrop(r.theme, QRect(r.x, r.y, r.width, r.height));
    QPainter p;
    begin(p, img);
    const QRectF panel(2, 2, r.width - 4, r.height - 6);
    const QPainterPath path = rounded(panel, 12);
    dropShadow(p, path, QPointF(0, 2.5), 5, QColor(0, 0, 0, 90));
    p.fillPath(path, t.panel);
    // Header with the page counter pill and the column headings.
    const qreal firstBox = l.firstRow - 12 - l.bgY;
    const qreal headerBottom = firstBox - 8;
    {
        QPainterPath header = rounded(QRectF(panel.left(), panel.top(), panel.width(), headerBottom - panel.top()), 12);
        QPainterPath cut;
        cut.addRect(QRectF(panel.left(), panel.top(), panel.width(), headerBottom - panel.top()));
        fillVertical(p, header.united(QPainterPath()).intersected(cut), t.mid.darker(105), t.dark);
        p.fillRect(QRectF(panel.left(), headerBottom - 10, panel.width(), 10), t.dark);
        p.fillRect(QRectF(panel.left(), headerBottom, panel.width(), 2), withAlpha(gold(), 200));
        const qreal cy = l.counterY - l.bgY;
        QPainterPath pill = rounded(QRectF(86 - 50, cy - 4, 100, 24), 12);
        p.fillPath(pill, QColor(0, 0, 0, 70));
        stroke(p, pill, QColor(255, 255, 255, 50), 1);
    }
    // Lanes under the check boxes: flat, so one check-box picture serves every row.
    for (int c = 0; c < l.cols; ++c) {
        const qreal x = l.firstCol + 49 * c - l.bgX;
        const QRectF lane(x - 7, headerBottom + 2, 34, panel.bottom() - headerBottom - 10);
        p.fillPath(rounded(lane, 6), laneColour(t));
        // A "/" in a heading breaks the line.
        const QString head = l.heads.value(c).replace('/', '\n');
        const QRectF hr(x - 16, panel.top() + 3, 52, headerBottom - panel.top() - 5);
        if (l.cols == 5) {
            text(p, QRectF(hr.left(), hr.top(), hr.width(), 18), Qt::AlignHCenter | Qt::AlignTop,
                 QString::number(c + 1), gothic(16), goldLight(), QColor(0, 0, 0, 120));
            text(p, QRectF(hr.left() - 2, hr.top() + 18, hr.width() + 4, hr.height() - 18), Qt::AlignHCenter | Qt::AlignTop,
                 head, gothic(10.5), Qt::white, QColor(0, 0, 0, 120));
        } else {
            text(p, QRectF(hr.left() - 4, hr.top(), hr.width() + 8, hr.height()), Qt::AlignHCenter | Qt::AlignBottom,
                 head, gothic(12), Qt::white, QColor(0, 0, 0, 120));
        }
    }
    // Quiet rules between the statement rows, halfway between the middles of
    // two statements (7 below their rows' y), clear of three-line ones.
    for (int i = 1; i < l.rows; ++i) {
        const qreal y = l.firstRow + l.spacing * i - l.spacing / 2.0 + 7 - l.bgY;
        p.fillRect(QRectF(panel.left() + 10, y, panel.width() - 20, 1), QColor(255, 255, 255, 26));
        p.fillRect(QRectF(panel.left() + 10, y + 1, panel.width() - 20, 1), QColor(0, 0, 0, 40));
    }
    p.end();
    return img;
}

QImage checkBox(const Row& r, Studio& s)
{
    const Row& bgRow = s.row(r.param(QStringLiteral("survey")), r.pack);
    const QImage& bg = s.image(bgRow);
    QImage img = crop(bg, QRect(r.x - bgRow.x, r.y - bgRow.y, r.width, r.height));
    const State st = parseState(r.state);
    QPainter p;
    begin(p, img);
    // The picture fills the box's hit area (20 x 27, from 12 above the row's
    // y); the box itself stands level with the middle of the statement,
    // which is 7 below the row's y whatever the statement's line count.
    const qreal middle = 12 + 7;
    const QRectF box(2.5, middle - 7.5, 15, 15);
    const QPainterPath path = rounded(box, 3.5);
    if (st == State::Over) {
        glow(p, path, 5, QColor(255, 214, 90, 230));
        fillVertical(p, path, QColor(255, 252, 220), QColor(255, 236, 160));
        stroke(p, path, gold(), 1.8);
    } else if (st == State::Selected) {
        fillVertical(p, path, QColor(255, 255, 255), QColor(226, 236, 226));
        stroke(p, path, QColor(40, 150, 70), 1.6);
        QPainterPath tick;
        tick.moveTo(5.2, 10.2);
        tick.lineTo(8.8, 14);
        tick.lineTo(16.8, 3.6);
        tick.translate(0, box.top() - 2.5);
        stroke(p, tick, QColor(30, 140, 60), 3);
    } else {
        fillVertical(p, path, QColor(228, 230, 236), QColor(255, 255, 255));
        innerShadow(p, path, 90);
        stroke(p, path, QColor(255, 255, 255, 200), 1);
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------- top-ten window

QImage topBackground(const Row& r, Studio&)
{
    const Theme& t = theme(r.theme);
    QImage img = newImage(r.width, r.height, mix(t.tint, paper(), 0.5));
    QPainter p;
    begin(p, img);
    // The list side: items are written white, yellow and magenta.
    p.fillRect(QRectF(0, 0, 252, r.height), t.panel);
    fillVertical(p, QRectF(0, 0, 252, 46), t.mid, t.dark);
    diagonalTexture(p, QRectF(0, 0, 252, 46), 10, 7);
    p.fillRect(QRectF(0, 45, 252, 2), gold());
    glyph(p, QStringLiteral("list10"), QRectF(12, 10, 26, 26), goldLight());
    text(p, QRectF(46, 0, 200, 46), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Top Ten"), gothic(21), Qt::white,
         QColor(0, 0, 0, 120));
    p.fillRect(QRectF(250, 0, 2, r.height), gold());
    {
        QLinearGradient sh(QPointF(252, 0), QPointF(262, 0));
        sh.setColorAt(0, QColor(0, 0, 0, 60));
        sh.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(252, 0, 10, r.height), sh);
    }
    // The detail side: a note card for the navy text.
    const QRectF card(262, 10, 238, 372);
    const QPainterPath cp = rounded(card, 10);
    dropShadow(p, cp, QPointF(0, 3), 6, QColor(0, 0, 0, 70));
    p.fillPath(cp, QColor(255, 255, 253));
    stroke(p, cp, mix(t.light, Qt::white, 0.4), 1);
    p.fillRect(QRectF(262, 20, 4, 40), t.mid);
    glyph(p, QStringLiteral("bulb"), QRectF(276, 24, 22, 22), gold());
    text(p, QRectF(304, 16, 190, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tip in detail"), gothic(16),
         t.heading);
    p.fillRect(QRectF(272, 62, 218, 1), mix(t.light, Qt::white, 0.3));
    for (int i = 1; i < 20; ++i) {
        const qreal y = 83 + 15 * i - 1;
        if (y > card.bottom() - 8)
            break;
        p.fillRect(QRectF(272, y, 218, 1), mix(t.tint, Qt::white, 0.35));
    }
    p.end();
    return img;
}

QImage topClose(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    const Row& bgRow = s.row(r.theme == QLatin1String("fin")   ? QStringLiteral("IDB_fn_topbk")
                             : r.theme == QLatin1String("man") ? QStringLiteral("IDB_ten_bk")
                             : r.theme == QLatin1String("cre") ? QStringLiteral("IDB_cr_topbk")
                                                               : QStringLiteral("IDB_pl_topbk"),
                             r.pack);
    QImage img = crop(s.image(bgRow), QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    QPainter p;
    begin(p, img);
    const QRectF body(1.5, 1.5, r.width - 3, r.height - 4.5);
    buttonBody(p, body, body.height() / 2, t.mid, st);
    const QRectF b = st == State::Selected ? body.translated(0, 1) : body;
    const QFont f = gothic(12.5);
    const qreal tw = textWidth(f, r.caption);
    const qreal x0 = b.center().x() - (tw + 15) / 2;
    glyph(p, QStringLiteral("cross"), QRectF(x0, b.center().y() - 5, 10, 10), st == State::Over ? goldLight() : Qt::white);
    text(p, QRectF(x0 + 15, b.top(), tw + 2, b.height()), Qt::AlignLeft | Qt::AlignVCenter, r.caption, f, Qt::white,
         QColor(0, 0, 0, 110));
    p.end();
    return img;
}

// ---------------------------------------------------------------- pop-ups and bars

QImage narration(const Row& r, Studio&)
{
    const Theme& t = theme(r.theme);
    QImage img = newImage(r.width, r.height, t.deep);
    QPainter p;
    begin(p, img);
    fillVertical(p, QRectF(0, 0, r.width, r.height), t.mid.darker(110), t.deep);
    diagonalTexture(p, QRectF(0, 0, r.width, r.height), 8, 7);
    QPainterPath border = rounded(QRectF(2.5, 2.5, r.width - 5, r.height - 5), 8);
    stroke(p, border, withAlpha(goldLight(), 180), 1.2);
    QPainterPath disc;
    disc.addEllipse(QRectF(12, 22, 52, 52));
    p.fillPath(disc, QColor(0, 0, 0, 60));
    stroke(p, disc, withAlpha(goldLight(), 200), 1.5);
    illo::speaker(p, QRectF(21, 34, 36, 28), goldLight());
    text(p, QRectF(74, 14, 110, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Narration"), gothic(17),
         Qt::white, QColor(0, 0, 0, 120));
    text(p, QRectF(74, 38, 112, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Listen to this lesson"),
         gothicBook(11), t.tint);
    const int heights[] = {6, 11, 16, 9, 13, 18, 12, 7, 14, 10, 5, 12, 16, 8};
    for (int i = 0; i < 14; ++i)
        p.fillRect(QRectF(75 + i * 7.5, 80 - heights[i], 4.5, heights[i]), withAlpha(goldLight(), 120 + heights[i] * 7));
    p.end();
    return img;
}

QColor bulletBackground(const Row& r)
{
    return r.param(QStringLiteral("bg")) == QLatin1String("resdark") ? theme("fin").panel : paper();
}

QImage bullet(const Row& r, Studio&)
{
    QImage img = newImage(r.width, r.height, bulletBackground(r));
    QPainter p;
    begin(p, img);
    const QString c = r.param(QStringLiteral("color"), QStringLiteral("navy"));
    QColor hi, lo;
    if (c == QLatin1String("white")) {
        hi = Qt::white;
        lo = QColor(196, 200, 212);
    } else if (c == QLatin1String("yellow")) {
        hi = QColor(255, 255, 170);
        lo = QColor(236, 196, 0);
    } else {
        hi = QColor(90, 120, 210);
        lo = QColor(0, 0, 128);
    }
    QRadialGradient g(QPointF(r.width * 0.38, r.height * 0.35), r.width * 0.7);
    g.setColorAt(0, hi);
    g.setColorAt(1, lo);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, r.width - 1, r.height - 1));
    p.end();
    return img;
}

QImage arrow(const Row& r, Studio&)
{
    QImage img = newImage(r.width, r.height, paper());
    QPainter p;
    begin(p, img);
    QPainterPath a;
    a.moveTo(1, 0.5);
    a.lineTo(r.width - 0.5, r.height / 2.0);
    a.lineTo(1, r.height - 0.5);
    a.lineTo(3, r.height / 2.0);
    a.closeSubpath();
    fillVertical(p, a, QColor(60, 90, 190), QColor(0, 0, 128));
    p.end();
    return img;
}

// A selection bar whose outside is pure red (the program's transparent key).
// The shape is anti-aliased against the card it lies on; the key itself has
// hard edges.
QImage selectionBar(const Row& r, Studio&)
{
    const Theme& t = theme(r.theme);
    const qreal w = r.width, h = r.height;
    QPainterPath shape;
    const qreal rad = h / 2 - 1;
    shape.moveTo(rad + 1, 1);
    shape.lineTo(w - h / 2 - 1, 1);
    shape.lineTo(w - 1.5, h / 2);
    shape.lineTo(w - h / 2 - 1, h - 1);
    shape.lineTo(rad + 1, h - 1);
    shape.arcTo(QRectF(1, 1, 2 * rad, h - 2), 270, -180);
    shape.closeSubpath();
    QImage img = newImage(r.width, r.height, cardColour(t));
    QPainter p;
    begin(p, img);
    fillVertical(p, shape, t.mid.lighter(115), t.dark);
    gloss(p, shape, 60);
    stroke(p, shape, gold(), 1.2);
    p.end();
    QImage mask(r.width, r.height, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing, false);
        m.fillPath(shape, Qt::black);
    }
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            if (qAlpha(mask.pixel(x, y)) == 0)
                img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}

QImage panelBackground(const Row& r, Studio&)
{
    const Theme& t = theme(r.theme);
    QImage img = newImage(r.width, r.height, t.deep);
    QPainter p;
    begin(p, img);
    fillVertical(p, QRectF(0, 0, r.width, r.height), t.dark, t.deep);
    diagonalTexture(p, QRectF(0, 0, r.width, r.height), 6, 7);
    fillVertical(p, QRectF(0, 0, r.width, 19), t.mid, t.dark);
    p.fillRect(QRectF(0, 19, r.width, 1), withAlpha(gold(), 220));
    text(p, QRectF(10, 0, r.width - 20, 19), Qt::AlignLeft | Qt::AlignVCenter, r.caption, gothic(11.5), goldLight());
    const QVector<int> close = r.listParam(QStringLiteral("close"), 2);
    for (int i = 0; 25 + 23 * i + 18 < close[1] - 4; ++i)
        if (i % 2 == 0)
            p.fillRect(QRectF(6, 22 + 23 * i, r.width - 12, 22), QColor(255, 255, 255, 12));
    p.fillRect(QRectF(8, close[1] - 6, r.width - 16, 1), QColor(255, 255, 255, 40));
    QPainterPath border = rounded(QRectF(0.5, 0.5, r.width - 1, r.height - 1), 3);
    stroke(p, border, withAlpha(gold(), 200), 1);
    p.end();
    return img;
}

QImage panelClose(const Row& r, Studio& s)
{
    const Row& bgRow = s.row(r.pack == QLatin1String("cred") ? QStringLiteral("idb_howMuch_bk") : QStringLiteral("idb_ass_bak"),
                             r.pack);
    QImage img = crop(s.image(bgRow), QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    const Theme& t = theme(r.theme);
    QPainter p;
    begin(p, img);
    const QRectF body(1.5, 1.5, r.width - 3, r.height - 4.5);
    buttonBody(p, body, body.height() / 2, gold().darker(105), st);
    const QRectF b = st == State::Selected ? body.translated(0, 1) : body;
    const QFont f = gothic(12.5);
    const qreal tw = textWidth(f, r.caption);
    const qreal x0 = b.center().x() - (tw + 16) / 2;
    glyph(p, QStringLiteral("check"), QRectF(x0, b.center().y() - 5.5, 11, 11), t.deep);
    text(p, QRectF(x0 + 16, b.top(), tw + 2, b.height()), Qt::AlignLeft | Qt::AlignVCenter, r.caption, f, t.deep);
    p.end();
    return img;
}

QImage frameRecipe(const Row& r, Studio& s) { return s.frame(r.theme); }

} // namespace


void addFrameRecipes(RecipeBook& book)
{
    book.insert(QStringLiteral("frame"), frameRecipe);
    book.insert(QStringLiteral("side"), sideButton);
    book.insert(QStringLiteral("nav"), navButton);
    book.insert(QStringLiteral("choice"), choiceButton);
    book.insert(QStringLiteral("surveybg"), surveyBackground);
    book.insert(QStringLiteral("check"), checkBox);
    book.insert(QStringLiteral("topbg"), topBackground);
    book.insert(QStringLiteral("topclose"), topClose);
    book.insert(QStringLiteral("narration"), narration);
    book.insert(QStringLiteral("bullet"), bullet);
    book.insert(QStringLiteral("arrow"), arrow);
    book.insert(QStringLiteral("tab"), selectionBar);
    book.insert(QStringLiteral("panelbg"), panelBackground);
    book.insert(QStringLiteral("panelclose"), panelClose);
}

} // namespace art
