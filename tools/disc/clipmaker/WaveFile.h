// The narration's sound as the clip maker reads it: 16-bit PCM WAV, mono.
#pragma once

#include <QString>
#include <QVector>

namespace clip {

struct Wave {
    int rate = 0;
    QVector<qint16> samples;
};

// False with a message when the file is not 16-bit PCM mono WAV.
bool readWave(const QString& path, Wave& out, QString* error);

// The loudness of each frame (0..1, 1 at the loud end of speech), so that
// mouths move with the voice.
QVector<qreal> voiceLevels(const Wave& w, int fps, int frames);

} // namespace clip
