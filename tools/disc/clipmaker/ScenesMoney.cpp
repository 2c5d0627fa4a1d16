// Scenes of money itself: coins that stack, a piggy bank that fills, a pay
// stub that loses its deductions, a wallet, the balance of what is owned and
// owed, an umbrella in the rain, bills that are paid off or pile up, and
// prices that rise while a banknote shrinks.
#include "Animate.h"
#include "Icons.h"
#include "Paint.h"
#include "SceneKit.h"

#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>

namespace clip {

namespace {

using namespace art;
using namespace art::illo;

constexpr qreal kFall = 0.35; // seconds a coin takes to drop

QVector<qreal> numbersOr(const SceneParams& s, const char* key, QVector<qreal> fallback)
{
    const QVector<qreal> v = s.numbers(QString::fromLatin1(key));
    return v.isEmpty() ? fallback : v;
}

// Piles of coins that grow coin by coin, left pile first.
void coins(const SceneContext& c)
{
    Design d(c);
    const QVector<qreal> heights = numbersOr(c.params, "heights", {2, 4, 6, 9});
    const QStringList labels = c.params.list(QStringLiteral("labels"));
    const int n = heights.size();
    int total = 0;
    for (qreal h : heights)
        total += std::max(1, int(h));
    const qreal r = std::min<qreal>(9, d.w / n * 0.34);
    const qreal base = labels.isEmpty() ? 82 : 74;
    int k = 0;
    for (int i = 0; i < n; ++i) {
        const qreal x = d.w * (i + 0.5) / n;
        int landed = 0;
        for (int j = 0; j < std::max(1, int(heights[i])); ++j, ++k) {
            const qreal at = c.now.length * (0.08 + 0.72 * k / total);
            const qreal fall = span(c.now, at, at + kFall);
            if (fall >= 1)
                ++landed;
            else if (fall > 0) {
                const qreal top = base - r * 0.45 - j * r * 0.28;
                coin(c.p, QPointF(x, lerp(-r, top, fall * fall)), r, 0.9);
            }
        }
        if (landed > 0)
            coinStack(c.p, QPointF(x, base), r, landed);
        // A full pile glints now and then.
        if (landed == std::max(1, int(heights[i])))
            sparkle(c.p, QPointF(x + r * 0.4, base - r * 0.6 - (landed - 1) * r * 0.28), r * 0.7,
                    std::fmod(c.now.seconds / 1.7 + i * 0.37, 1.0) * 2.5);
        if (i < labels.size())
            label(c.p, QRectF(x - d.w / n / 2, base + 1, d.w / n, 9), labels[i], c.theme.deep, 7.5);
    }
}

// Coins hop one by one from a pile into a piggy bank.
void piggyBank(const SceneContext& c)
{
    Design d(c);
    const int n = std::max(1, int(c.params.number(QStringLiteral("coins"), 5)));
    const QRectF pig(18, 40, 56, 42);
    const QPointF slot(pig.left() + pig.width() * 0.46, pig.top() + pig.height() * 0.2);
    const QPointF pile(94, 82);
    const qreal r = 6.5;
    int inside = 0;
    qreal squash = 0;
    for (int i = 0; i < n; ++i) {
        const qreal at = entryTime(c.now, i, n);
        const qreal hop = span(c.now, at, at + 0.55);
        if (hop >= 1) {
            ++inside;
            squash = std::max(squash, 1 - span(c.now, at + 0.55, at + 0.8));
        } else if (hop > 0) {
            // An arc from the top of the pile to the slot.
            const QPointF from(pile.x(), pile.y() - r * 0.45 - (n - i - 1) * r * 0.28);
            const QPointF pos = from + (slot - from) * hop - QPointF(0, 34 * std::sin(hop * M_PI));
            coin(c.p, pos, r * (1 - 0.3 * hop), 0.4 + 0.5 * hop);
        }
    }
    const int waiting = n - inside - (inside < n && entrance(c.now, inside, n, 0.55) > 0 ? 1 : 0);
    if (waiting > 0)
        coinStack(c.p, pile, r, waiting);
    // The pig sinks a little as each coin lands.
    c.p.save();
    c.p.translate(pig.center().x(), pig.bottom());
    const qreal breathe = 0.015 * sway(c.now, 2.4);
    c.p.scale(1 + 0.04 * squash + breathe, 1 - 0.06 * squash - breathe);
    piggy(c.p, QRectF(-pig.width() / 2, -pig.height(), pig.width(), pig.height()), QColor(246, 170, 186));
    c.p.restore();
    const QString name = c.params.text(QStringLiteral("label"));
    if (!name.isEmpty())
        pill(c.p, QPointF(pig.center().x(), 20), name, c.theme.mid, 8);
}

// A pay stub whose deductions come off one by one, leaving the take-home pay.
void paycheck(const SceneContext& c)
{
    Design d(c);
    const QStringList cuts = c.params.list(QStringLiteral("cuts"));
    const QString gross = c.params.text(QStringLiteral("gross"), QStringLiteral("Pay"));
    const QString net = c.params.text(QStringLiteral("net"), QStringLiteral("Take-home"));
    const QRectF stub(6, 8 + sway(c.now, 3.0), 56, 72);
    const QPainterPath paper = rounded(stub, 3);
    dropShadow(c.p, paper, QPointF(1.5, 2), 3, QColor(0, 0, 0, 70));
    c.p.fillPath(paper, QColor(252, 252, 246));
    stroke(c.p, paper, QColor(150, 154, 162), 1);
    c.p.fillRect(QRectF(stub.left(), stub.top(), stub.width(), 12), c.theme.mid);
    label(c.p, QRectF(stub.left(), stub.top(), stub.width(), 12), QStringLiteral("PAY STUB"), Qt::white, 7);
    for (int i = 0; i < 3; ++i)
        c.p.fillRect(QRectF(stub.left() + 6, stub.top() + 18 + i * 7, 30 + (i % 2) * 10, 2),
                     QColor(190, 196, 206));
    // The amount on the stub turns from the gross pay into the take-home pay.
    const qreal lastCut =
        cuts.isEmpty() ? c.now.length * 0.3 : entryTime(c.now, cuts.size() - 1, cuts.size());
    const qreal done = span(c.now, lastCut + 0.6, lastCut + 1.0);
    const QRectF amount(stub.left() + 3, stub.top() + 42, stub.width() - 6, 14);
    c.p.setOpacity(1 - done);
    label(c.p, amount, gross, ink(), 10);
    c.p.setOpacity(done);
    label(c.p, amount, net, QColor(30, 130, 60), 10);
    c.p.setOpacity(1);
    c.p.fillRect(QRectF(stub.left() + 6, stub.bottom() - 12, stub.width() - 12, 1), QColor(150, 154, 162));
    // Deductions leave the stub and fly off to the right.
    for (int i = 0; i < cuts.size(); ++i) {
        const qreal go = entrance(c.now, i, cuts.size(), 1.0);
        if (go <= 0)
            continue;
        const QPointF from(stub.right() - 4, stub.top() + 24 + i * 12);
        const QString cut = QStringLiteral("- ") + cuts[i];
        const QPointF to(d.w - 2 - pillWidth(cut, 7.5) / 2, 16 + i * 17);
        c.p.setOpacity(go < 1 ? 1 : 0.85);
        pill(c.p, from + (to - from) * easeOut(go), cut, QColor(200, 70, 60), 7.5);
        c.p.setOpacity(1);
    }
    c.p.setOpacity(done);
    pill(c.p, QPointF(d.w - 24, 74 - 1.5 * std::abs(sway(c.now, 1.6))), QStringLiteral("Yours"),
         QColor(40, 150, 70), 8);
    c.p.setOpacity(1);
}

// Banknotes fly into a wallet (or out of it).
void walletScene(const SceneContext& c)
{
    Design d(c);
    const int n = std::max(1, int(c.params.number(QStringLiteral("notes"), 4)));
    const bool out = c.params.text(QStringLiteral("action")) == QLatin1String("out");
    const QRectF w(32, 46 + std::abs(sway(c.now, 1.4)), 48, 36);
    wallet(c.p, w, QColor(130, 86, 50));
    for (int i = 0; i < n; ++i) {
        const qreal go = easeInOut(entrance(c.now, i, n, 0.8));
        if (go <= 0 || go >= 1)
            continue;
        const QPointF inside(w.center().x(), w.top() + 6);
        const QPointF far(out ? d.w - 10 : 10, 8 + (i % 2) * 10);
        const QPointF pos = out ? inside + (far - inside) * go : far + (inside - far) * go;
        banknotes(c.p, QRectF(pos.x() - 16, pos.y() - 8, 32, 16), 1, (out ? 1 : -1) * 20 * (1 - go));
    }
}

// The balance of what is owned (left pan) and owed (right pan) tips over.
void balance(const SceneContext& c)
{
    Design d(c);
    const QString tilt = c.params.text(QStringLiteral("tilt"), QStringLiteral("assets"));
    const qreal target = tilt == QLatin1String("debts") ? 12 : tilt == QLatin1String("level") ? 0 : -12;
    const QRectF r(5, 8, 100, 66);
    // Things arrive in the pans, then the beam tips with a damped swing.
    const qreal load = during(c.now, 0.05, 0.3);
    const qreal since = std::max<qreal>(0, c.now.seconds - c.now.length * 0.3);
    const qreal angle = target * (1 - std::exp(-2.5 * since) * std::cos(5 * since)) * (since > 0 ? 1 : 0);
    scale(c.p, r, angle);
    const qreal w = r.width(), h = r.height();
    const QPointF pivot(r.left() + w * 0.5, r.top() + h * 0.12);
    const qreal arm = w * 0.42, a = qDegreesToRadians(angle), drop = h * 0.38;
    const QPointF left = QPointF(pivot.x() - arm * std::cos(a), pivot.y() - arm * std::sin(a) + drop);
    const QPointF right = QPointF(pivot.x() + arm * std::cos(a), pivot.y() + arm * std::sin(a) + drop);
    const qreal in = easeBack(load);
    if (in > 0) {
        c.p.save();
        c.p.setOpacity(std::min<qreal>(1, load * 2));
        house(c.p, QRectF(left.x() - 14, left.y() - 20 * in, 18, 18), QColor(250, 236, 210), c.theme.mid);
        coinStack(c.p, QPointF(left.x() + 9, left.y()), 4.5, 3);
        document(c.p, QRectF(right.x() - 13, right.y() - 20 * in, 13, 18), QColor(200, 70, 60), 3);
        card(c.p, QRectF(right.x() - 2, right.y() - 11 * in, 17, 11), QColor(200, 70, 60), -8);
        c.p.restore();
    }
    pill(c.p, QPointF(18, 80), c.params.text(QStringLiteral("own"), QStringLiteral("Own")),
         QColor(40, 150, 70), 7.5);
    pill(c.p, QPointF(92, 80), c.params.text(QStringLiteral("owe"), QStringLiteral("Owe")),
         QColor(200, 70, 60), 7.5);
}

// Rain falls; an umbrella opens over what it protects.
void umbrellaScene(const SceneContext& c)
{
    Design d(c);
    const QString under = c.params.text(QStringLiteral("under"), QStringLiteral("piggy"));
    const qreal cx = d.w / 2;
    cloud(c.p, QRectF(cx - 44, 0, 50, 16), QColor(150, 162, 184));
    cloud(c.p, QRectF(cx - 4, 3, 44, 14), QColor(170, 180, 200));
    const qreal open = easeBack(during(c.now, 0.12, 0.32));
    const QRectF canopy(cx - 34 * open, 22, 68 * open, 30);
    // Rain streaks fall steadily, stopped by the open umbrella.
    c.p.save();
    QPainterPath dry;
    dry.addRect(QRectF(canopy.left(), canopy.top() + 6, canopy.width(), d.h));
    QPainterPath all;
    all.addRect(QRectF(0, 0, d.w, d.h));
    c.p.setClipPath(open > 0.05 ? all.subtracted(dry) : all, Qt::IntersectClip);
    c.p.setPen(QPen(QColor(90, 140, 200, 190), 1.2, Qt::SolidLine, Qt::RoundCap));
    Noise noise(11);
    for (int i = 0; i < 30; ++i) {
        const qreal x = noise.range(6, d.w - 6), y0 = noise.range(0, 70), speed = noise.range(55, 75);
        const qreal y = 14 + std::fmod(y0 + c.now.seconds * speed, 70);
        c.p.drawLine(QPointF(x, y), QPointF(x - 1.5, y + 5));
    }
    c.p.restore();
    if (under == QLatin1String("house"))
        house(c.p, QRectF(cx - 20, 48, 40, 34), QColor(250, 236, 210), c.theme.mid);
    else if (under == QLatin1String("coins")) {
        coinStack(c.p, QPointF(cx - 10, 82), 8, 5);
        coinStack(c.p, QPointF(cx + 10, 82), 8, 3);
    } else
        piggy(c.p, QRectF(cx - 22, 50, 44, 32), QColor(246, 170, 186));
    if (open > 0)
        umbrella(c.p, QRectF(canopy.left(), canopy.top(), canopy.width(), 62), QColor(220, 70, 60));
}

// A pile of bills: paid off one by one (stamped and sent away), or growing.
void bills(const SceneContext& c)
{
    Design d(c);
    const int n = std::clamp(int(c.params.number(QStringLiteral("count"), 4)), 1, 8);
    const bool pile = c.params.text(QStringLiteral("action")) == QLatin1String("pile");
    const qreal bw = 50, bh = 34, cx = d.w / 2 - 6;
    for (int i = 0; i < n; ++i) {
        // Paying takes the top bill first; piling drops the next one on top.
        const int order = pile ? i : n - 1 - i;
        const qreal k = entrance(c.now, order, n, 0.9);
        QPointF pos(cx - bw / 2 + (i % 2 ? 2 : -2), 82 - bh - i * 6);
        qreal opacity = 1;
        if (pile) {
            if (k <= 0)
                continue;
            pos.ry() -= 60 * (1 - easeOut(std::min<qreal>(1, k * 1.6)));
        } else if (k > 0 && i > 0) {
            // Paid bills fly off; the last one stays, stamped.
            const qreal away = easeInOut((k - 0.45) / 0.55);
            pos += QPointF(70 * away, -30 * away);
            opacity = 1 - away;
        }
        c.p.setOpacity(opacity);
        const QRectF b(pos, QSizeF(bw, bh));
        document(c.p, b, QColor(200, 70, 60), 3);
        label(c.p, QRectF(b.left() + 4, b.bottom() - 11, bw - 8, 9), QStringLiteral("BILL"),
              QColor(200, 70, 60), 6.5);
        if (!pile)
            stamp(c.p, b.center(), QStringLiteral("PAID"), QColor(30, 140, 60), easeOut(k / 0.35));
        c.p.setOpacity(1);
    }
}

// Prices rise on a tag while the banknote beside it buys less and less.
void prices(const SceneContext& c)
{
    Design d(c);
    const QString from = c.params.text(QStringLiteral("from"), QStringLiteral("$100"));
    const QString to = c.params.text(QStringLiteral("to"), QStringLiteral("$134"));
    const qreal k = easeInOut(during(c.now, 0.15, 0.85));
    bag(c.p, QRectF(8, 40, 40, 42), QColor(236, 170, 50));
    // The price counts up when both ends are plain amounts.
    static const QRegularExpression amount(QStringLiteral("^\\$(\\d+)$"));
    const auto a = amount.match(from), b = amount.match(to);
    QString now = k < 0.5 ? from : to;
    if (a.hasMatch() && b.hasMatch())
        now = QStringLiteral("$%1").arg(
            int(std::lround(lerp(a.captured(1).toInt(), b.captured(1).toInt(), k))));
    priceTag(c.p, QRectF(30, 30, 34, 14), now, QColor(200, 70, 60));
    arrow(c.p, QPointF(54, 26), QPointF(54, 26 - 16 * k - 2), QColor(200, 70, 60), 2);
    // The banknote shrinks.
    const qreal s = 1 - 0.45 * k;
    banknotes(c.p, QRectF(84 - 18 * s, 62 - 10 * s, 36 * s, 20 * s), 1, 0);
    if (k > 0.1)
        arrow(c.p, QPointF(102, 44), QPointF(102, 44 + 14 * k + 2), QColor(40, 110, 200), 2);
}

constexpr SceneKind kScenes[] = {
    {"coins", coins, HostPlace::Left, Act::Talk, "heights:numbers labels:texts"},
    {"piggy", piggyBank, HostPlace::Left, Act::Talk, "coins:number label:text"},
    {"paycheck", paycheck, HostPlace::Left, Act::Talk, "gross:text net:text cuts:texts"},
    {"wallet", walletScene, HostPlace::Left, Act::Talk, "notes:number action:text"},
    {"scale", balance, HostPlace::None, Act::Talk, "tilt:text own:text owe:text"},
    {"umbrella", umbrellaScene, HostPlace::Left, Act::Talk, "under:text"},
    {"bills", bills, HostPlace::Left, Act::Talk, "count:number action:text"},
    {"prices", prices, HostPlace::Left, Act::Talk, "from:text to:text"},
};

} // namespace

std::span<const SceneKind> moneyScenes()
{
    return kScenes;
}

} // namespace clip
