// clipmaker: the pictures of the disc's lesson clips, drawn from their scripts.
//
//   clipmaker check SCRIPT NAME BEATS      check the script; write one line per
//                                          beat: "1" when it ends a shot (else
//                                          "0"), a tab, the narration
//   clipmaker render SCRIPT NAME TIMES WAV draw every frame (RGB, 160x120, 12
//                                          per second) to standard output, the
//                                          beats timed by TIMES ("lead voice
//                                          tail" per beat), mouths moved by WAV
//   clipmaker sheet SCRIPT NAME TIMES FRAMES OUT.png
//                                          the contact sheet, from the frames
//                                          FRAMES/000.png, 001.png ... taken
//                                          every two seconds
#include "ClipScript.h"
#include "Paint.h"
#include "Sheet.h"
#include "Stage.h"
#include "Timeline.h"
#include "WaveFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

using namespace clip;

namespace {

int complain(const QString& s)
{
    std::fprintf(stderr, "disc: %s\n", qPrintable(s));
    return 1;
}

bool load(const QString& path, const QString& name, ClipScript& out, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: cannot read it").arg(path);
        return false;
    }
    QString why;
    if (!parseClipScript(QString::fromUtf8(f.readAll()), name, out, &why)) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    return true;
}

// Every row of words fits the screen.
bool fits(const QString& path, const ClipScript& s, QString* error)
{
    for (const Shot& shot : s.shots)
        for (const Beat& b : shot.beats) {
            const bool title = shot.scene == QLatin1String("title");
            if ((title ? fitTitle(b.words) : fitWords(b.words)).px == 0) {
                *error = QStringLiteral(
                             "%1: line %2: \"%3\" is too long for the screen; shorten it or split it with |")
                             .arg(path)
                             .arg(b.line)
                             .arg(b.words);
                return false;
            }
        }
    return true;
}

int check(const QString& path, const QString& name, const QString& beatsOut)
{
    ClipScript s;
    QString why;
    if (!load(path, name, s, &why) || !fits(path, s, &why))
        return complain(why);
    QSaveFile out(beatsOut);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        return complain(QStringLiteral("cannot write %1").arg(beatsOut));
    for (const Shot& shot : s.shots)
        for (int i = 0; i < shot.beats.size(); ++i)
            out.write(QStringLiteral("%1\t%2\n")
                          .arg(i + 1 == shot.beats.size() ? 1 : 0)
                          .arg(shot.beats[i].say)
                          .toUtf8());
    return out.commit() ? 0 : complain(QStringLiteral("cannot write %1").arg(beatsOut));
}

bool timed(const QString& times, const ClipScript& s, QVector<BeatTiming>& beats, QString* why)
{
    if (!readTimings(times, beats, why))
        return false;
    if (beats.size() != s.beatCount()) {
        *why = QStringLiteral("%1 times %2 beats, the script has %3")
                   .arg(times)
                   .arg(beats.size())
                   .arg(s.beatCount());
        return false;
    }
    return true;
}

int render(const QString& path, const QString& name, const QString& times, const QString& wav)
{
    ClipScript s;
    QVector<BeatTiming> beats;
    Wave sound;
    QString why;
    if (!load(path, name, s, &why) || !timed(times, s, beats, &why) || !readWave(wav, sound, &why))
        return complain(why);
    const Timeline timeline(s, beats);
    const QVector<qreal> voice = voiceLevels(sound, kFps, timeline.frames());
    Stage stage(s);
    for (int f = 0; f < timeline.frames(); ++f) {
        const QImage img = stage.frame(timeline.at(qreal(f) / kFps, voice[f]));
        for (int y = 0; y < img.height(); ++y)
            if (std::fwrite(img.constScanLine(y), 3, size_t(img.width()), stdout) != size_t(img.width()))
                return complain(QStringLiteral("cannot write the frames"));
    }
    return std::fflush(stdout) == 0 ? 0 : complain(QStringLiteral("cannot write the frames"));
}

int sheet(const QString& path, const QString& name, const QString& times, const QString& framesDir,
          const QString& out)
{
    ClipScript s;
    QVector<BeatTiming> beats;
    QString why;
    if (!load(path, name, s, &why) || !timed(times, s, beats, &why))
        return complain(why);
    QVector<QImage> frames;
    for (int i = 0;; ++i) {
        const QImage img(QDir(framesDir).filePath(QStringLiteral("%1.png").arg(i, 3, 10, QLatin1Char('0'))));
        if (img.isNull())
            break;
        frames.append(img);
    }
    if (frames.isEmpty())
        return complain(QStringLiteral("no frames in %1").arg(framesDir));
    const Timeline timeline(s, beats);
    if (!contactSheet(name, s, timeline, frames).save(out))
        return complain(QStringLiteral("cannot write %1").arg(out));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    QString why;
    if (!art::loadFonts(&why))
        return complain(why);
    if (a.size() == 5 && a[1] == QLatin1String("check"))
        return check(a[2], a[3], a[4]);
    if (a.size() == 6 && a[1] == QLatin1String("render"))
        return render(a[2], a[3], a[4], a[5]);
    if (a.size() == 7 && a[1] == QLatin1String("sheet"))
        return sheet(a[2], a[3], a[4], a[5], a[6]);
    return complain(
        QStringLiteral("usage: clipmaker check SCRIPT NAME BEATS | render SCRIPT NAME TIMES WAV | "
                       "sheet SCRIPT NAME TIMES FRAMES OUT.png"));
}
