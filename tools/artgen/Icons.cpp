#include "Icons.h"

#include "Manifest.h"
#include "Paint.h"

#include <QHash>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <functional>

namespace art {

namespace {

// Glyphs are designed on a 24 x 24 grid.
struct Grid {
    QPainter& p;
    QColor fg;
    void pen(qreal w) { p.setPen(QPen(fg, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); p.setBrush(Qt::NoBrush); }
    void fill() { p.setPen(Qt::NoPen); p.setBrush(fg); }
};

using GlyphFn = std::function<void(Grid&)>;

QPainterPath poly(std::initializer_list<QPointF> pts, bool close = true)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : pts) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    if (close)
        path.closeSubpath();
    return path;
}

const QHash<QString, GlyphFn>& glyphs()
{
    static const QHash<QString, GlyphFn> all = [] {
        QHash<QString, GlyphFn> g;
        g["info"] = [](Grid& d) {
            d.pen(2.2);
            d.p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            d.fill();
            d.p.drawEllipse(QPointF(12, 7.3), 1.7, 1.7);
            d.p.drawRoundedRect(QRectF(10.6, 10, 2.8, 8.5), 1, 1);
        };
        g["home"] = [](Grid& d) {
            d.fill();
            d.p.drawPath(poly({{12, 2.5}, {23, 12}, {20, 12}, {20, 21.5}, {14.5, 21.5}, {14.5, 15}, {9.5, 15},
                               {9.5, 21.5}, {4, 21.5}, {4, 12}, {1, 12}}));
        };
        g["door"] = [](Grid& d) {
            d.pen(2);
            d.p.drawPath(poly({{13, 3}, {4, 3}, {4, 21}, {13, 21}}, false));
            d.fill();
            d.p.drawPath(poly({{13, 12}, {16, 7.5}, {16, 10.5}, {22.5, 10.5}, {22.5, 13.5}, {16, 13.5}, {16, 16.5}}));
            d.p.drawRect(QRectF(8.5, 10.8, 5, 2.4));
        };
        g["globe"] = [](Grid& d) {
            d.pen(1.8);
            d.p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            d.p.drawEllipse(QPointF(12, 12), 4.2, 9.5);
            d.p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
            d.p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
            QPainterPath a;
            a.moveTo(4, 7);
            a.quadTo(12, 9.5, 20, 7);
            a.moveTo(4, 17);
            a.quadTo(12, 14.5, 20, 17);
            d.p.drawPath(a);
        };
        g["film"] = [](Grid& d) {
            d.fill();
            QPainterPath body = rounded(QRectF(2, 5, 20, 14), 2);
            for (int i = 0; i < 5; ++i) {
                body.addRect(QRectF(3.3 + i * 3.9, 6.2, 2, 1.8));
                body.addRect(QRectF(3.3 + i * 3.9, 16, 2, 1.8));
            }
            body.setFillRule(Qt::OddEvenFill);
            body.addPath(poly({{10, 9.5}, {15.5, 12}, {10, 14.5}}));
            d.p.drawPath(body);
        };
        g["list10"] = [](Grid& d) {
            d.fill();
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const qreal a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? 5.2 : 11.5;
                const QPointF pt(12 + rr * std::cos(a), 12.8 + rr * std::sin(a));
                if (i == 0)
                    star.moveTo(pt);
                else
                    star.lineTo(pt);
            }
            star.closeSubpath();
            d.p.drawPath(star);
        };
        g["printer"] = [](Grid& d) {
            d.fill();
            QPainterPath body = rounded(QRectF(2, 9, 20, 9), 2);
            body.addRect(QRectF(6, 14, 12, 8));
            body.setFillRule(Qt::OddEvenFill);
            d.p.drawPath(body);
            d.p.drawRect(QRectF(6, 2.5, 12, 5));
            d.p.drawRect(QRectF(7.5, 15.5, 9, 5));
            d.p.setBrush(Qt::NoBrush);
        };
        g["arrowL"] = [](Grid& d) {
            d.fill();
            d.p.drawPath(poly({{2.5, 12}, {11, 4}, {11, 9}, {21.5, 9}, {21.5, 15}, {11, 15}, {11, 20}}));
        };
        g["arrowR"] = [](Grid& d) {
            d.fill();
            d.p.drawPath(poly({{21.5, 12}, {13, 4}, {13, 9}, {2.5, 9}, {2.5, 15}, {13, 15}, {13, 20}}));
        };
        g["ret"] = [](Grid& d) {
            d.pen(3);
            QPainterPath a;
            a.moveTo(20, 4);
            a.lineTo(20, 10);
            a.quadTo(20, 15, 15, 15);
            a.lineTo(8, 15);
            d.p.drawPath(a);
            d.fill();
            d.p.drawPath(poly({{2, 15}, {9.5, 8.5}, {9.5, 21.5}}));
        };
        g["check"] = [](Grid& d) {
            d.pen(3.4);
            d.p.drawPolyline(QPolygonF({QPointF(3.5, 12.5), QPointF(9.5, 18.5), QPointF(20.5, 5.5)}));
        };
        g["cross"] = [](Grid& d) {
            d.pen(3.2);
            d.p.drawLine(QPointF(5, 5), QPointF(19, 19));
            d.p.drawLine(QPointF(19, 5), QPointF(5, 19));
        };
        g["bolt"] = [](Grid& d) {
            d.fill();
            d.p.drawPath(poly({{14, 1.5}, {4, 13.5}, {11, 13.5}, {9, 22.5}, {20, 9.5}, {13, 9.5}}));
        };
        g["list"] = [](Grid& d) {
            d.pen(2);
            d.p.drawRoundedRect(QRectF(4, 3.5, 16, 18.5), 2, 2);
            d.fill();
            d.p.drawRect(QRectF(8.5, 1.5, 7, 4));
            for (int i = 0; i < 3; ++i) {
                d.p.drawEllipse(QPointF(8, 9.5 + i * 4.2), 1.3, 1.3);
                d.p.drawRect(QRectF(10.5, 8.7 + i * 4.2, 6.5, 1.7));
            }
        };
        g["pie"] = [](Grid& d) {
            d.fill();
            QPainterPath a;
            a.moveTo(11, 13);
            a.arcTo(QRectF(1.5, 3.5, 19, 19), 90, 270);
            a.closeSubpath();
            d.p.drawPath(a);
            QPainterPath b;
            b.moveTo(13.5, 10.5);
            b.arcTo(QRectF(4, 1, 19, 19), 0, 90);
            b.closeSubpath();
            d.p.drawPath(b);
        };
        g["bars"] = [](Grid& d) {
            d.fill();
            d.p.drawRect(QRectF(3, 14, 4.5, 7.5));
            d.p.drawRect(QRectF(9.7, 9, 4.5, 12.5));
            d.p.drawRect(QRectF(16.5, 3.5, 4.5, 18));
            d.p.drawRect(QRectF(1.5, 21, 21, 1.6));
        };
        g["piggy"] = [](Grid& d) {
            d.fill();
            QPainterPath body;
            body.addEllipse(QRectF(3, 7, 17, 12.5));
            body.addEllipse(QRectF(18, 10.5, 4.5, 4.5));
            body.addRect(QRectF(6, 17, 3, 4.5));
            body.addRect(QRectF(14, 17, 3, 4.5));
            body.addPath(poly({{7, 8.5}, {8.5, 3.5}, {11.5, 7.5}}));
            body.setFillRule(Qt::WindingFill);
            d.p.drawPath(body.simplified());
            d.p.setPen(QPen(Qt::transparent));
        };
        g["umbrella"] = [](Grid& d) {
            d.fill();
            QPainterPath c;
            c.moveTo(1.5, 12);
            c.arcTo(QRectF(1.5, 2, 21, 20), 180, -180);
            c.quadTo(19.5, 10, 17, 12);
            c.quadTo(14.5, 10, 12, 12);
            c.quadTo(9.5, 10, 7, 12);
            c.quadTo(4.5, 10, 1.5, 12);
            d.p.drawPath(c);
            d.pen(2);
            QPainterPath h;
            h.moveTo(12, 11);
            h.lineTo(12, 19.5);
            h.quadTo(12, 22, 9.5, 22);
            h.quadTo(7.5, 22, 7.5, 20);
            d.p.drawPath(h);
        };
        g["scale"] = [](Grid& d) {
            d.pen(1.8);
            d.p.drawLine(QPointF(12, 3), QPointF(12, 20));
            d.p.drawLine(QPointF(3, 7), QPointF(21, 7));
            d.p.drawLine(QPointF(5, 7), QPointF(2.5, 14));
            d.p.drawLine(QPointF(5, 7), QPointF(7.5, 14));
            d.p.drawLine(QPointF(19, 7), QPointF(16.5, 14));
            d.p.drawLine(QPointF(19, 7), QPointF(21.5, 14));
            d.fill();
            QPainterPath pans;
            pans.moveTo(1.5, 14);
            pans.arcTo(QRectF(1.5, 11, 7, 6), 180, 180);
            pans.closeSubpath();
            pans.moveTo(15.5, 14);
            pans.arcTo(QRectF(15.5, 11, 7, 6), 180, 180);
            pans.closeSubpath();
            d.p.drawPath(pans);
            d.p.drawRoundedRect(QRectF(7, 19.5, 10, 2.5), 1, 1);
            d.p.drawEllipse(QPointF(12, 3.5), 1.8, 1.8);
        };
        g["calc"] = [](Grid& d) {
            d.fill();
            QPainterPath b = rounded(QRectF(4, 1.5, 16, 21), 2.5);
            b.addRect(QRectF(6.5, 4, 11, 4.5));
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    b.addRect(QRectF(6.5 + c * 4, 10.5 + r * 3.8, 2.8, 2.5));
            b.setFillRule(Qt::OddEvenFill);
            d.p.drawPath(b);
        };
        g["gauge"] = [](Grid& d) {
            d.pen(2.4);
            QPainterPath a;
            a.arcMoveTo(QRectF(2, 4, 20, 20), 180);
            a.arcTo(QRectF(2, 4, 20, 20), 180, -180);
            d.p.drawPath(a);
            d.p.drawLine(QPointF(12, 14), QPointF(17.5, 7.5));
            d.fill();
            d.p.drawEllipse(QPointF(12, 14), 2.3, 2.3);
            d.p.drawRect(QRectF(2, 17.5, 20, 2));
        };
        g["doc"] = [](Grid& d) {
            d.fill();
            QPainterPath page = poly({{4, 1.5}, {14.5, 1.5}, {20, 7}, {20, 22.5}, {4, 22.5}});
            for (int i = 0; i < 4; ++i)
                page.addRect(QRectF(7, 9.5 + i * 3.2, i == 3 ? 6 : 10, 1.6));
            page.addPath(poly({{14.5, 1.5}, {14.5, 7}, {20, 7}}));
            page.setFillRule(Qt::OddEvenFill);
            d.p.drawPath(page);
        };
        g["shield"] = [](Grid& d) {
            d.fill();
            QPainterPath s;
            s.moveTo(12, 1.5);
            s.lineTo(21, 5);
            s.cubicTo(21, 14, 17, 19.5, 12, 22.5);
            s.cubicTo(7, 19.5, 3, 14, 3, 5);
            s.closeSubpath();
            d.p.drawPath(s);
            d.p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            d.p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            d.p.drawPolyline(QPolygonF({QPointF(7.5, 11.5), QPointF(11, 15), QPointF(16.5, 8)}));
            d.p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        };
        g["envelope"] = [](Grid& d) {
            d.pen(1.9);
            d.p.drawRoundedRect(QRectF(2, 5, 20, 14), 1.5, 1.5);
            d.p.drawPolyline(QPolygonF({QPointF(2.5, 6), QPointF(12, 13.5), QPointF(21.5, 6)}));
        };
        g["bulb"] = [](Grid& d) {
            d.fill();
            QPainterPath b;
            b.moveTo(8.5, 16);
            b.cubicTo(3, 11.5, 5, 2, 12, 2);
            b.cubicTo(19, 2, 21, 11.5, 15.5, 16);
            b.closeSubpath();
            d.p.drawPath(b);
            d.p.drawRoundedRect(QRectF(8.5, 17, 7, 2), 0.8, 0.8);
            d.p.drawRoundedRect(QRectF(9, 20, 6, 2.2), 1, 1);
        };
        g["arrowDown"] = [](Grid& d) {
            d.pen(2.6);
            d.p.drawPolyline(QPolygonF({QPointF(2.5, 5), QPointF(9, 11.5), QPointF(13, 8.5), QPointF(19, 16)}));
            d.fill();
            d.p.drawPath(poly({{21.5, 19.5}, {14, 18.5}, {20.5, 12}}));
        };
        g["chartUp"] = [](Grid& d) {
            d.pen(2.6);
            d.p.drawPolyline(QPolygonF({QPointF(2.5, 19), QPointF(9, 12.5), QPointF(13, 15.5), QPointF(19, 8)}));
            d.fill();
            d.p.drawPath(poly({{21.5, 4.5}, {20.5, 12}, {14, 5.5}}));
        };
        g["chartDown"] = g["arrowDown"];
        g["target"] = [](Grid& d) {
            d.pen(2);
            d.p.drawEllipse(QPointF(11, 13), 9, 9);
            d.p.drawEllipse(QPointF(11, 13), 5, 5);
            d.fill();
            d.p.drawEllipse(QPointF(11, 13), 1.8, 1.8);
            d.pen(2);
            d.p.drawLine(QPointF(11, 13), QPointF(20, 4));
            d.fill();
            d.p.drawPath(poly({{22.5, 1.5}, {22.5, 6}, {18, 6}, {18, 1.5}}));
        };
        g["pyramid"] = [](Grid& d) {
            d.fill();
            d.p.drawPath(poly({{12, 2}, {15.2, 8}, {8.8, 8}}));
            d.p.drawPath(poly({{8, 9.5}, {16, 9.5}, {18.4, 14}, {5.6, 14}}));
            d.p.drawPath(poly({{4.8, 15.5}, {19.2, 15.5}, {22.5, 21.5}, {1.5, 21.5}}));
        };
        g["save"] = [](Grid& d) {
            d.fill();
            QPainterPath b = poly({{2.5, 2.5}, {18, 2.5}, {21.5, 6}, {21.5, 21.5}, {2.5, 21.5}});
            b.addRect(QRectF(6, 2.5, 10, 6));
            b.addRoundedRect(QRectF(5.5, 12, 13, 7.5), 1, 1);
            b.setFillRule(Qt::OddEvenFill);
            d.p.drawPath(b);
            d.p.drawRect(QRectF(12.5, 3.5, 2.2, 4));
        };
        g["trash"] = [](Grid& d) {
            d.fill();
            d.p.drawRoundedRect(QRectF(3, 4.5, 18, 2.6), 1, 1);
            d.p.drawRect(QRectF(9, 2, 6, 2.5));
            QPainterPath can = poly({{5, 8.5}, {19, 8.5}, {17.5, 22}, {6.5, 22}});
            for (int i = 0; i < 3; ++i)
                can.addRect(QRectF(8.3 + i * 3, 11, 1.4, 8.5));
            can.setFillRule(Qt::OddEvenFill);
            d.p.drawPath(can);
        };
        g["heart"] = [](Grid& d) {
            d.fill();
            QPainterPath h;
            h.moveTo(12, 21);
            h.cubicTo(2, 14, 1, 8, 3.5, 5);
            h.cubicTo(6.5, 1.5, 10.5, 3, 12, 6.5);
            h.cubicTo(13.5, 3, 17.5, 1.5, 20.5, 5);
            h.cubicTo(23, 8, 22, 14, 12, 21);
            d.p.drawPath(h);
        };
        g["wallet"] = [](Grid& d) {
            d.fill();
            QPainterPath w = rounded(QRectF(2, 6, 20, 15), 2.5);
            w.addRoundedRect(QRectF(14, 11, 9, 5.5), 1.5, 1.5);
            w.setFillRule(Qt::OddEvenFill);
            d.p.drawPath(w);
            d.p.drawEllipse(QPointF(17, 13.7), 1.2, 1.2);
            d.p.drawPath(poly({{4, 6}, {16, 2}, {17.5, 6}}));
        };
        g["card"] = [](Grid& d) {
            d.fill();
            QPainterPath c = rounded(QRectF(1.5, 4.5, 21, 15), 2);
            c.addRect(QRectF(1.5, 8, 21, 3));
            c.addRect(QRectF(4, 14.5, 6, 2));
            c.setFillRule(Qt::OddEvenFill);
            d.p.drawPath(c);
        };
        g["plant"] = [](Grid& d) {
            d.fill();
            QPainterPath l;
            l.moveTo(12, 13);
            l.cubicTo(11, 6, 5, 4, 2.5, 5);
            l.cubicTo(2.5, 10, 6, 13.5, 12, 13);
            l.moveTo(12, 11);
            l.cubicTo(13, 4, 18, 1.5, 21.5, 2.5);
            l.cubicTo(21.5, 8, 18, 11.5, 12, 11);
            d.p.drawPath(l);
            d.p.drawRect(QRectF(11.1, 10, 1.8, 8));
            d.p.drawPath(poly({{6, 17}, {18, 17}, {16.5, 22.5}, {7.5, 22.5}}));
        };
        g["question"] = [](Grid& d) {
            d.pen(2.2);
            d.p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            QPainterPath q;
            q.moveTo(8.6, 9.2);
            q.cubicTo(8.6, 5, 15.5, 5, 15.5, 9.2);
            q.cubicTo(15.5, 12, 12, 11.8, 12, 14.5);
            d.p.drawPath(q);
            d.fill();
            d.p.drawEllipse(QPointF(12, 17.6), 1.5, 1.5);
        };
        g["coin"] = [](Grid& d) {
            d.pen(2);
            d.p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            d.p.setFont(gothic(13));
            d.p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("$"));
        };
        g["mirror"] = [](Grid& d) {
            d.pen(2.4);
            d.p.drawEllipse(QPointF(10, 10), 6.8, 6.8);
            d.p.drawLine(QPointF(15, 15), QPointF(21.5, 21.5));
            d.pen(3.6);
            d.p.drawLine(QPointF(17.5, 17.5), QPointF(21.5, 21.5));
        };
        g["bag"] = [](Grid& d) {
            d.fill();
            d.p.drawPath(poly({{3.5, 8}, {20.5, 8}, {21.5, 22}, {2.5, 22}}));
            d.pen(2);
            QPainterPath h;
            h.moveTo(8, 10);
            h.lineTo(8, 6.5);
            h.cubicTo(8, 1.5, 16, 1.5, 16, 6.5);
            h.lineTo(16, 10);
            d.p.drawPath(h);
        };
        g["phone"] = [](Grid& d) {
            d.fill();
            QPainterPath ph;
            ph.moveTo(5, 2.5);
            ph.lineTo(9, 2.5);
            ph.lineTo(10.5, 7.5);
            ph.lineTo(8, 9.5);
            ph.cubicTo(9.5, 12.5, 11.5, 14.5, 14.5, 16);
            ph.lineTo(16.5, 13.5);
            ph.lineTo(21.5, 15);
            ph.lineTo(21.5, 19);
            ph.cubicTo(21.5, 21, 19.5, 22, 17.5, 21.5);
            ph.cubicTo(9, 19.5, 4.5, 15, 2.5, 6.5);
            ph.cubicTo(2.2, 4.5, 3, 2.5, 5, 2.5);
            d.p.drawPath(ph);
        };
        return g;
    }();
    return all;
}

} // namespace

bool hasGlyph(const QString& name) { return glyphs().contains(name); }

void glyph(QPainter& p, const QString& name, const QRectF& box, const QColor& fg)
{
    auto it = glyphs().find(name);
    if (it == glyphs().end())
        throw RowError(QStringLiteral("unknown icon %1").arg(name).toStdString());
    // Glyphs are drawn in a layer of their own so that cut-outs stay inside.
    const QRect out = box.toAlignedRect().adjusted(-1, -1, 1, 1);
    QImage layer(out.size() * 2, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter q(&layer);
        q.setRenderHint(QPainter::Antialiasing);
        q.scale(2, 2);
        q.translate(box.topLeft() - out.topLeft());
        q.scale(box.width() / 24.0, box.height() / 24.0);
        Grid g{q, fg};
        (*it)(g);
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(out), layer);
    p.restore();
}

namespace illo {

namespace {

QColor goldDark() { return QColor(176, 118, 24); }

void outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& line, qreal w)
{
    p.save();
    p.setPen(QPen(line, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QLinearGradient vgrad(const QRectF& r, const QColor& a, const QColor& b)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

} // namespace

void coin(QPainter& p, QPointF c, qreal r, qreal tilt)
{
    const qreal ry = r * (1 - 0.55 * tilt);
    const qreal edge = std::max<qreal>(1.5, r * 0.18) * tilt;
    QPainterPath rim;
    rim.addEllipse(QPointF(c.x(), c.y() + edge), r, ry);
    outlined(p, rim, goldDark(), QColor(120, 78, 14), std::max<qreal>(0.8, r * 0.06));
    QRectF face(c.x() - r, c.y() - ry, 2 * r, 2 * ry);
    QRadialGradient g(QPointF(c.x() - r * 0.35, c.y() - ry * 0.45), r * 1.4);
    g.setColorAt(0, QColor(255, 236, 160));
    g.setColorAt(0.5, gold());
    g.setColorAt(1, QColor(196, 136, 34));
    QPainterPath f;
    f.addEllipse(face);
    outlined(p, f, g, QColor(140, 92, 18), std::max<qreal>(0.8, r * 0.06));
    QPainterPath inner;
    inner.addEllipse(face.adjusted(r * 0.18, ry * 0.18, -r * 0.18, -ry * 0.18));
    stroke(p, inner, QColor(184, 126, 30, 200), std::max<qreal>(0.6, r * 0.07));
    if (r >= 6) {
        p.save();
        p.translate(c);
        p.scale(1, ry / r);
        text(p, QRectF(-r, -r, 2 * r, 2 * r), Qt::AlignCenter, QStringLiteral("$"), gothic(r * 1.15),
             QColor(150, 98, 16), QColor(255, 240, 190, 160), QPointF(-0.6, -0.6));
        p.restore();
    }
}

void coinStack(QPainter& p, QPointF base, qreal r, int count)
{
    const qreal step = r * 0.28;
    for (int i = 0; i < count; ++i) {
        const QPointF c(base.x() + ((i * 37) % 5 - 2) * r * 0.03, base.y() - r * 0.45 - i * step);
        QPainterPath side;
        side.addRoundedRect(QRectF(c.x() - r, c.y() - r * 0.45, 2 * r, r * 0.45 + step + 1), r * 0.3, r * 0.3);
        QLinearGradient g(QPointF(c.x() - r, 0), QPointF(c.x() + r, 0));
        g.setColorAt(0, QColor(196, 134, 30));
        g.setColorAt(0.35, QColor(250, 208, 110));
        g.setColorAt(1, QColor(170, 110, 20));
        outlined(p, side, g, QColor(130, 86, 16), std::max<qreal>(0.7, r * 0.05));
    }
    coin(p, QPointF(base.x(), base.y() - r * 0.45 - (count - 1) * step - step * 0.2), r, 0.9);
}

void banknotes(QPainter& p, const QRectF& r, int count, qreal angle)
{
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(r.center() + QPointF(i * r.width() * 0.04, -i * r.height() * 0.08));
        p.rotate(angle - i * 4);
        const QRectF n(-r.width() / 2, -r.height() / 2, r.width(), r.height());
        outlined(p, rounded(n, r.height() * 0.08), vgrad(n, QColor(170, 214, 160), QColor(104, 168, 104)),
                 QColor(50, 104, 56), 1.1);
        QPainterPath inner = rounded(n.adjusted(r.height() * 0.12, r.height() * 0.12, -r.height() * 0.12,
                                                -r.height() * 0.12),
                                     r.height() * 0.05);
        stroke(p, inner, QColor(60, 120, 66, 160), 0.9);
        QPainterPath oval;
        oval.addEllipse(QPointF(0, 0), r.height() * 0.28, r.height() * 0.3);
        outlined(p, oval, QColor(214, 236, 200), QColor(60, 120, 66), 0.9);
        text(p, n, Qt::AlignCenter, QStringLiteral("$"), gothic(r.height() * 0.38), QColor(50, 104, 56));
        p.restore();
    }
}

void piggy(QPainter& p, const QRectF& r, const QColor& body)
{
    const QColor line = body.darker(170);
    const qreal w = r.width(), h = r.height();
    auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * w, r.top() + y * h); };
    // legs
    for (qreal lx : {0.24, 0.36, 0.62, 0.74}) {
        QPainterPath leg = rounded(QRectF(at(lx, 0.68), QSizeF(w * 0.1, h * 0.3)), w * 0.03);
        outlined(p, leg, body.darker(115), line, 1.2);
    }
    QPainterPath tail;
    tail.moveTo(at(0.1, 0.42));
    tail.cubicTo(at(0.0, 0.36), at(0.02, 0.22), at(0.08, 0.3));
    stroke(p, tail, line, std::max<qreal>(1.5, w * 0.02));
    QPainterPath b;
    b.addEllipse(QRectF(at(0.08, 0.16), QSizeF(w * 0.8, h * 0.64)));
    QPainterPath ear;
    ear.moveTo(at(0.58, 0.24));
    ear.lineTo(at(0.66, 0.02));
    ear.lineTo(at(0.74, 0.26));
    ear.closeSubpath();
    outlined(p, ear, body.darker(110), line, 1.2);
    QRadialGradient g(at(0.38, 0.32), w * 0.6);
    g.setColorAt(0, body.lighter(125));
    g.setColorAt(1, body.darker(108));
    outlined(p, b, g, line, std::max<qreal>(1.2, w * 0.012));
    QPainterPath snout;
    snout.addEllipse(QRectF(at(0.82, 0.36), QSizeF(w * 0.16, h * 0.24)));
    outlined(p, snout, body.darker(112), line, 1.2);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(QRectF(at(0.86, 0.44), QSizeF(w * 0.025, h * 0.06)));
    p.drawEllipse(QRectF(at(0.92, 0.44), QSizeF(w * 0.025, h * 0.06)));
    p.drawEllipse(QRectF(at(0.7, 0.3), QSizeF(w * 0.035, h * 0.055)));
    p.restore();
    // coin slot
    QPainterPath slot = rounded(QRectF(at(0.36, 0.2), QSizeF(w * 0.2, h * 0.045)), h * 0.02);
    outlined(p, slot, line, line, 1);
    gloss(p, b, 60);
}

void house(QPainter& p, const QRectF& r, const QColor& wall, const QColor& roof)
{
    const qreal w = r.width(), h = r.height();
    auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * w, r.top() + y * h); };
    QPainterPath chimney;
    chimney.addRect(QRectF(at(0.68, 0.08), QSizeF(w * 0.1, h * 0.25)));
    outlined(p, chimney, QColor(150, 80, 60), QColor(90, 46, 34), 1.1);
    QPainterPath body;
    body.addRect(QRectF(at(0.12, 0.42), QSizeF(w * 0.76, h * 0.58)));
    outlined(p, body, vgrad(body.boundingRect(), wall.lighter(108), wall.darker(110)), wall.darker(170), 1.3);
    QPainterPath rf;
    rf.moveTo(at(0.0, 0.46));
    rf.lineTo(at(0.5, 0.02));
    rf.lineTo(at(1.0, 0.46));
    rf.lineTo(at(0.92, 0.52));
    rf.lineTo(at(0.5, 0.16));
    rf.lineTo(at(0.08, 0.52));
    rf.closeSubpath();
    QPainterPath gable;
    gable.moveTo(at(0.12, 0.46));
    gable.lineTo(at(0.5, 0.12));
    gable.lineTo(at(0.88, 0.46));
    gable.closeSubpath();
    outlined(p, gable, wall.darker(104), wall.darker(170), 1.1);
    outlined(p, rf, vgrad(rf.boundingRect(), roof.lighter(120), roof.darker(115)), roof.darker(170), 1.3);
    QPainterPath door = rounded(QRectF(at(0.42, 0.64), QSizeF(w * 0.17, h * 0.36)), w * 0.02);
    outlined(p, door, QColor(132, 84, 48), QColor(80, 48, 26), 1.1);
    for (qreal wx : {0.19, 0.66}) {
        QPainterPath win;
        win.addRect(QRectF(at(wx, 0.58), QSizeF(w * 0.15, h * 0.17)));
        outlined(p, win, vgrad(win.boundingRect(), QColor(200, 230, 250), QColor(140, 190, 226)),
                 wall.darker(180), 1.1);
        p.save();
        p.setPen(QPen(wall.darker(180), 1));
        p.drawLine(win.boundingRect().center() - QPointF(0, h * 0.085), win.boundingRect().center() + QPointF(0, h * 0.085));
        p.drawLine(win.boundingRect().center() - QPointF(w * 0.075, 0), win.boundingRect().center() + QPointF(w * 0.075, 0));
        p.restore();
    }
    QPainterPath round;
    round.addEllipse(QRectF(at(0.45, 0.27), QSizeF(w * 0.1, h * 0.1)));
    outlined(p, round, QColor(200, 230, 250), wall.darker(180), 1);
}

void car(QPainter& p, const QRectF& r, const QColor& body)
{
    const qreal w = r.width(), h = r.height();
    auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * w, r.top() + y * h); };
    QPainterPath top;
    top.moveTo(at(0.22, 0.45));
    top.lineTo(at(0.34, 0.1));
    top.lineTo(at(0.68, 0.1));
    top.lineTo(at(0.82, 0.45));
    top.closeSubpath();
    outlined(p, top, body.darker(108), body.darker(170), 1.2);
    QPainterPath glass;
    glass.moveTo(at(0.28, 0.43));
    glass.lineTo(at(0.37, 0.17));
    glass.lineTo(at(0.5, 0.17));
    glass.lineTo(at(0.5, 0.43));
    glass.closeSubpath();
    glass.moveTo(at(0.54, 0.43));
    glass.lineTo(at(0.54, 0.17));
    glass.lineTo(at(0.65, 0.17));
    glass.lineTo(at(0.75, 0.43));
    glass.closeSubpath();
    outlined(p, glass, vgrad(glass.boundingRect(), QColor(210, 236, 252), QColor(140, 186, 220)),
             body.darker(170), 1);
    QPainterPath b = rounded(QRectF(at(0.02, 0.42), QSizeF(w * 0.96, h * 0.36)), h * 0.12);
    outlined(p, b, vgrad(b.boundingRect(), body.lighter(125), body.darker(112)), body.darker(170), 1.3);
    gloss(p, b, 80);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 150));
    p.drawEllipse(QRectF(at(0.9, 0.5), QSizeF(w * 0.06, h * 0.09)));
    p.setBrush(QColor(220, 60, 50));
    p.drawRect(QRectF(at(0.03, 0.5), QSizeF(w * 0.03, h * 0.08)));
    p.restore();
    for (qreal wx : {0.24, 0.76}) {
        QPainterPath tyre;
        tyre.addEllipse(at(wx, 0.78), h * 0.2, h * 0.2);
        outlined(p, tyre, QColor(40, 42, 46), QColor(20, 20, 22), 1);
        QPainterPath hub;
        hub.addEllipse(at(wx, 0.78), h * 0.09, h * 0.09);
        outlined(p, hub, QColor(200, 204, 210), QColor(120, 124, 130), 1);
    }
}

void card(QPainter& p, const QRectF& r, const QColor& c, qreal angle)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF b(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    QPainterPath path = rounded(b, r.height() * 0.09);
    dropShadow(p, path, QPointF(1.5, 2.5), 4, QColor(0, 0, 0, 70));
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c.darker(110));
    outlined(p, path, g, c.darker(170), 1);
    p.fillRect(QRectF(b.left(), b.top() + b.height() * 0.18, b.width(), b.height() * 0.16), QColor(30, 30, 36));
    QPainterPath chip = rounded(QRectF(b.left() + b.width() * 0.1, b.top() + b.height() * 0.42, b.width() * 0.16,
                                       b.height() * 0.2),
                                2);
    outlined(p, chip, vgrad(chip.boundingRect(), goldLight(), gold()), goldDark(), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(b.left() + b.width() * (0.1 + i * 0.2), b.top() + b.height() * 0.7,
                                 b.width() * 0.15, b.height() * 0.08),
                          1, 1);
    p.setBrush(QColor(255, 190, 60, 220));
    p.drawEllipse(QPointF(b.right() - b.width() * 0.2, b.bottom() - b.height() * 0.2), b.height() * 0.11, b.height() * 0.11);
    p.setBrush(QColor(230, 70, 50, 200));
    p.drawEllipse(QPointF(b.right() - b.width() * 0.13, b.bottom() - b.height() * 0.2), b.height() * 0.11, b.height() * 0.11);
    gloss(p, path, 60);
    p.restore();
}

void calendar(QPainter& p, const QRectF& r, const QColor& head, int marked)
{
    QPainterPath body = rounded(r, r.width() * 0.06);
    dropShadow(p, body, QPointF(1.5, 2.5), 4, QColor(0, 0, 0, 60));
    outlined(p, body, QColor(255, 255, 255), QColor(150, 150, 160), 1);
    QPainterPath top = rounded(QRectF(r.left(), r.top(), r.width(), r.height() * 0.24), r.width() * 0.06);
    top.addRect(QRectF(r.left(), r.top() + r.height() * 0.12, r.width(), r.height() * 0.12));
    p.fillPath(top.simplified(), vgrad(top.boundingRect(), head.lighter(120), head));
    for (qreal rx : {0.25, 0.75}) {
        QPainterPath ring = rounded(QRectF(r.left() + r.width() * rx - r.width() * 0.03, r.top() - r.height() * 0.06,
                                           r.width() * 0.06, r.height() * 0.14),
                                    2);
        outlined(p, ring, QColor(200, 204, 210), QColor(100, 100, 110), 0.8);
    }
    const int cols = 7, rows = 5;
    const qreal cw = r.width() * 0.86 / cols, ch = r.height() * 0.66 / rows;
    for (int i = 0; i < cols * rows; ++i) {
        const QRectF cell(r.left() + r.width() * 0.07 + (i % cols) * cw, r.top() + r.height() * 0.3 + (i / cols) * ch,
                          cw * 0.8, ch * 0.72);
        p.fillRect(cell, i == marked ? QColor(220, 60, 50) : QColor(220, 224, 232));
    }
    if (marked >= 0) {
        const QRectF cell(r.left() + r.width() * 0.07 + (marked % cols) * cw, r.top() + r.height() * 0.3 + (marked / cols) * ch,
                          cw * 0.8, ch * 0.72);
        QPainterPath ring;
        ring.addEllipse(cell.adjusted(-cw * 0.35, -ch * 0.35, cw * 0.35, ch * 0.35));
        stroke(p, ring, QColor(220, 60, 50), std::max<qreal>(1.2, r.width() * 0.02));
    }
}

void document(QPainter& p, const QRectF& r, const QColor& accent, int lines)
{
    const qreal fold = r.width() * 0.18;
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    dropShadow(p, page, QPointF(2, 3), 5, QColor(0, 0, 0, 60));
    outlined(p, page, QColor(255, 255, 255), QColor(150, 154, 162), 1);
    QPainterPath f;
    f.moveTo(r.right() - fold, r.top());
    f.lineTo(r.right() - fold, r.top() + fold);
    f.lineTo(r.right(), r.top() + fold);
    f.closeSubpath();
    outlined(p, f, QColor(226, 228, 234), QColor(150, 154, 162), 1);
    p.fillRect(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.08, r.width() * 0.5, r.height() * 0.06),
               accent);
    const qreal step = r.height() * 0.72 / std::max(1, lines);
    for (int i = 0; i < lines; ++i)
        p.fillRect(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.22 + i * step,
                          r.width() * (i % 3 == 2 ? 0.5 : 0.78), std::max<qreal>(1.2, step * 0.28)),
                   QColor(190, 196, 206));
}

void barChart(QPainter& p, const QRectF& r, const QVector<qreal>& values, const QColor& c)
{
    qreal top = 0;
    for (qreal v : values)
        top = std::max(top, v);
    const int n = values.size();
    const qreal slot = r.width() / n;
    for (int i = 0; i < n; ++i) {
        const qreal bh = r.height() * values[i] / top;
        const QRectF bar(r.left() + i * slot + slot * 0.15, r.bottom() - bh, slot * 0.7, bh);
        QPainterPath path = rounded(bar, std::min<qreal>(3, slot * 0.1));
        QLinearGradient g(bar.topLeft(), bar.topRight());
        g.setColorAt(0, c.lighter(135));
        g.setColorAt(1, c.darker(115));
        outlined(p, path, g, c.darker(160), 1);
    }
    p.save();
    p.setPen(QPen(QColor(90, 96, 108), 1.5));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.restore();
}

void pieChart(QPainter& p, const QRectF& r, const QVector<qreal>& shares, const QVector<QColor>& colours, qreal depth)
{
    qreal sum = 0;
    for (qreal s : shares)
        sum += s;
    const QRectF top(r.left(), r.top(), r.width(), r.height() - depth);
    if (depth > 0) {
        for (qreal d = depth; d > 0; d -= 1) {
            qreal a = 90;
            for (int i = 0; i < shares.size(); ++i) {
                const qreal span = -360 * shares[i] / sum;
                QPainterPath s;
                s.moveTo(top.center() + QPointF(0, d));
                s.arcTo(top.translated(0, d), a, span);
                s.closeSubpath();
                p.fillPath(s, colours[i % colours.size()].darker(140));
                a += span;
            }
        }
    }
    qreal a = 90;
    for (int i = 0; i < shares.size(); ++i) {
        const qreal span = -360 * shares[i] / sum;
        QPainterPath s;
        s.moveTo(top.center());
        s.arcTo(top, a, span);
        s.closeSubpath();
        QRadialGradient g(top.center() - QPointF(top.width() * 0.15, top.height() * 0.2), top.width() * 0.7);
        g.setColorAt(0, colours[i % colours.size()].lighter(125));
        g.setColorAt(1, colours[i % colours.size()]);
        outlined(p, s, g, QColor(255, 255, 255, 220), 1.2);
        a += span;
    }
}

void trendLine(QPainter& p, const QRectF& r, const QVector<qreal>& values, const QColor& c, qreal width)
{
    qreal lo = values[0], hi = values[0];
    for (qreal v : values) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    QPainterPath path;
    QPainterPath area;
    for (int i = 0; i < values.size(); ++i) {
        const QPointF pt(r.left() + r.width() * i / (values.size() - 1),
                         r.bottom() - (hi > lo ? (values[i] - lo) / (hi - lo) : 0.5) * r.height());
        if (i == 0) {
            path.moveTo(pt);
            area.moveTo(r.left(), r.bottom());
            area.lineTo(pt);
        } else {
            path.lineTo(pt);
            area.lineTo(pt);
        }
    }
    area.lineTo(r.right(), r.bottom());
    area.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, withAlpha(c, 110));
    g.setColorAt(1, withAlpha(c, 10));
    p.fillPath(area, g);
    stroke(p, path, c, width);
}

void magnifier(QPainter& p, QPointF c, qreal r, qreal angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath handle = rounded(QRectF(r * 0.95, -r * 0.16, r * 1.1, r * 0.32), r * 0.12);
    outlined(p, handle, vgrad(handle.boundingRect(), QColor(120, 70, 40), QColor(80, 44, 24)), QColor(50, 28, 14), 1);
    p.restore();
    QPainterPath lens;
    lens.addEllipse(c, r, r);
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    g.setColorAt(0, QColor(255, 255, 255, 170));
    g.setColorAt(1, QColor(170, 210, 240, 110));
    p.fillPath(lens, g);
    stroke(p, lens, QColor(70, 76, 88), std::max<qreal>(2, r * 0.16));
    QPainterPath shine;
    shine.arcMoveTo(QRectF(c.x() - r * 0.7, c.y() - r * 0.7, r * 1.4, r * 1.4), 110);
    shine.arcTo(QRectF(c.x() - r * 0.7, c.y() - r * 0.7, r * 1.4, r * 1.4), 110, 50);
    stroke(p, shine, QColor(255, 255, 255, 220), std::max<qreal>(1.2, r * 0.1));
}

void umbrella(QPainter& p, const QRectF& r, const QColor& c)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath handle;
    handle.moveTo(r.left() + w * 0.5, r.top() + h * 0.3);
    handle.lineTo(r.left() + w * 0.5, r.top() + h * 0.88);
    handle.quadTo(r.left() + w * 0.5, r.bottom(), r.left() + w * 0.42, r.bottom());
    handle.quadTo(r.left() + w * 0.36, r.bottom(), r.left() + w * 0.36, r.top() + h * 0.9);
    stroke(p, handle, QColor(90, 60, 40), std::max<qreal>(2, w * 0.03));
    QPainterPath canopy;
    const QRectF arc(r.left(), r.top(), w, h * 0.8);
    canopy.moveTo(r.left(), r.top() + h * 0.4);
    canopy.arcTo(arc, 180, -180);
    const int scallops = 4;
    for (int i = scallops; i > 0; --i) {
        const qreal x0 = r.left() + w * i / scallops, x1 = r.left() + w * (i - 1) / scallops;
        canopy.quadTo((x0 + x1) / 2, r.top() + h * 0.3, x1, r.top() + h * 0.4);
    }
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, c.darker(115));
    g.setColorAt(0.45, c.lighter(130));
    g.setColorAt(1, c.darker(125));
    outlined(p, canopy, g, c.darker(170), 1.2);
    for (int i = 1; i < scallops; ++i) {
        QPainterPath rib;
        rib.moveTo(r.left() + w * 0.5, r.top() + 1);
        rib.quadTo(r.left() + w * (0.5 + (i - 2) * 0.12), r.top() + h * 0.2, r.left() + w * i / scallops,
                   r.top() + h * 0.4);
        stroke(p, rib, c.darker(150), 1);
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 40));
    p.drawEllipse(QPointF(r.left() + w * 0.5, r.top()), w * 0.02, w * 0.02);
    p.restore();
}

void bag(QPainter& p, const QRectF& r, const QColor& c)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath hd;
    hd.moveTo(r.left() + w * 0.32, r.top() + h * 0.34);
    hd.cubicTo(r.left() + w * 0.32, r.top() - h * 0.04, r.left() + w * 0.68, r.top() - h * 0.04, r.left() + w * 0.68,
               r.top() + h * 0.34);
    stroke(p, hd, c.darker(160), std::max<qreal>(2, w * 0.05));
    QPainterPath b;
    b.moveTo(r.left() + w * 0.08, r.top() + h * 0.26);
    b.lineTo(r.right() - w * 0.08, r.top() + h * 0.26);
    b.lineTo(r.right(), r.bottom());
    b.lineTo(r.left(), r.bottom());
    b.closeSubpath();
    outlined(p, b, vgrad(b.boundingRect(), c.lighter(125), c.darker(110)), c.darker(170), 1.2);
    gloss(p, b, 50);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c.darker(150));
    p.drawEllipse(QPointF(r.left() + w * 0.32, r.top() + h * 0.36), w * 0.03, w * 0.03);
    p.drawEllipse(QPointF(r.left() + w * 0.68, r.top() + h * 0.36), w * 0.03, w * 0.03);
    p.restore();
}

void wallet(QPainter& p, const QRectF& r, const QColor& c)
{
    banknotes(p, QRectF(r.left() + r.width() * 0.1, r.top(), r.width() * 0.7, r.height() * 0.4), 2, -8);
    QPainterPath w = rounded(QRectF(r.left(), r.top() + r.height() * 0.2, r.width(), r.height() * 0.8), r.height() * 0.12);
    outlined(p, w, vgrad(w.boundingRect(), c.lighter(125), c.darker(115)), c.darker(170), 1.3);
    QPainterPath flap = rounded(QRectF(r.left() + r.width() * 0.6, r.top() + r.height() * 0.45, r.width() * 0.42,
                                       r.height() * 0.3),
                                r.height() * 0.08);
    outlined(p, flap, c.darker(112), c.darker(170), 1.2);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(goldLight());
    p.drawEllipse(QPointF(r.left() + r.width() * 0.74, r.top() + r.height() * 0.6), r.height() * 0.05, r.height() * 0.05);
    p.restore();
    QPainterPath stitch = rounded(QRectF(r.left() + 4, r.top() + r.height() * 0.2 + 4, r.width() - 8,
                                         r.height() * 0.8 - 8),
                                  r.height() * 0.09);
    p.save();
    p.setPen(QPen(c.lighter(150), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stitch);
    p.restore();
}

void scale(QPainter& p, const QRectF& r, qreal tilt)
{
    const qreal w = r.width(), h = r.height();
    const QPointF pivot(r.left() + w * 0.5, r.top() + h * 0.12);
    const QColor metal(180, 140, 60), line(110, 80, 30);
    QPainterPath post = rounded(QRectF(pivot.x() - w * 0.025, pivot.y(), w * 0.05, h * 0.78), 2);
    outlined(p, post, vgrad(post.boundingRect(), goldLight(), gold()), line, 1);
    QPainterPath base = rounded(QRectF(r.left() + w * 0.3, r.bottom() - h * 0.1, w * 0.4, h * 0.1), h * 0.04);
    outlined(p, base, vgrad(base.boundingRect(), goldLight(), goldDark()), line, 1);
    const qreal arm = w * 0.42;
    const qreal a = qDegreesToRadians(tilt);
    const QPointF L(pivot.x() - arm * std::cos(a), pivot.y() - arm * std::sin(a));
    const QPointF R(pivot.x() + arm * std::cos(a), pivot.y() + arm * std::sin(a));
    stroke(p, QPainterPath([&] { QPainterPath b; b.moveTo(L); b.lineTo(R); return b; }()), line, std::max<qreal>(3, w * 0.025));
    for (const QPointF& end : {L, R}) {
        const qreal drop = h * 0.38;
        QPainterPath strings;
        strings.moveTo(end);
        strings.lineTo(end + QPointF(-w * 0.13, drop));
        strings.moveTo(end);
        strings.lineTo(end + QPointF(w * 0.13, drop));
        stroke(p, strings, line, 1.2);
        QPainterPath pan;
        pan.moveTo(end + QPointF(-w * 0.16, drop));
        pan.arcTo(QRectF(end.x() - w * 0.16, end.y() + drop - h * 0.08, w * 0.32, h * 0.16), 180, 180);
        pan.closeSubpath();
        outlined(p, pan, vgrad(pan.boundingRect(), goldLight(), metal), line, 1.1);
    }
    QPainterPath knob;
    knob.addEllipse(pivot, w * 0.035, w * 0.035);
    outlined(p, knob, goldLight(), line, 1);
}

void gauge(QPainter& p, const QRectF& r, qreal value)
{
    const QRectF dial(r.left(), r.top(), r.width(), r.width());
    const QPointF c = dial.center();
    const qreal rad = r.width() / 2;
    const QColor zones[3] = {QColor(60, 170, 80), QColor(240, 190, 50), QColor(220, 70, 50)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath arc;
        arc.arcMoveTo(dial.adjusted(rad * 0.12, rad * 0.12, -rad * 0.12, -rad * 0.12), 180 - i * 60);
        arc.arcTo(dial.adjusted(rad * 0.12, rad * 0.12, -rad * 0.12, -rad * 0.12), 180 - i * 60, -60);
        stroke(p, arc, zones[i], rad * 0.2);
    }
    const qreal a = qDegreesToRadians(180 - value * 180);
    QPainterPath needle;
    needle.moveTo(c + QPointF(std::cos(a + M_PI / 2) * rad * 0.06, -std::sin(a + M_PI / 2) * rad * 0.06));
    needle.lineTo(c + QPointF(std::cos(a) * rad * 0.82, -std::sin(a) * rad * 0.82));
    needle.lineTo(c + QPointF(std::cos(a - M_PI / 2) * rad * 0.06, -std::sin(a - M_PI / 2) * rad * 0.06));
    needle.closeSubpath();
    outlined(p, needle, QColor(40, 44, 52), QColor(20, 20, 24), 1);
    QPainterPath hub;
    hub.addEllipse(c, rad * 0.1, rad * 0.1);
    outlined(p, hub, QColor(70, 74, 84), QColor(20, 20, 24), 1);
}

void sprout(QPainter& p, const QRectF& r)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath stem;
    stem.moveTo(r.left() + w * 0.5, r.bottom());
    stem.cubicTo(r.left() + w * 0.5, r.top() + h * 0.6, r.left() + w * 0.46, r.top() + h * 0.4, r.left() + w * 0.52,
                 r.top() + h * 0.22);
    stroke(p, stem, QColor(40, 120, 50), std::max<qreal>(2, w * 0.06));
    auto leaf = [&](QPointF base, QPointF tip, qreal bulge) {
        QPainterPath l;
        l.moveTo(base);
        const QPointF mid = (base + tip) / 2, n(-(tip - base).y() * bulge, (tip - base).x() * bulge);
        l.quadTo(mid + n, tip);
        l.quadTo(mid - n, base);
        QLinearGradient g(base, tip);
        g.setColorAt(0, QColor(60, 150, 60));
        g.setColorAt(1, QColor(150, 210, 100));
        outlined(p, l, g, QColor(30, 100, 40), 1);
    };
    leaf(QPointF(r.left() + w * 0.5, r.top() + h * 0.55), QPointF(r.left(), r.top() + h * 0.3), 0.35);
    leaf(QPointF(r.left() + w * 0.51, r.top() + h * 0.4), QPointF(r.right(), r.top() + h * 0.08), -0.35);
    leaf(QPointF(r.left() + w * 0.52, r.top() + h * 0.24), QPointF(r.left() + w * 0.36, r.top()), 0.3);
}

void target(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    const qreal rad = std::min(r.width(), r.height()) / 2;
    const QColor ring[5] = {QColor(220, 60, 50), QColor(255, 255, 255), QColor(220, 60, 50), QColor(255, 255, 255),
                            QColor(220, 60, 50)};
    QPainterPath outer;
    outer.addEllipse(c, rad, rad);
    dropShadow(p, outer, QPointF(2, 3), 5, QColor(0, 0, 0, 60));
    for (int i = 0; i < 5; ++i) {
        QPainterPath e;
        e.addEllipse(c, rad * (1 - i * 0.19), rad * (1 - i * 0.19));
        outlined(p, e, ring[i], QColor(150, 40, 30), 1);
    }
    // arrow in the bull's eye
    const QPointF tail = c + QPointF(rad * 1.1, -rad * 0.9);
    QPainterPath shaft;
    shaft.moveTo(c);
    shaft.lineTo(tail);
    stroke(p, shaft, QColor(90, 60, 40), std::max<qreal>(2, rad * 0.07));
    QPainterPath fl;
    fl.moveTo(tail);
    fl.lineTo(tail + QPointF(rad * 0.1, -rad * 0.28));
    fl.lineTo(tail + QPointF(-rad * 0.2, -rad * 0.1));
    fl.closeSubpath();
    fl.moveTo(tail);
    fl.lineTo(tail + QPointF(rad * 0.3, rad * 0.05));
    fl.lineTo(tail + QPointF(rad * 0.12, -rad * 0.24));
    fl.closeSubpath();
    outlined(p, fl, QColor(60, 130, 200), QColor(30, 70, 120), 1);
}

void mountain(QPainter& p, const QRectF& r)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath back;
    back.moveTo(r.left(), r.bottom());
    back.lineTo(r.left() + w * 0.28, r.top() + h * 0.35);
    back.lineTo(r.left() + w * 0.5, r.bottom());
    back.closeSubpath();
    p.fillPath(back, vgrad(back.boundingRect(), QColor(140, 160, 190), QColor(100, 120, 150)));
    QPainterPath m;
    m.moveTo(r.left() + w * 0.18, r.bottom());
    m.lineTo(r.left() + w * 0.6, r.top() + h * 0.12);
    m.lineTo(r.right(), r.bottom());
    m.closeSubpath();
    p.fillPath(m, vgrad(m.boundingRect(), QColor(120, 130, 150), QColor(80, 90, 110)));
    QPainterPath snow;
    snow.moveTo(r.left() + w * 0.6, r.top() + h * 0.12);
    snow.lineTo(r.left() + w * 0.69, r.top() + h * 0.32);
    snow.lineTo(r.left() + w * 0.64, r.top() + h * 0.29);
    snow.lineTo(r.left() + w * 0.6, r.top() + h * 0.34);
    snow.lineTo(r.left() + w * 0.55, r.top() + h * 0.29);
    snow.lineTo(r.left() + w * 0.5, r.top() + h * 0.33);
    snow.closeSubpath();
    p.fillPath(snow, QColor(250, 252, 255));
    const QPointF top(r.left() + w * 0.6, r.top() + h * 0.12);
    QPainterPath pole;
    pole.moveTo(top);
    pole.lineTo(top - QPointF(0, h * 0.22));
    stroke(p, pole, QColor(70, 60, 50), std::max<qreal>(1.5, w * 0.012));
    QPainterPath flag;
    flag.moveTo(top - QPointF(0, h * 0.22));
    flag.quadTo(top + QPointF(w * 0.08, -h * 0.22), top + QPointF(w * 0.13, -h * 0.18));
    flag.quadTo(top + QPointF(w * 0.07, -h * 0.15), top - QPointF(0, h * 0.13));
    flag.closeSubpath();
    p.fillPath(flag, QColor(220, 60, 50));
}

void calculator(QPainter& p, const QRectF& r)
{
    QPainterPath body = rounded(r, r.width() * 0.1);
    dropShadow(p, body, QPointF(1.5, 2.5), 4, QColor(0, 0, 0, 70));
    outlined(p, body, vgrad(r, QColor(80, 86, 98), QColor(44, 48, 56)), QColor(24, 26, 30), 1);
    const QRectF screen(r.left() + r.width() * 0.12, r.top() + r.height() * 0.08, r.width() * 0.76, r.height() * 0.2);
    p.fillRect(screen, QColor(200, 224, 190));
    text(p, screen.adjusted(2, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("1,250"),
         sans(screen.height() * 0.7, true), QColor(40, 60, 40));
    for (int i = 0; i < 16; ++i) {
        const qreal kw = r.width() * 0.76 / 4, kh = r.height() * 0.56 / 4;
        const QRectF k(r.left() + r.width() * 0.12 + (i % 4) * kw, r.top() + r.height() * 0.36 + (i / 4) * kh, kw * 0.8,
                       kh * 0.75);
        p.fillRect(k, i % 4 == 3 ? QColor(240, 150, 50) : QColor(220, 224, 232));
    }
}

void shield(QPainter& p, const QRectF& r, const QColor& c)
{
    QPainterPath s;
    s.moveTo(r.center().x(), r.top());
    s.lineTo(r.right(), r.top() + r.height() * 0.16);
    s.cubicTo(r.right(), r.top() + r.height() * 0.6, r.left() + r.width() * 0.72, r.top() + r.height() * 0.86,
              r.center().x(), r.bottom());
    s.cubicTo(r.left() + r.width() * 0.28, r.top() + r.height() * 0.86, r.left(), r.top() + r.height() * 0.6, r.left(),
              r.top() + r.height() * 0.16);
    s.closeSubpath();
    dropShadow(p, s, QPointF(2, 3), 5, QColor(0, 0, 0, 70));
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, c.lighter(130));
    g.setColorAt(0.5, c);
    g.setColorAt(0.51, c.darker(115));
    g.setColorAt(1, c.darker(125));
    outlined(p, s, g, c.darker(170), 1.3);
    QPainterPath tick;
    tick.moveTo(r.left() + r.width() * 0.28, r.top() + r.height() * 0.48);
    tick.lineTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.64);
    tick.lineTo(r.left() + r.width() * 0.74, r.top() + r.height() * 0.32);
    stroke(p, tick, QColor(255, 255, 255), std::max<qreal>(2.5, r.width() * 0.1));
}

void clipboard(QPainter& p, const QRectF& r, int checked, int lines)
{
    QPainterPath board = rounded(r, r.width() * 0.06);
    dropShadow(p, board, QPointF(2, 3), 5, QColor(0, 0, 0, 70));
    outlined(p, board, vgrad(r, QColor(190, 140, 90), QColor(150, 104, 60)), QColor(100, 66, 36), 1.2);
    const QRectF sheet = r.adjusted(r.width() * 0.08, r.height() * 0.1, -r.width() * 0.08, -r.width() * 0.08);
    p.fillRect(sheet, QColor(255, 255, 255));
    QPainterPath clip = rounded(QRectF(r.center().x() - r.width() * 0.2, r.top() - r.height() * 0.03, r.width() * 0.4,
                                       r.height() * 0.1),
                                3);
    outlined(p, clip, vgrad(clip.boundingRect(), QColor(210, 214, 222), QColor(150, 156, 168)), QColor(90, 94, 104), 1);
    const qreal step = sheet.height() * 0.85 / lines;
    for (int i = 0; i < lines; ++i) {
        const qreal y = sheet.top() + sheet.height() * 0.08 + i * step;
        const QRectF box(sheet.left() + sheet.width() * 0.08, y, step * 0.55, step * 0.55);
        p.save();
        p.setPen(QPen(QColor(120, 126, 140), 1));
        p.setBrush(Qt::white);
        p.drawRect(box);
        p.restore();
        if (i < checked) {
            QPainterPath t;
            t.moveTo(box.left() + box.width() * 0.15, box.center().y());
            t.lineTo(box.left() + box.width() * 0.45, box.bottom() - box.height() * 0.1);
            t.lineTo(box.right() + box.width() * 0.2, box.top() - box.height() * 0.2);
            stroke(p, t, QColor(40, 150, 70), std::max<qreal>(1.6, step * 0.12));
        }
        p.fillRect(QRectF(box.right() + sheet.width() * 0.07, box.top() + box.height() * 0.3,
                          sheet.width() * (i % 2 ? 0.5 : 0.62), std::max<qreal>(1.2, box.height() * 0.3)),
                   QColor(180, 186, 198));
    }
}

void receipt(QPainter& p, const QRectF& r)
{
    QPainterPath s;
    s.moveTo(r.topLeft());
    s.lineTo(r.topRight());
    const int teeth = 8;
    s.lineTo(r.right(), r.bottom());
    for (int i = teeth; i > 0; --i) {
        const qreal x = r.left() + r.width() * (i - 0.5) / teeth;
        s.lineTo(x, r.bottom() - r.width() / teeth * 0.5);
        s.lineTo(r.left() + r.width() * (i - 1) / teeth, r.bottom());
    }
    s.closeSubpath();
    dropShadow(p, s, QPointF(2, 3), 4, QColor(0, 0, 0, 60));
    outlined(p, s, QColor(255, 255, 252), QColor(160, 160, 160), 1);
    const int lines = 6;
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + r.height() * (0.1 + i * 0.12);
        p.fillRect(QRectF(r.left() + r.width() * 0.12, y, r.width() * 0.45, std::max<qreal>(1.2, r.height() * 0.03)),
                   QColor(170, 176, 186));
        p.fillRect(QRectF(r.left() + r.width() * 0.68, y, r.width() * 0.2, std::max<qreal>(1.2, r.height() * 0.03)),
                   QColor(120, 126, 136));
    }
    p.fillRect(QRectF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.82, r.width() * 0.76,
                      std::max<qreal>(1.5, r.height() * 0.035)),
               QColor(60, 66, 76));
}

void firstAid(QPainter& p, const QRectF& r)
{
    QPainterPath box = rounded(QRectF(r.left(), r.top() + r.height() * 0.15, r.width(), r.height() * 0.85),
                               r.width() * 0.08);
    dropShadow(p, box, QPointF(2, 3), 5, QColor(0, 0, 0, 70));
    QPainterPath handle = rounded(QRectF(r.center().x() - r.width() * 0.18, r.top(), r.width() * 0.36, r.height() * 0.25),
                                  r.width() * 0.06);
    stroke(p, handle, QColor(150, 30, 30), std::max<qreal>(2, r.width() * 0.05));
    outlined(p, box, vgrad(box.boundingRect(), QColor(236, 80, 70), QColor(190, 40, 36)), QColor(130, 24, 20), 1.2);
    gloss(p, box, 60);
    const QPointF c = box.boundingRect().center();
    const qreal a = r.width() * 0.12, b = r.width() * 0.32;
    p.fillRect(QRectF(c.x() - a, c.y() - b, 2 * a, 2 * b), Qt::white);
    p.fillRect(QRectF(c.x() - b, c.y() - a, 2 * b, 2 * a), Qt::white);
}

void clock(QPainter& p, const QRectF& r)
{
    QPainterPath face;
    face.addEllipse(r);
    dropShadow(p, face, QPointF(1.5, 2.5), 4, QColor(0, 0, 0, 60));
    outlined(p, face, QColor(255, 255, 255), QColor(90, 96, 110), std::max<qreal>(2, r.width() * 0.06));
    const QPointF c = r.center();
    p.save();
    p.setPen(QPen(QColor(90, 96, 110), 1.2));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r.width() * 0.36,
                   c + QPointF(std::cos(a), std::sin(a)) * r.width() * 0.42);
    }
    p.setPen(QPen(QColor(40, 44, 52), std::max<qreal>(1.6, r.width() * 0.05), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -r.height() * 0.3));
    p.drawLine(c, c + QPointF(r.width() * 0.22, r.height() * 0.08));
    p.restore();
}

void gradCap(QPainter& p, const QRectF& r)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath base;
    base.moveTo(r.left() + w * 0.22, r.top() + h * 0.45);
    base.lineTo(r.left() + w * 0.22, r.top() + h * 0.8);
    base.quadTo(r.left() + w * 0.5, r.bottom(), r.left() + w * 0.78, r.top() + h * 0.8);
    base.lineTo(r.left() + w * 0.78, r.top() + h * 0.45);
    base.closeSubpath();
    outlined(p, base, QColor(50, 54, 64), QColor(20, 22, 26), 1);
    QPainterPath top;
    top.moveTo(r.left() + w * 0.5, r.top());
    top.lineTo(r.right(), r.top() + h * 0.3);
    top.lineTo(r.left() + w * 0.5, r.top() + h * 0.6);
    top.lineTo(r.left(), r.top() + h * 0.3);
    top.closeSubpath();
    outlined(p, top, vgrad(top.boundingRect(), QColor(80, 86, 100), QColor(40, 44, 52)), QColor(20, 22, 26), 1);
    QPainterPath tassel;
    tassel.moveTo(r.left() + w * 0.5, r.top() + h * 0.3);
    tassel.lineTo(r.left() + w * 0.88, r.top() + h * 0.42);
    tassel.lineTo(r.left() + w * 0.88, r.top() + h * 0.72);
    stroke(p, tassel, gold(), std::max<qreal>(1.5, w * 0.03));
}

void disc(QPainter& p, const QRectF& r)
{
    QPainterPath d;
    d.addEllipse(r);
    d.addEllipse(r.center(), r.width() * 0.08, r.width() * 0.08);
    d.setFillRule(Qt::OddEvenFill);
    dropShadow(p, d, QPointF(3, 5), 8, QColor(0, 0, 0, 90));
    QConicalGradient g(r.center(), 30);
    g.setColorAt(0, QColor(230, 236, 244));
    g.setColorAt(0.15, QColor(255, 214, 230));
    g.setColorAt(0.3, QColor(200, 236, 255));
    g.setColorAt(0.45, QColor(236, 240, 248));
    g.setColorAt(0.6, QColor(255, 246, 200));
    g.setColorAt(0.75, QColor(210, 220, 236));
    g.setColorAt(0.9, QColor(220, 255, 230));
    g.setColorAt(1, QColor(230, 236, 244));
    outlined(p, d, g, QColor(140, 150, 166), 1.2);
    QPainterPath hub;
    hub.addEllipse(r.center(), r.width() * 0.2, r.width() * 0.2);
    hub.addEllipse(r.center(), r.width() * 0.08, r.width() * 0.08);
    hub.setFillRule(Qt::OddEvenFill);
    outlined(p, hub, QColor(240, 244, 250, 220), QColor(160, 170, 186), 1);
}

void speaker(QPainter& p, const QRectF& r, const QColor& c)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath s;
    s.moveTo(r.left(), r.top() + h * 0.35);
    s.lineTo(r.left() + w * 0.22, r.top() + h * 0.35);
    s.lineTo(r.left() + w * 0.48, r.top() + h * 0.08);
    s.lineTo(r.left() + w * 0.48, r.bottom() - h * 0.08);
    s.lineTo(r.left() + w * 0.22, r.top() + h * 0.65);
    s.lineTo(r.left(), r.top() + h * 0.65);
    s.closeSubpath();
    p.fillPath(s, c);
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave;
        const qreal rr = h * (0.18 + i * 0.16);
        const QRectF box(r.left() + w * 0.52 - rr, r.center().y() - rr, 2 * rr, 2 * rr);
        wave.arcMoveTo(box, 40);
        wave.arcTo(box, 40, -80);
        stroke(p, wave, withAlpha(c, 255 - i * 50), std::max<qreal>(1.5, h * 0.07));
    }
}

void cloud(QPainter& p, const QRectF& r, const QColor& c)
{
    QPainterPath cl;
    cl.addEllipse(QRectF(r.left(), r.top() + r.height() * 0.35, r.width() * 0.45, r.height() * 0.65));
    cl.addEllipse(QRectF(r.left() + r.width() * 0.22, r.top(), r.width() * 0.5, r.height() * 0.9));
    cl.addEllipse(QRectF(r.left() + r.width() * 0.5, r.top() + r.height() * 0.25, r.width() * 0.5, r.height() * 0.75));
    cl.setFillRule(Qt::WindingFill);
    p.fillPath(cl.simplified(), c);
}

void tree(QPainter& p, const QRectF& r)
{
    const qreal w = r.width(), h = r.height();
    p.fillRect(QRectF(r.left() + w * 0.44, r.top() + h * 0.55, w * 0.12, h * 0.45), QColor(120, 80, 50));
    QPainterPath crown;
    crown.addEllipse(QRectF(r.left(), r.top() + h * 0.15, w * 0.6, h * 0.5));
    crown.addEllipse(QRectF(r.left() + w * 0.35, r.top() + h * 0.1, w * 0.65, h * 0.55));
    crown.addEllipse(QRectF(r.left() + w * 0.15, r.top(), w * 0.6, h * 0.45));
    crown.setFillRule(Qt::WindingFill);
    QRadialGradient g(QPointF(r.left() + w * 0.4, r.top() + h * 0.15), w * 0.8);
    g.setColorAt(0, QColor(130, 196, 100));
    g.setColorAt(1, QColor(50, 130, 60));
    p.fillPath(crown.simplified(), g);
}

void plane(QPainter& p, const QRectF& r, const QColor& c)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath pl;
    pl.moveTo(r.left(), r.top() + h * 0.55);
    pl.lineTo(r.right() - w * 0.1, r.top() + h * 0.45);
    pl.quadTo(r.right(), r.top() + h * 0.5, r.right() - w * 0.1, r.top() + h * 0.58);
    pl.lineTo(r.left() + w * 0.05, r.top() + h * 0.65);
    pl.closeSubpath();
    pl.moveTo(r.left() + w * 0.45, r.top() + h * 0.52);
    pl.lineTo(r.left() + w * 0.3, r.top());
    pl.lineTo(r.left() + w * 0.4, r.top());
    pl.lineTo(r.left() + w * 0.65, r.top() + h * 0.5);
    pl.closeSubpath();
    pl.moveTo(r.left() + w * 0.45, r.top() + h * 0.6);
    pl.lineTo(r.left() + w * 0.32, r.bottom());
    pl.lineTo(r.left() + w * 0.42, r.bottom());
    pl.lineTo(r.left() + w * 0.62, r.top() + h * 0.6);
    pl.closeSubpath();
    pl.moveTo(r.left() + w * 0.04, r.top() + h * 0.56);
    pl.lineTo(r.left(), r.top() + h * 0.28);
    pl.lineTo(r.left() + w * 0.08, r.top() + h * 0.28);
    pl.lineTo(r.left() + w * 0.16, r.top() + h * 0.54);
    pl.closeSubpath();
    pl.setFillRule(Qt::WindingFill);
    p.fillPath(pl.simplified(), c);
}

} // namespace illo

} // namespace art
