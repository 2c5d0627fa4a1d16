// Timing curves shared by the scenes: easing, and entrances that keep step
// with the narration (one item per beat when the beats match the items).
#pragma once

#include "Scene.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace clip {

inline qreal clamp01(qreal x)
{
    return std::clamp(x, qreal(0), qreal(1));
}
inline qreal easeInOut(qreal x)
{
    x = clamp01(x);
    return x * x * (3 - 2 * x);
}
inline qreal easeIn(qreal x)
{
    x = clamp01(x);
    return x * x;
}
inline qreal easeOut(qreal x)
{
    x = clamp01(x);
    return 1 - (1 - x) * (1 - x) * (1 - x);
}
// Overshoots a little before settling: things that pop into place.
inline qreal easeBack(qreal x)
{
    x = clamp01(x);
    const qreal c = 1.7;
    return 1 + (c + 1) * std::pow(x - 1, 3) + c * std::pow(x - 1, 2);
}
inline qreal lerp(qreal a, qreal b, qreal t)
{
    return a + (b - a) * t;
}

// Progress (0..1) of a change running from `from` to `to` seconds into the shot.
qreal span(const Moment& m, qreal from, qreal to);
// Progress of a change over the fraction `from`..`to` of the shot.
qreal during(const Moment& m, qreal from, qreal to);

// When item `i` of `n` enters, in seconds into the shot: with as many beats as
// items, at the start of its beat; otherwise spread over the first 70 %.
qreal entryTime(const Moment& m, int i, int n);
// Progress of item `i`'s entrance, lasting `seconds`.
qreal entrance(const Moment& m, int i, int n, qreal seconds = 0.6);
// How many of `n` items have entered.
int entered(const Moment& m, int n);

// A gentle, endless swing (-1 .. 1) of `period` seconds.
qreal sway(const Moment& m, qreal period, qreal phase = 0);

} // namespace clip
