#include "Studio.h"

#include "Paint.h"

#include <QSet>

namespace art {

Studio::Studio(const Manifest& manifest) : manifest_(manifest)
{
    addFrameRecipes(book_);
    addScreenRecipes(book_);
    addPageRecipes(book_);
    addSceneRecipes(book_);
}

const QImage& Studio::image(const Row& r)
{
    const QString key = r.pack + '/' + r.name.toLower();
    auto it = images_.constFind(key);
    if (it != images_.constEnd())
        return *it;
    auto recipe = book_.constFind(r.kind);
    if (recipe == book_.constEnd())
        throw RowError(QStringLiteral("no recipe for the kind %1").arg(r.kind).toStdString());
    if (drawing_.contains(key))
        throw RowError(QStringLiteral("%1 depends on itself").arg(r.name).toStdString());
    drawing_.insert(key);
    QImage img = (*recipe)(r, *this);
    drawing_.remove(key);
    if (img.size() != QSize(r.width, r.height))
        throw RowError(QStringLiteral("recipe %1 drew %2 x %3 instead of %4 x %5")
                           .arg(r.kind)
                           .arg(img.width())
                           .arg(img.height())
                           .arg(r.width)
                           .arg(r.height)
                           .toStdString());
    // The program shows pictures opaque: flatten onto the page colour.
    QImage flat = newImage(r.width, r.height, paper());
    {
        QPainter p(&flat);
        p.drawImage(0, 0, img);
    }
    return images_.insert(key, flat.convertToFormat(QImage::Format_RGB32)).value();
}

const Row& Studio::row(const QString& name, const QString& pack) const
{
    const Row* any = nullptr;
    for (const Row& r : manifest_.rows) {
        if (r.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (r.pack == pack)
            return r;
        if (!any)
            any = &r;
    }
    if (!any)
        throw RowError(QStringLiteral("needs %1, which the manifest lacks").arg(name).toStdString());
    return *any;
}

const QImage& Studio::memo(const QString& key, const std::function<QImage()>& make)
{
    auto it = memo_.constFind(key);
    if (it != memo_.constEnd())
        return *it;
    return memo_.insert(key, make()).value();
}

const QImage& Studio::frame(const QString& themeId)
{
    return memo(QStringLiteral("frame:") + themeId, [&] { return drawFrame(theme(themeId)); });
}

QImage Studio::pageCrop(const QString& themeId, const QRect& pageRect)
{
    return crop(frame(themeId), pageRect.translated(128, 46));
}

QPoint Studio::ditherOrigin(const Row& r)
{
    if (!r.placed)
        return QPoint(0, 0);
    if (r.space == QLatin1String("page"))
        return QPoint(r.x + 128, r.y + 46);
    return QPoint(r.x, r.y);
}

} // namespace art
