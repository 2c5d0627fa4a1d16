#include "Sheet.h"

#include "Paint.h"

#include <QPainter>

namespace clip {

namespace {

constexpr int kScale = 2;       // frames are shown at twice their size
constexpr int kTextWidth = 300; // the narration beside each frame
constexpr int kColumns = 2;
constexpr int kMargin = 12;
constexpr int kHeader = 44;

} // namespace

QString heardBetween(const ClipScript& script, const Timeline& timeline, qreal from, qreal seconds)
{
    QStringList heard;
    int index = 0;
    for (const Shot& shot : script.shots)
        for (const Beat& beat : shot.beats) {
            const BeatTiming& b = timeline.beat(index);
            const qreal voiceStart = timeline.beatStart(index) + b.lead;
            ++index;
            const QStringList words = beat.say.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const qreal letters = beat.say.size();
            qreal before = 0;
            for (const QString& w : words) {
                const qreal at = voiceStart + b.voice * before / letters;
                before += w.size() + 1;
                if (at >= from && at < from + seconds)
                    heard.append(w);
            }
        }
    return heard.join(QLatin1Char(' '));
}

QImage contactSheet(const QString& clipName, const ClipScript& script, const Timeline& timeline,
                    const QVector<QImage>& frames)
{
    const int cellW = kWidth * kScale + kTextWidth + kMargin, cellH = kHeight * kScale + kMargin;
    const int rows = (int(frames.size()) + kColumns - 1) / kColumns;
    QImage sheet(kMargin + kColumns * cellW, kHeader + rows * cellH + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 232));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    const QString title = script.title().split(QLatin1Char('|')).join(QLatin1Char(' ')).simplified();
    art::text(p, QRectF(kMargin, 6, sheet.width() - 2 * kMargin, 32), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("%1   %2   (module %3, %4, %5 s)")
                  .arg(clipName, title)
                  .arg(script.module)
                  .arg(script.host)
                  .arg(timeline.length(), 0, 'f', 1),
              art::sans(18, true), art::ink());
    for (int i = 0; i < frames.size(); ++i) {
        const qreal t = i * kSheetStep;
        const int x = kMargin + (i % kColumns) * cellW, y = kHeader + (i / kColumns) * cellH;
        p.drawImage(QRect(x, y, kWidth * kScale, kHeight * kScale), frames[i]);
        const FramePlace at = timeline.at(t, 0);
        const Shot& shot = script.shots[at.shot];
        const QString words =
            shot.beats[at.moment.beat()].words.split(QLatin1Char('|')).join(QLatin1Char(' ')).simplified();
        const QRectF text(x + kWidth * kScale + 8, y, kTextWidth - 8, kHeight * kScale);
        art::text(p, QRectF(text.left(), text.top(), text.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("%1:%2  %3  \u2014  %4")
                      .arg(int(t) / 60)
                      .arg(int(t) % 60, 2, 10, QLatin1Char('0'))
                      .arg(shot.scene, words),
                  art::sans(13, true), QColor(40, 60, 120));
        art::text(p, text.adjusted(0, 24, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                  heardBetween(script, timeline, t, kSheetStep), art::sans(14), art::ink());
    }
    return sheet;
}

} // namespace clip
