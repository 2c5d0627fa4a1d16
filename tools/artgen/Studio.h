// The studio draws the pictures of manifest rows. Each row kind has a recipe;
// recipes may ask for other pictures (a button is cut from the background it
// sits on), which the studio draws once and keeps.
#pragma once

#include "Manifest.h"

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <functional>

namespace art {

class Studio;
using Recipe = QImage (*)(const Row&, Studio&);
using RecipeBook = QHash<QString, Recipe>;

void addFrameRecipes(RecipeBook& book);   // frame, side and navigation buttons, shared page furniture
void addScreenRecipes(RecipeBook& book);  // main menu, splash, no-disc, exit, calculator, video
void addPageRecipes(RecipeBook& book);    // the exercise pages' artwork
void addSceneRecipes(RecipeBook& book);   // chooser stills and presenter clips

struct Theme;
QImage drawFrame(const Theme& t);         // the module background of a theme

class Studio {
public:
    explicit Studio(const Manifest& manifest);

    // The picture of `row` at its manifest size (throws RowError).
    const QImage& image(const Row& row);
    bool knows(const QString& kind) const { return book_.contains(kind); }

    // Another row by name, preferably from `pack` (throws RowError).
    const Row& row(const QString& name, const QString& pack) const;

    // A picture computed once under `key`.
    const QImage& memo(const QString& key, const std::function<QImage()>& make);

    // The module background of `theme` (640 x 480).
    const QImage& frame(const QString& theme);
    // What the module background shows under a rectangle given in page coordinates.
    QImage pageCrop(const QString& theme, const QRect& pageRect);

    // Where the dither pattern of a picture is anchored (its place on the
    // surface that the module background also covers).
    static QPoint ditherOrigin(const Row& row);

private:
    const Manifest& manifest_;
    RecipeBook book_;
    QHash<QString, QImage> images_;
    QHash<QString, QImage> memo_;
    QSet<QString> drawing_;
};

} // namespace art
