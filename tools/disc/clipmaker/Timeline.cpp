#include "Timeline.h"

#include <QFile>
#include <QTextStream>
#include <cmath>

namespace clip {

bool readTimings(const QString& path, QVector<BeatTiming>& out, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    out.clear();
    QTextStream in(&f);
    int line = 0;
    while (!in.atEnd()) {
        ++line;
        const QStringList parts = in.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            continue;
        bool ok[3] = {false, false, false};
        BeatTiming b;
        if (parts.size() == 3) {
            b.lead = parts[0].toDouble(&ok[0]);
            b.voice = parts[1].toDouble(&ok[1]);
            b.tail = parts[2].toDouble(&ok[2]);
        }
        if (!ok[0] || !ok[1] || !ok[2] || b.lead < 0 || b.voice <= 0 || b.tail < 0) {
            *error = QStringLiteral("%1:%2: not \"lead voice tail\" in seconds").arg(path).arg(line);
            return false;
        }
        out.append(b);
    }
    return true;
}

Timeline::Timeline(const ClipScript& script, const QVector<BeatTiming>& beats)
    : script_(script), beats_(beats)
{
    for (const BeatTiming& b : beats_) {
        starts_.append(length_);
        length_ += b.length();
    }
    int i = 0;
    for (const Shot& s : script_.shots) {
        firstBeat_.append(i);
        i += s.beats.size();
    }
    frames_ = int(std::lround(length_ * kFps));
}

FramePlace Timeline::at(qreal t, qreal voice) const
{
    FramePlace at;
    at.clipSeconds = t;
    at.clipLength = length_;
    at.shot = 0;
    for (int s = 0; s < firstBeat_.size(); ++s)
        if (t >= starts_[firstBeat_[s]])
            at.shot = s;
    const int first = firstBeat_[at.shot];
    const int count = script_.shots[at.shot].beats.size();
    const qreal start = starts_[first];
    const qreal end = first + count < starts_.size() ? starts_[first + count] : length_;
    at.moment.seconds = t - start;
    at.moment.length = end - start;
    for (int b = 0; b < count; ++b)
        at.moment.beatStarts.append(starts_[first + b] - start);
    at.moment.voice = voice;
    return at;
}

} // namespace clip
