#include "Host.h"

#include "Animate.h"
#include "Presenter.h"

#include <cmath>

namespace clip {

namespace {

using art::Pose;

// Angles in degrees as the presenter's drawing takes them: 0 hangs down, 90
// sideways away from the body, 180 up; the near arm is on the scene's side.
using art::keyPose;

const Pose kRest = keyPose(14, 8, 14, 8, 0, -0.1);
const Pose kPresent = keyPose(72, 34, 16, 10, 4, 0.35);   // open hand toward the scene
const Pose kExplain = keyPose(34, 70, 34, 70, -2, 0.05);  // both hands out, palms up
const Pose kFarHand = keyPose(16, 10, 55, 75, -3, -0.05); // explaining with the far hand
const Pose kPoint = keyPose(86, 6, 16, 8, 6, 0.55);       // pointing at the scene
const Pose kThink = keyPose(20, 12, 22, 188, -6, -0.2);   // hand to the chin
const Pose kCheer = keyPose(158, 12, 158, 12, 0, 0);      // both arms up
const Pose kShrug = keyPose(30, 72, 30, 72, 8, 0);        // palms up, head aside

// The talking cycle: the hands move every couple of seconds.
const Pose kTalk[] = {kPresent, kFarHand, kExplain, kPresent, kRest, kExplain};
constexpr qreal kTalkStep = 1.9;   // seconds per gesture
constexpr qreal kBlendTime = 0.45; // seconds to move from one gesture to the next

// A pose in a cycle of `poses`, each held `step` seconds and blended into the next.
template <size_t N> Pose cycle(const Pose (&poses)[N], qreal seconds, qreal step)
{
    const int i = int(seconds / step);
    const qreal into = seconds - i * step;
    const Pose& from = poses[i % N];
    const Pose& to = poses[(i + 1) % N];
    return art::blend(from, to, easeInOut((into - (step - kBlendTime)) / kBlendTime));
}

Pose waving(qreal seconds)
{
    // The far hand up beside the head, swinging twice a second.
    Pose p = keyPose(16, 10, 150, 20, -4, -0.25);
    const qreal s = std::sin(seconds * 2 * M_PI * 1.6);
    p.farShoulder += 10 * s;
    p.farElbow += 30 * s;
    return p;
}

Pose acting(Act act, const Moment& m)
{
    const qreal s = m.seconds;
    switch (act) {
    case Act::Wave: {
        // Wave for the first seconds, then turn to talk.
        const qreal settle = std::min<qreal>(m.length * 0.55, 2.6);
        return art::blend(waving(s), cycle(kTalk, std::max<qreal>(0, s - settle), kTalkStep),
                          easeInOut((s - settle) / kBlendTime));
    }
    case Act::Point:
        return art::blend(kRest, kPoint, easeOut(s / 0.5));
    case Act::Think:
        return art::blend(kRest, kThink, easeOut(s / 0.6));
    case Act::Cheer: {
        Pose p = art::blend(kRest, kCheer, easeOut(s / 0.4));
        p.nearElbow += 14 * std::sin(s * 2 * M_PI * 1.2);
        p.farElbow += 14 * std::sin(s * 2 * M_PI * 1.2 + 1);
        return p;
    }
    case Act::Shrug:
        return art::blend(kRest, kShrug, easeOut(s / 0.5));
    case Act::Talk:
        break;
    }
    // Talking: a gesture toward the scene at each new beat, then the cycle.
    const int b = m.beat();
    const qreal sinceBeat = s - (m.beats() ? m.beatStarts[b] : 0);
    Pose p = cycle(kTalk, s + 0.8, kTalkStep);
    if (b > 0 && sinceBeat < 1.4)
        p = art::blend(p, kPoint, easeInOut(std::min(sinceBeat / 0.35, (1.4 - sinceBeat) / 0.35)));
    return p;
}

} // namespace

void drawHost(QPainter& p, const QString& who, QPointF feet, qreal height, bool sceneLeft, Act act,
              const Moment& m, qreal clipSeconds)
{
    Pose pose = acting(act, m);
    // Breathing and small nods keep a held pose alive.
    pose.lean += 0.8 * std::sin(clipSeconds * 2 * M_PI / 3.3);
    pose.headTilt += 2.5 * std::sin(clipSeconds * 2 * M_PI / 2.4 + 0.7);
    // The mouth follows the voice; a closed smile in the pauses.
    pose.mouth = m.voice < 0.08 ? 0 : std::min<qreal>(1, 0.35 + m.voice * 0.8);
    pose.brows = act == Act::Cheer || act == Act::Shrug ? 1 : 0.4 * m.voice;
    // A blink of two frames every few seconds.
    pose.blink = std::fmod(clipSeconds + 0.9, 3.4) < 0.16;
    if (act == Act::Cheer)
        feet.ry() -= 2.5 * std::abs(std::sin(m.seconds * M_PI * 2.4));
    art::drawPresenter(p, feet, height, art::presenterLook(who), pose, sceneLeft);
}

} // namespace clip
