// The presenter of a clip, acting beside the scenes: waves at the start,
// explains and points toward what is shown, thinks, cheers or shrugs; the
// mouth moves with the narration's loudness and the eyes blink now and then.
#pragma once

#include "Scene.h"

#include <QPainter>
#include <QPointF>
#include <QString>

namespace clip {

// Draws `who` standing on `feet`, `height` pixels tall, facing the scene on
// the right (or on the left when `sceneLeft`). `clipSeconds` keeps blinks and
// swaying going across shots.
void drawHost(QPainter& p, const QString& who, QPointF feet, qreal height, bool sceneLeft, Act act,
              const Moment& m, qreal clipSeconds);

} // namespace clip
