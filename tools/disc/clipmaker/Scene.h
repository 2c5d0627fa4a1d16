// A scene: the moving picture of one shot, drawn frame by frame. Each scene
// kind has a name that scripts use on their "show:" lines, the settings it
// accepts, and where the presenter stands beside it.
#pragma once

#include "SceneParams.h"

#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <QVector>
#include <span>

namespace art {
struct Theme;
}

namespace clip {

// How far a shot has come at one frame.
struct Moment {
    qreal seconds = 0;         // since the shot began
    qreal length = 1;          // the shot's length in seconds
    QVector<qreal> beatStarts; // when each beat begins, seconds into the shot
    qreal voice = 0;           // loudness of the narration now, 0..1

    qreal t() const { return length > 0 ? std::clamp(seconds / length, qreal(0), qreal(1)) : 1; }
    int beats() const { return int(beatStarts.size()); }
    int beat() const; // the beat under way
};

struct SceneContext {
    QPainter& p;
    QRectF area;  // where the scene draws: clear of the presenter and the words
    qreal floorY; // where things stand
    const art::Theme& theme;
    const SceneParams& params;
    const Moment& now;
};

using SceneFn = void (*)(const SceneContext&);

enum class HostPlace { Left, Right, None };
enum class Act { Talk, Point, Wave, Think, Cheer, Shrug };

struct SceneKind {
    const char* name;
    SceneFn draw;
    HostPlace host;   // where the presenter stands unless the shot says otherwise
    Act act;          // what the presenter does unless the shot says otherwise
    const char* keys; // the settings it takes, "name:kind" (number, numbers, text, texts or icons)
};

// The scene kinds of each subject.
std::span<const SceneKind> moneyScenes();
std::span<const SceneKind> chartScenes();
std::span<const SceneKind> creditScenes();
std::span<const SceneKind> planScenes();

const SceneKind* findScene(const QString& name);
QStringList sceneNames();

// Checks a shot's settings against its scene kind: known keys (the shared
// host= and act= included) and numbers where numbers are due.
bool checkParams(const SceneKind& kind, const SceneParams& params, QString* error);

// The presenter's place and act for a shot, from its settings or the scene's defaults.
HostPlace hostPlace(const SceneKind& kind, const SceneParams& params);
Act hostAct(const SceneKind& kind, const SceneParams& params);

} // namespace clip
