// When each beat of a clip is heard: its lead-in silence, the voice and the
// pause after it, as the generator measured them. The timeline turns frame
// numbers into shots and moments.
#pragma once

#include "ClipScript.h"
#include "Stage.h"

#include <QString>
#include <QVector>

namespace clip {

struct BeatTiming {
    qreal lead = 0;  // silence before the voice
    qreal voice = 0; // the spoken words
    qreal tail = 0;  // silence after them
    qreal length() const { return lead + voice + tail; }
};

// Reads "lead voice tail" (seconds) per line, one line per beat.
bool readTimings(const QString& path, QVector<BeatTiming>& out, QString* error);

class Timeline {
public:
    Timeline(const ClipScript& script, const QVector<BeatTiming>& beats);

    int frames() const { return frames_; }
    qreal length() const { return length_; }
    // Where the clip is `seconds` in; `voice` is the narration's loudness then.
    FramePlace at(qreal seconds, qreal voice) const;
    // When beat `i` (counted across the clip) begins and its voice starts and ends.
    qreal beatStart(int i) const { return starts_[i]; }
    const BeatTiming& beat(int i) const { return beats_[i]; }

private:
    const ClipScript& script_;
    QVector<BeatTiming> beats_;
    QVector<qreal> starts_;  // of each beat, seconds into the clip
    QVector<int> firstBeat_; // of each shot, index into beats_
    qreal length_ = 0;
    int frames_ = 0;
};

} // namespace clip
