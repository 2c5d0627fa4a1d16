#include "WaveFile.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace clip {

bool readWave(const QString& path, Wave& out, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read it"));
    const QByteArray all = f.readAll();
    if (all.size() < 12 || !all.startsWith("RIFF") || all.mid(8, 4) != "WAVE")
        return fail(QStringLiteral("not a WAV file"));
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(all.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(all.constData() + at); };
    bool format = false;
    for (qsizetype at = 12; at + 8 <= all.size();) {
        const QByteArray id = all.mid(at, 4);
        const qsizetype size = u32(at + 4), body = at + 8;
        if (body + size > all.size())
            return fail(QStringLiteral("a chunk runs past the end"));
        if (id == "fmt ") {
            if (size < 16 || u16(body) != 1 || u16(body + 2) != 1 || u16(body + 14) != 16)
                return fail(QStringLiteral("not 16-bit PCM mono"));
            out.rate = int(u32(body + 4));
            format = true;
        } else if (id == "data") {
            if (!format)
                return fail(QStringLiteral("sound before its format"));
            out.samples.resize(size / 2);
            for (qsizetype i = 0; i < out.samples.size(); ++i)
                out.samples[i] = qint16(u16(body + 2 * i));
            return true;
        }
        at = body + size + (size & 1);
    }
    return fail(QStringLiteral("no sound in it"));
}

QVector<qreal> voiceLevels(const Wave& w, int fps, int frames)
{
    QVector<qreal> rms(frames, 0);
    if (w.rate <= 0)
        return rms;
    const qsizetype per = w.rate / fps;
    for (int f = 0; f < frames; ++f) {
        double sum = 0;
        qsizetype n = 0;
        for (qsizetype i = f * per; i < (f + 1) * per && i < w.samples.size(); ++i, ++n)
            sum += double(w.samples[i]) * w.samples[i];
        rms[f] = n ? std::sqrt(sum / n) : 0;
    }
    // Scaled by the loud end of the speech, so that any level of recording works.
    QVector<qreal> sorted = rms;
    std::sort(sorted.begin(), sorted.end());
    const qreal loud = sorted.isEmpty() ? 0 : sorted[int(sorted.size() * 0.9)];
    for (qreal& v : rms)
        v = loud > 0 ? std::min<qreal>(1, v / loud) : 0;
    return rms;
}

} // namespace clip
