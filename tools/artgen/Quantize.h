// One 256-colour palette per pack and the 8-bit BMP files that use it.
//
// Pure red (255, 0, 0) is the transparent key of the program's selection
// bars: it is always in the palette, only pixels that are exactly pure red
// map to it, and no other colour is ever dithered into it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>
#include <QVector>

namespace art {

constexpr QRgb kKeyRed = 0xffff0000u;

// Builds a palette of exactly 256 entries for all `images` (opaque ARGB);
// the `reserved` colours come first and are kept exactly.
QVector<QRgb> buildPalette(const QVector<QImage>& images, const QVector<QRgb>& reserved);

// Maps an opaque image to the palette. Colours that are in the palette map
// exactly; others get a light ordered dither whose pattern is anchored at
// `origin` (the picture's place on its surface), so that a button and the
// background it was cut from are dithered identically.
// Only a `keyed` picture may use the pure red entry (its exactly red pixels).
QImage toIndexed(const QImage& argb, const QVector<QRgb>& palette, QPoint origin, bool keyed);

// 8 bits per pixel, 256-entry colour table, bottom-up rows.
bool writeBmp8(const QString& path, const QImage& indexed, QString* error);

struct Bmp8 {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    QVector<QRgb> table;     // the colour table as stored
    QVector<uchar> pixels;   // top-down, width * height indices
};
// Reads an uncompressed BMP; false with a message when it is not one.
bool readBmp8(const QString& path, Bmp8& out, QString* error);
bool parseBmp8(const QByteArray& data, Bmp8& out, QString* error);

} // namespace art
