// The manifest: one row per bitmap the program can ask for.
//
// Tab-separated columns: pack, name, width, height (fixed), then kind (the
// recipe that draws it), theme, state, space and x, y (where the program
// draws the picture: "screen" = the 640x480 client area, "page" = the page
// area whose origin is at (128, 51), "window" = a pop-up of its own, "calc" =
// the calculator, "field" = a money entry field, "report" = the printed page),
// caption (the words on the picture) and params (key=value pairs joined by
// ";"). "-" marks an empty column; lines starting with "#" are comments.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <stdexcept>

namespace art {

struct Row {
    int line = 0;
    QString pack;
    QString name;
    int width = 0;
    int height = 0;
    QString kind;
    QString theme;
    QString state;
    QString space;
    bool placed = false;
    int x = 0;
    int y = 0;
    QString caption;
    QMap<QString, QString> params;

    QString fileName() const { return name.toLower() + QStringLiteral(".bmp"); }
    QString param(const QString& key, const QString& fallback = QString()) const;
    int intParam(const QString& key, int fallback) const;
    // A parameter "a,b,c,d" as integers; throws when it has not `count` parts.
    QVector<int> listParam(const QString& key, int count) const;
};

// A row that cannot be drawn.
struct RowError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Manifest {
    QVector<Row> rows;
    QStringList packs() const; // in order of first appearance
};

// Reads and checks the manifest; returns false with a message naming the line.
bool readManifest(const QString& path, Manifest& out, QString* error);
bool parseManifest(const QString& text, Manifest& out, QString* error);

} // namespace art
