// artgen: draws every bitmap of the manifest and writes one folder of 8-bit
// BMP files per pack (with the .qrc file that rcc packs), or contact sheets
// of every pack for review.
//
//   artgen --manifest manifest.tsv --out <dir>        generate and check
//   artgen --manifest manifest.tsv --gallery <dir>    one PNG sheet per pack
//   artgen --manifest manifest.tsv --verify <dir>     check generated files
//   artgen --icon <dir> <id>                          the program's icon

#include "Manifest.h"
#include "Paint.h"
#include "ProgramIcon.h"
#include "Quantize.h"
#include "Studio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <cstdio>

using namespace art;

namespace {

void say(const QString& s) { std::fprintf(stderr, "%s\n", qPrintable(s)); }

// Colours every palette keeps exactly: the transparent key, the page colour
// and the flat colours on which pictures of other packs are drawn.
QVector<QRgb> reservedColours(const QString& pack, const Manifest& m)
{
    QVector<QRgb> out = {kKeyRed,          qRgb(0, 0, 0),     qRgb(255, 255, 255), paper().rgb(),
                         qRgb(0, 0, 128),  qRgb(255, 255, 0), qRgb(255, 0, 255),   qRgb(0, 255, 0),
                         gold().rgb(),     goldLight().rgb(), ink().rgb(),         theme("fin").panel.rgb()};
    QSet<QString> themes;
    for (const Row& r : m.rows)
        if (r.pack == pack && !r.theme.isEmpty())
            themes.insert(r.theme);
    for (const QString& id : themes) {
        const Theme& t = theme(id);
        for (const QColor& c : {t.heading, t.deep, t.dark, t.mid, t.panel})
            if (!out.contains(c.rgb()))
                out.append(c.rgb());
    }
    return out;
}

struct PackResult {
    QVector<const Row*> rows;
    QVector<QImage> indexed;
    QVector<QRgb> palette;
};

// Draws and quantises every pack; false after reporting the first failure.
bool drawAll(const Manifest& m, QHash<QString, PackResult>& out)
{
    Studio studio(m);
    for (const QString& pack : m.packs()) {
        PackResult res;
        QVector<QImage> argb;
        for (const Row& r : m.rows) {
            if (r.pack != pack)
                continue;
            try {
                argb.append(studio.image(r));
            } catch (const std::exception& e) {
                say(QStringLiteral("manifest line %1 (%2 in %3): %4").arg(r.line).arg(r.name, r.pack, QString::fromUtf8(e.what())));
                return false;
            }
            res.rows.append(&r);
        }
        res.palette = buildPalette(argb, reservedColours(pack, m));
        for (int i = 0; i < argb.size(); ++i)
            res.indexed.append(toIndexed(argb[i], res.palette, Studio::ditherOrigin(*res.rows[i]),
                                        res.rows[i]->param(QStringLiteral("key")) == QLatin1String("red")));
        out.insert(pack, res);
    }
    return true;
}

bool writeText(const QString& path, const QString& text)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(text.toUtf8());
    return f.commit();
}

// Checks the generated files against the manifest: 8 bits per pixel with a
// 256-entry table, one palette per pack, pure red kept exact, and the key
// colour only in pictures that are drawn with it.
int verify(const Manifest& m, const QString& dir)
{
    int problems = 0;
    auto problem = [&](const QString& s) {
        say(s);
        ++problems;
    };
    for (const QString& pack : m.packs()) {
        QVector<QRgb> first;
        QString firstName;
        for (const Row& r : m.rows) {
            if (r.pack != pack)
                continue;
            const QString path = dir + '/' + pack + '/' + r.fileName();
            Bmp8 b;
            QString e;
            if (!readBmp8(path, b, &e)) {
                problem(e);
                continue;
            }
            if (b.width != r.width || b.height != r.height)
                problem(QStringLiteral("%1: %2 x %3, the manifest says %4 x %5")
                            .arg(path)
                            .arg(b.width)
                            .arg(b.height)
                            .arg(r.width)
                            .arg(r.height));
            if (b.table.size() != 256)
                problem(QStringLiteral("%1: colour table of %2 entries").arg(path).arg(b.table.size()));
            const int red = b.table.indexOf(kKeyRed);
            if (red < 0)
                problem(QStringLiteral("%1: pure red is missing from the palette").arg(path));
            if (first.isEmpty()) {
                first = b.table;
                firstName = r.name;
            } else if (b.table != first) {
                problem(QStringLiteral("%1: palette differs from %2 of the same pack").arg(path, firstName));
            }
            const bool keyed = r.param(QStringLiteral("key")) == QLatin1String("red");
            bool hasRed = false;
            for (uchar px : b.pixels)
                if (px == red) {
                    hasRed = true;
                    break;
                }
            if (keyed && !hasRed)
                problem(QStringLiteral("%1: a keyed picture without pure red").arg(path));
            if (!keyed && hasRed)
                problem(QStringLiteral("%1: pure red in a picture that is not keyed").arg(path));
        }
    }
    return problems;
}

int generate(const Manifest& m, const QString& dir)
{
    QHash<QString, PackResult> packs;
    if (!drawAll(m, packs))
        return 1;
    for (auto it = packs.cbegin(); it != packs.cend(); ++it) {
        const QString packDir = dir + '/' + it.key();
        if (!QDir().mkpath(packDir)) {
            say(QStringLiteral("cannot create %1").arg(packDir));
            return 1;
        }
        QSet<QString> wanted;
        QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n");
        // The words on each picture, which the program gives screen readers
        // as the name of the button the picture shows.
        QString captions;
        for (const Row* row : it->rows)
            if (!row->caption.isEmpty())
                captions += row->name.toLower() + u'\t' + row->caption + u'\n';
        if (!writeText(packDir + QStringLiteral("/captions.tsv"), captions)) {
            say(QStringLiteral("cannot write the captions of %1").arg(it.key()));
            return 1;
        }
        qrc += QStringLiteral("  <file alias=\"captions.tsv\">%1/captions.tsv</file>\n").arg(it.key());
        for (int i = 0; i < it->rows.size(); ++i) {
            const QString file = it->rows[i]->fileName();
            QString e;
            if (!writeBmp8(packDir + '/' + file, it->indexed[i], &e)) {
                say(e);
                return 1;
            }
            wanted.insert(file);
            qrc += QStringLiteral("  <file alias=\"%1\">%2/%1</file>\n").arg(file, it.key());
        }
        qrc += QStringLiteral("</qresource>\n</RCC>\n");
        if (!writeText(dir + '/' + it.key() + QStringLiteral(".qrc"), qrc)) {
            say(QStringLiteral("cannot write the resource list of %1").arg(it.key()));
            return 1;
        }
        // Pictures that left the manifest leave the folder too.
        for (const QString& f : QDir(packDir).entryList({QStringLiteral("*.bmp")}, QDir::Files))
            if (!wanted.contains(f))
                QFile::remove(packDir + '/' + f);
    }
    const int problems = verify(m, dir);
    if (problems) {
        say(QStringLiteral("%1 problem(s) in the generated pictures").arg(problems));
        return 1;
    }
    return 0;
}

int gallery(const Manifest& m, const QString& dir)
{
    QHash<QString, PackResult> packs;
    if (!drawAll(m, packs))
        return 1;
    if (!QDir().mkpath(dir)) {
        say(QStringLiteral("cannot create %1").arg(dir));
        return 1;
    }
    const int sheetWidth = 1400, gap = 14, labelH = 30;
    for (const QString& pack : m.packs()) {
        const PackResult& res = packs[pack];
        // Shelf layout.
        struct Place {
            int i;
            QPoint at;
        };
        QVector<Place> places;
        int x = gap, y = 54, shelf = 0;
        for (int i = 0; i < res.rows.size(); ++i) {
            const QSize s = res.indexed[i].size();
            const int w = std::max(s.width(), 120);
            if (x + w + gap > sheetWidth) {
                x = gap;
                y += shelf + labelH + gap;
                shelf = 0;
            }
            places.append({i, QPoint(x, y)});
            x += w + gap;
            shelf = std::max(shelf, s.height());
        }
        const int height = y + shelf + labelH + gap;
        QImage sheet(sheetWidth, height, QImage::Format_RGB32);
        sheet.fill(QColor(118, 124, 134));
        QPainter p(&sheet);
        p.setRenderHint(QPainter::TextAntialiasing);
        text(p, QRectF(gap, 8, sheetWidth - 2 * gap, 36), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("%1  -  %2 bitmaps").arg(pack).arg(res.rows.size()), gothic(24), Qt::white);
        for (const Place& pl : places) {
            const QImage& img = res.indexed[pl.i];
            p.fillRect(QRect(pl.at - QPoint(1, 1), img.size() + QSize(2, 2)), QColor(40, 40, 44));
            p.drawImage(pl.at, img);
            const Row& r = *res.rows[pl.i];
            text(p, QRectF(pl.at.x(), pl.at.y() + img.height() + 2, std::max(img.width(), 120) + gap - 2, 14),
                 Qt::AlignLeft | Qt::AlignTop, r.name, sans(11, true), Qt::white);
            text(p, QRectF(pl.at.x(), pl.at.y() + img.height() + 15, std::max(img.width(), 120) + gap - 2, 14),
                 Qt::AlignLeft | Qt::AlignTop, QStringLiteral("%1 x %2").arg(r.width).arg(r.height), sans(10),
                 QColor(225, 228, 234));
        }
        p.end();
        const QString path = dir + '/' + pack + QStringLiteral(".png");
        if (!sheet.save(path)) {
            say(QStringLiteral("cannot write %1").arg(path));
            return 1;
        }
    }
    return 0;
}

void usage()
{
    say(QStringLiteral("usage: artgen --manifest <file> (--out <dir> | --gallery <dir> | --verify <dir>)\n"
                       "       artgen --icon <dir> <id>"));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--icon")) {
        QString error;
        if (writeProgramIcon(args[2], args[3], &error))
            return 0;
        say(error);
        return 1;
    }
    QString manifestPath, mode, dir;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size()) {
            usage();
            return 2;
        }
        if (a == QLatin1String("--manifest"))
            manifestPath = args[++i];
        else if (a == QLatin1String("--out") || a == QLatin1String("--gallery") || a == QLatin1String("--verify")) {
            mode = a;
            dir = args[++i];
        } else {
            usage();
            return 2;
        }
    }
    if (manifestPath.isEmpty() || mode.isEmpty()) {
        usage();
        return 2;
    }
    QString error;
    Manifest m;
    if (!readManifest(manifestPath, m, &error)) {
        say(error);
        return 1;
    }
    if (!loadFonts(&error)) {
        say(error);
        return 1;
    }
    if (mode == QLatin1String("--out"))
        return generate(m, dir);
    if (mode == QLatin1String("--gallery"))
        return gallery(m, dir);
    const int problems = verify(m, dir);
    if (problems)
        say(QStringLiteral("%1 problem(s)").arg(problems));
    return problems ? 1 : 0;
}
