// The contact sheet of a clip, for review: a frame every two seconds, each
// beside the words on screen and the narration heard until the next frame.
#pragma once

#include "ClipScript.h"
#include "Timeline.h"

#include <QImage>
#include <QString>
#include <QVector>

namespace clip {

constexpr qreal kSheetStep = 2; // seconds between the frames of a sheet

// `frames` are the clip's pictures at 0, 2, 4 ... seconds.
QImage contactSheet(const QString& clipName, const ClipScript& script, const Timeline& timeline,
                    const QVector<QImage>& frames);

// The narration heard from `from` for `seconds`: the words of each beat
// spread over its voice in proportion to their letters.
QString heardBetween(const ClipScript& script, const Timeline& timeline, qreal from, qreal seconds);

} // namespace clip
