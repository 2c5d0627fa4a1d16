// The clip maker of the content disc: clip scripts are read or refused with
// the line at fault, beats are timed, every scene kind moves and keeps out of
// the band of words, words fit the screen, the contact sheet hears the
// narration at the right frames, and the narration's WAV files are read.
#include "ClipScript.h"
#include "Paint.h"
#include "Scene.h"
#include "Sheet.h"
#include "Stage.h"
#include "Timeline.h"
#include "WaveFile.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace clip;

namespace {

const char* kGood = R"(# a comment
title: Build a | Monthly Budget
A budget is a plan for the money
you bring home each month.

show: bars values=900,450 labels=Home,Food highlight=1 host=none
words: List your | spending
Then enter what you spend.
words: Use real numbers
Bank statements give you real numbers.
)";

void useFonts()
{
    static const bool loaded = art::loadFonts(nullptr);
    ASSERT_TRUE(loaded);
}

// How many pixels of `r` differ between two frames.
int changed(const QImage& a, const QImage& b, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

QVector<BeatTiming> evenBeats(int count, qreal voice)
{
    return QVector<BeatTiming>(count, BeatTiming{0.3, voice, 0.4});
}

} // namespace

TEST(ClipScript, ReadsShotsBeatsAndDefaults)
{
    ClipScript s;
    QString error;
    ASSERT_TRUE(parseClipScript(QString::fromLatin1(kGood), QStringLiteral("2_2_1"), s, &error))
        << error.toStdString();
    EXPECT_EQ(s.module, 2); // from the clip's name
    EXPECT_EQ(s.host, defaultHost(2));
    ASSERT_EQ(s.shots.size(), 2);
    EXPECT_EQ(s.shots[0].scene, "title");
    EXPECT_EQ(s.title(), "Build a | Monthly Budget");
    EXPECT_EQ(s.shots[0].beats[0].say, "A budget is a plan for the money you bring home each month.");
    EXPECT_EQ(s.shots[1].scene, "bars");
    EXPECT_EQ(s.shots[1].params.numbers("values"), (QVector<qreal>{900, 450}));
    EXPECT_EQ(s.shots[1].params.list("labels"), (QStringList{"Home", "Food"}));
    ASSERT_EQ(s.shots[1].beats.size(), 2);
    EXPECT_EQ(s.shots[1].beats[1].words, "Use real numbers");
    EXPECT_EQ(s.shots[1].beats[1].line, 9);
    EXPECT_EQ(s.beatCount(), 3);

    // A "module:" line wins over the name, "host:" over the module's presenter.
    ASSERT_TRUE(parseClipScript(QStringLiteral("module: 4\nhost: tom\n") + QString::fromLatin1(kGood),
                                QStringLiteral("test"), s, &error));
    EXPECT_EQ(s.module, 4);
    EXPECT_EQ(s.host, "tom");
}

TEST(ClipScript, RefusesMalformedScriptsNamingTheLine)
{
    struct Case {
        const char* script;
        const char* name;
        const char* says;
    };
    const Case cases[] = {
        {"Words first.\ntitle: T\nSay.\nshow: coins\nwords: W\nSay.\n", "2_1_1",
         "line 1: narration before the title"},
        {"title: T\nSay.\nshow: coins\nwords: A\nwords: B\nSay.\n", "2_1_1",
         "line 5: the words \"A\" have no narration"},
        {"title: T\nSay.\nshow: coins\nSaid without words.\n", "2_1_1",
         "line 4: narration before the shot's words:"},
        {"title: T\nSay.\nshow: fireworks\nwords: W\nSay.\n", "2_1_1", "line 3: no scene \"fireworks\""},
        {"title: T\nSay.\nshow: coins colour=red\nwords: W\nSay.\n", "2_1_1", "takes no colour="},
        {"title: T\nSay.\nshow: coins heights=two,four\nwords: W\nSay.\n", "2_1_1",
         "heights= of the scene coins must be numbers"},
        {"title: T\nSay.\nshow: goals icons=house,spaceship\nwords: W\nSay.\n", "2_1_1",
         "no picture \"spaceship\""},
        {"title: T\nSay.\nshow: coins host=above\nwords: W\nSay.\n", "2_1_1",
         "host= is one of left, right, none"},
        {"title: T\nSay.\nshow: coins just words\nwords: W\nSay.\n", "2_1_1", "is not a key=value setting"},
        {"title: T\nIt costs one hundred dollars, 5% a year.\nshow: coins\nwords: W\nSay.\n", "2_1_1",
         "line 2: narration has \"5\""},
        {"title: T\nSay.\nshow: coins\nwords: One | two | three\nSay.\n", "2_1_1",
         "line 4: more than 2 rows"},
        {"title: T\nSay.\n", "2_1_1", "a title and at least one shot are needed"},
        {"title: T\nSay.\nshow: coins\nwords: W\nSay.\n", "test", "no module for the clip test"},
        {"title: T\nSay.\nshow: coins\nwords: W\nSay.\ntitle: Again\n", "2_1_1",
         "line 6: the title must come first"},
    };
    for (const Case& c : cases) {
        ClipScript s;
        QString error;
        EXPECT_FALSE(parseClipScript(QString::fromLatin1(c.script), QString::fromLatin1(c.name), s, &error))
            << c.script;
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.says)))
            << "expected \"" << c.says << "\", got \"" << error.toStdString() << "\"";
    }
}

TEST(SceneParams, ValuesRunToTheNextKeyAndListsSplitAtCommas)
{
    SceneParams p;
    QString error;
    ASSERT_TRUE(SceneParams::parse(
        QStringLiteral("items=Pay on time, Keep balances low mark=cross values=1,2.5"), p, &error));
    EXPECT_EQ(p.list("items"), (QStringList{"Pay on time", "Keep balances low"}));
    EXPECT_EQ(p.text("mark"), "cross");
    EXPECT_EQ(p.numbers("values"), (QVector<qreal>{1, 2.5}));
    EXPECT_TRUE(p.isNumeric("values"));
    EXPECT_FALSE(p.isNumeric("items"));
    EXPECT_EQ(p.number("missing", 7), 7);
    EXPECT_FALSE(SceneParams::parse(QStringLiteral("mark=a mark=b"), p, &error));
    EXPECT_TRUE(error.contains("twice"));
    EXPECT_FALSE(SceneParams::parse(QStringLiteral("mark= label=x"), p, &error));
    EXPECT_TRUE(error.contains("no value"));
}

TEST(Timeline, PlacesEveryMomentInItsShotAndBeat)
{
    ClipScript s;
    QString error;
    ASSERT_TRUE(parseClipScript(QString::fromLatin1(kGood), QStringLiteral("2_2_1"), s, &error));
    // Beats of 3 s: title 0..3, the bars' beats 3..6 and 6..9.
    const Timeline t(s, {BeatTiming{0.6, 2, 0.4}, BeatTiming{0, 2.5, 0.5}, BeatTiming{0, 2.1, 0.9}});
    EXPECT_DOUBLE_EQ(t.length(), 9);
    EXPECT_EQ(t.frames(), 9 * kFps);
    FramePlace at = t.at(1, 0.5);
    EXPECT_EQ(at.shot, 0);
    EXPECT_DOUBLE_EQ(at.moment.length, 3);
    EXPECT_DOUBLE_EQ(at.moment.voice, 0.5);
    at = t.at(7.5, 0);
    EXPECT_EQ(at.shot, 1);
    EXPECT_DOUBLE_EQ(at.moment.seconds, 4.5);
    EXPECT_DOUBLE_EQ(at.moment.length, 6);
    EXPECT_EQ(at.moment.beatStarts, (QVector<qreal>{0, 3}));
    EXPECT_EQ(at.moment.beat(), 1);
    EXPECT_EQ(t.at(5.9, 0).moment.beat(), 0);
}

TEST(Stage, EveryScenePlaysWithinItsPlace)
{
    useFonts();
    // One shot of each kind, with the settings it needs.
    const QMap<QString, QString> samples = {
        {"coins", "heights=2,4,6 labels=A,B,C"},
        {"piggy", "coins=4 label=Savings"},
        {"paycheck", "gross=$3200 net=$2450 cuts=Taxes,Insurance"},
        {"wallet", "notes=3"},
        {"scale", "tilt=debts"},
        {"umbrella", "under=house"},
        {"bills", "count=4"},
        {"prices", "from=$100 to=$200"},
        {"bars", "values=3,5,2 compare=2,4,3 labels=A,B,C legend=You,Average highlight=2"},
        {"line", "values=1,2,3,5 compare=1,1,1,1 labels=Now,Later"},
        {"pie", "shares=30,20,50 labels=A,B,C highlight=1"},
        {"gauge", "value=0.7 zones=Low,Mid,High label=Score"},
        {"slider", "label=Income"},
        {"pyramid", "labels=A,B,C,D highlight=2"},
        {"card", "action=interest"},
        {"cards", "count=4 action=fewer keep=1"},
        {"report", "mark=late bureaus=3"},
        {"calendar", "action=flip pages=6"},
        {"phone", "text=Call early"},
        {"scam", "text=Too good to be true"},
        {"form", "fields=Amount,Rate values=$5000,9% total=Done"},
        {"goals", "icons=house,car,school labels=Home,Car,School"},
        {"target", "label=Goal"},
        {"mountain", "label=Goal"},
        {"plant", "labels=Now,Later"},
        {"checklist", "items=One,Two,Three mark=cross"},
        {"steps", "count=4 label=Step"},
        {"thought", "icons=heart,money"},
        {"types", "highlight=2"},
        {"modules", ""},
        {"print", "label=Report"},
        {"shop", "items=Bread,Milk"},
    };
    for (const QString& name : sceneNames()) {
        ASSERT_TRUE(samples.contains(name)) << "no sample settings for the scene " << name.toStdString();
        // Without the presenter, whose gestures would hide a scene that stands still.
        const QString script =
            QStringLiteral("title: T\nSay it.\nshow: %1 %2 host=none\nwords: Words\nSay more.\n")
                .arg(name, samples.value(name));
        ClipScript s;
        QString error;
        ASSERT_TRUE(parseClipScript(script, QStringLiteral("3_1_1"), s, &error)) << error.toStdString();
        const Timeline t(s, evenBeats(2, 6));
        Stage stage(s);
        // Two moments of the same beat, after the words have settled.
        const QImage early = stage.frame(t.at(6.7 + 1.3, 0.5));
        const QImage late = stage.frame(t.at(6.7 + 4.6, 0.5));
        EXPECT_GT(changed(early, late, QRect(0, 0, kWidth, 88)), 40)
            << name.toStdString() << " does not move";
        // The band of words (above the progress line) is the scene's to leave alone.
        EXPECT_EQ(changed(early, late, QRect(0, 95, kWidth, 22)), 0)
            << name.toStdString() << " draws over the words";
    }
}

TEST(Stage, TheTitleShotMovesAndShotsFollowTheirTimes)
{
    useFonts();
    ClipScript s;
    QString error;
    ASSERT_TRUE(parseClipScript(QString::fromLatin1(kGood), QStringLiteral("1_1_1"), s, &error));
    const Timeline t(s, evenBeats(3, 3));
    Stage stage(s);
    const QImage a = stage.frame(t.at(1.2, 0.8));
    const QImage b = stage.frame(t.at(2.4, 0.1));
    EXPECT_GT(changed(a, b, QRect(0, 0, kWidth, kHeight)), 40) << "the presenter stands still in the title";
    // The module's dark band under the words: maroon for financial attitudes.
    const QColor band = a.pixelColor(3, 115);
    EXPECT_NEAR(band.red(), art::theme("fin").panel.red(), 12);
    EXPECT_NEAR(band.blue(), art::theme("fin").panel.blue(), 12);
    EXPECT_EQ(a.size(), QSize(kWidth, kHeight));
}

TEST(Stage, WordsFitTheBandOrAreRefused)
{
    useFonts();
    WordsFit one = fitWords(QStringLiteral("Keep it growing"));
    EXPECT_EQ(one.rows.size(), 1);
    EXPECT_GE(one.px, 11);
    WordsFit two = fitWords(QStringLiteral("Start with | take-home pay"));
    EXPECT_EQ(two.rows, (QStringList{"Start with", "take-home pay"}));
    EXPECT_GT(two.px, 0);
    // Too long for one row: split at the middle space.
    WordsFit split = fitWords(QStringLiteral("Interest raises the cost of buying"));
    EXPECT_EQ(split.rows.size(), 2);
    EXPECT_GT(split.px, 0);
    EXPECT_EQ(fitWords(QStringLiteral("Unbelievablylongsinglewordthatcannotfit")).px, 0);
    EXPECT_GT(fitTitle(QStringLiteral("Reading Your | Credit Report")).px, 0);
    EXPECT_EQ(fitTitle(QStringLiteral("A title row far too long for the title block")).px, 0);
}

TEST(Sheet, HearsEachWordWhenItIsSpoken)
{
    ClipScript s;
    QString error;
    ASSERT_TRUE(parseClipScript(QStringLiteral("title: T\naa bb cc dd\nshow: coins\nwords: W\nee ff\n"),
                                QStringLiteral("2_1_1"), s, &error));
    // Voice of the title from 1 to 5 s: "aa" at 1, "bb" at 2, "cc" at 3, "dd" at 4.
    // The shot's voice from 7 to 9 s: "ee" at 7, "ff" at 8.
    const Timeline t(s, {BeatTiming{1, 4, 1}, BeatTiming{1, 2, 1}});
    EXPECT_EQ(heardBetween(s, t, 0, 2), "aa");
    EXPECT_EQ(heardBetween(s, t, 2, 2), "bb cc");
    EXPECT_EQ(heardBetween(s, t, 4, 2), "dd");
    EXPECT_EQ(heardBetween(s, t, 6, 2), "ee");
    EXPECT_EQ(heardBetween(s, t, 8, 2), "ff");
    EXPECT_EQ(heardBetween(s, t, 9.5, 2), "");
}

TEST(WaveFile, ReadsPcmMonoAndScalesItsLoudness)
{
    QTemporaryDir dir;
    auto write = [&](const QString& name, quint16 channels, quint16 bits, const QVector<qint16>& samples) {
        QByteArray b("RIFF\0\0\0\0WAVEfmt ", 16);
        auto u16 = [&](quint16 v) { b.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2); };
        auto u32 = [&](quint32 v) { b.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4); };
        u32(16);
        u16(1);
        u16(channels);
        u32(1200);
        u32(1200 * 2 * channels);
        u16(2 * channels);
        u16(bits);
        b.append("data", 4);
        u32(quint32(samples.size() * 2));
        for (qint16 s : samples)
            u16(quint16(s));
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(b);
        return f.fileName();
    };
    // A second of silence, then a second of a loud tone, at 1200 samples a second.
    QVector<qint16> samples(1200, 0);
    for (int i = 0; i < 1200; ++i)
        samples.append(i % 2 ? 8000 : -8000);
    Wave w;
    QString error;
    ASSERT_TRUE(readWave(write("good.wav", 1, 16, samples), w, &error)) << error.toStdString();
    EXPECT_EQ(w.rate, 1200);
    EXPECT_EQ(w.samples.size(), 2400);
    const QVector<qreal> levels = voiceLevels(w, 12, 24);
    EXPECT_EQ(levels.size(), 24);
    EXPECT_DOUBLE_EQ(levels[3], 0);
    EXPECT_DOUBLE_EQ(levels[20], 1);
    EXPECT_FALSE(readWave(write("stereo.wav", 2, 16, samples), w, &error));
    EXPECT_TRUE(error.contains("16-bit PCM mono"));
    EXPECT_FALSE(readWave(dir.filePath("missing.wav"), w, &error));
}
