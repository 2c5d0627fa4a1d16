// Scenes of plans and habits: goals that pop up, an arrow that hits its
// target, a climb to a summit, a seedling that grows into a tree, a checklist
// ticked off, steps climbed, a thought bubble, the five spending types, the
// course's four modules, a printed page and a shopping list.
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

const QColor kRed(200, 70, 60);
const QColor kGreen(40, 150, 70);

// Pictures with names pop up one after another, in one or two rows.
void goals(const SceneContext& c)
{
    Design d(c);
    const QStringList icons = c.params.list(QStringLiteral("icons"));
    const QStringList labels = c.params.list(QStringLiteral("labels"));
    const int n = std::max<int>(1, icons.size());
    const int perRow = n <= 3 ? n : (n + 1) / 2;
    const int rows = (n + perRow - 1) / perRow;
    const qreal cellW = d.w / perRow, cellH = 82.0 / rows;
    const qreal size = std::min(cellW * 0.7, cellH - 12);
    for (int i = 0; i < icons.size(); ++i) {
        const qreal in = easeBack(entrance(c.now, i, n, 0.5));
        if (in <= 0)
            continue;
        const int row = i / perRow, col = i % perRow;
        const int inRow = std::min(perRow, n - row * perRow);
        const qreal x = d.w / 2 + (col - (inRow - 1) / 2.0) * cellW;
        const qreal top = row * cellH + 1;
        c.p.save();
        c.p.translate(x, top + size);
        c.p.scale(in, in);
        c.p.setOpacity(clamp01(in));
        icon(c.p, icons[i], QRectF(-size / 2, -size, size, size), c.theme);
        c.p.restore();
        if (i < labels.size() && in >= 0.9)
            label(c.p, QRectF(x - cellW / 2, top + size + 1, cellW, 9), labels[i], c.theme.deep,
                  std::min<qreal>(7.5, cellW / 5));
    }
}

// An arrow flies into the bull's eye.
void target(const SceneContext& c)
{
    Design d(c);
    const QPointF centre(78, 42);
    const qreal hit = during(c.now, 0.15, 0.4);
    const qreal shake =
        hit >= 1 ? 2 * std::exp(-6 * (c.now.seconds - c.now.length * 0.4)) * std::sin(c.now.seconds * 50) : 0;
    const QColor rings[5] = {kRed, Qt::white, kRed, Qt::white, kRed};
    QPainterPath outer;
    outer.addEllipse(centre + QPointF(shake, 0), 28, 28);
    dropShadow(c.p, outer, QPointF(1.5, 2), 3, QColor(0, 0, 0, 70));
    for (int i = 0; i < 5; ++i) {
        QPainterPath e;
        e.addEllipse(centre + QPointF(shake, 0), 28 * (1 - i * 0.19), 28 * (1 - i * 0.19));
        c.p.fillPath(e, rings[i]);
        stroke(c.p, e, QColor(150, 40, 30), 0.8);
    }
    // Stand.
    c.p.fillRect(QRectF(centre.x() - 2, centre.y() + 27, 4, 84 - centre.y() - 27), QColor(120, 84, 56));
    const QPointF tip = centre + QPointF(shake, 0);
    const QPointF start(-20, 20);
    const qreal k = easeIn(hit);
    const QPointF head = start + (tip - start) * k;
    const QPointF dirn = (tip - start) / std::hypot(tip.x() - start.x(), tip.y() - start.y());
    if (hit > 0) {
        QPainterPath shaft;
        shaft.moveTo(head - dirn * 30);
        shaft.lineTo(head);
        stroke(c.p, shaft, QColor(90, 60, 40), 2);
        QPainterPath feathers;
        const QPointF tail = head - dirn * 30, n(-dirn.y(), dirn.x());
        feathers.moveTo(tail);
        feathers.lineTo(tail - dirn * 7 + n * 4);
        feathers.lineTo(tail + dirn * 2);
        feathers.lineTo(tail - dirn * 7 - n * 4);
        feathers.closeSubpath();
        c.p.fillPath(feathers, QColor(60, 130, 200));
    }
    const QString name = c.params.text(QStringLiteral("label"));
    if (!name.isEmpty() && hit >= 1)
        pill(c.p, QPointF(centre.x(), 6), name, c.theme.mid, 8);
}

// A marker climbs the mountain path to the flag.
void mountainScene(const SceneContext& c)
{
    Design d(c);
    const QRectF r(2, 6, 106, 78);
    mountain(c.p, r);
    const QPointF path[] = {
        QPointF(30, 82), QPointF(58, 70),
        QPointF(48, 56), QPointF(66, 44),
        QPointF(60, 32), QPointF(r.left() + r.width() * 0.6, r.top() + r.height() * 0.12 + 2)};
    constexpr int legs = 5;
    QPainterPath trail;
    trail.moveTo(path[0]);
    for (int i = 1; i <= legs; ++i)
        trail.lineTo(path[i]);
    c.p.setPen(QPen(QColor(255, 255, 255, 170), 1, Qt::DashLine));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(trail);
    const qreal k = easeInOut(during(c.now, 0.1, 0.85)) * legs;
    const int leg = std::min(legs - 1, int(k));
    const QPointF at =
        path[leg] + (path[leg + 1] - path[leg]) * (k - leg) - QPointF(0, 2 * std::abs(sway(c.now, 0.5)));
    QPainterPath walker;
    walker.addEllipse(at - QPointF(0, 4), 3.2, 3.2);
    c.p.fillPath(walker, gold());
    stroke(c.p, walker, QColor(150, 98, 16), 0.8);
    const QString name = c.params.text(QStringLiteral("label"));
    if (!name.isEmpty())
        pill(c.p, QPointF(r.left() + r.width() * 0.6 + 22, 8), name, c.theme.mid, 7.5);
}

// A seedling grows into a tree that bears coins.
void plant(const SceneContext& c)
{
    Design d(c);
    const QStringList labels = c.params.list(QStringLiteral("labels"));
    const qreal grow = easeInOut(during(c.now, 0.05, 0.6));
    const qreal cx = 55;
    // Pot.
    QPainterPath pot;
    pot.moveTo(cx - 12, 70);
    pot.lineTo(cx + 12, 70);
    pot.lineTo(cx + 9, 84);
    pot.lineTo(cx - 9, 84);
    pot.closeSubpath();
    if (grow < 0.5) {
        const qreal s = 0.4 + grow * 1.2;
        sprout(c.p, QRectF(cx - 12 * s, 70 - 30 * s, 24 * s, 30 * s));
    } else {
        const qreal s = (grow - 0.5) * 2;
        c.p.setOpacity(1 - s);
        sprout(c.p, QRectF(cx - 12, 46, 24, 24));
        c.p.setOpacity(s);
        tree(c.p, QRectF(cx - 20 - 16 * s, 70 - 36 - 30 * s, 40 + 32 * s, 36 + 30 * s));
        c.p.setOpacity(1);
    }
    fillVertical(c.p, pot, QColor(210, 120, 80), QColor(160, 80, 50));
    // Coins ripen on the branches.
    const QPointF spots[] = {QPointF(-18, 28), QPointF(14, 22), QPointF(-4, 12), QPointF(24, 36),
                             QPointF(-26, 42)};
    for (int i = 0; i < 5; ++i) {
        const qreal in = easeBack(during(c.now, 0.6 + i * 0.06, 0.68 + i * 0.06));
        if (in > 0)
            coin(c.p, QPointF(cx, 0) + spots[i], 4.5 * in, 0.3);
    }
    if (labels.size() >= 2) {
        text(c.p, QRectF(0, 72, 40, 10), Qt::AlignLeft | Qt::AlignVCenter, labels.first(), sans(7.5, true),
             c.theme.deep);
        c.p.setOpacity(during(c.now, 0.5, 0.6));
        text(c.p, QRectF(68, 72, 42, 10), Qt::AlignRight | Qt::AlignVCenter, labels.last(), sans(7.5, true),
             c.theme.deep);
        c.p.setOpacity(1);
    }
}

// A clipboard of points, ticked (or crossed) one by one.
void checklist(const SceneContext& c)
{
    Design d(c);
    const QStringList items = c.params.list(QStringLiteral("items"));
    const bool crosses = c.params.text(QStringLiteral("mark")) == QLatin1String("cross");
    const int n = std::max<int>(1, items.size());
    const QRectF board(4, 4, 102, 80);
    const QPainterPath b = rounded(board, 4);
    dropShadow(c.p, b, QPointF(1.5, 2), 3, QColor(0, 0, 0, 70));
    fillVertical(c.p, b, QColor(190, 140, 90), QColor(150, 104, 60));
    const QRectF sheet = board.adjusted(5, 8, -5, -5);
    c.p.fillRect(sheet, Qt::white);
    fillVertical(c.p, rounded(QRectF(board.center().x() - 16, board.top() - 2, 32, 8), 2),
                 QColor(210, 214, 222), QColor(150, 156, 168));
    const qreal rowH = std::min<qreal>(16, sheet.height() / n);
    const qreal top = sheet.top() + (sheet.height() - rowH * n) / 2;
    const QFont f = sans(std::min<qreal>(8.5, rowH * 0.62), true);
    for (int i = 0; i < items.size(); ++i) {
        const QRectF row(sheet.left() + 3, top + i * rowH, sheet.width() - 6, rowH);
        const QRectF box(row.left(), row.center().y() - 4, 8, 8);
        c.p.setPen(QPen(QColor(120, 126, 140), 0.8));
        c.p.setBrush(Qt::white);
        c.p.drawRect(box);
        c.p.setPen(Qt::NoPen);
        const qreal in = entrance(c.now, i, n, 0.35);
        c.p.setOpacity(0.35 + 0.65 * clamp01(in * 3));
        text(c.p, row.adjusted(11, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, items[i],
             fitted(f, items[i], row.width() - 11, 5), ink());
        c.p.setOpacity(1);
        if (in > 0) {
            const QRectF m(box.left() + 1, box.top() - 1 + 4 * (1 - in), 8 * in, 8 * in);
            crosses ? cross(c.p, m.adjusted(0, 1, 0, 1), kRed) : tick(c.p, m, kGreen);
        }
    }
}

// A coin hops up a staircase to a star.
void steps(const SceneContext& c)
{
    Design d(c);
    const int n = std::clamp(int(c.params.number(QStringLiteral("count"), 4)), 2, 6);
    const qreal stepW = 90.0 / n, stepH = 60.0 / n;
    for (int i = 0; i < n; ++i) {
        const QRectF s(10 + i * stepW, 84 - (i + 1) * stepH, stepW, (i + 1) * stepH);
        fillVertical(c.p, s, mix(c.theme.light, Qt::white, 0.3), c.theme.mid);
        c.p.fillRect(QRectF(s.left(), s.top(), s.width(), 1.5), Qt::white);
    }
    const qreal k = during(c.now, 0.1, 0.8) * n;
    const int i = std::min(n - 1, int(k));
    const qreal f = k - i;
    const QPointF from(10 + (i - 0.5) * stepW, 84 - i * stepH),
        to(10 + (i + 0.5) * stepW, 84 - (i + 1) * stepH);
    const QPointF at = from + (to - from) * f - QPointF(0, 10 * std::sin(f * M_PI));
    coin(c.p, at - QPointF(0, 6), 6, 0.2);
    const qreal star = easeBack(during(c.now, 0.8, 0.9));
    if (star > 0) {
        QPainterPath s;
        const QPointF sc(10 + (n - 0.5) * stepW, 84 - n * stepH - 20);
        for (int j = 0; j < 10; ++j) {
            const qreal a = -M_PI / 2 + j * M_PI / 5, r = (j % 2 ? 3.2 : 8) * star;
            const QPointF pt = sc + QPointF(std::cos(a), std::sin(a)) * r;
            j ? s.lineTo(pt) : s.moveTo(pt);
        }
        s.closeSubpath();
        c.p.fillPath(s, gold());
    }
    const QString name = c.params.text(QStringLiteral("label"));
    if (!name.isEmpty())
        pill(c.p, QPointF(32, 10), name, c.theme.mid, 7.5);
}

// A thought bubble over the presenter's head, its pictures changing in turn.
void thought(const SceneContext& c)
{
    Design d(c);
    const QStringList icons = c.params.list(QStringLiteral("icons"));
    const QString words = c.params.text(QStringLiteral("text"));
    const qreal in = easeBack(during(c.now, 0, 0.15));
    c.p.save();
    // The bubble floats gently while the thought goes on.
    c.p.translate(44, 28 + 1.5 * sway(c.now, 2.6));
    c.p.scale(in, in);
    bubble(c.p, QRectF(-38, -24, 76, 46), QPointF(-52, 30), true);
    if (!words.isEmpty())
        text(c.p, QRectF(-34, -22, 68, 42), Qt::AlignCenter | Qt::TextWordWrap, words, sans(8.5, true),
             c.theme.heading);
    for (int i = 0; i < icons.size(); ++i) {
        const qreal k = easeBack(entrance(c.now, i, icons.size(), 0.45));
        if (k <= 0)
            continue;
        const qreal x = (i - (icons.size() - 1) / 2.0) * 24;
        const qreal bob = 1.2 * sway(c.now, 1.8, i * 0.3);
        icon(c.p, icons[i], QRectF(x - 10 * k, -12 * k + bob, 20 * k, 20 * k), c.theme);
    }
    c.p.restore();
}

// The five spending types, each a badge of its colour; one may stand out.
void types(const SceneContext& c)
{
    Design d(c);
    struct Type {
        const char* name;
        QColor colour;
        const char* glyph;
    };
    const Type all[] = {{"Enjoyer", QColor(236, 196, 40), "heart"},
                        {"Security", QColor(60, 160, 80), "shield"},
                        {"Giver", QColor(210, 70, 60), "globe"},
                        {"Achiever", QColor(60, 110, 200), "target"},
                        {"Free Spirit", QColor(240, 240, 244), "bolt"}};
    const int lit = int(c.params.number(QStringLiteral("highlight"), 0)) - 1;
    for (int i = 0; i < 5; ++i) {
        const qreal in = easeBack(entrance(c.now, i, 5, 0.45));
        if (in <= 0)
            continue;
        const int row = i < 3 ? 0 : 1;
        const qreal x = row == 0 ? 19 + i * 36 : 37 + (i - 3) * 36;
        const qreal y = row == 0 ? 20 : 60;
        const qreal grow = i == lit ? 1 + 0.25 * easeBack(during(c.now, 0.7, 0.8)) : 1;
        const qreal r = 13 * in * grow;
        QPainterPath disc;
        disc.addEllipse(QPointF(x, y), r, r);
        if (i == lit && grow > 1)
            glow(c.p, disc, 4, withAlpha(gold(), 220));
        dropShadow(c.p, disc, QPointF(0.8, 1.5), 2, QColor(0, 0, 0, 80));
        fillVertical(c.p, disc, all[i].colour.lighter(115), all[i].colour.darker(110));
        stroke(c.p, disc, all[i].colour.darker(150), 0.8);
        const QColor fg = i == 4 ? QColor(90, 96, 110) : Qt::white;
        glyph(c.p, QString::fromLatin1(all[i].glyph), QRectF(x - r * 0.55, y - r * 0.55, r * 1.1, r * 1.1),
              fg);
        if (in >= 0.9)
            label(c.p, QRectF(x - 20, y + 14 * grow, 40, 9), QString::fromLatin1(all[i].name), ink(), 7);
    }
}

// The course's four modules, each a badge in its own colours.
void modules(const SceneContext& c)
{
    Design d(c);
    const QString ids[4] = {QStringLiteral("fin"), QStringLiteral("man"), QStringLiteral("cre"),
                            QStringLiteral("pl")};
    for (int i = 0; i < 4; ++i) {
        const qreal in = easeBack(entrance(c.now, i, 4, 0.45));
        if (in <= 0)
            continue;
        const Theme& t = theme(ids[i]);
        const QPointF centre(28 + (i % 2) * 54, 20 + (i / 2) * 42);
        const QRectF tile(centre.x() - 24 * in, centre.y() - 17 * in, 48 * in, 34 * in);
        const QPainterPath path = rounded(tile, 5 * in);
        dropShadow(c.p, path, QPointF(1, 2), 3, QColor(0, 0, 0, 80));
        fillVertical(c.p, path, t.mid, t.dark);
        stroke(c.p, path, gold(), 1);
        if (in < 0.9)
            continue;
        glyph(c.p, t.emblem, QRectF(centre.x() - 8, centre.y() - 15, 16, 16), goldLight());
        const QString name = t.line2.isEmpty() ? t.line1 : t.line1 + QLatin1Char(' ') + t.line2;
        text(c.p, QRectF(tile.left() + 2, centre.y() + 1, tile.width() - 4, 15),
             Qt::AlignCenter | Qt::TextWordWrap, name, sans(6, true), Qt::white);
    }
}

// A printer prints a page.
void print(const SceneContext& c)
{
    Design d(c);
    const QRectF body(20, 40, 70, 30);
    const qreal out = easeOut(during(c.now, 0.2, 0.75));
    // The page slides out of the front, under the printer's top.
    const QRectF page(32, 40 + 34 * out - 30, 46, 46);
    fillVertical(c.p, QRectF(26, 30, 58, 12), QColor(200, 204, 212), QColor(160, 166, 178));
    if (out > 0) {
        c.p.save();
        c.p.setClipRect(QRectF(0, body.center().y(), d.w, d.h - body.center().y()));
        document(c.p, page, c.theme.mid, 5);
        c.p.restore();
    }
    const QPainterPath b = rounded(body, 5);
    dropShadow(c.p, b, QPointF(1, 2), 3, QColor(0, 0, 0, 80));
    fillVertical(c.p, b, QColor(120, 126, 140), QColor(70, 74, 86));
    c.p.fillRect(QRectF(body.left() + 8, body.center().y() - 1, body.width() - 16, 3), QColor(30, 32, 38));
    QPainterPath light;
    light.addEllipse(QPointF(body.right() - 9, body.top() + 7), 2.2, 2.2);
    c.p.fillPath(light, std::fmod(c.now.seconds, 0.8) < 0.4 ? QColor(90, 220, 110) : QColor(40, 120, 60));
    if (out > 0) {
        c.p.save();
        c.p.setClipRect(QRectF(0, body.bottom() - 8, d.w, d.h - body.bottom() + 8));
        document(c.p, page, c.theme.mid, 5);
        c.p.restore();
        const QString name = c.params.text(QStringLiteral("label"));
        if (!name.isEmpty() && out >= 1)
            pill(c.p, QPointF(55, 16), name, c.theme.mid, 7.5);
    }
}

// A shopping list is ticked while the bag fills.
void shop(const SceneContext& c)
{
    Design d(c);
    const QStringList items = c.params.list(QStringLiteral("items"));
    const int n = std::max<int>(1, items.size());
    const QRectF note(4, 6, 50, 74);
    const QPainterPath paper = rounded(note, 2);
    dropShadow(c.p, paper, QPointF(1, 2), 3, QColor(0, 0, 0, 60));
    c.p.fillPath(paper, QColor(255, 252, 210));
    label(c.p, QRectF(note.left(), note.top() + 2, note.width(), 10), QStringLiteral("List"), c.theme.heading,
          8);
    const qreal rowH = std::min<qreal>(14, 58.0 / n);
    for (int i = 0; i < items.size(); ++i) {
        const QRectF row(note.left() + 3, note.top() + 14 + i * rowH, note.width() - 6, rowH);
        text(c.p, row.adjusted(9, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, items[i],
             fitted(sans(7, true), items[i], row.width() - 9, 5), ink());
        const qreal in = entrance(c.now, i, n, 0.35);
        if (in > 0)
            tick(c.p, QRectF(row.left(), row.center().y() - 3, 7 * in, 6 * in), kGreen);
        // The item drops into the bag.
        const qreal drop = span(c.now, entryTime(c.now, i, n) + 0.2, entryTime(c.now, i, n) + 0.7);
        if (drop > 0 && drop < 1) {
            const QPointF from(note.right(), row.center().y()), to(84, 56);
            const QPointF at = from + (to - from) * drop - QPointF(0, 14 * std::sin(drop * M_PI));
            c.p.fillPath(rounded(QRectF(at.x() - 5, at.y() - 5, 10, 10), 2), chartColour(c.theme, i + 1));
        }
    }
    c.p.save();
    c.p.translate(84, 84);
    c.p.rotate(3 * sway(c.now, 2.2));
    bag(c.p, QRectF(-20, -42, 40, 42), QColor(236, 170, 50));
    c.p.restore();
}

constexpr SceneKind kScenes[] = {
    {"goals", goals, HostPlace::Left, Act::Talk, "icons:icons labels:texts"},
    {"target", target, HostPlace::Left, Act::Point, "label:text"},
    {"mountain", mountainScene, HostPlace::Left, Act::Talk, "label:text"},
    {"plant", plant, HostPlace::Left, Act::Talk, "labels:texts"},
    {"checklist", checklist, HostPlace::Left, Act::Talk, "items:texts mark:text"},
    {"steps", steps, HostPlace::Left, Act::Talk, "count:number label:text"},
    {"thought", thought, HostPlace::Left, Act::Think, "icons:icons text:text"},
    {"types", types, HostPlace::Left, Act::Talk, "highlight:number"},
    {"modules", modules, HostPlace::Left, Act::Talk, ""},
    {"print", print, HostPlace::Left, Act::Point, "label:text"},
    {"shop", shop, HostPlace::Left, Act::Talk, "items:texts"},
};

} // namespace

std::span<const SceneKind> planScenes()
{
    return kScenes;
}

} // namespace clip
