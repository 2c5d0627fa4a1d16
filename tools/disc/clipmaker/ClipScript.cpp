#include "ClipScript.h"

#include "Scene.h"

#include <QRegularExpression>
#include <QStringList>

namespace clip {

namespace {

constexpr int kMaxRows = 2;

// Presenters of the module introductions, one per module.
constexpr const char* kHosts[] = {"ana", "grace", "elena", "ruth"};

// Narration is spoken as written: amounts, percentages and symbols go in
// words, so that every voice reads them alike.
bool speakable(const QString& say, QString* why)
{
    static const QRegularExpression bad(QStringLiteral("[$%&()|0-9<>{}\\[\\]\\\\/_*#@=+]"));
    const auto m = bad.match(say);
    if (m.hasMatch()) {
        *why = QStringLiteral("narration has \"%1\": write amounts, numbers and symbols in words")
                   .arg(m.captured());
        return false;
    }
    return true;
}

} // namespace

int ClipScript::beatCount() const
{
    int n = 0;
    for (const Shot& s : shots)
        n += s.beats.size();
    return n;
}

QString defaultHost(int module)
{
    return module >= 1 && module <= 4 ? QString::fromLatin1(kHosts[module - 1])
                                      : QString::fromLatin1(kHosts[0]);
}

bool parseClipScript(const QString& text, const QString& clipName, ClipScript& out, QString* error)
{
    out = ClipScript();
    int lineNo = 0;
    auto fail = [&](const QString& msg) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(lineNo).arg(msg);
        return false;
    };
    auto checkRows = [&](const QString& words) {
        const QStringList rows = words.split(QLatin1Char('|'));
        if (rows.size() > kMaxRows)
            return fail(QStringLiteral("more than %1 rows of words").arg(kMaxRows));
        for (const QString& r : rows)
            if (r.trimmed().isEmpty())
                return fail(QStringLiteral("an empty row of words"));
        return true;
    };
    // The beat under way must have narration before another begins.
    auto closeBeat = [&]() {
        if (!out.shots.isEmpty() && !out.shots.last().beats.isEmpty() &&
            out.shots.last().beats.last().say.isEmpty())
            return fail(QStringLiteral("the words \"%1\" have no narration")
                            .arg(out.shots.last().beats.last().words));
        return true;
    };

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        ++lineNo;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int colon = line.indexOf(QLatin1Char(':'));
        const QString key = colon > 0 ? line.left(colon) : QString();
        const QString rest = colon > 0 ? line.mid(colon + 1).trimmed() : QString();
        if (key == QLatin1String("module")) {
            bool ok = false;
            const int m = rest.toInt(&ok);
            if (!ok || m < 1 || m > 4)
                return fail(QStringLiteral("module must be 1 to 4"));
            out.module = m;
        } else if (key == QLatin1String("host")) {
            if (rest.isEmpty())
                return fail(QStringLiteral("host: names no presenter"));
            out.host = rest;
        } else if (key == QLatin1String("title")) {
            if (!out.shots.isEmpty())
                return fail(QStringLiteral("the title must come first"));
            if (rest.isEmpty())
                return fail(QStringLiteral("an empty title"));
            if (!checkRows(rest))
                return false;
            Shot s;
            s.scene = QStringLiteral("title");
            s.line = lineNo;
            s.beats.append(Beat{rest, QString(), lineNo});
            out.shots.append(s);
        } else if (key == QLatin1String("show")) {
            if (out.shots.isEmpty())
                return fail(QStringLiteral("a shot before the title"));
            if (!closeBeat())
                return false;
            if (out.shots.last().beats.isEmpty())
                return fail(QStringLiteral("the shot before has no words"));
            Shot s;
            s.line = lineNo;
            s.scene = rest.section(QLatin1Char(' '), 0, 0);
            const SceneKind* kind = findScene(s.scene);
            if (!kind)
                return fail(QStringLiteral("no scene \"%1\" (scenes: %2)")
                                .arg(s.scene, sceneNames().join(QStringLiteral(", "))));
            QString why;
            if (!SceneParams::parse(rest.section(QLatin1Char(' '), 1), s.params, &why) ||
                !checkParams(*kind, s.params, &why))
                return fail(why);
            out.shots.append(s);
        } else if (key == QLatin1String("words")) {
            if (out.shots.isEmpty() || out.shots.last().scene == QLatin1String("title"))
                return fail(QStringLiteral("words: belong to a shot (\"show:\" first)"));
            if (rest.isEmpty())
                return fail(QStringLiteral("no words after words:"));
            if (!closeBeat() || !checkRows(rest))
                return false;
            out.shots.last().beats.append(Beat{rest, QString(), lineNo});
        } else {
            if (out.shots.isEmpty())
                return fail(QStringLiteral("narration before the title"));
            if (out.shots.last().beats.isEmpty())
                return fail(QStringLiteral("narration before the shot's words:"));
            QString why;
            if (!speakable(line, &why))
                return fail(why);
            QString& say = out.shots.last().beats.last().say;
            say += (say.isEmpty() ? QString() : QStringLiteral(" ")) + line;
        }
    }
    lineNo = lines.size();
    if (out.shots.isEmpty())
        return fail(QStringLiteral("no title"));
    if (!closeBeat())
        return false;
    if (out.shots.last().beats.isEmpty())
        return fail(QStringLiteral("the last shot has no words"));
    if (out.shots.size() < 2)
        return fail(QStringLiteral("a title and at least one shot are needed"));
    if (out.module == 0) {
        const QChar first = clipName.isEmpty() ? QChar() : clipName.at(0);
        if (first < QLatin1Char('1') || first > QLatin1Char('4'))
            return fail(QStringLiteral("no module for the clip %1 (add a \"module:\" line)").arg(clipName));
        out.module = first.digitValue();
    }
    if (out.host.isEmpty())
        out.host = defaultHost(out.module);
    return true;
}

} // namespace clip
