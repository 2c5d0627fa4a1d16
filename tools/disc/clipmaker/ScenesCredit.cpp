// Scenes of credit and paperwork: a card paying or leaking interest, a hand
// of cards, a credit report under the magnifier, a calendar of on-time
// payments, a phone call for help, a scam flyer struck out, and a worksheet
// filled in line by line.
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

const QColor kCardBlue(60, 110, 190);
const QColor kRed(200, 70, 60);
const QColor kGreen(40, 150, 70);

// A card pays at a terminal, or leaks coins of interest into a growing pile.
void cardScene(const SceneContext& c)
{
    Design d(c);
    if (c.params.text(QStringLiteral("action")) == QLatin1String("interest")) {
        const qreal bob = sway(c.now, 2.2);
        card(c.p, QRectF(4, 24 + bob, 46, 29), kCardBlue, -10);
        const QPointF pile(84, 82);
        const int n = 8;
        int landed = 0;
        for (int i = 0; i < n; ++i) {
            const qreal at = c.now.length * (0.12 + 0.7 * i / n);
            const qreal k = span(c.now, at, at + 0.6);
            if (k >= 1)
                ++landed;
            else if (k > 0) {
                const QPointF from(40, 44), to(pile.x(), pile.y() - 6 - i * 1.7);
                coin(c.p, from + (to - from) * k - QPointF(0, 22 * std::sin(k * M_PI)), 5, 0.7);
            }
        }
        if (landed)
            coinStack(c.p, pile, 7, landed);
        const qreal pulse = 1 + 0.12 * std::abs(sway(c.now, 1.0));
        c.p.save();
        c.p.translate(84, 30);
        c.p.scale(pulse, pulse);
        QPainterPath badge;
        badge.addEllipse(QPointF(), 11, 11);
        c.p.fillPath(badge, kRed);
        label(c.p, QRectF(-11, -11, 22, 22), QStringLiteral("%"), Qt::white, 12);
        c.p.restore();
        label(c.p, QRectF(60, 44, 48, 9), c.params.text(QStringLiteral("label"), QStringLiteral("Interest")),
              kRed, 7.5);
        return;
    }
    // The terminal, its screen lit once the card has gone through.
    const QRectF term(60, 34, 34, 48);
    const QPainterPath body = rounded(term, 5);
    dropShadow(c.p, body, QPointF(1, 2), 3, QColor(0, 0, 0, 80));
    fillVertical(c.p, body, QColor(80, 86, 98), QColor(44, 48, 56));
    const qreal paid = during(c.now, 0.45, 0.5);
    const QRectF screen(term.left() + 5, term.top() + 6, term.width() - 10, 12);
    c.p.fillRect(screen, paid > 0 ? QColor(150, 230, 150) : QColor(170, 200, 170));
    if (paid > 0) {
        const QString word = c.params.text(QStringLiteral("label"), QStringLiteral("Paid"));
        text(c.p, screen, Qt::AlignCenter, word, fitted(sans(7.5, true), word, screen.width() - 2, 5),
             QColor(20, 90, 30));
    }
    for (int i = 0; i < 9; ++i)
        c.p.fillRect(QRectF(term.left() + 6 + (i % 3) * 8, term.top() + 22 + (i / 3) * 7, 6, 5),
                     QColor(210, 214, 222));
    // The card swipes down through the slot on the terminal's side.
    const qreal swipe = easeInOut(during(c.now, 0.1, 0.45));
    const qreal back = easeInOut(during(c.now, 0.55, 0.75));
    const QPointF at(lerp(20, 44, swipe) - 26 * back, lerp(14, 44, swipe) - 20 * back);
    card(c.p, QRectF(at.x() - 20, at.y() - 13, 40, 26), kCardBlue, lerp(-20, 0, swipe));
    // A receipt rolls out of the top.
    const qreal roll = easeOut(during(c.now, 0.5, 0.85));
    if (roll > 0) {
        c.p.save();
        c.p.setClipRect(QRectF(term.left(), 0, term.width(), term.top()));
        receipt(c.p, QRectF(term.left() + 7, term.top() - 30 * roll, term.width() - 14, 30));
        c.p.restore();
    }
}

// A hand of cards fans out; "fewer" leaves only some, "away" puts them in a box.
void cards(const SceneContext& c)
{
    Design d(c);
    const int n = std::clamp(int(c.params.number(QStringLiteral("count"), 5)), 1, 7);
    const QString action = c.params.text(QStringLiteral("action"), QStringLiteral("fan"));
    const int keep = std::clamp(int(c.params.number(QStringLiteral("keep"), 1)), 0, n);
    const QColor colours[] = {kCardBlue,
                              c.theme.mid,
                              kRed,
                              QColor(120, 90, 170),
                              QColor(40, 140, 120),
                              QColor(230, 150, 40),
                              QColor(90, 96, 110)};
    const qreal fan = easeOut(during(c.now, 0.05, 0.35));
    const qreal later = easeInOut(during(c.now, 0.45, 0.75));
    const QPointF pivot(50, 78);
    const QRectF box(64, 56, 40, 26);
    if (action == QLatin1String("away")) {
        fillVertical(c.p, QRectF(box.left(), box.top(), box.width(), box.height()), QColor(190, 140, 90),
                     QColor(150, 104, 60));
        label(c.p, box.adjusted(0, 8, 0, 0),
              c.params.text(QStringLiteral("label"), QStringLiteral("At home")), Qt::white, 7.5);
    }
    for (int i = 0; i < n; ++i) {
        const qreal angle = (i - (n - 1) / 2.0) * 14 * fan;
        qreal opacity = 1;
        QPointF shift;
        if (action == QLatin1String("fewer") && i >= keep) {
            // Cards beyond the ones kept slide away and fade.
            const qreal k = easeInOut(span(c.now, c.now.length * (0.45 + 0.08 * (i - keep)),
                                           c.now.length * (0.6 + 0.08 * (i - keep))));
            shift = QPointF(60 * k, -20 * k);
            opacity = 1 - k;
        } else if (action == QLatin1String("away")) {
            const qreal k =
                easeInOut(span(c.now, c.now.length * (0.4 + 0.06 * i), c.now.length * (0.55 + 0.06 * i)));
            shift = (box.center() - QPointF(20, 30)) * k;
            opacity = 1 - k * k;
        }
        if (opacity <= 0.02)
            continue;
        c.p.save();
        c.p.setOpacity(opacity);
        c.p.translate(pivot + shift);
        c.p.rotate(angle * (1 - later * (action == QLatin1String("fan") ? 0 : 0.6)));
        card(c.p, QRectF(-20, -52, 40, 26), colours[i % 7], 0);
        c.p.restore();
    }
    if (action == QLatin1String("away"))
        c.p.fillRect(QRectF(box.left() - 2, box.top() - 3, box.width() + 4, 4), QColor(120, 86, 56));
}

// A credit report; a magnifier reads it line by line. "late" marks one line
// red; "error" circles a line and then corrects it. bureaus=3 first deals the
// three reports.
void report(const SceneContext& c)
{
    Design d(c);
    const QString mark = c.params.text(QStringLiteral("mark"));
    const int bureaus = std::clamp(int(c.params.number(QStringLiteral("bureaus"), 1)), 1, 3);
    const qreal deal = bureaus > 1 ? during(c.now, 0, 0.35) : 1;
    const QRectF sheet(28, 2, 56, 82);
    for (int b = bureaus - 1; b >= 1; --b) {
        const qreal in = easeOut(clamp01(deal * bureaus - (bureaus - b)));
        if (in <= 0)
            continue;
        c.p.save();
        c.p.translate(sheet.center() + QPointF(b * 14 * in, 0));
        c.p.rotate(b * 7 * in);
        document(c.p, QRectF(-sheet.width() / 2, -sheet.height() / 2, sheet.width(), sheet.height()),
                 c.theme.mid, 6);
        c.p.restore();
    }
    const QPainterPath page = rounded(sheet, 2);
    dropShadow(c.p, page, QPointF(1.5, 2), 3, QColor(0, 0, 0, 70));
    c.p.fillPath(page, Qt::white);
    stroke(c.p, page, QColor(150, 154, 162), 0.8);
    c.p.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 10), c.theme.mid);
    label(c.p, QRectF(sheet.left(), sheet.top(), sheet.width(), 10), QStringLiteral("CREDIT REPORT"),
          Qt::white, 5.5);
    const int rows = 7;
    const int marked = 4;
    const qreal read = during(c.now, bureaus > 1 ? 0.4 : 0.1, 0.85);
    const qreal fix = easeOut(during(c.now, 0.8, 0.9));
    for (int i = 0; i < rows; ++i) {
        const QRectF row(sheet.left() + 4, sheet.top() + 14 + i * 9.6, sheet.width() - 8, 7.5);
        c.p.fillRect(QRectF(row.left(), row.top() + 2, 24 + (i % 3) * 4, 2.2), QColor(170, 176, 188));
        const bool bad =
            i == marked && (mark == QLatin1String("late") || (mark == QLatin1String("error") && fix < 1));
        const QRectF rating(row.right() - 9, row.top(), 9, 7.5);
        c.p.fillRect(rating, bad ? kRed : QColor(90, 180, 100));
        label(c.p, rating, bad ? QStringLiteral("5") : QStringLiteral("1"), Qt::white, 5.5);
        if (i == marked && !mark.isEmpty() && read > (i + 0.5) / rows) {
            const qreal pulse = std::abs(sway(c.now, 1.1));
            QPainterPath ring;
            ring.addEllipse(row.adjusted(-3, -3, 3, 3));
            stroke(c.p, ring, withAlpha(kRed, int(140 + 110 * pulse)), 1.2);
            if (mark == QLatin1String("error") && fix > 0)
                tick(c.p, QRectF(row.right() + 4, row.top() - 2, 9 * fix, 8 * fix), kGreen);
        }
    }
    // The magnifier follows the reading from the top line down.
    const qreal y = sheet.top() + 17 + read * (rows - 1) * 9.6;
    magnifier(c.p, QPointF(sheet.left() + 16 + 10 * sway(c.now, 2.0), y), 8, 40);
}

// A calendar: ticks for bills paid on time, or pages that turn month by month.
void calendarScene(const SceneContext& c)
{
    Design d(c);
    const QRectF cal(24, 12, 62, 64);
    const bool flip = c.params.text(QStringLiteral("action")) == QLatin1String("flip");
    static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    if (flip) {
        const int pages = std::clamp(int(c.params.number(QStringLiteral("pages"), 12)), 1, 12);
        const qreal turned = during(c.now, 0.05, 0.85) * pages;
        const int month = std::min(pages - 1, int(turned));
        calendar(c.p, cal, c.theme.mid, -1);
        label(c.p, QRectF(cal.left(), cal.top() + cal.height() * 0.07, cal.width(), cal.height() * 0.17),
              QString::fromLatin1(kMonths[month % 12]), Qt::white, 8.5);
        // The page being torn off lifts and flies up.
        const qreal tear = turned - int(turned);
        if (int(turned) < pages - 1 && tear > 0.5) {
            const qreal k = (tear - 0.5) * 2;
            c.p.save();
            c.p.setOpacity(1 - k);
            c.p.translate(cal.center() + QPointF(20 * k, -30 * k));
            c.p.rotate(25 * k);
            calendar(c.p, QRectF(-cal.width() / 2, -cal.height() / 2, cal.width(), cal.height()), c.theme.mid,
                     -1);
            c.p.restore();
        }
        return;
    }
    calendar(c.p, cal, c.theme.mid, -1);
    label(c.p, QRectF(cal.left(), cal.top() + cal.height() * 0.07, cal.width(), cal.height() * 0.17),
          c.params.text(QStringLiteral("label"), QStringLiteral("DUE")), Qt::white, 8);
    // Due days get a green tick, one after another.
    const int days[] = {3, 10, 17, 24, 31};
    const int cols = 7, rows = 5;
    const qreal cw = cal.width() * 0.86 / cols, ch = cal.height() * 0.66 / rows;
    for (int i = 0; i < 5; ++i) {
        const qreal in = easeBack(entrance(c.now, i, 5, 0.4));
        if (in <= 0)
            continue;
        const QRectF cell(cal.left() + cal.width() * 0.07 + (days[i] % cols) * cw,
                          cal.top() + cal.height() * 0.3 + (days[i] / cols) * ch, cw * 0.8, ch * 0.72);
        const QPointF m = cell.center();
        tick(c.p, QRectF(m.x() - 4 * in, m.y() - 4 * in, 9 * in, 8 * in), kGreen);
    }
}

// A phone rings; a bubble says what the call is for.
void phone(const SceneContext& c)
{
    Design d(c);
    const qreal ring = during(c.now, 0, 0.35) < 1 ? std::sin(c.now.seconds * 40) * 6 : 0;
    c.p.save();
    c.p.translate(30, 60);
    c.p.rotate(ring);
    const QRectF body(-12, -22, 24, 44);
    const QPainterPath phone = rounded(body, 4);
    dropShadow(c.p, phone, QPointF(1, 2), 3, QColor(0, 0, 0, 80));
    fillVertical(c.p, phone, QColor(70, 74, 86), QColor(36, 38, 46));
    fillVertical(c.p, QRectF(-9, -17, 18, 30), QColor(170, 210, 240), QColor(110, 160, 210));
    QPainterPath call;
    call.addEllipse(QPointF(0, 17), 3, 3);
    c.p.fillPath(call, kGreen);
    c.p.restore();
    if (ring != 0)
        for (int i = 1; i <= 2; ++i) {
            QPainterPath wave;
            const QRectF arc(30 - 14 - i * 5, 60 - 26 - i * 5, 28 + i * 10, 28 + i * 10);
            wave.arcMoveTo(arc, 30);
            wave.arcTo(arc, 30, 40);
            stroke(c.p, wave, withAlpha(c.theme.mid, 200), 1.3);
        }
    const qreal talk = easeBack(during(c.now, 0.35, 0.5));
    if (talk > 0) {
        const QString say = c.params.text(QStringLiteral("text"), QStringLiteral("Can we make a plan?"));
        c.p.save();
        c.p.translate(76, 28);
        c.p.scale(talk, talk);
        bubble(c.p, QRectF(-32, -18, 64, 34), QPointF(-40, 22));
        text(c.p, QRectF(-29, -16, 58, 30), Qt::AlignCenter | Qt::TextWordWrap, say, sans(7.5, true), ink());
        c.p.restore();
    }
}

// A flyer's promise, struck through with a red cross and stamped.
void scam(const SceneContext& c)
{
    Design d(c);
    const QString promise = c.params.text(QStringLiteral("text"), QStringLiteral("Erase your debt fast!"));
    const qreal in = easeBack(during(c.now, 0, 0.15));
    c.p.save();
    c.p.translate(55, 44);
    c.p.rotate(-5);
    c.p.scale(in, in);
    const QRectF flyer(-34, -36, 68, 72);
    const QPainterPath path = rounded(flyer, 2);
    dropShadow(c.p, path, QPointF(1.5, 2), 3, QColor(0, 0, 0, 70));
    fillVertical(c.p, path, QColor(255, 250, 170), QColor(250, 230, 120));
    stroke(c.p, path, QColor(200, 170, 60), 1);
    text(c.p, flyer.adjusted(4, 6, -4, -34), Qt::AlignCenter | Qt::TextWordWrap, promise, sans(8.5, true),
         kRed);
    for (int i = 0; i < 3; ++i)
        c.p.fillRect(QRectF(flyer.left() + 8, flyer.bottom() - 28 + i * 7, 52 - i * 8, 2.2),
                     QColor(190, 170, 90));
    c.p.restore();
    const qreal strike = easeOut(during(c.now, 0.45, 0.6));
    if (strike > 0)
        cross(c.p, QRectF(55 - 30 * strike, 44 - 30 * strike, 60 * strike, 60 * strike),
              withAlpha(kRed, 220));
    stamp(c.p, QPointF(55, 70), c.params.text(QStringLiteral("stamp"), QStringLiteral("BEWARE")), kRed,
          easeOut(during(c.now, 0.6, 0.7)));
}

// A worksheet: each line's amount is typed in, then the total appears.
void form(const SceneContext& c)
{
    Design d(c);
    const QStringList fields = c.params.list(QStringLiteral("fields"));
    const QStringList values = c.params.list(QStringLiteral("values"));
    const QString total = c.params.text(QStringLiteral("total"));
    const int n = std::max<int>(1, fields.size());
    const qreal rowH = std::min<qreal>(14, 60.0 / (n + (total.isEmpty() ? 0 : 1)));
    const QRectF sheet(2, 4, 106, rowH * (n + (total.isEmpty() ? 0 : 1)) + 8);
    const QPainterPath card = rounded(sheet, 4);
    dropShadow(c.p, card, QPointF(1, 2), 3, QColor(0, 0, 0, 60));
    c.p.fillPath(card, cardColour(c.theme));
    stroke(c.p, card, mix(c.theme.light, Qt::white, 0.2), 1);
    const QFont f = sans(std::min<qreal>(8, rowH * 0.6), true);
    for (int i = 0; i < fields.size(); ++i) {
        const QRectF row(sheet.left() + 4, sheet.top() + 4 + i * rowH, sheet.width() - 8, rowH);
        text(c.p, QRectF(row.left(), row.top(), 56, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
             fields[i], fitted(f, fields[i], 56, 5), ink());
        const QRectF box(row.left() + 58, row.top() + 1.5, row.width() - 58, row.height() - 3);
        // The field being typed in glows in the module's colour.
        const qreal k = entrance(c.now, i, n, 0.8);
        const bool current = k > 0 && (i + 1 == fields.size() || entrance(c.now, i + 1, n, 0.8) <= 0);
        c.p.fillRect(box, Qt::white);
        c.p.setPen(current ? QPen(withAlpha(c.theme.mid, int(120 + 135 * std::abs(sway(c.now, 1.3)))), 1.4)
                           : QPen(QColor(140, 146, 160), 0.7));
        c.p.setBrush(Qt::NoBrush);
        c.p.drawRect(box);
        c.p.setPen(Qt::NoPen);
        // Typed a character at a time, with a caret while typing.
        const QString v = i < values.size() ? values[i] : QString();
        const int shown = int(std::ceil(v.size() * k));
        text(c.p, box.adjusted(2, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, v.left(shown),
             fitted(f, v, box.width() - 4, 5), c.theme.heading);
        // The caret stays in the line being typed, blinking while it waits for the next.
        if (current && (k < 1 || std::fmod(c.now.seconds, 1.0) < 0.5))
            c.p.fillRect(QRectF(box.right() - 2, box.top() + 2, 0.8, box.height() - 4), ink());
    }
    if (!total.isEmpty()) {
        const qreal in =
            easeBack(span(c.now, entryTime(c.now, n - 1, n) + 0.9, entryTime(c.now, n - 1, n) + 1.3));
        if (in > 0) {
            const QRectF row(sheet.left() + 4, sheet.top() + 4 + fields.size() * rowH + 1, sheet.width() - 8,
                             rowH);
            c.p.setOpacity(clamp01(in));
            const QPainterPath plaque = rounded(row, row.height() / 3);
            fillVertical(c.p, plaque, c.theme.mid.darker(110), c.theme.deep);
            text(c.p, row.adjusted(4, 0, -4, 0), Qt::AlignCenter, total, fitted(f, total, row.width() - 8, 5),
                 goldLight());
            c.p.setOpacity(1);
        }
    }
}

constexpr SceneKind kScenes[] = {
    {"card", cardScene, HostPlace::Left, Act::Talk, "action:text label:text"},
    {"cards", cards, HostPlace::Left, Act::Talk, "count:number action:text keep:number label:text"},
    {"report", report, HostPlace::Left, Act::Talk, "mark:text bureaus:number"},
    {"calendar", calendarScene, HostPlace::Left, Act::Talk, "action:text pages:number label:text"},
    {"phone", phone, HostPlace::Left, Act::Talk, "text:text"},
    {"scam", scam, HostPlace::Left, Act::Shrug, "text:text stamp:text"},
    {"form", form, HostPlace::Left, Act::Point, "fields:texts values:texts total:text"},
};

} // namespace

std::span<const SceneKind> creditScenes()
{
    return kScenes;
}

} // namespace clip
