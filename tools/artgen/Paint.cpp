#include "Paint.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

Theme makeTheme(const char* id, const char* title, const char* l1, const char* l2, const char* emblem,
                QColor heading, QColor deep, QColor dark, QColor mid, QColor light, QColor tint, QColor panel)
{
    return Theme{id, title, l1, l2, emblem, heading, deep, dark, mid, light, tint, panel};
}

const QHash<QString, Theme>& themes()
{
    static const QHash<QString, Theme> all = [] {
        QHash<QString, Theme> t;
        t["fin"] = makeTheme("fin", "Financial Attitudes", "Financial", "Attitudes", "heart", QColor(128, 0, 0),
                             QColor(52, 8, 14), QColor(94, 18, 28), QColor(150, 34, 46), QColor(205, 96, 104),
                             QColor(246, 228, 226), QColor(70, 14, 22));
        t["man"] = makeTheme("man", "Money Management", "Money", "Management", "wallet", QColor(0, 0, 128),
                             QColor(10, 20, 62), QColor(22, 42, 110), QColor(38, 74, 160), QColor(104, 142, 214),
                             QColor(226, 233, 248), QColor(18, 30, 84));
        t["cre"] = makeTheme("cre", "Credit", "Credit", "", "card", QColor(128, 128, 0), QColor(46, 48, 10),
                             QColor(84, 86, 20), QColor(130, 130, 30), QColor(190, 188, 82), QColor(241, 240, 214),
                             QColor(58, 60, 14));
        t["pl"] = makeTheme("pl", "Planning for the Future", "Planning for", "the Future", "plant", QColor(0, 128, 0),
                            QColor(8, 50, 20), QColor(18, 92, 38), QColor(34, 140, 60), QColor(104, 190, 116),
                            QColor(224, 242, 226), QColor(12, 64, 28));
        t["how"] = makeTheme("how", "Contact and Help", "Contact", "and Help", "question", QColor(128, 128, 128),
                             QColor(40, 44, 52), QColor(70, 76, 86), QColor(110, 118, 130), QColor(170, 176, 186),
                             QColor(234, 235, 238), QColor(50, 54, 62));
        t["brand"] = makeTheme("brand", "Fiscova", "Fiscova", "", "coin", QColor(0, 128, 0), QColor(16, 26, 46),
                               QColor(28, 48, 84), QColor(44, 82, 136), QColor(108, 150, 206), QColor(226, 234, 244),
                               QColor(20, 34, 60));
        return t;
    }();
    return all;
}

QString g_gothic, g_gothicBook, g_sans;

// Three passes of a box blur over a premultiplied image.
void blurImage(QImage& img, int radius)
{
    if (radius < 1)
        return;
    const int w = img.width(), h = img.height();
    std::vector<quint32> line(std::max(w, h));
    for (int pass = 0; pass < 3; ++pass) {
        for (int dir = 0; dir < 2; ++dir) {
            const int n = dir == 0 ? w : h, m = dir == 0 ? h : w;
            for (int j = 0; j < m; ++j) {
                auto px = [&](int i) -> QRgb& {
                    return dir == 0 ? reinterpret_cast<QRgb*>(img.scanLine(j))[i]
                                    : reinterpret_cast<QRgb*>(img.scanLine(i))[j];
                };
                for (int i = 0; i < n; ++i)
                    line[i] = px(i);
                int sum[4] = {0, 0, 0, 0};
                const int win = 2 * radius + 1;
                auto add = [&](int i, int sign) {
                    if (i < 0 || i >= n)
                        return;
                    const QRgb c = line[i];
                    sum[0] += sign * qAlpha(c);
                    sum[1] += sign * qRed(c);
                    sum[2] += sign * qGreen(c);
                    sum[3] += sign * qBlue(c);
                };
                for (int i = -radius; i <= radius; ++i)
                    add(i, 1);
                for (int i = 0; i < n; ++i) {
                    px(i) = qRgba(sum[1] / win, sum[2] / win, sum[3] / win, sum[0] / win);
                    add(i - radius, -1);
                    add(i + radius + 1, 1);
                }
            }
        }
    }
}

} // namespace

const Theme& theme(const QString& id)
{
    auto it = themes().find(id);
    if (it == themes().end())
        it = themes().find(QStringLiteral("brand"));
    return *it;
}

QColor paper() { return QColor(251, 248, 240); }
QColor gold() { return QColor(224, 169, 59); }
QColor goldLight() { return QColor(250, 214, 120); }
QColor ink() { return QColor(33, 37, 43); }
QColor cardColour(const Theme& t) { return mix(paper(), t.tint, 0.55); }

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    auto l = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(l(a.red(), b.red()), l(a.green(), b.green()), l(a.blue(), b.blue()), l(a.alpha(), b.alpha()));
}

QColor withAlpha(const QColor& c, int alpha)
{
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

bool loadFonts(QString* error)
{
    struct Want {
        const char* file;
        QString* family;
    } wants[] = {
        {"/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf", &g_gothic},
        {"/usr/share/fonts/opentype/urw-base35/URWGothic-Book.otf", &g_gothicBook},
        {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", &g_sans},
        {"/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf", nullptr},
        {"/usr/share/fonts/truetype/liberation2/LiberationSans-Italic.ttf", nullptr},
    };
    for (const Want& w : wants) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(w.file));
        const QStringList fams = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (fams.isEmpty()) {
            if (error)
                *error = QStringLiteral("cannot load the font %1").arg(QString::fromLatin1(w.file));
            return false;
        }
        if (w.family)
            *w.family = fams.first();
    }
    return true;
}

QFont gothic(qreal px)
{
    QFont f = QFontDatabase::font(g_gothic, QStringLiteral("Demi"), 12);
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont gothicBook(qreal px)
{
    QFont f = QFontDatabase::font(g_gothicBook, QStringLiteral("Book"), 12);
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont sans(qreal px, bool bold)
{
    QFont f(g_sans);
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setBold(bold);
    return f;
}

QFont fitted(QFont font, const QString& text, qreal maxWidth, qreal minPx)
{
    while (font.pixelSize() > minPx && textWidth(font, text) > maxWidth)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QImage newImage(int w, int h, const QColor& fill)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void begin(QPainter& p, QImage& img)
{
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void dropShadow(QPainter& p, const QPainterPath& path, QPointF offset, qreal blur, const QColor& colour)
{
    const int margin = int(std::ceil(blur * 2)) + 2;
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage img(box.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter q(&img);
        q.setRenderHint(QPainter::Antialiasing);
        q.translate(-box.topLeft());
        q.fillPath(path, colour);
    }
    blurImage(img, int(std::lround(blur / 2)));
    p.drawImage(box.topLeft() + offset, img);
}

void glow(QPainter& p, const QPainterPath& path, qreal blur, const QColor& colour)
{
    dropShadow(p, path, QPointF(0, 0), blur, colour);
}

void fillVertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom)
{
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(path, g);
}

void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom)
{
    QPainterPath path;
    path.addRect(r);
    fillVertical(p, path, top, bottom);
}

void gloss(QPainter& p, const QPainterPath& path, int alpha)
{
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.55));
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    QPainterPath upper;
    upper.addRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.55));
    p.fillPath(path.intersected(upper), g);
}

void innerShadow(QPainter& p, const QPainterPath& path, int alpha)
{
    const QRectF r = path.boundingRect();
    p.save();
    p.setClipPath(path);
    QLinearGradient g(r.topLeft(), QPointF(r.left(), r.top() + std::min<qreal>(8, r.height() * 0.4)));
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(r, g);
    p.restore();
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& c, qreal width)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void text(QPainter& p, const QRectF& r, int flags, const QString& s, const QFont& f, const QColor& c,
          const QColor& shadow, QPointF shadowOffset)
{
    p.save();
    p.setFont(f);
    if (shadow.alpha() > 0) {
        p.setPen(shadow);
        p.drawText(r.translated(shadowOffset), flags, s);
    }
    p.setPen(c);
    p.drawText(r, flags, s);
    p.restore();
}

qreal textWidth(const QFont& f, const QString& s) { return QFontMetricsF(f).horizontalAdvance(s); }

State parseState(const QString& s)
{
    const QString l = s.toLower();
    if (l == "ovr")
        return State::Over;
    if (l == "sel")
        return State::Selected;
    if (l == "new")
        return State::New;
    if (l == "snw")
        return State::NewOver;
    if (l == "dwn")
        return State::Down;
    return State::Off;
}

void buttonBody(QPainter& p, const QRectF& r, qreal radius, const QColor& base, State st)
{
    const bool pressed = st == State::Selected || st == State::Down;
    const bool over = st == State::Over || st == State::NewOver;
    const QRectF body = pressed ? r.translated(0, 1) : r;
    const QPainterPath path = rounded(body, radius);
    if (!pressed)
        dropShadow(p, path, QPointF(0, 1.5), 3, QColor(0, 0, 0, 80));
    QColor top, bottom;
    if (pressed) {
        top = base.darker(135);
        bottom = base.darker(105);
    } else if (over) {
        top = base.lighter(160);
        bottom = base.lighter(112);
    } else {
        top = base.lighter(128);
        bottom = base.darker(112);
    }
    fillVertical(p, path, top, bottom);
    if (pressed)
        innerShadow(p, path, 110);
    else
        gloss(p, path, over ? 95 : 70);
    stroke(p, path, over || pressed ? gold() : base.darker(170), over || pressed ? 1.6 : 1.0);
}

QImage crop(const QImage& src, const QRect& r)
{
    QImage out(r.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const QRect inside = r.intersected(src.rect());
    if (!inside.isEmpty()) {
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(inside.topLeft() - r.topLeft(), src, inside);
    }
    return out;
}

quint32 Noise::next()
{
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
}

} // namespace art
