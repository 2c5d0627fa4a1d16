#include "platform/Dc.h"

#include "platform/AccessibleSurface.h"
#include "platform/AnsiText.h"
#include "platform/Bitmap.h"
#include "platform/QtBridge.h"
#include "platform/TextFit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace platform {

struct Dc::State {
    Font font;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    Pen pen;
    Brush brush;
    Point current;
    Point viewportOrg;
    int mapMode = MM_TEXT;
    Size windowExt{1, 1};
    Size viewportExt{1, 1};
    int textRight = kSurfaceEdge;
    int textLeft = -kSurfaceEdge;
    std::optional<QRegion> deviceClip;
    std::optional<QRectF> logicalClip;

    QTransform Transform() const
    {
        QTransform t;
        t.translate(viewportOrg.x, viewportOrg.y);
        if (mapMode == MM_ANISOTROPIC && windowExt.cx != 0 && windowExt.cy != 0)
            t.scale(static_cast<double>(viewportExt.cx) / windowExt.cx,
                    static_cast<double>(viewportExt.cy) / windowExt.cy);
        return t;
    }
};

// A painter set up with the context's clip and mapping for one operation.
class Dc::Painting {
public:
    explicit Painting(Dc& dc)
    {
        if (dc.persistent_) {
            painter_ = dc.persistent_.get();
        } else {
            local_.emplace(dc.device_);
            painter_ = &*local_;
        }
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        // Bitmaps shown larger than their pixels (at a display scale above
        // one) are scaled smoothly.
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter_->resetTransform();
        painter_->setClipping(false);
        if (dc.state_->deviceClip)
            painter_->setClipRegion(*dc.state_->deviceClip);
        painter_->setTransform(dc.state_->Transform());
        if (dc.state_->logicalClip)
            painter_->setClipRect(*dc.state_->logicalClip,
                                  painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    QPainter* operator->() { return painter_; }

private:
    std::optional<QPainter> local_;
    QPainter* painter_ = nullptr;
};

Dc::Dc(QPaintDevice* device, bool persistent) : device_(device), state_(std::make_unique<State>())
{
    if (persistent)
        persistent_ = std::make_unique<QPainter>(device);
}

Dc::~Dc() = default;

void Dc::SetDeviceClip(const QRegion& region)
{
    state_->deviceClip = region;
}

void Dc::AttachWindow(AccessibleSurface* window)
{
    window_ = window;
}

void Dc::NameWindow(const std::string& name)
{
    if (window_)
        window_->SetAccessibleName(name);
}

void Dc::NoteAccessibleItem(AccessibleItemSource* item)
{
    if (window_)
        window_->NoteAccessibleItem(item);
}

Font Dc::SelectFont(const Font& font)
{
    Font old = state_->font;
    state_->font = font;
    return old;
}

const Font& Dc::GetFont() const
{
    return state_->font;
}

COLORREF Dc::SetTextColor(COLORREF color)
{
    return std::exchange(state_->textColor, color);
}

COLORREF Dc::SetBkColor(COLORREF color)
{
    return std::exchange(state_->bkColor, color);
}

int Dc::SetBkMode(int mode)
{
    return std::exchange(state_->bkMode, mode);
}

UINT Dc::SetTextAlign(UINT align)
{
    return std::exchange(state_->textAlign, align);
}

namespace {

// The left edge of a line `width` wide drawn at x under `align`.
int LineLeft(int x, int width, UINT align)
{
    if ((align & TA_CENTER) == TA_CENTER)
        return x - width / 2;
    if (align & TA_RIGHT)
        return x - width;
    return x;
}

// How far a line from `left`, `width` wide, stands out of [space.first, space.second).
int Overshoot(int left, int width, std::pair<int, int> space)
{
    return std::max(space.first - left, left + width - space.second);
}

} // namespace

std::pair<int, int> Dc::TextSpace() const
{
    int left = 0;
    int right = kSurfaceEdge;
    if (device_ && device_->width() > 0) {
        const QTransform toLogical = state_->Transform().inverted();
        const double width = device_->width() / device_->devicePixelRatioF();
        left = static_cast<int>(std::ceil(toLogical.map(QPointF(0, 0)).x()));
        right = static_cast<int>(std::floor(toLogical.map(QPointF(width, 0)).x()));
    }
    if (state_->logicalClip) {
        left = std::max(left, static_cast<int>(state_->logicalClip->left()));
        right = std::min(right, static_cast<int>(state_->logicalClip->right() + 1));
    }
    return {std::max(left, state_->textLeft), std::min(right, state_->textRight)};
}

void Dc::TextOut(int x, int y, std::string_view text)
{
    Painting p(*this);
    QFont font = ToQFont(state_->font);
    const QString str = FromAnsi(text);
    const QFontMetrics natural(font);
    int width = natural.horizontalAdvance(str);
    const std::pair<int, int> space = TextSpace();
    int overshoot = Overshoot(LineLeft(x, width, state_->textAlign), width, space);
    if (overshoot > 0) {
        // Condensed no more than needed: start at the stretch the width
        // asks for and narrow while the line still stands out. Full hinting
        // would round the stretch to whole pixel sizes.
        font.setHintingPreference(QFont::PreferVerticalHinting);
        const int wanted = 100 * (width - overshoot) / std::max(width, 1);
        for (int stretch = std::clamp(wanted + 1, kMinTextStretch, 99);
             stretch >= kMinTextStretch && overshoot > 0; --stretch) {
            font.setStretch(stretch);
            width = QFontMetrics(font).horizontalAdvance(str);
            overshoot = Overshoot(LineLeft(x, width, state_->textAlign), width, space);
        }
        const std::string owner = owner_.empty() ? "a drawing surface" : owner_;
        if (overshoot > 0)
            ReportTextOverflow({owner, std::string(text), overshoot});
        else
            ReportTextCondensed(owner, std::string(text), font.stretch());
    }
    const QFontMetrics metrics(font);
    const int left = LineLeft(x, width, state_->textAlign);
    const int top = (state_->textAlign & TA_BASELINE) == TA_BASELINE ? y - metrics.ascent() : y;
    if (state_->bkMode == OPAQUE)
        p->fillRect(QRect(left, top, width, metrics.ascent() + metrics.descent()), ToQColor(state_->bkColor));
    p->setFont(font);
    p->setPen(ToQColor(state_->textColor));
    p->drawText(left, top + metrics.ascent(), str);
    if (window_) {
        const QRect drawn =
            state_->Transform().mapRect(QRect(left, top, width, metrics.ascent() + metrics.descent()));
        window_->NoteDrawnText(std::string(text), FromQRect(drawn));
    }
}

int Dc::SetTextRight(int right)
{
    return std::exchange(state_->textRight, right);
}

int Dc::SetTextLeft(int left)
{
    return std::exchange(state_->textLeft, left);
}

void Dc::SetOwnerName(std::string name)
{
    owner_ = std::move(name);
}

Size Dc::GetTextExtent(std::string_view text) const
{
    const QFontMetrics metrics(ToQFont(state_->font));
    return {metrics.horizontalAdvance(FromAnsi(text)), metrics.ascent() + metrics.descent()};
}

Size Dc::GetNarrowestTextExtent(std::string_view text) const
{
    QFont font = ToQFont(state_->font);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStretch(kMinTextStretch);
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(FromAnsi(text)), metrics.ascent() + metrics.descent()};
}

Pen Dc::SelectPen(const Pen& pen)
{
    return std::exchange(state_->pen, pen);
}

Brush Dc::SelectBrush(const Brush& brush)
{
    return std::exchange(state_->brush, brush);
}

namespace {

// A pen of width 1 or less is one pixel wide whatever the mapping: one
// pixel of the program's world, which at a display scale above one is that
// many pixels of the screen.
QPen ToQPen(const Pen& pen, double scale)
{
    if (pen.style == PenStyle::Null)
        return QPen(Qt::NoPen);
    QPen q(ToQColor(pen.color));
    if (pen.width > 1)
        q.setWidth(pen.width);
    else if (scale > 1) {
        q.setWidthF(scale);
        q.setCosmetic(true);
    } else {
        q.setWidth(0);
    }
    q.setCapStyle(pen.width <= 1 ? Qt::SquareCap : Qt::RoundCap);
    q.setJoinStyle(Qt::MiterJoin);
    return q;
}

QBrush ToQBrush(const Brush& brush)
{
    return brush.null ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.color));
}

// Device pixels per logical unit across and down.
QPointF PixelSize(const QTransform& transform)
{
    const double sx = std::abs(transform.m11());
    const double sy = std::abs(transform.m22());
    return {sx > 0 ? 1 / sx : 1, sy > 0 ? 1 / sy : 1};
}

// Where thin outlines run within their pixels. On a screen pixel an outline
// at a pixel's edge fills that pixel; a pixel of the world shown larger
// (a display scale above one) is filled by an outline through its middle.
QPointF OutlineShift(const QTransform& transform, double scale)
{
    return scale > 1 ? PixelSize(transform) / 2 : QPointF();
}

// The box that Qt's outlines run along for a Windows shape from (left, top)
// to (right, bottom): the right and bottom edges lie one pixel inside,
// whatever the mapping.
QRectF ShapeBox(int left, int top, int right, int bottom, const QTransform& transform, double scale)
{
    const QPointF pixel = PixelSize(transform);
    const QPointF shift = OutlineShift(transform, scale);
    return QRectF(left + shift.x(), top + shift.y(), right - left - pixel.x(), bottom - top - pixel.y());
}

// Where the radial from the box's centre towards (x, y) meets its ellipse.
QPointF RadialEnd(const QRectF& box, QPointF centre, int x, int y)
{
    const double dx = x - centre.x();
    const double dy = y - centre.y();
    const double a = box.width() / 2;
    const double b = box.height() / 2;
    const double reach = a > 0 && b > 0 ? std::hypot(dx / a, dy / b) : 0;
    if (reach == 0)
        return box.center();
    return box.center() + QPointF(dx / reach, dy / reach);
}

// The part of the plane swept counter-clockwise (as seen on the screen) from
// the radial through (x1, y1) to the one through (x2, y2), around the centre
// of (left, top) - (right, bottom) and reaching well past it; nothing when
// the radials coincide and the sweep is the whole turn.
std::optional<QPainterPath> Wedge(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const QPointF centre((left + right) / 2.0, (top + bottom) / 2.0);
    // y runs down, so counter-clockwise on the screen is a growing angle of -y.
    const double start = std::atan2(centre.y() - y1, x1 - centre.x());
    double span = std::atan2(centre.y() - y2, x2 - centre.x()) - start;
    while (span <= 0)
        span += 2 * M_PI;
    if (span >= 2 * M_PI - 1e-9)
        return std::nullopt;
    // Corners at most an eighth of a turn apart keep the wedge's sides
    // outside the box.
    const double reach = 2.0 * (std::abs(right - left) + std::abs(bottom - top)) + 4;
    const int corners = static_cast<int>(std::ceil(span / (M_PI / 4)));
    QPainterPath wedge(centre);
    for (int i = 0; i <= corners; ++i) {
        const double angle = start + span * i / corners;
        wedge.lineTo(centre.x() + reach * std::cos(angle), centre.y() - reach * std::sin(angle));
    }
    wedge.closeSubpath();
    return wedge;
}

} // namespace

void Dc::MoveTo(int x, int y)
{
    state_->current = {x, y};
}

void Dc::LineTo(int x, int y)
{
    Painting p(*this);
    const Point from = state_->current;
    state_->current = {x, y};
    if (state_->pen.style == PenStyle::Null || (from.x == x && from.y == y))
        return;
    p->setPen(ToQPen(state_->pen, Scale()));
    // The end point itself is not drawn: the line stops one pixel short of it.
    QPointF end(x, y);
    QPointF start(from.x, from.y);
    if (state_->pen.width <= 1) {
        const QPointF pixel = PixelSize(p->transform());
        const double dx = (x - from.x) / pixel.x();
        const double dy = (y - from.y) / pixel.y();
        const double len = std::hypot(dx, dy);
        end -= QPointF(dx / len * pixel.x(), dy / len * pixel.y());
        const QPointF shift = OutlineShift(p->transform(), Scale());
        start += shift;
        end += shift;
    }
    p->drawLine(start, end);
}

void Dc::Rectangle(int left, int top, int right, int bottom)
{
    Painting p(*this);
    if (!state_->brush.null)
        p->fillRect(QRect(left, top, right - left, bottom - top), ToQBrush(state_->brush));
    if (state_->pen.style != PenStyle::Null) {
        p->setPen(ToQPen(state_->pen, Scale()));
        p->setBrush(Qt::NoBrush);
        p->drawRect(ShapeBox(left, top, right, bottom, p->transform(), Scale()));
    }
}

void Dc::FillSolidRect(const Rect& rect, COLORREF color)
{
    Painting p(*this);
    p->fillRect(ToQRect(rect), ToQColor(color));
}

void Dc::Ellipse(int left, int top, int right, int bottom)
{
    Painting p(*this);
    p->setPen(ToQPen(state_->pen, Scale()));
    p->setBrush(ToQBrush(state_->brush));
    p->drawEllipse(ShapeBox(left, top, right, bottom, p->transform(), Scale()));
}

// Arcs and pies are the ellipse's own outline and inside, cut along the
// radials, so that they fall on the very pixels of the whole ellipse (Qt's
// arcs are rasterised apart from its ellipses and miss their last pixels).
void Dc::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    Painting p(*this);
    if (state_->pen.style == PenStyle::Null)
        return;
    if (const auto wedge = Wedge(left, top, right, bottom, x1, y1, x2, y2))
        p->setClipPath(*wedge, p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p->setPen(ToQPen(state_->pen, Scale()));
    p->setBrush(Qt::NoBrush);
    p->drawEllipse(ShapeBox(left, top, right, bottom, p->transform(), Scale()));
}

void Dc::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    Painting p(*this);
    const QRectF box = ShapeBox(left, top, right, bottom, p->transform(), Scale());
    const auto wedge = Wedge(left, top, right, bottom, x1, y1, x2, y2);
    p->save();
    if (wedge)
        p->setClipPath(*wedge, p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p->setPen(ToQPen(state_->pen, Scale()));
    p->setBrush(ToQBrush(state_->brush));
    p->drawEllipse(box);
    p->restore();
    if (!wedge || state_->pen.style == PenStyle::Null)
        return;
    // The two radii close the outline.
    const QPointF centre((left + right) / 2.0, (top + bottom) / 2.0);
    p->setPen(ToQPen(state_->pen, Scale()));
    p->drawLine(box.center(), RadialEnd(box, centre, x1, y1));
    p->drawLine(box.center(), RadialEnd(box, centre, x2, y2));
}

void Dc::BitBlt(int x, int y, int width, int height, const Bitmap& source, int srcX, int srcY)
{
    Painting p(*this);
    if (source.IsEmpty())
        return;
    // The source rectangle in the bitmap's own pixels; Qt scales the copy
    // to the world's pixels here.
    const QImage image = source.ImageToDraw();
    const double s = image.devicePixelRatio();
    p->drawImage(QPointF(x, y), image, QRectF(srcX * s, srcY * s, width * s, height * s));
}

void Dc::TransparentBlt(int x, int y, int width, int height, const Bitmap& source, int srcX, int srcY,
                        COLORREF key)
{
    Painting p(*this);
    if (source.IsEmpty())
        return;
    const double s = source.Image().devicePixelRatio();
    QImage part = source.Image()
                      .copy(QRectF(srcX * s, srcY * s, width * s, height * s).toRect())
                      .convertToFormat(QImage::Format_ARGB32);
    part.setDevicePixelRatio(s);
    const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key));
    for (int row = 0; row < part.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(row));
        for (int col = 0; col < part.width(); ++col) {
            if ((line[col] & 0x00FFFFFF) == (keyRgb & 0x00FFFFFF))
                line[col] = 0;
        }
    }
    p->drawImage(QPoint(x, y), part);
}

Point Dc::SetViewportOrg(int x, int y)
{
    const Point old = std::exchange(state_->viewportOrg, Point{x, y});
    return old;
}

Point Dc::GetViewportOrg() const
{
    return state_->viewportOrg;
}

int Dc::SetMapMode(int mode)
{
    const int old = std::exchange(state_->mapMode, mode);
    return old;
}

Size Dc::SetWindowExt(int cx, int cy)
{
    const Size old = std::exchange(state_->windowExt, Size{cx, cy});
    return old;
}

Size Dc::SetViewportExt(int cx, int cy)
{
    const Size old = std::exchange(state_->viewportExt, Size{cx, cy});
    return old;
}

double Dc::Scale() const
{
    return device_ ? device_->devicePixelRatioF() : 1;
}

int Dc::GetDeviceCaps(int index) const
{
    const QPaintDevice* device = device_;
    switch (index) {
    case HORZRES:
        return static_cast<int>(device->width() / device->devicePixelRatioF());
    case VERTRES:
        return static_cast<int>(device->height() / device->devicePixelRatioF());
    case BITSPIXEL: {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->depth() : device->depth();
    }
    case RASTERCAPS:
        // A true-colour device: block transfers, no palette.
        return RC_BITBLT;
    default:
        return 0;
    }
}

void Dc::IntersectClipRect(const Rect& rect)
{
    const QRectF r = ToQRect(rect);
    state_->logicalClip = state_->logicalClip ? state_->logicalClip->intersected(r) : r;
}

} // namespace platform
