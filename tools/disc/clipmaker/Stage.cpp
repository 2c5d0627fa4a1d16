#include "Stage.h"

#include "Animate.h"
#include "Host.h"
#include "Icons.h"
#include "Paint.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace clip {

namespace {

constexpr qreal kFloorY = 88;     // where things stand
constexpr qreal kBandTop = 94;    // the words' band runs from here to the bottom
constexpr qreal kWordsRoom = 152; // widest row of words
constexpr qreal kHostHeight = 64;
constexpr qreal kFade = 0.3; // seconds of cross-fade between shots
constexpr int kOneRowMax = 15, kOneRowMin = 11, kTwoRowMax = 11, kTwoRowMin = 9;
constexpr qreal kTitleRoom = 98; // the title's rows beside the waving presenter
constexpr int kTitleMax = 19, kTitleMin = 11;

const QString kThemes[] = {QStringLiteral("fin"), QStringLiteral("man"), QStringLiteral("cre"),
                           QStringLiteral("pl")};

const art::Theme& themeOf(int module)
{
    return art::theme(kThemes[std::clamp(module, 1, 4) - 1]);
}

QFont wordsFont(int px)
{
    return art::sans(px, true);
}

// The largest size in max..min at which every row fits `room`; 0 if none.
int largestFit(const QStringList& rows, int max, int min, qreal room, QFont (*font)(int))
{
    for (int px = max; px >= min; --px) {
        bool fits = true;
        for (const QString& r : rows)
            fits = fits && art::textWidth(font(px), r) <= room;
        if (fits)
            return px;
    }
    return 0;
}

// Two rows split at the space nearest the middle.
QStringList halves(const QString& s)
{
    int best = -1;
    for (int i = 0; i < s.size(); ++i)
        if (s[i] == QLatin1Char(' ') &&
            (best < 0 || std::abs(i - s.size() / 2) < std::abs(best - s.size() / 2)))
            best = i;
    if (best < 0)
        return {s};
    return {s.left(best), s.mid(best + 1)};
}

QStringList rowsOf(const QString& words)
{
    QStringList rows;
    for (const QString& r : words.split(QLatin1Char('|')))
        rows.append(r.simplified());
    return rows;
}

QFont titleFont(int px)
{
    return art::gothic(px);
}

QImage makeBackdrop(const art::Theme& t)
{
    QImage img = art::newImage(kWidth, kHeight, Qt::white);
    QPainter p;
    art::begin(p, img);
    art::fillVertical(p, QRectF(0, 0, kWidth, kHeight), art::mix(t.tint, Qt::white, 0.1), Qt::white);
    QRadialGradient g(QPointF(kWidth * 0.25, kHeight * 0.2), kWidth * 0.5);
    g.setColorAt(0, QColor(255, 255, 255, 170));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), g);
    p.setPen(Qt::NoPen);
    p.setBrush(art::withAlpha(t.light, 30));
    p.drawEllipse(QPointF(kWidth * 0.86, 14), 34, 34);
    p.drawEllipse(QPointF(10, kFloorY - 20), 22, 22);
    QPainterPath floor;
    floor.moveTo(0, kFloorY - 3);
    floor.quadTo(kWidth / 2.0, kFloorY - 9, kWidth, kFloorY - 4);
    floor.lineTo(kWidth, kHeight);
    floor.lineTo(0, kHeight);
    floor.closeSubpath();
    art::fillVertical(p, floor, art::mix(t.tint, t.light, 0.4), art::mix(t.tint, t.light, 0.75));
    // The band of words along the bottom.
    const QRectF band(0, kBandTop, kWidth, kHeight - kBandTop);
    art::fillVertical(p, band, art::mix(t.panel, t.mid, 0.25), t.panel);
    p.fillRect(QRectF(0, kBandTop, kWidth, 1), art::withAlpha(art::gold(), 220));
    p.end();
    return img;
}

// Rows centred in `box`, each `pitch` below the last.
void drawRows(QPainter& p, const QRectF& box, const QStringList& rows, const QFont& f, qreal pitch,
              const QColor& c, const QColor& shadow, int align = Qt::AlignHCenter)
{
    const qreal top = box.center().y() - pitch * rows.size() / 2;
    for (int i = 0; i < rows.size(); ++i)
        art::text(p, QRectF(box.left(), top + i * pitch, box.width(), pitch), align | Qt::AlignVCenter,
                  rows[i], f, c, shadow);
}

} // namespace

WordsFit fitWords(const QString& words)
{
    WordsFit fit;
    fit.rows = rowsOf(words);
    if (fit.rows.size() == 1) {
        fit.px = largestFit(fit.rows, kOneRowMax, kOneRowMin, kWordsRoom, wordsFont);
        if (fit.px)
            return fit;
        fit.rows = halves(fit.rows.first());
    }
    fit.px = fit.rows.size() == 2 ? largestFit(fit.rows, kTwoRowMax, kTwoRowMin, kWordsRoom, wordsFont) : 0;
    return fit;
}

WordsFit fitTitle(const QString& title)
{
    WordsFit fit;
    fit.rows = rowsOf(title);
    fit.px = largestFit(fit.rows, kTitleMax, kTitleMin, kTitleRoom, titleFont);
    return fit;
}

Stage::Stage(const ClipScript& script) : script_(script), backdrop_(makeBackdrop(themeOf(script.module))) {}

QImage Stage::frame(const FramePlace& at)
{
    if (at.shot != shotDrawn_) {
        lastOfShot_ = previous_;
        shotDrawn_ = at.shot;
    }
    QImage img = backdrop_.copy();
    QPainter p;
    art::begin(p, img);
    const Shot& shot = script_.shots[at.shot];
    if (shot.scene == QLatin1String("title"))
        drawTitle(p, shot, at.moment, at.clipSeconds);
    else {
        drawScene(p, shot, at.moment, at.clipSeconds);
        drawWords(p, shot, at.moment);
    }
    // The shots melt into each other.
    if (!lastOfShot_.isNull() && at.moment.seconds < kFade) {
        p.setOpacity(1 - at.moment.seconds / kFade);
        p.drawImage(0, 0, lastOfShot_);
        p.setOpacity(1);
    }
    // How far the clip has come: a gold line along the very bottom.
    p.fillRect(QRectF(0, kHeight - 2, kWidth * clamp01(at.clipSeconds / at.clipLength), 2), art::gold());
    p.end();
    previous_ = img;
    return img.convertToFormat(QImage::Format_RGB888);
}

void Stage::drawScene(QPainter& p, const Shot& shot, const Moment& m, qreal clipSeconds)
{
    const SceneKind* kind = findScene(shot.scene);
    const HostPlace place = hostPlace(*kind, shot.params);
    QRectF area(6, 4, kWidth - 12, kFloorY - 4);
    if (place == HostPlace::Left)
        area = QRectF(46, 4, 110, kFloorY - 4);
    else if (place == HostPlace::Right)
        area = QRectF(4, 4, 110, kFloorY - 4);
    const art::Theme& t = themeOf(script_.module);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Nothing a scene draws reaches into the band of words.
    p.setClipRect(QRectF(0, 0, kWidth, kBandTop));
    kind->draw(SceneContext{p, area, kFloorY, t, shot.params, m});
    p.restore();
    if (place != HostPlace::None) {
        const bool right = place == HostPlace::Right;
        drawHost(p, script_.host, QPointF(right ? 136 : 24, kFloorY + 2), kHostHeight, right,
                 hostAct(*kind, shot.params), m, clipSeconds);
    }
}

void Stage::drawTitle(QPainter& p, const Shot& shot, const Moment& m, qreal clipSeconds)
{
    const art::Theme& t = themeOf(script_.module);
    const WordsFit fit = fitTitle(shot.beats.first().words);
    const qreal pitch = fit.px * 1.12;
    // Emblem, rows and rule as one block, centred above the floor.
    constexpr qreal kEmblem = 22, kRule = 6;
    const QRectF block(6, 4, kTitleRoom + 4, kFloorY - 8);
    const qreal y0 = block.center().y() - (kEmblem + pitch * fit.rows.size() + kRule) / 2;
    const qreal top = y0 + kEmblem;
    // The module's emblem above the title.
    const qreal pop = easeBack(span(m, 0, 0.5));
    if (pop > 0) {
        const QPointF c(block.left() + 10, y0 + 9);
        const qreal r = 9 * pop;
        QPainterPath disc;
        disc.addEllipse(c, r, r);
        p.fillPath(disc, art::gold());
        art::glyph(p, t.emblem, QRectF(c.x() - r * 0.62, c.y() - r * 0.62, r * 1.24, r * 1.24), t.deep);
    }
    // The rows slide in one after the other.
    for (int i = 0; i < fit.rows.size(); ++i) {
        const qreal in = easeOut(span(m, 0.15 + 0.2 * i, 0.6 + 0.2 * i));
        p.setOpacity(in);
        art::text(p, QRectF(block.left() - 16 * (1 - in), top + i * pitch, block.width(), pitch),
                  Qt::AlignLeft | Qt::AlignVCenter, fit.rows[i], titleFont(fit.px), t.heading, Qt::white);
    }
    p.setOpacity(1);
    const qreal rule = easeInOut(span(m, 0.5, 1.1));
    p.fillRect(QRectF(block.left(), top + pitch * fit.rows.size() + 3, 44 * rule, 2), art::gold());
    // The module's name in the band.
    art::text(p, QRectF(0, kBandTop, kWidth, kHeight - kBandTop - 2), Qt::AlignCenter, t.title,
              art::gothic(11), art::goldLight());
    drawHost(p, script_.host, QPointF(136, kFloorY + 2), kHostHeight, true, Act::Wave, m, clipSeconds);
}

void Stage::drawWords(QPainter& p, const Shot& shot, const Moment& m)
{
    const int b = m.beat();
    const WordsFit fit = fitWords(shot.beats[b].words);
    // New words rise into place as their narration starts.
    const qreal in = easeOut(span(m, m.beatStarts[b], m.beatStarts[b] + 0.25));
    p.setOpacity(in);
    drawRows(p, QRectF(4, kBandTop + 1 + 4 * (1 - in), kWidth - 8, kHeight - kBandTop - 3), fit.rows,
             wordsFont(fit.px), fit.rows.size() == 1 ? fit.px * 1.2 : fit.px * 1.1, Qt::white,
             QColor(0, 0, 0, 150));
    p.setOpacity(1);
}

} // namespace clip
