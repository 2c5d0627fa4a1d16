#include "platform/Slider.h"

#include "platform/KeyMapping.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <cstdlib>
#include <optional>
#include <utility>

namespace platform {
namespace {

// What each key does to a track bar, as on Windows (Up moves left, unlike
// Qt's own sliders).
struct KeyAction {
    int qtKey;
    QAbstractSlider::SliderAction action;
};

constexpr KeyAction kKeyActions[] = {
    {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, QAbstractSlider::SliderToMaximum},
};

// The scroll code that reports each of Qt's slider actions.
struct ActionCode {
    int action;
    UINT code;
};

constexpr ActionCode kActionCodes[] = {
    {QAbstractSlider::SliderSingleStepSub, SB_LINELEFT}, {QAbstractSlider::SliderSingleStepAdd, SB_LINERIGHT},
    {QAbstractSlider::SliderPageStepSub, SB_PAGELEFT},   {QAbstractSlider::SliderPageStepAdd, SB_PAGERIGHT},
    {QAbstractSlider::SliderToMinimum, SB_LEFT},         {QAbstractSlider::SliderToMaximum, SB_RIGHT},
    {QAbstractSlider::SliderMove, SB_THUMBTRACK},
};

constexpr int kWindowsPageFraction = 5; // a page is a fifth of the default range

// The QSlider with the owner's hooks and Windows' keys and clicks.
class TrackBar : public QSlider {
public:
    explicit TrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent)
    {
        setRange(0, 100);
        setPageStep(100 / kWindowsPageFraction);
        setSingleStep(1);
        setFocusPolicy(Qt::StrongFocus);
        connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
            if (quiet_)
                return;
            for (const ActionCode& a : kActionCodes) {
                if (a.action == action)
                    Notify(a.code);
            }
        });
        connect(this, &QAbstractSlider::sliderReleased, this, [this] { Notify(SB_THUMBPOSITION); });
    }

    std::function<void(UINT, int)> scrolled;
    std::function<bool(UINT)> keyed;
    std::optional<QColor> background;
    int jumpBeyond = -1; // positions; -1: a press on the track never jumps

    void Notify(UINT code)
    {
        if (scrolled)
            scrolled(code, sliderPosition());
    }

    // Drops every hook (the owner is going away).
    void Detach()
    {
        scrolled = nullptr;
        keyed = nullptr;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const UINT key = VirtualKeyOf(event->key());
        if (key && keyed && keyed(key)) {
            event->accept();
            return;
        }
        for (const KeyAction& k : kKeyActions) {
            if (k.qtKey == event->key()) {
                triggerAction(k.action);
                keyScrolling_ = true;
                event->accept();
                return;
            }
        }
        // Other keys (Enter, Escape, Tab) go on to the window.
        event->ignore();
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        if (keyScrolling_ && !event->isAutoRepeat()) {
            keyScrolling_ = false;
            Notify(SB_ENDSCROLL);
        }
        QSlider::keyReleaseEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton) {
            event->ignore();
            return;
        }
        const QPoint point = event->position().toPoint();
        const int target = PositionAt(point.x());
        if (!HandleRect().contains(point) &&
            (jumpBeyond < 0 || std::abs(target - sliderPosition()) <= jumpBeyond)) {
            // A page towards the pressed place, again while the button is
            // held until the thumb is there, as a track bar does.
            paging_ = true;
            QSlider::mousePressEvent(event);
            return;
        }
        if (!HandleRect().contains(point)) {
            // Straight to the pressed place, not a page towards it.
            const bool wasQuiet = std::exchange(quiet_, true);
            setSliderPosition(target);
            quiet_ = wasQuiet;
            Notify(SB_THUMBTRACK);
            if (!HandleRect().contains(point)) {
                // A coarse range: the thumb cannot stand under the pointer
                // to be dragged; the press ends when the button is let go.
                trackPressed_ = true;
                event->accept();
                return;
            }
        }
        QSlider::mousePressEvent(event); // on the thumb: a drag begins
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton) {
            QSlider::mouseReleaseEvent(event);
            return;
        }
        const bool dragging = isSliderDown();
        QSlider::mouseReleaseEvent(event); // a drag reports SB_THUMBPOSITION
        if (std::exchange(paging_, false)) {
            Notify(SB_ENDSCROLL);
            return;
        }
        if (std::exchange(trackPressed_, false))
            Notify(SB_THUMBPOSITION);
        else if (!dragging)
            return;
        Notify(SB_ENDSCROLL);
    }
    void wheelEvent(QWheelEvent* event) override
    {
        const int delta = event->angleDelta().y() + event->angleDelta().x();
        if (delta != 0) {
            // Away from the user (up) moves left, as the Up key does.
            triggerAction(delta > 0 ? SliderSingleStepSub : SliderSingleStepAdd);
            Notify(SB_ENDSCROLL);
        }
        event->accept();
    }
    void paintEvent(QPaintEvent* event) override
    {
        if (background) {
            QPainter painter(this);
            painter.fillRect(rect(), *background);
        }
        QSlider::paintEvent(event);
    }

private:
    QStyleOptionSlider Option() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return option;
    }
    QRect HandleRect() const
    {
        const QStyleOptionSlider option = Option();
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }
    // The position that puts the thumb's centre at x.
    int PositionAt(int x) const
    {
        const QStyleOptionSlider option = Option();
        const QRect groove =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
        const int handle = HandleRect().width();
        return QStyle::sliderValueFromPosition(minimum(), maximum(), x - groove.x() - handle / 2,
                                               groove.width() - handle, option.upsideDown);
    }

    bool quiet_ = false;
    bool keyScrolling_ = false;
    bool trackPressed_ = false;
    bool paging_ = false;
};

} // namespace

struct Slider::Impl {
    QPointer<TrackBar> bar; // owned by the parent widget
};

Slider::Slider(Window* parent) : impl_(std::make_unique<Impl>())
{
    auto* bar = new TrackBar(parent->Widget());
    impl_->bar = bar;
    bar->setGeometry(0, 0, 0, 0);
    bar->show();
}

Slider::~Slider()
{
    if (TrackBar* bar = impl_->bar) {
        bar->Detach();
        delete bar;
    }
}

void Slider::SetJumpBeyond(int positions)
{
    if (impl_->bar)
        impl_->bar->jumpBeyond = positions;
}

QWidget* Slider::Widget() const
{
    return impl_->bar;
}

void Slider::SetRange(int min, int max)
{
    if (impl_->bar)
        impl_->bar->setRange(min, max);
}

int Slider::GetRangeMin() const
{
    return impl_->bar ? impl_->bar->minimum() : 0;
}

int Slider::GetRangeMax() const
{
    return impl_->bar ? impl_->bar->maximum() : 0;
}

void Slider::SetPos(int position)
{
    if (impl_->bar)
        impl_->bar->setValue(position);
}

int Slider::GetPos() const
{
    // The slider position is already the new one while an action is reported;
    // Qt's value follows it only afterwards.
    return impl_->bar ? impl_->bar->sliderPosition() : 0;
}

void Slider::SetPageSize(int size)
{
    if (impl_->bar)
        impl_->bar->setPageStep(size);
}

int Slider::GetPageSize() const
{
    return impl_->bar ? impl_->bar->pageStep() : 0;
}

void Slider::SetLineSize(int size)
{
    if (impl_->bar)
        impl_->bar->setSingleStep(size);
}

int Slider::GetLineSize() const
{
    return impl_->bar ? impl_->bar->singleStep() : 0;
}

void Slider::SetBackgroundColor(COLORREF color)
{
    if (!impl_->bar)
        return;
    impl_->bar->background = ToQColor(color);
    impl_->bar->update();
}

void Slider::SetCursor(Cursor cursor)
{
    if (impl_->bar)
        impl_->bar->setCursor(cursor == Cursor::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Slider::SetScrollHandler(std::function<void(UINT, int)> handler)
{
    if (impl_->bar)
        impl_->bar->scrolled = std::move(handler);
}

void Slider::SetKeyHandler(std::function<bool(UINT)> handler)
{
    if (impl_->bar)
        impl_->bar->keyed = std::move(handler);
}

} // namespace platform
