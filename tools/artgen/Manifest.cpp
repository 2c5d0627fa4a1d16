#include "Manifest.h"

#include <QFile>
#include <QSet>

namespace art {

namespace {

struct Area {
    int w, h;
};

// The surface each placement space stands for.
bool areaOf(const QString& space, Area& a)
{
    if (space == "screen")
        a = {640, 480};
    else if (space == "page")
        a = {512, 429};
    else if (space == "calc")
        a = {83, 129};
    else
        return false;
    return true;
}

QString cell(const QString& s) { return s == QLatin1String("-") ? QString() : s; }

} // namespace

QString Row::param(const QString& key, const QString& fallback) const { return params.value(key, fallback); }

int Row::intParam(const QString& key, int fallback) const
{
    bool ok = false;
    const int v = params.value(key).toInt(&ok);
    return ok ? v : fallback;
}

QVector<int> Row::listParam(const QString& key, int count) const
{
    const QStringList parts = params.value(key).split(',', Qt::SkipEmptyParts);
    QVector<int> out;
    for (const QString& s : parts) {
        bool ok = false;
        out.append(s.trimmed().toInt(&ok));
        if (!ok)
            break;
    }
    if (out.size() != count)
        throw RowError(QStringLiteral("parameter %1 needs %2 numbers").arg(key).arg(count).toStdString());
    return out;
}

QStringList Manifest::packs() const
{
    QStringList out;
    for (const Row& r : rows)
        if (!out.contains(r.pack))
            out.append(r.pack);
    return out;
}

bool parseManifest(const QString& text, Manifest& out, QString* error)
{
    out.rows.clear();
    QSet<QString> seen;
    const QStringList lines = text.split('\n');
    auto fail = [&](int line, const QString& msg) {
        if (error)
            *error = QStringLiteral("manifest line %1: %2").arg(line).arg(msg);
        return false;
    };
    for (int i = 0; i < lines.size(); ++i) {
        QString l = lines[i];
        if (l.endsWith('\r'))
            l.chop(1);
        if (l.trimmed().isEmpty() || l.startsWith('#'))
            continue;
        const QStringList c = l.split('\t');
        if (c.size() != 12)
            return fail(i + 1, QStringLiteral("expected 12 columns, found %1").arg(c.size()));
        Row r;
        r.line = i + 1;
        r.pack = c[0].trimmed();
        r.name = c[1].trimmed();
        bool okw = false, okh = false;
        r.width = c[2].toInt(&okw);
        r.height = c[3].toInt(&okh);
        r.kind = c[4].trimmed();
        r.theme = cell(c[5].trimmed());
        r.state = cell(c[6].trimmed());
        r.space = cell(c[7].trimmed());
        r.caption = cell(c[10]);
        if (r.pack.isEmpty() || r.name.isEmpty() || r.kind.isEmpty())
            return fail(r.line, QStringLiteral("pack, name and kind are required"));
        if (!okw || !okh || r.width <= 0 || r.height <= 0 || r.width > 4096 || r.height > 4096)
            return fail(r.line, QStringLiteral("bad size %1 x %2").arg(c[2], c[3]));
        if (cell(c[8]).isEmpty() != cell(c[9]).isEmpty())
            return fail(r.line, QStringLiteral("x and y go together"));
        if (!cell(c[8]).isEmpty()) {
            bool okx = false, oky = false;
            r.x = c[8].toInt(&okx);
            r.y = c[9].toInt(&oky);
            if (!okx || !oky)
                return fail(r.line, QStringLiteral("bad position"));
            r.placed = true;
        }
        for (const QString& kv : cell(c[11]).split(';', Qt::SkipEmptyParts)) {
            const int eq = kv.indexOf('=');
            if (eq <= 0)
                return fail(r.line, QStringLiteral("parameter without '=': %1").arg(kv));
            r.params.insert(kv.left(eq).trimmed(), kv.mid(eq + 1).trimmed());
        }
        // Names are case-insensitive: one file per lower-cased name and pack.
        const QString key = r.pack + '/' + r.name.toLower();
        if (seen.contains(key))
            return fail(r.line, QStringLiteral("%1 appears twice in pack %2").arg(r.name, r.pack));
        seen.insert(key);
        // Pictures drawn at a fixed place must lie on the surface they are
        // drawn on (a row may allow a known overhang to the right or bottom).
        Area a;
        if (r.placed && areaOf(r.space, a)) {
            const int overhang = r.intParam(QStringLiteral("overhang"), 0);
            if (r.x < 0 || r.y < 0 || r.x + r.width > a.w + overhang || r.y + r.height > a.h)
                return fail(r.line, QStringLiteral("%1 (%2 x %3 at %4, %5) leaves the %6")
                                        .arg(r.name)
                                        .arg(r.width)
                                        .arg(r.height)
                                        .arg(r.x)
                                        .arg(r.y)
                                        .arg(r.space));
        }
        const int maxY = r.intParam(QStringLiteral("maxy"), -1);
        if (maxY >= 0 && r.placed && r.y + r.height > maxY)
            return fail(r.line, QStringLiteral("%1 must end above y %2").arg(r.name).arg(maxY));
        out.rows.append(r);
    }
    if (out.rows.isEmpty())
        return fail(0, QStringLiteral("no rows"));
    return true;
}

bool readManifest(const QString& path, Manifest& out, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    return parseManifest(QString::fromUtf8(f.readAll()), out, error);
}

} // namespace art
