#include "ProgramIcon.h"

#include "Paint.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>
#include <vector>

namespace art {
namespace {

// The icon is drawn on a square of this many units.
constexpr qreal kUnits = 256;
constexpr int kPngSizes[] = {48, 128, 256};

// One shape of the icon, in units: a tile with rounded corners, a bar, or
// a stroked line through points.
struct Shape {
    enum Kind { Tile, Bar, Line } kind;
    std::vector<QPointF> points; // tile and bar: top left and bottom right
    QColor colour;               // fill, or the line's colour
    QColor colourBelow;          // the tile's gradient towards its foot
    qreal size = 0;              // the tile's corner radius, the line's width
};

// A course in money: bars growing from left to right and an arrow rising
// over them, in the course's gold on the brand's deep colour.
std::vector<Shape> iconShapes()
{
    const Theme& brand = theme(QStringLiteral("brand"));
    const QColor barGold = goldLight();
    return {
        {Shape::Tile, {{16, 16}, {240, 240}}, brand.mid, brand.deep, 52},
        {Shape::Bar, {{54, 150}, {90, 204}}, barGold, {}, 0},
        {Shape::Bar, {{110, 118}, {146, 204}}, barGold, {}, 0},
        {Shape::Bar, {{166, 84}, {202, 204}}, barGold, {}, 0},
        {Shape::Line, {{50, 128}, {110, 86}, {140, 100}, {200, 52}}, Qt::white, {}, 14},
        {Shape::Line, {{166, 50}, {204, 48}, {200, 86}}, Qt::white, {}, 14},
    };
}

void paintShapes(QPainter& p, qreal scale)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    for (const Shape& s : iconShapes()) {
        const QRectF box = s.points.size() >= 2 ? QRectF(s.points[0], s.points[1]) : QRectF();
        switch (s.kind) {
        case Shape::Tile: {
            QLinearGradient fill(box.topLeft(), box.bottomLeft());
            fill.setColorAt(0, s.colour);
            fill.setColorAt(1, s.colourBelow);
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawRoundedRect(box, s.size, s.size);
            break;
        }
        case Shape::Bar:
            p.setPen(Qt::NoPen);
            p.setBrush(s.colour);
            p.drawRect(box);
            break;
        case Shape::Line:
            p.setPen(QPen(s.colour, s.size, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(s.points.data(), static_cast<int>(s.points.size()));
            break;
        }
    }
}

QString svgText()
{
    QString text;
    QTextStream out(&text);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kUnits << "\" height=\"" << kUnits
        << "\" viewBox=\"0 0 " << kUnits << ' ' << kUnits << "\">\n";
    int gradients = 0;
    for (const Shape& s : iconShapes()) {
        const QRectF box = s.points.size() >= 2 ? QRectF(s.points[0], s.points[1]) : QRectF();
        switch (s.kind) {
        case Shape::Tile: {
            const QString id = QStringLiteral("tile%1").arg(++gradients);
            out << "  <defs><linearGradient id=\"" << id << "\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                << "<stop offset=\"0\" stop-color=\"" << s.colour.name() << "\"/>"
                << "<stop offset=\"1\" stop-color=\"" << s.colourBelow.name() << "\"/>"
                << "</linearGradient></defs>\n";
            out << "  <rect x=\"" << box.x() << "\" y=\"" << box.y() << "\" width=\"" << box.width()
                << "\" height=\"" << box.height() << "\" rx=\"" << s.size << "\" fill=\"url(#" << id
                << ")\"/>\n";
            break;
        }
        case Shape::Bar:
            out << "  <rect x=\"" << box.x() << "\" y=\"" << box.y() << "\" width=\"" << box.width()
                << "\" height=\"" << box.height() << "\" fill=\"" << s.colour.name() << "\"/>\n";
            break;
        case Shape::Line: {
            out << "  <polyline points=\"";
            for (size_t i = 0; i < s.points.size(); ++i)
                out << (i ? " " : "") << s.points[i].x() << ',' << s.points[i].y();
            out << "\" fill=\"none\" stroke=\"" << s.colour.name() << "\" stroke-width=\"" << s.size
                << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
            break;
        }
        }
    }
    out << "</svg>\n";
    return text;
}

bool save(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

} // namespace

bool writeProgramIcon(const QString& dir, const QString& id, QString* error)
{
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot make %1").arg(dir);
        return false;
    }
    for (int size : kPngSizes) {
        QImage image = newImage(size, size);
        {
            QPainter p(&image);
            paintShapes(p, size / kUnits);
        }
        const QString path = QDir(dir).filePath(QStringLiteral("%1-%2.png").arg(id).arg(size));
        if (!image.save(path, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
    }
    return save(QDir(dir).filePath(id + QStringLiteral(".svg")), svgText().toUtf8(), error);
}

} // namespace art
