// Full screens and the program's own pictures: the main menu with its items
// and previews, the splash and no-disc screens, the exit screen, the
// calculator, the video frame and the report logo.
#include "Icons.h"
#include "Paint.h"
#include "Studio.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace art {


namespace {

const Theme& brand() { return theme(QStringLiteral("brand")); }

void emblemAt(QPainter& p, const QRectF& r)
{
    QPainterPath c;
    c.addEllipse(r);
    dropShadow(p, c, QPointF(0, r.height() * 0.05), r.height() * 0.1, QColor(0, 0, 0, 120));
    QRadialGradient g(r.topLeft() + QPointF(r.width() * 0.35, r.height() * 0.3), r.width() * 0.8);
    g.setColorAt(0, QColor(255, 236, 170));
    g.setColorAt(0.55, gold());
    g.setColorAt(1, QColor(178, 120, 28));
    p.fillPath(c, g);
    stroke(p, c, QColor(150, 100, 20), std::max<qreal>(1, r.width() * 0.02));
    QPainterPath inner;
    inner.addEllipse(r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, -r.height() * 0.1));
    stroke(p, inner, QColor(255, 240, 190, 170), std::max<qreal>(1, r.width() * 0.025));
    text(p, r, Qt::AlignCenter, QStringLiteral("F"), gothic(r.height() * 0.6), brand().deep, QColor(255, 240, 200, 150),
         QPointF(-r.width() * 0.02, -r.width() * 0.02));
}

// The dark brand backdrop shared by the menu, splash, no-disc and exit screens.
QImage brandBackdrop(int w, int h, QPointF light)
{
    const Theme& b = brand();
    QImage img = newImage(w, h, b.deep);
    QPainter p;
    begin(p, img);
    fillVertical(p, QRectF(0, 0, w, h), b.dark, b.deep);
    QRadialGradient g(light, std::max(w, h) * 0.8);
    g.setColorAt(0, withAlpha(b.mid, 200));
    g.setColorAt(1, withAlpha(b.mid, 0));
    p.fillRect(QRectF(0, 0, w, h), g);
    // Faint rings of coins in the distance.
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int i = 0; i < 9; ++i)
        p.drawEllipse(light, 90.0 + i * 70, 90.0 + i * 70);
    p.end();
    return img;
}

void caption(QPainter& p, const QRectF& r, int align, const QString& s, QFont f, const QColor& c,
             const QColor& shadow = Qt::transparent, qreal minPx = 8)
{
    const int flags = align | Qt::TextWordWrap;
    while (f.pixelSize() > minPx && QFontMetricsF(f).boundingRect(r, flags, s).height() > r.height() + 1)
        f.setPixelSize(f.pixelSize() - 1);
    text(p, r, flags, s, f, c, shadow);
}

// ---------------------------------------------------------------- main menu

QImage mmBackground()
{
    const Theme& b = brand();
    QImage img = brandBackdrop(640, 480, QPointF(560, 60));
    QPainter p;
    begin(p, img);
    // Frame of the preview pictures drawn at (36, 9).
    const QPainterPath frame = rounded(QRectF(30, 3, 396, 234), 14);
    dropShadow(p, frame, QPointF(0, 4), 8, QColor(0, 0, 0, 140));
    fillVertical(p, frame, QColor(70, 100, 150), QColor(30, 50, 84));
    stroke(p, frame, withAlpha(goldLight(), 200), 1.2);
    // Brand block.
    emblemAt(p, QRectF(500, 18, 70, 70));
    text(p, QRectF(436, 92, 198, 50), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Fiscova"), gothic(40),
         Qt::white, QColor(0, 0, 0, 140), QPointF(1.5, 1.5));
    text(p, QRectF(436, 140, 198, 22), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Personal Finance Course"),
         gothicBook(15), goldLight());
    p.fillRect(QRectF(470, 172, 130, 1), withAlpha(goldLight(), 140));
    caption(p, QRectF(446, 180, 178, 44), Qt::AlignHCenter | Qt::AlignTop,
            QStringLiteral("Point to a module to preview it, then click to begin."), gothicBook(13), b.tint);
    // A little still life: coins and a rising chart.
    illo::trendLine(p, QRectF(452, 262, 120, 48), {2, 3, 2.6, 4, 3.8, 5.2, 6}, goldLight(), 2.5);
    illo::coinStack(p, QPointF(600, 322), 15, 5);
    illo::coinStack(p, QPointF(566, 324), 12, 3);
    // The rail that the module items run along.
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(0, 240 + 42 * i + 33, 430, 1), QColor(255, 255, 255, 18));
    text(p, QRectF(14, 452, 420, 20), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Fiscova \u00b7 a personal finance course by Corvell"), gothicBook(12), withAlpha(b.light, 220));
    p.end();
    return img;
}

QImage mmback(const Row&, Studio& s) { return s.memo(QStringLiteral("mmback"), mmBackground); }

QImage menuItem(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    const Theme& b = brand();
    QImage img = crop(s.memo(QStringLiteral("mmback"), mmBackground), QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    QPainter p;
    begin(p, img);
    const bool sel = st == State::Selected, over = st == State::Over;
    const QRectF bar = QRectF(-14, 2, r.width + 14 - 6, r.height - 5).translated(0, sel ? 1 : 0);
    const QPainterPath path = rounded(bar, 13);
    QColor capColour = Qt::white;
    if (over) {
        glow(p, path, 6, QColor(255, 210, 110, 170));
        fillVertical(p, path, t.mid.lighter(120), t.dark);
        gloss(p, path, 70);
        stroke(p, path, goldLight(), 1.6);
    } else if (sel) {
        fillVertical(p, path, goldLight(), gold());
        innerShadow(p, path, 90);
        stroke(p, path, QColor(150, 100, 24), 1.2);
        capColour = b.deep;
    } else {
        dropShadow(p, path, QPointF(0, 2), 3, QColor(0, 0, 0, 110));
        fillVertical(p, path, withAlpha(b.mid, 230), withAlpha(b.dark, 230));
        gloss(p, path, 40);
        stroke(p, path, QColor(255, 255, 255, 45), 1);
    }
    // The module's colour chip.
    QPainterPath chip = rounded(QRectF(8, bar.top() + 3, 34, bar.height() - 6), 6);
    fillVertical(p, chip, t.light, t.mid);
    stroke(p, chip, sel ? QColor(150, 100, 24) : withAlpha(goldLight(), 200), 1);
    glyph(p, t.emblem, QRectF(16, bar.center().y() - 9, 18, 18), Qt::white);
    text(p, QRectF(54, bar.top(), 330, bar.height()), Qt::AlignLeft | Qt::AlignVCenter, r.caption, gothic(17),
         capColour, sel ? Qt::transparent : QColor(0, 0, 0, 130));
    if (over || sel)
        glyph(p, QStringLiteral("arrowR"), QRectF(bar.right() - 26, bar.center().y() - 7, 14, 14),
              sel ? b.deep : goldLight());
    p.end();
    return img;
}

QImage menuBadge(const Row& r, Studio& s)
{
    const Theme& b = brand();
    QImage img = crop(s.memo(QStringLiteral("mmback"), mmBackground), QRect(r.x, r.y, r.width, r.height));
    QPainter p;
    begin(p, img);
    const QRectF body(2, 2, r.width - 8, r.height - 5);
    const QPainterPath path = rounded(body, 8);
    dropShadow(p, path, QPointF(0, 2), 3, QColor(0, 0, 0, 110));
    fillVertical(p, path, QColor(255, 250, 236), QColor(240, 226, 190));
    stroke(p, path, gold(), 1.4);
    emblemAt(p, QRectF(7, body.center().y() - 13, 26, 26));
    text(p, QRectF(38, body.top() + 3, body.width() - 40, 15), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("The Complete Course in"), gothicBook(10.5), b.dark);
    text(p, QRectF(38, body.top() + 16, body.width() - 40, 16), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Personal Finance"), gothic(14), b.deep);
    p.end();
    return img;
}

QImage menuExit(const Row& r, Studio& s)
{
    const Theme& b = brand();
    QImage img = crop(s.memo(QStringLiteral("mmback"), mmBackground), QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    QPainter p;
    begin(p, img);
    // The picture runs 7 pixels past the window's edge: the button keeps clear of them.
    const QRectF body(3, 3, r.width - 7 - 8, r.height - 8);
    buttonBody(p, body, body.height() / 2, st == State::Over ? b.mid.lighter(115) : b.mid, st);
    const QRectF c = st == State::Selected ? body.translated(0, 1) : body;
    const QFont f = gothic(16);
    const qreal tw = textWidth(f, r.caption);
    const qreal x0 = c.center().x() - (tw + 22) / 2;
    glyph(p, QStringLiteral("door"), QRectF(x0, c.center().y() - 8, 16, 16), st == State::Over ? goldLight() : Qt::white);
    text(p, QRectF(x0 + 22, c.top(), tw + 2, c.height()), Qt::AlignLeft | Qt::AlignVCenter, r.caption, f, Qt::white,
         QColor(0, 0, 0, 120));
    p.end();
    return img;
}

void previewIllustration(QPainter& p, const QString& id, const QRectF& r)
{
    const Theme& t = theme(id);
    if (id == QLatin1String("fin")) {
        illo::clipboard(p, QRectF(r.left() + 20, r.top() + 14, 78, 104), 3, 4);
        illo::magnifier(p, QPointF(r.left() + 104, r.top() + 92), 24);
        illo::coin(p, QPointF(r.left() + 30, r.bottom() - 20), 16, 0.5);
    } else if (id == QLatin1String("man")) {
        illo::house(p, QRectF(r.left() + 8, r.top() + 16, 84, 76), QColor(250, 236, 210), t.mid);
        illo::piggy(p, QRectF(r.left() + 62, r.top() + 84, 78, 56), QColor(246, 170, 186));
        illo::coinStack(p, QPointF(r.left() + 30, r.bottom() - 4), 13, 4);
    } else if (id == QLatin1String("cre")) {
        illo::card(p, QRectF(r.left() + 6, r.top() + 26, 96, 60), QColor(60, 110, 190), -14);
        illo::card(p, QRectF(r.left() + 34, r.top() + 44, 96, 60), t.mid, 8);
        illo::gauge(p, QRectF(r.left() + 46, r.top() + 100, 62, 40), 0.3);
    } else if (id == QLatin1String("pl")) {
        illo::coinStack(p, QPointF(r.left() + 40, r.bottom() - 6), 16, 6);
        illo::sprout(p, QRectF(r.left() + 22, r.top() + 22, 40, 60));
        illo::target(p, QRectF(r.left() + 74, r.top() + 30, 60, 60));
    } else if (id == QLatin1String("how")) {
        const char* icons[] = {"phone", "envelope", "globe", "question"};
        for (int i = 0; i < 4; ++i) {
            const QRectF d(r.left() + 16 + (i % 2) * 62, r.top() + 18 + (i / 2) * 62, 52, 52);
            QPainterPath c;
            c.addEllipse(d);
            dropShadow(p, c, QPointF(0, 2), 4, QColor(0, 0, 0, 80));
            fillVertical(p, c, t.light, t.mid);
            glyph(p, QString::fromLatin1(icons[i]), d.adjusted(13, 13, -13, -13), Qt::white);
        }
    }
}

QImage previewCard(const Row& r, Studio& s, const Theme& t, const QString& title, const QStringList& lines, bool welcome)
{
    QImage img = crop(s.memo(QStringLiteral("mmback"), mmBackground), QRect(r.x, r.y, r.width, r.height));
    QPainter p;
    begin(p, img);
    const QRectF card(0, 0, r.width, r.height);
    const QPainterPath path = rounded(card, 10);
    p.fillPath(path, QColor(255, 255, 255));
    p.save();
    p.setClipPath(path);
    fillVertical(p, QRectF(0, 42, r.width, r.height - 42), QColor(255, 255, 255), mix(t.tint, paper(), 0.3));
    fillVertical(p, QRectF(0, 0, r.width, 42), t.mid.lighter(110), t.dark);
    p.fillRect(QRectF(0, 42, r.width, 2), gold());
    p.restore();
    if (welcome)
        emblemAt(p, QRectF(10, 6, 30, 30));
    else {
        QPainterPath d;
        d.addEllipse(QRectF(10, 6, 30, 30));
        p.fillPath(d, QColor(255, 255, 255, 40));
        stroke(p, d, withAlpha(goldLight(), 220), 1.2);
        glyph(p, t.emblem, QRectF(17, 13, 16, 16), Qt::white);
    }
    text(p, QRectF(50, 0, r.width - 60, 42), Qt::AlignLeft | Qt::AlignVCenter, title, gothic(20), Qt::white,
         QColor(0, 0, 0, 120));
    const QRectF art(r.width - 158, 52, 150, 160);
    if (welcome) {
        illo::house(p, QRectF(art.left() + 40, art.top() + 8, 96, 86), QColor(250, 236, 210), QColor(190, 70, 60));
        illo::tree(p, QRectF(art.left() + 2, art.top() + 34, 46, 64));
        illo::piggy(p, QRectF(art.left() + 66, art.top() + 100, 78, 54), QColor(246, 170, 186));
        illo::coinStack(p, QPointF(art.left() + 34, art.bottom() - 6), 14, 4);
    } else {
        previewIllustration(p, t.id, art);
    }
    qreal y = 60;
    const QFont f = sans(14);
    for (const QString& line : lines) {
        if (welcome) {
            caption(p, QRectF(18, y, r.width - 186, 60), Qt::AlignLeft | Qt::AlignTop, line, gothicBook(15), ink());
            y += QFontMetricsF(gothicBook(15)).boundingRect(QRectF(18, y, r.width - 186, 60), Qt::TextWordWrap, line).height() + 10;
            continue;
        }
        QPainterPath dot;
        dot.addEllipse(QRectF(18, y + 5, 8, 8));
        p.fillPath(dot, t.mid);
        caption(p, QRectF(34, y, r.width - 200, 40), Qt::AlignLeft | Qt::AlignTop, line, f, ink());
        y += QFontMetricsF(f).boundingRect(QRectF(34, y, r.width - 200, 40), Qt::TextWordWrap, line).height() + 9;
    }
    if (!welcome)
        text(p, QRectF(18, r.height - 30, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Click to begin"),
             gothic(13), t.heading);
    else {
        glyph(p, QStringLiteral("arrowDown"), QRectF(18, r.height - 34, 20, 20), t.mid);
        text(p, QRectF(44, r.height - 36, 200, 24), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Choose a module below"), gothic(14), t.heading);
    }
    stroke(p, path, withAlpha(goldLight(), 230), 1.5);
    p.end();
    return img;
}

QImage menuPicture(const Row& r, Studio& s)
{
    static const QHash<QString, QStringList> lines = {
        {"fin", {"Explore how you feel about money", "Take the Financial Reality Check", "Discover your spending type"}},
        {"man", {"Figure out your net worth", "Build a monthly budget", "Prepare for emergencies"}},
        {"cre", {"Weigh the real cost of credit", "Check your debt load", "Learn to read a credit report"}},
        {"pl", {"See how money grows over time", "Set your financial goals", "Explore investment options"}},
        {"how", {"Who made this course", "How to get in touch", "Technical support"}},
    };
    const Theme& t = theme(r.theme);
    return previewCard(r, s, t, r.caption, lines.value(r.theme), false);
}

QImage menuWelcome(const Row& r, Studio& s)
{
    return previewCard(r, s, brand(), r.caption,
                       {QStringLiteral("Five modules take you from your money attitudes to a plan for your future."),
                        QStringLiteral("Your work is saved as you go.")},
                       true);
}

// ---------------------------------------------------------------- splash, no-disc

void skyline(QPainter& p, const QRectF& r)
{
    // Ground.
    QPainterPath hill;
    hill.moveTo(r.left(), r.bottom());
    hill.lineTo(r.left(), r.top() + r.height() * 0.7);
    hill.cubicTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.55, r.left() + r.width() * 0.6,
                 r.top() + r.height() * 0.8, r.right(), r.top() + r.height() * 0.62);
    hill.lineTo(r.right(), r.bottom());
    hill.closeSubpath();
    fillVertical(p, hill, QColor(46, 110, 80), QColor(20, 60, 44));
    illo::tree(p, QRectF(r.left() + 70, r.top() + r.height() * 0.3, 60, 80));
    illo::house(p, QRectF(r.left() + 140, r.top() + r.height() * 0.18, 120, 104), QColor(250, 236, 210), QColor(190, 70, 60));
    illo::tree(p, QRectF(r.left() + 266, r.top() + r.height() * 0.36, 46, 64));
    illo::coinStack(p, QPointF(r.left() + 360, r.top() + r.height() * 0.9), 20, 3);
    illo::coinStack(p, QPointF(r.left() + 408, r.top() + r.height() * 0.9), 20, 5);
    illo::coinStack(p, QPointF(r.left() + 456, r.top() + r.height() * 0.9), 20, 7);
    illo::piggy(p, QRectF(r.left() + 500, r.top() + r.height() * 0.42, 110, 78), QColor(246, 170, 186));
    illo::trendLine(p, QRectF(r.left() + 330, r.top() - 10, 170, 60), {1, 2, 1.6, 3, 2.8, 4.2, 5.5}, goldLight(), 3);
    illo::cloud(p, QRectF(r.left() + 20, r.top() - 20, 90, 36), QColor(255, 255, 255, 40));
    illo::cloud(p, QRectF(r.right() - 140, r.top() - 40, 110, 40), QColor(255, 255, 255, 30));
}

QImage splash(const Row&, Studio&)
{
    const Theme& b = brand();
    QImage img = brandBackdrop(640, 480, QPointF(320, 120));
    QPainter p;
    begin(p, img);
    emblemAt(p, QRectF(276, 34, 88, 88));
    text(p, QRectF(0, 126, 640, 76), Qt::AlignCenter, QStringLiteral("Fiscova"), gothic(66), Qt::white,
         QColor(0, 0, 0, 150), QPointF(2, 2));
    text(p, QRectF(0, 200, 640, 30), Qt::AlignCenter, QStringLiteral("Take charge of your money"), gothicBook(22),
         goldLight());
    p.fillRect(QRectF(250, 240, 140, 1.5), withAlpha(goldLight(), 150));
    skyline(p, QRectF(0, 290, 640, 150));
    QLinearGradient fade(QPointF(0, 430), QPointF(0, 480));
    fade.setColorAt(0, withAlpha(b.deep, 0));
    fade.setColorAt(1, b.deep);
    p.fillRect(QRectF(0, 420, 640, 60), fade);
    text(p, QRectF(0, 448, 640, 22), Qt::AlignCenter, QStringLiteral("A personal finance course by Corvell"),
         gothicBook(13), b.tint);
    p.end();
    return img;
}

QImage noDiscScreen()
{
    const Theme& b = brand();
    QImage img = brandBackdrop(640, 480, QPointF(320, 40));
    QPainter p;
    begin(p, img);
    emblemAt(p, QRectF(22, 16, 40, 40));
    text(p, QRectF(72, 16, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fiscova"), gothic(28), Qt::white,
         QColor(0, 0, 0, 120));
    const QRectF card(96, 74, 448, 296);
    const QPainterPath cp = rounded(card, 16);
    dropShadow(p, cp, QPointF(0, 5), 10, QColor(0, 0, 0, 150));
    p.fillPath(cp, paper());
    stroke(p, cp, gold(), 1.5);
    illo::disc(p, QRectF(124, 110, 130, 130));
    text(p, QRectF(276, 104, 250, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Please insert"), gothic(24), b.dark);
    text(p, QRectF(276, 134, 250, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("the Fiscova disc"), gothic(24),
         b.dark);
    text(p, QRectF(276, 176, 250, 84), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         QStringLiteral("The disc holds the course's videos and narration."), sans(15), ink());
    p.fillRect(QRectF(124, 262, 392, 1), mix(b.light, paper(), 0.5));
    text(p, QRectF(124, 272, 392, 84), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         QStringLiteral("Insert it now and the course goes on by itself. Choose OK when the disc is in, "
                        "or Cancel to go on without videos and narration."),
         sans(15), ink());
    p.end();
    return img;
}

QImage nocd(const Row&, Studio& s) { return s.memo(QStringLiteral("nocd"), noDiscScreen); }

QImage dialogButton(const Row& r, Studio& s)
{
    const Theme& b = brand();
    QImage img = crop(s.memo(QStringLiteral("nocd"), noDiscScreen), QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    QPainter p;
    begin(p, img);
    const QRectF body(2, 2, r.width - 4, r.height - 6);
    buttonBody(p, body, 10, r.caption == QLatin1String("OK") ? QColor(46, 140, 76) : b.mid, st);
    const QRectF c = st == State::Selected ? body.translated(0, 1) : body;
    const QFont f = gothic(16);
    const qreal tw = textWidth(f, r.caption);
    const qreal x0 = c.center().x() - (tw + 20) / 2;
    glyph(p, r.param(QStringLiteral("icon"), QStringLiteral("check")), QRectF(x0, c.center().y() - 7, 14, 14), Qt::white);
    text(p, QRectF(x0 + 20, c.top(), tw + 2, c.height()), Qt::AlignLeft | Qt::AlignVCenter, r.caption, f, Qt::white,
         QColor(0, 0, 0, 120));
    p.end();
    return img;
}

QImage logo(const Row& r, Studio&)
{
    QImage img = newImage(r.width, r.height, Qt::white);
    QPainter p;
    begin(p, img);
    emblemAt(p, QRectF(2, 2, 28, 28));
    text(p, QRectF(34, 0, r.width - 34, r.height), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fiscova"),
         fitted(gothic(19), QStringLiteral("Fiscova"), r.width - 36, 10), brand().dark);
    p.end();
    return img;
}

// ---------------------------------------------------------------- calculator

QImage calculatorBackground()
{
    QImage img = newImage(83, 129, QColor(36, 38, 46));
    QPainter p;
    begin(p, img);
    const QPainterPath body = rounded(QRectF(0.5, 0.5, 82, 128), 6);
    fillVertical(p, body, QColor(84, 90, 104), QColor(34, 36, 44));
    stroke(p, body, QColor(150, 156, 170), 1);
    const QPainterPath bezel = rounded(QRectF(7.5, 7.5, 68, 22.5), 3);
    p.fillPath(bezel, QColor(20, 22, 28));
    p.fillRect(QRectF(10, 10, 62, 17), Qt::white);
    // Recesses under the keys.
    auto well = [&](qreal x, qreal y, qreal w, qreal h) {
        p.fillPath(rounded(QRectF(x - 0.5, y - 0.5, w + 1, h + 1), 3.5), QColor(22, 24, 30));
    };
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            well(7 + 17 * col, 42 + 17 * row, 16, 16);
    well(8, 94, 32, 15);
    well(41, 93, 16, 16);
    well(58, 93, 16, 16);
    well(7, 30, 33, 11);
    well(41, 30, 33, 11);
    well(7, 110, 33, 16);
    well(41, 110, 33, 16);
    text(p, QRectF(0, 0.5, 83, 7.5), Qt::AlignCenter, QStringLiteral("FISCOVA"), sans(6, true), QColor(200, 204, 214));
    p.end();
    return img;
}

QImage calbk(const Row&, Studio& s) { return s.memo(QStringLiteral("calbk"), calculatorBackground); }

QImage calcKey(const Row& r, Studio& s)
{
    QImage img = crop(s.memo(QStringLiteral("calbk"), calculatorBackground), QRect(r.x, r.y, r.width, r.height));
    const bool down = parseState(r.state) == State::Down;
    const QString style = r.param(QStringLiteral("style"));
    QColor top, bottom, fg = Qt::white;
    if (style == QLatin1String("digit")) {
        top = QColor(248, 249, 252);
        bottom = QColor(196, 200, 210);
        fg = QColor(30, 34, 44);
    } else if (style == QLatin1String("op")) {
        top = QColor(255, 186, 90);
        bottom = QColor(224, 118, 16);
    } else if (style == QLatin1String("enter")) {
        top = QColor(110, 206, 120);
        bottom = QColor(40, 140, 60);
    } else if (style == QLatin1String("clear")) {
        top = QColor(244, 130, 116);
        bottom = QColor(196, 56, 44);
    } else {
        top = QColor(150, 156, 170);
        bottom = QColor(90, 96, 110);
    }
    QPainter p;
    begin(p, img);
    const QRectF body = down ? QRectF(0.5, 1, r.width - 1, r.height - 1.5) : QRectF(0.5, 0.5, r.width - 1, r.height - 1.5);
    const QPainterPath path = rounded(body, 3);
    if (down) {
        fillVertical(p, path, bottom.darker(115), top.darker(110));
        innerShadow(p, path, 120);
    } else {
        fillVertical(p, path, top, bottom);
        gloss(p, path, 90);
    }
    stroke(p, path, bottom.darker(150), 0.8);
    const qreal px = r.height <= 11 ? 9 : (r.caption.size() > 1 && style == QLatin1String("cancel") ? 9 : 11.5);
    if (r.param(QStringLiteral("glyph")).isEmpty())
        text(p, body.translated(0, -0.5), Qt::AlignCenter, r.caption, sans(px, true), fg);
    else {
        const qreal g = std::min(body.height(), body.width()) - 3;
        glyph(p, r.param(QStringLiteral("glyph")), QRectF(body.center().x() - g / 2, body.center().y() - g / 2, g, g), fg);
    }
    p.end();
    return img;
}

QImage calcIcon(const Row& r, Studio&)
{
    // The field is white; the top two rows fall above the field and are white too.
    QImage img = newImage(r.width, r.height, Qt::white);
    QPainter p;
    begin(p, img);
    const QPainterPath body = rounded(QRectF(0.5, 2.5, 11, 11), 1.8);
    fillVertical(p, body, QColor(92, 100, 120), QColor(44, 48, 60));
    p.fillRect(QRectF(2, 4, 8, 2.5), QColor(190, 230, 180));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i == 5 ? QColor(255, 170, 60) : QColor(230, 232, 238));
        p.drawRect(QRectF(2 + (i % 3) * 2.9, 7.6 + (i / 3) * 2.7, 1.9, 1.8));
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------- video

QImage videoFrame(const Row& r, Studio&)
{
    const Theme& b = brand();
    const QVector<int> hole = r.listParam(QStringLiteral("hole"), 4);
    QImage img = newImage(r.width, r.height, b.deep);
    QPainter p;
    begin(p, img);
    fillVertical(p, QRectF(0, 0, r.width, r.height), b.mid, b.deep);
    QPainterPath border = rounded(QRectF(1.5, 1.5, r.width - 3, r.height - 3), 7);
    stroke(p, border, withAlpha(goldLight(), 200), 1.2);
    glyph(p, QStringLiteral("film"), QRectF(16, 6, 18, 18), goldLight());
    text(p, QRectF(40, 2, 90, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Video"), gothic(15), Qt::white,
         QColor(0, 0, 0, 120));
    text(p, QRectF(96, 2, 78, 26), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Fiscova"), gothicBook(11), b.tint);
    const QRectF screen(hole[0], hole[1], hole[2], hole[3]);
    p.fillRect(screen.adjusted(-3, -3, 3, 3), QColor(8, 10, 16));
    p.fillRect(screen.adjusted(-3, -3, 3, -hole[3] - 2), QColor(0, 0, 0, 0));
    stroke(p, rounded(screen.adjusted(-3.5, -3.5, 3.5, 3.5), 3), withAlpha(goldLight(), 150), 1);
    p.fillRect(screen, Qt::black);
    for (int i = 0; i < 18; ++i)
        p.fillRect(QRectF(40 + i * 6, 155, 3, 3), QColor(255, 255, 255, 50));
    p.end();
    return img;
}

// ---------------------------------------------------------------- exit screen

QImage exitScreen()
{
    const Theme& b = brand();
    QImage img = brandBackdrop(640, 480, QPointF(120, 40));
    QPainter p;
    begin(p, img);
    emblemAt(p, QRectF(22, 18, 50, 50));
    text(p, QRectF(84, 14, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fiscova"), gothic(32), Qt::white,
         QColor(0, 0, 0, 130));
    text(p, QRectF(86, 50, 520, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Thank you for learning with us"),
         gothicBook(17), goldLight());
    // The card for the program's black thank-you text and red question.
    const QRectF card(110, 94, 524, 374);
    const QPainterPath cp = rounded(card, 16);
    dropShadow(p, cp, QPointF(0, 5), 10, QColor(0, 0, 0, 150));
    p.fillPath(cp, paper());
    stroke(p, cp, gold(), 1.5);
    fillVertical(p, QRectF(119, 118, 4, 90), gold(), QColor(196, 130, 36));
    p.fillRect(QRectF(160, 240, 420, 1), mix(b.light, paper(), 0.55));
    // Down the left: the year's savings growing.
    illo::coinStack(p, QPointF(30, 440), 14, 3);
    illo::coinStack(p, QPointF(56, 444), 14, 6);
    illo::coinStack(p, QPointF(84, 448), 14, 9);
    illo::piggy(p, QRectF(14, 318, 84, 60), QColor(246, 170, 186));
    p.end();
    return img;
}

QImage exbak(const Row&, Studio& s) { return s.memo(QStringLiteral("exbak"), exitScreen); }

QImage exitButton(const Row& r, Studio& s)
{
    const Theme& b = brand();
    QImage img = crop(s.memo(QStringLiteral("exbak"), exitScreen), QRect(r.x, r.y, r.width, r.height));
    const State st = parseState(r.state);
    QPainter p;
    begin(p, img);
    const bool sel = st == State::Selected, over = st == State::Over;
    const QRectF body = QRectF(2, 2, r.width - 4, r.height - 6).translated(0, sel ? 1 : 0);
    const QPainterPath path = rounded(body, 10);
    QColor capColour = b.deep, discTop = b.light, discBottom = b.mid, glyphColour = Qt::white;
    if (over) {
        glow(p, path, 6, QColor(240, 190, 80, 150));
        fillVertical(p, path, b.mid.lighter(118), b.dark);
        gloss(p, path, 70);
        stroke(p, path, gold(), 1.6);
        capColour = Qt::white;
        discTop = goldLight();
        discBottom = gold();
        glyphColour = b.deep;
    } else if (sel) {
        fillVertical(p, path, b.deep, b.dark);
        innerShadow(p, path, 120);
        stroke(p, path, gold(), 1.4);
        capColour = goldLight();
        discTop = b.dark;
        discBottom = b.deep;
        glyphColour = goldLight();
    } else {
        dropShadow(p, path, QPointF(0, 2), 4, QColor(0, 0, 0, 70));
        fillVertical(p, path, QColor(255, 255, 255), mix(b.tint, paper(), 0.2));
        stroke(p, path, b.mid, 1.3);
    }
    const QRectF disc(body.left() + 5, body.center().y() - 13.5, 27, 27);
    QPainterPath dp;
    dp.addEllipse(disc);
    fillVertical(p, dp, discTop, discBottom);
    glyph(p, r.param(QStringLiteral("icon"), QStringLiteral("arrowL")), disc.adjusted(6, 6, -6, -6), glyphColour);
    text(p, QRectF(disc.right() + 10, body.top(), body.width() - 50, body.height()), Qt::AlignLeft | Qt::AlignVCenter,
         r.caption, gothic(16), capColour, over ? QColor(0, 0, 0, 110) : Qt::transparent);
    p.end();
    return img;
}

} // namespace

void addScreenRecipes(RecipeBook& book)
{
    book.insert(QStringLiteral("mmback"), mmback);
    book.insert(QStringLiteral("menuitem"), menuItem);
    book.insert(QStringLiteral("menubadge"), menuBadge);
    book.insert(QStringLiteral("menuexit"), menuExit);
    book.insert(QStringLiteral("menupic"), menuPicture);
    book.insert(QStringLiteral("menuwelcome"), menuWelcome);
    book.insert(QStringLiteral("splash"), splash);
    book.insert(QStringLiteral("nocd"), nocd);
    book.insert(QStringLiteral("dlgbtn"), dialogButton);
    book.insert(QStringLiteral("logo"), logo);
    book.insert(QStringLiteral("calbk"), calbk);
    book.insert(QStringLiteral("calkey"), calcKey);
    book.insert(QStringLiteral("calcicon"), calcIcon);
    book.insert(QStringLiteral("video"), videoFrame);
    book.insert(QStringLiteral("exbak"), exbak);
    book.insert(QStringLiteral("exbtn"), exitButton);
}

} // namespace art
