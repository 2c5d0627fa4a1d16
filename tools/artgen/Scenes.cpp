// Pictures with a story: the still pictures of the chooser pages and the
// frames of the presenter clips that open each module.
#include "Icons.h"
#include "Paint.h"
#include "Presenter.h"
#include "Studio.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace art {

namespace {

// ---------------------------------------------------------------- stills

// The poster frame every still shares: a soft sky, a floor, rounded corners.
struct Poster {
    QRectF inner;
    qreal s;      // scale relative to a 480 x 230 design
    qreal floorY; // where things stand
};

Poster posterFrame(QPainter& p, const Row& r, const Theme& t)
{
    const QRectF card(3, 2, r.width - 6, r.height - 7);
    const QPainterPath path = rounded(card, 14);
    dropShadow(p, path, QPointF(0, 3), 5, QColor(0, 0, 0, 80));
    p.save();
    p.setClipPath(path);
    fillVertical(p, card, mix(t.tint, Qt::white, 0.15), QColor(255, 255, 255));
    // Soft circles of light.
    QRadialGradient g(QPointF(card.width() * 0.25, card.height() * 0.2), card.width() * 0.5);
    g.setColorAt(0, QColor(255, 255, 255, 160));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(card, g);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(t.light, 34));
    p.drawEllipse(QPointF(card.right() - card.width() * 0.12, card.top() + card.height() * 0.1), card.height() * 0.45,
                  card.height() * 0.45);
    p.drawEllipse(QPointF(card.left() + card.width() * 0.05, card.bottom() - card.height() * 0.05), card.height() * 0.3,
                  card.height() * 0.3);
    const qreal floorY = card.bottom() - card.height() * 0.17;
    QPainterPath floor;
    floor.moveTo(card.left(), floorY + 6);
    floor.quadTo(card.center().x(), floorY - 8, card.right(), floorY + 4);
    floor.lineTo(card.right(), card.bottom());
    floor.lineTo(card.left(), card.bottom());
    floor.closeSubpath();
    fillVertical(p, floor, mix(t.tint, t.light, 0.45), mix(t.tint, t.light, 0.7));
    p.restore();
    stroke(p, path, mix(t.light, Qt::white, 0.3), 1.5);
    Poster ps;
    ps.inner = card.adjusted(12, 10, -12, -10);
    ps.s = std::min(card.width() / 480.0, card.height() / 230.0);
    ps.floorY = floorY;
    return ps;
}

// A labelled tag ("Assets", "Liabilities").
void tag(QPainter& p, QPointF centre, const QString& s, const QColor& c, qreal scale)
{
    const QFont f = gothic(13 * scale);
    const qreal w = textWidth(f, s) + 18 * scale, h = 22 * scale;
    const QRectF r(centre.x() - w / 2, centre.y() - h / 2, w, h);
    QPainterPath path = rounded(r, h / 2);
    dropShadow(p, path, QPointF(0, 1.5), 3, QColor(0, 0, 0, 70));
    fillVertical(p, path, c.lighter(120), c);
    text(p, r, Qt::AlignCenter, s, f, Qt::white);
}

void rain(QPainter& p, const QRectF& r, qreal scale)
{
    p.save();
    p.setPen(QPen(QColor(90, 140, 200, 170), std::max<qreal>(1.2, 1.6 * scale), Qt::SolidLine, Qt::RoundCap));
    Noise n(7);
    for (int i = 0; i < 26; ++i) {
        const QPointF a(r.left() + n.unit() * r.width(), r.top() + n.unit() * r.height());
        p.drawLine(a, a + QPointF(-3 * scale, 9 * scale));
    }
    p.restore();
}

QImage still(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    QImage img = s.pageCrop(r.theme, QRect(r.x, r.y, r.width, r.height));
    QPainter p;
    begin(p, img);
    const Poster ps = posterFrame(p, r, t);
    const QRectF in = ps.inner;
    const qreal k = ps.s;
    const qreal cx = in.center().x(), fy = ps.floorY;
    auto box = [&](qreal dx, qreal bottom, qreal w, qreal h) { // centred on cx + dx, standing on `bottom`
        return QRectF(cx + dx * k - w * k / 2, bottom - h * k, w * k, h * k);
    };
    const QString scene = r.param(QStringLiteral("scene"));
    if (scene == QLatin1String("reality")) {
        illo::clipboard(p, box(-40, fy + 8, 120, 168), 3, 5);
        illo::magnifier(p, QPointF(cx + 40 * k, fy - 74 * k), 34 * k);
        illo::coinStack(p, QPointF(cx + 150 * k, fy + 6), 22 * k, 5);
        illo::coinStack(p, QPointF(cx + 196 * k, fy + 8), 22 * k, 3);
        illo::calendar(p, box(-170, fy + 2, 84, 80), t.mid, 17);
        illo::cloud(p, QRectF(cx - 196 * k, in.top() + 6 * k, 80 * k, 30 * k), QColor(255, 255, 255, 200));
    } else if (scene == QLatin1String("spending")) {
        illo::bag(p, box(-120, fy + 6, 96, 112), t.mid);
        illo::bag(p, box(-48, fy + 8, 84, 96), QColor(236, 170, 50));
        illo::receipt(p, box(42, fy - 4, 70, 120));
        illo::card(p, QRectF(cx + 96 * k, fy - 96 * k, 100 * k, 62 * k), QColor(60, 110, 190), 12);
        illo::wallet(p, box(150, fy + 6, 96, 66), QColor(120, 80, 50));
        illo::coin(p, QPointF(cx - 186 * k, fy - 10 * k), 18 * k, 0.6);
    } else if (scene == QLatin1String("networth")) {
        // The scale leans toward the assets; things sit in its pans.
        illo::scale(p, box(0, fy + 4, 300, 190), -6);
        const qreal armX = 126 * k * std::cos(qDegreesToRadians(6.0)), armY = 126 * k * std::sin(qDegreesToRadians(6.0));
        const qreal pivotY = fy + 4 - 190 * k + 0.12 * 190 * k, drop = 0.38 * 190 * k;
        const QPointF leftPan(cx - armX, pivotY + armY + drop), rightPan(cx + armX, pivotY - armY + drop);
        illo::house(p, QRectF(leftPan.x() - 40 * k, leftPan.y() - 56 * k + 2, 60 * k, 56 * k), QColor(250, 236, 210), t.mid);
        illo::coinStack(p, QPointF(leftPan.x() + 32 * k, leftPan.y() + 2), 10 * k, 3);
        illo::receipt(p, QRectF(rightPan.x() - 36 * k, rightPan.y() - 50 * k + 2, 32 * k, 50 * k));
        illo::card(p, QRectF(rightPan.x() - 4 * k, rightPan.y() - 34 * k, 52 * k, 32 * k), QColor(200, 70, 60), -8);
        tag(p, QPointF(leftPan.x(), fy + 14 * k), QStringLiteral("Assets"), QColor(40, 150, 70), k);
        tag(p, QPointF(rightPan.x(), fy + 14 * k), QStringLiteral("Liabilities"), QColor(200, 70, 60), k);
    } else if (scene == QLatin1String("budget")) {
        illo::pieChart(p, QRectF(cx - 210 * k, fy - 120 * k, 150 * k, 100 * k), {33, 15, 18, 8, 26},
                       {t.mid, QColor(236, 170, 50), QColor(60, 160, 90), QColor(200, 70, 60), QColor(140, 110, 200)}, 14 * k);
        illo::calculator(p, box(10, fy + 4, 82, 118));
        illo::document(p, box(118, fy - 2, 86, 112), t.mid, 7);
        illo::coinStack(p, QPointF(cx + 204 * k, fy + 6), 20 * k, 4);
    } else if (scene == QLatin1String("emergency")) {
        illo::cloud(p, QRectF(cx - 150 * k, in.top() + 2 * k, 200 * k, 60 * k), QColor(150, 162, 184));
        illo::cloud(p, QRectF(cx + 20 * k, in.top() + 10 * k, 150 * k, 48 * k), QColor(170, 180, 200));
        rain(p, QRectF(cx - 190 * k, in.top() + 50 * k, 370 * k, 60 * k), k);
        illo::umbrella(p, box(-20, fy - 40 * k, 190, 130), QColor(220, 70, 60));
        illo::piggy(p, box(-20, fy + 6, 130, 92), QColor(246, 170, 186));
        illo::firstAid(p, box(150, fy + 6, 90, 80));
        illo::coinStack(p, QPointF(cx - 170 * k, fy + 6), 18 * k, 4);
    } else if (scene == QLatin1String("credit")) {
        illo::card(p, QRectF(cx - 190 * k, fy - 130 * k, 130 * k, 80 * k), QColor(60, 110, 190), -16);
        illo::card(p, QRectF(cx - 150 * k, fy - 104 * k, 130 * k, 80 * k), t.mid, -4);
        illo::card(p, QRectF(cx - 110 * k, fy - 76 * k, 130 * k, 80 * k), QColor(200, 70, 60), 8);
        illo::document(p, box(90, fy + 2, 100, 136), t.mid, 8);
        illo::coinStack(p, QPointF(cx + 190 * k, fy + 6), 18 * k, 4);
        tag(p, QPointF(cx + 90 * k, fy - 150 * k), QStringLiteral("Loan"), t.mid, k);
    } else if (scene == QLatin1String("debtload")) {
        illo::gauge(p, QRectF(cx - 180 * k, fy - 130 * k, 170 * k, 120 * k), 0.7);
        for (int i = 0; i < 5; ++i)
            illo::document(p, QRectF(cx + (40 + i * 6) * k, fy - (150 - i * 10) * k, 80 * k, 100 * k),
                           QColor(200, 70, 60), 5);
        illo::calendar(p, box(186, fy + 2, 70, 66), t.mid, 24);
        tag(p, QPointF(cx - 95 * k, fy + 8 * k), QStringLiteral("20% rule"), t.mid, k);
    } else if (scene == QLatin1String("report")) {
        illo::document(p, box(-90, fy + 6, 130, 160), t.mid, 8);
        // A score bar on the report.
        const QRectF bar(cx - 140 * k, fy - 54 * k, 100 * k, 12 * k);
        QLinearGradient g(bar.topLeft(), bar.topRight());
        g.setColorAt(0, QColor(60, 170, 80));
        g.setColorAt(0.5, QColor(240, 190, 50));
        g.setColorAt(1, QColor(220, 70, 50));
        p.fillRect(bar, g);
        illo::magnifier(p, QPointF(cx + 10 * k, fy - 90 * k), 36 * k);
        illo::shield(p, box(140, fy + 2, 90, 110), QColor(40, 150, 70));
    } else if (scene == QLatin1String("saving")) {
        for (int i = 0; i < 5; ++i)
            illo::coinStack(p, QPointF(cx + (-170 + i * 62) * k, fy + 6), 20 * k, 2 + i * 2);
        illo::sprout(p, QRectF(cx + 60 * k, fy - 118 * k, 38 * k, 60 * k));
        illo::trendLine(p, QRectF(cx - 190 * k, in.top() + 6 * k, 260 * k, 70 * k), {1, 1.6, 1.4, 2.4, 2.2, 3.4, 4.6},
                        t.mid, 3 * k);
        illo::piggy(p, box(180, fy + 6, 100, 70), QColor(246, 170, 186));
    } else if (scene == QLatin1String("goals")) {
        illo::mountain(p, QRectF(cx - 220 * k, in.top() + 4 * k, 250 * k, fy - in.top() - 2 * k));
        illo::target(p, QRectF(cx + 40 * k, fy - 120 * k, 110 * k, 110 * k));
        illo::calendar(p, box(200, fy - 58 * k, 64, 62), t.mid, 30);
        illo::gradCap(p, box(196, fy + 6, 70, 50));
        illo::house(p, box(-20, fy + 8, 56, 52), QColor(250, 236, 210), QColor(190, 70, 60));
    } else if (scene == QLatin1String("investing")) {
        // A pyramid of investment tiers.
        const QColor tiers[4] = {QColor(200, 70, 60), QColor(236, 170, 50), t.mid, QColor(60, 110, 190)};
        const qreal baseW = 220 * k, hgt = 170 * k;
        const QPointF apex(cx - 110 * k, fy - hgt);
        for (int i = 0; i < 4; ++i) {
            const qreal y0 = apex.y() + hgt * i / 4, y1 = apex.y() + hgt * (i + 1) / 4 - 3 * k;
            const qreal w0 = baseW * i / 4, w1 = baseW * (i + 1) / 4 - 0;
            QPainterPath band;
            band.moveTo(apex.x() - w0 / 2, y0);
            band.lineTo(apex.x() + w0 / 2, y0);
            band.lineTo(apex.x() + w1 / 2, y1);
            band.lineTo(apex.x() - w1 / 2, y1);
            band.closeSubpath();
            fillVertical(p, band, tiers[i].lighter(120), tiers[i]);
        }
        illo::barChart(p, QRectF(cx + 30 * k, fy - 130 * k, 130 * k, 120 * k), {2, 3, 2.5, 4, 5}, t.mid);
        illo::trendLine(p, QRectF(cx + 30 * k, fy - 150 * k, 130 * k, 80 * k), {1, 2, 1.7, 3, 4.2}, QColor(236, 170, 50),
                        3 * k);
        illo::coinStack(p, QPointF(cx + 200 * k, fy + 6), 18 * k, 5);
    } else {
        throw RowError(QStringLiteral("unknown scene %1").arg(scene).toStdString());
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------- presenter clips

void poster(QPainter& p, const QRectF& r, const Theme& t)
{
    QPainterPath fr = rounded(r, 3);
    dropShadow(p, fr, QPointF(1.5, 2.5), 4, QColor(0, 0, 0, 60));
    p.fillPath(fr, QColor(120, 90, 60));
    const QRectF in = r.adjusted(4, 4, -4, -4);
    fillVertical(p, in, t.mid, t.dark);
    const qreal d = std::min(in.width(), in.height()) * 0.5;
    QPainterPath c;
    c.addEllipse(QRectF(in.center().x() - d / 2, in.top() + in.height() * 0.14, d, d));
    p.fillPath(c, gold());
    glyph(p, t.emblem, QRectF(in.center().x() - d * 0.3, in.top() + in.height() * 0.14 + d * 0.2, d * 0.6, d * 0.6), t.deep);
    text(p, QRectF(in.left(), in.bottom() - in.height() * 0.32, in.width(), in.height() * 0.28), Qt::AlignCenter,
         QStringLiteral("Fiscova"), gothic(std::max<qreal>(8, in.height() * 0.16)), Qt::white);
}

void window(QPainter& p, const QRectF& r)
{
    QPainterPath fr = rounded(r, 3);
    dropShadow(p, fr, QPointF(1.5, 2.5), 4, QColor(0, 0, 0, 50));
    p.fillPath(fr, QColor(250, 250, 246));
    const QRectF glass = r.adjusted(5, 5, -5, -5);
    fillVertical(p, glass, QColor(150, 200, 240), QColor(214, 236, 250));
    illo::cloud(p, QRectF(glass.left() + glass.width() * 0.1, glass.top() + glass.height() * 0.15, glass.width() * 0.45,
                          glass.height() * 0.25),
                QColor(255, 255, 255, 220));
    QPainterPath hill;
    hill.moveTo(glass.left(), glass.bottom());
    hill.quadTo(glass.center().x(), glass.bottom() - glass.height() * 0.45, glass.right(), glass.bottom() - glass.height() * 0.1);
    hill.lineTo(glass.right(), glass.bottom());
    hill.closeSubpath();
    p.fillPath(hill, QColor(110, 170, 100));
    p.fillRect(QRectF(glass.center().x() - 2, glass.top(), 4, glass.height()), QColor(250, 250, 246));
    p.fillRect(QRectF(glass.left(), glass.center().y() - 2, glass.width(), 4), QColor(250, 250, 246));
}

void plantPot(QPainter& p, const QRectF& r)
{
    QPainterPath pot;
    pot.moveTo(r.left() + r.width() * 0.2, r.bottom() - r.height() * 0.35);
    pot.lineTo(r.right() - r.width() * 0.2, r.bottom() - r.height() * 0.35);
    pot.lineTo(r.right() - r.width() * 0.3, r.bottom());
    pot.lineTo(r.left() + r.width() * 0.3, r.bottom());
    pot.closeSubpath();
    illo::sprout(p, QRectF(r.left() + r.width() * 0.1, r.top(), r.width() * 0.8, r.height() * 0.7));
    fillVertical(p, pot, QColor(210, 120, 80), QColor(160, 80, 50));
}

QImage clip(const Row& r, Studio& s)
{
    const Theme& t = theme(r.theme);
    const QVector<int> tip = r.listParam(QStringLiteral("tip"), 2);
    const int frameNo = r.intParam(QStringLiteral("frame"), 1), frames = r.intParam(QStringLiteral("frames"), 1);
    const QString who = r.param(QStringLiteral("presenter"));
    QImage img = s.pageCrop(r.theme, QRect(r.x, r.y, r.width, r.height));
    QPainter p;
    begin(p, img);
    const qreal w = r.width, h = r.height;
    const QPainterPath stage = rounded(QRectF(1, 1, w - 2, h - 3), 14);
    p.save();
    p.setClipPath(stage);
    // Room: wall and floor.
    const qreal floorY = h - 30;
    fillVertical(p, QRectF(0, 0, w, floorY), mix(t.tint, Qt::white, 0.25), mix(t.tint, t.light, 0.25));
    fillVertical(p, QRectF(0, floorY, w, h - floorY), QColor(200, 164, 124), QColor(150, 110, 76));
    p.fillRect(QRectF(0, floorY - 4, w, 4), QColor(250, 248, 242));
    p.setPen(QPen(QColor(120, 84, 56, 90), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(0, floorY + i * 7.5), QPointF(w, floorY + i * 7.5));
    // The board exactly under the typed tip (12 lines of 13 px, 34 characters of 8 px).
    const qreal tx = tip[0] - r.x, ty = tip[1] - r.y;
    const QRectF textArea(tx, ty, 34 * 8, 12 * 13);
    QRectF board(tx - 10, ty - 8, textArea.width() + 20, textArea.height() + 16);
    if (board.bottom() > h - 4)
        board.setBottom(h - 4);
    // Free wall for decorations: beside and above the board.
    const qreal leftSpace = board.left(), rightSpace = w - board.right();
    const bool presenterRight = rightSpace > leftSpace;
    const qreal bandL = presenterRight ? board.right() + 2 : 4;
    const qreal bandR = presenterRight ? w - 4 : board.left() - 2;
    if (board.top() > 70) {
        // Wall above the board: a window and the course poster.
        window(p, QRectF(board.left() + 24, 14, 96, board.top() - 34));
        poster(p, QRectF(board.right() - 96, 16, 64, std::min<qreal>(80, board.top() - 34)), t);
    } else if (board.top() > 40) {
        illo::clock(p, QRectF(board.left() + board.width() * 0.25 - 14, (board.top() - 28) / 2, 28, 28));
        window(p, QRectF(board.left() + board.width() * 0.55, 8, 84, board.top() - 20));
    }
    if (bandR - bandL > 150) {
        // A plant at the outer edge of a wide place.
        const qreal px = presenterRight ? bandR - 40 : bandL + 4;
        plantPot(p, QRectF(px, floorY - 56, 36, 60));
    }
    if (board.bottom() < floorY - 60 && bandR - bandL > 0) {
        // Under a short board: a low cabinet with a plant and coins.
        const QRectF cab(board.left() + 30, floorY - 40, board.width() - 60, 40);
        fillVertical(p, cab, QColor(180, 140, 100), QColor(140, 104, 70));
        p.fillRect(QRectF(cab.left() - 3, cab.top() - 4, cab.width() + 6, 5), QColor(120, 86, 56));
        illo::coinStack(p, QPointF(cab.left() + 30, cab.top() - 4), 10, 4);
        plantPot(p, QRectF(cab.right() - 46, cab.top() - 50, 36, 50));
    }
    // Whiteboard on the wall.
    {
        const QPainterPath frame = rounded(board, 4);
        dropShadow(p, frame, QPointF(2, 3), 5, QColor(0, 0, 0, 80));
        fillVertical(p, frame, QColor(214, 218, 226), QColor(160, 166, 178));
        p.fillRect(board.adjusted(4, 4, -4, -4), Qt::white);
        stroke(p, frame, QColor(120, 126, 138), 1);
        if (board.bottom() + 12 < floorY) {
            const QRectF tray(board.left() + 20, board.bottom(), board.width() - 40, 6);
            fillVertical(p, tray, QColor(190, 196, 206), QColor(130, 136, 148));
            p.fillRect(QRectF(tray.left() + 20, tray.top() - 3, 18, 3), QColor(200, 60, 50));
            p.fillRect(QRectF(tray.left() + 42, tray.top() - 3, 18, 3), QColor(50, 90, 200));
        }
    }
    // The presenter in the free band, never over the tip's text.
    {
        const qreal bandW = bandR - bandL;
        // Tall enough to read, low enough that a raised hand stays in the picture.
        const bool roomy = bandW >= 110;
        const qreal height = std::min<qreal>((floorY + 12 - 12) / 1.1, std::max<qreal>(150, bandW * (roomy ? 2.5 : 2.2)));
        const QPointF feet((bandL + bandR) / 2, floorY + 12);
        QPainterPath textHole;
        textHole.addRect(textArea.adjusted(-3, -3, 3, 3));
        p.setClipPath(stage.subtracted(textHole));
        drawPresenter(p, feet, height, presenterLook(who), presenterPose(frameNo - 1, frames, roomy), presenterRight);
    }
    p.restore();
    stroke(p, stage, mix(t.light, Qt::white, 0.2), 1.5);
    p.end();
    return img;
}

} // namespace

void addSceneRecipes(RecipeBook& book)
{
    book.insert(QStringLiteral("still"), still);
    book.insert(QStringLiteral("clip"), clip);
}

} // namespace art
