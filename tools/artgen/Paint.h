// Painting primitives shared by every recipe: the colour themes of the
// modules, the two type faces, rounded panels with soft shadows, glossy
// buttons and text helpers. Everything the generator draws goes through
// these so that the whole course speaks one visual language.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace art {

// The colour theme of a module (or of the brand: main menu, splash, exit).
struct Theme {
    QString id;      // fin, man, cre, pl, how, brand
    QString title;   // "Money Management"
    QString line1;   // the name in two short lines for the left column
    QString line2;
    QString emblem;  // icon name of the module
    QColor heading;  // the colour the program writes page headings in
    QColor deep;     // darkest frame colour
    QColor dark;     // frame colour
    QColor mid;      // button colour
    QColor light;    // highlight
    QColor tint;     // pale wash for light areas
    QColor panel;    // flat dark panel under white text (kept exact in every palette)
};

const Theme& theme(const QString& id);

// Colours shared by all packs. They are kept exactly in every palette so that
// pictures from different packs meet without seams.
QColor paper();     // the light page area of every module
QColor gold();      // the accent of the whole course
QColor goldLight();
QColor ink();       // dark text drawn by the artwork itself
// The flat light card of a module, under black labels and selection bars.
QColor cardColour(const Theme& t);

QColor mix(const QColor& a, const QColor& b, qreal t);
QColor withAlpha(const QColor& c, int alpha);

// Fonts: URW Gothic Demi for captions and titles, Liberation Sans for text.
bool loadFonts(QString* error);
QFont gothic(qreal px);
QFont gothicBook(qreal px);
QFont sans(qreal px, bool bold = false);
// `font` shrunk (down to minPx) until `text` fits into maxWidth.
QFont fitted(QFont font, const QString& text, qreal maxWidth, qreal minPx);

QImage newImage(int w, int h, const QColor& fill = Qt::transparent);
void begin(QPainter& p, QImage& img);

QPainterPath rounded(const QRectF& r, qreal radius);
// A blurred copy of `path` in `colour`, offset by `offset`.
void dropShadow(QPainter& p, const QPainterPath& path, QPointF offset, qreal blur, const QColor& colour);
// A soft glow around `path` (a shadow without offset).
void glow(QPainter& p, const QPainterPath& path, qreal blur, const QColor& colour);
void fillVertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom);
void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
// A shine across the upper half of `path`.
void gloss(QPainter& p, const QPainterPath& path, int alpha = 70);
// A shadow along the inside of the upper edge (pressed look).
void innerShadow(QPainter& p, const QPainterPath& path, int alpha = 90);
void stroke(QPainter& p, const QPainterPath& path, const QColor& c, qreal width);

// Text: drawn into `r` with Qt alignment flags; an optional 1-pixel shadow.
void text(QPainter& p, const QRectF& r, int flags, const QString& s, const QFont& f, const QColor& c,
          const QColor& shadow = Qt::transparent, QPointF shadowOffset = QPointF(1, 1));
qreal textWidth(const QFont& f, const QString& s);

// Button states shared by every image button of the course.
enum class State { Off, Over, Selected, New, NewOver, Down };
State parseState(const QString& s);

// The rounded, bevelled button body of the course in `base` colour.
void buttonBody(QPainter& p, const QRectF& r, qreal radius, const QColor& base, State st);

// Copy of `src` clipped to `r` (parts outside src are transparent).
QImage crop(const QImage& src, const QRect& r);

// Small deterministic pseudo-random numbers for textures.
class Noise {
public:
    explicit Noise(quint32 seed) : s_(seed ? seed : 1) {}
    quint32 next();
    qreal unit() { return (next() & 0xffffff) / qreal(0x1000000); }
    qreal range(qreal a, qreal b) { return a + (b - a) * unit(); }

private:
    quint32 s_;
};

} // namespace art
