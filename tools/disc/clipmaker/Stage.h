// The frame of a clip: the module's backdrop, the shot's scene, the presenter
// beside it, the words along the bottom and the title at the start. One
// Stage draws every frame of one clip.
#pragma once

#include "ClipScript.h"
#include "Scene.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace clip {

constexpr int kWidth = 160;
constexpr int kHeight = 120;
constexpr int kFps = 12;

// The words of a beat as they fit the band along the bottom: one or two rows
// and the largest size at which the widest fits.
struct WordsFit {
    QStringList rows;
    int px = 0; // 0: they do not fit
};
WordsFit fitWords(const QString& words);
// The title's rows and size in the title shot.
WordsFit fitTitle(const QString& title);

// Where a shot is at one frame.
struct FramePlace {
    int shot = 0;
    Moment moment;
    qreal clipSeconds = 0;
    qreal clipLength = 1;
};

class Stage {
public:
    explicit Stage(const ClipScript& script);

    QImage frame(const FramePlace& at);

private:
    void drawScene(QPainter& p, const Shot& shot, const Moment& m, qreal clipSeconds);
    void drawTitle(QPainter& p, const Shot& shot, const Moment& m, qreal clipSeconds);
    void drawWords(QPainter& p, const Shot& shot, const Moment& m);

    const ClipScript& script_;
    QImage backdrop_;
    QImage lastOfShot_; // the previous shot's last frame, faded out over the next
    int shotDrawn_ = -1;
    QImage previous_;
};

} // namespace clip
