#include "Animate.h"

namespace clip {

int Moment::beat() const
{
    int b = 0;
    for (int i = 0; i < beatStarts.size(); ++i)
        if (seconds >= beatStarts[i])
            b = i;
    return b;
}

qreal span(const Moment& m, qreal from, qreal to)
{
    return to > from ? clamp01((m.seconds - from) / (to - from)) : 1;
}

qreal during(const Moment& m, qreal from, qreal to)
{
    return span(m, from * m.length, to * m.length);
}

qreal entryTime(const Moment& m, int i, int n)
{
    if (n <= 0)
        return 0;
    if (m.beats() == n)
        return m.beatStarts[i] + (i == 0 ? 0.15 : 0);
    // Leave the first moment to the scene's own setting and the end to look at.
    return m.length * (0.06 + 0.64 * i / std::max(1, n - 1));
}

qreal entrance(const Moment& m, int i, int n, qreal seconds)
{
    const qreal at = entryTime(m, i, n);
    return span(m, at, at + seconds);
}

int entered(const Moment& m, int n)
{
    int k = 0;
    for (int i = 0; i < n; ++i)
        if (m.seconds >= entryTime(m, i, n))
            k = i + 1;
    return k;
}

qreal sway(const Moment& m, qreal period, qreal phase)
{
    return std::sin((m.seconds / period + phase) * 2 * M_PI);
}

} // namespace clip
