// The presenters of the module introductions: a standing figure drawn from
// shapes, posed frame by frame (waving, gesturing, turning, pointing).
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace art {

struct Look {
    QColor skin, hair, jacket, shirt, legs, shoes;
    QString hairStyle; // short, long, bun, curly, bald
    bool skirt = false;
    bool glasses = false;
    bool beard = false;
    bool tie = false;
};

// Angles in degrees: 0 hangs down, 90 points sideways away from the body,
// 180 points up. `elbow` bends the forearm further in the same sense.
struct Pose {
    qreal nearShoulder = 12, nearElbow = 10; // the arm on the board's side
    qreal farShoulder = 12, farElbow = 10;   // the other arm
    qreal headTilt = 0;                      // degrees, positive toward the board
    qreal turn = 0;                          // -1 .. 1, positive toward the board
    qreal mouth = 0;                         // 0 closed smile .. 1 open (talking)
    bool blink = false;
    qreal lean = 0;                          // degrees
    qreal brows = 0;                         // raise
};

Look presenterLook(const QString& who);
// A pose from its angles (see Pose) and expression.
Pose keyPose(qreal ns, qreal ne, qreal fs, qreal fe, qreal tilt, qreal turn, qreal mouth = 0, qreal lean = 0,
             qreal brows = 0);
// The pose `t` of the way (0 .. 1) from `a` to `b`.
Pose blend(const Pose& a, const Pose& b, qreal t);
// The pose of frame `index` (0-based) of `count`; the last frame points at the board.
// With little room beside the board the presenter waves with the near hand
// (raised along the board's edge) instead of the far one.
Pose presenterPose(int index, int count, bool roomy);

// Draws a figure standing on `feet`, `height` pixels tall; `boardLeft` says
// on which side the board is (the near arm is on that side).
void drawPresenter(QPainter& p, QPointF feet, qreal height, const Look& look, const Pose& pose, bool boardLeft);

} // namespace art
