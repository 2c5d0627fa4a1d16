#include "platform/Window.h"

#include "platform/AnsiText.h"
#include "platform/DisplayScale.h"
#include "platform/KeyMapping.h"
#include "platform/Keys.h"
#include "platform/QtBridge.h"
#include "platform/WindowWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>
#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>
#include <utility>
#include <vector>

namespace platform {
namespace {

constexpr UINT kShortestTimerMs = 10;

UINT MouseFlags(const QMouseEvent* event)
{
    UINT flags = 0;
    if (event->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    return flags;
}

Point Position(const QMouseEvent* event)
{
    return FromQPoint(event->position().toPoint());
}

} // namespace

// --- MessageEvent / WindowWidget ---------------------------------------------

QEvent::Type MessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

WindowWidget::WindowWidget(Window* owner, QWidget* parent) : QWidget(parent), owner_(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    hide();
    if (!parent) {
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (owner_)
                owner_->OnActivateApp(state == Qt::ApplicationActive);
        });
    }
}

WindowWidget::~WindowWidget()
{
    if (owner_)
        owner_->widget_ = nullptr;
}

Window* WindowWidget::OwnerOf(const QWidget* widget)
{
    const auto* w = dynamic_cast<const WindowWidget*>(widget);
    return w ? w->owner_ : nullptr;
}

void WindowWidget::MarkInvalid(const QRegion& region, bool erase)
{
    invalid_ += region;
    erase_ = erase_ || erase;
    update(region);
}

void WindowWidget::PaintInvalidArea()
{
    if (invalid_.isEmpty() || !owner_)
        return;
    const QRegion region = std::exchange(invalid_, QRegion());
    const bool erase = std::exchange(erase_, false);
    Window* owner = owner_;
    owner->BeginRepaintNotes(FromQRect(region.boundingRect()));
    {
        Dc dc(&Backing());
        dc.SetOwnerName(owner->DescribeWindow());
        dc.AttachWindow(owner);
        dc.SetDeviceClip(region);
        if (erase)
            owner->OnEraseBackground(dc);
        owner->OnPaint(dc);
    }
    // The paint may have ended the window.
    if (owner_) {
        owner->EndRepaintNotes();
        owner->NameFieldsByLabels();
    }
}

bool WindowWidget::event(QEvent* event)
{
    if (event->type() == MessageEvent::EventType()) {
        const auto* m = static_cast<MessageEvent*>(event);
        if (owner_)
            owner_->WindowProc(m->message, m->wParam, m->lParam);
        return true;
    }
    if (event->type() == QEvent::Show)
        MarkInvalid(rect(), true);
    // A window the program hides is drawn whole when it shows again: its
    // pixels are not kept meanwhile. (A window hidden by the desktop, as
    // when minimised, keeps them, and so does one still being drawn on.)
    if (event->type() == QEvent::Hide && !event->spontaneous() && !backing_.paintingActive())
        backing_ = QImage();
    return QWidget::event(event);
}

void WindowWidget::paintEvent(QPaintEvent* event)
{
    PaintInvalidArea();
    QPainter painter(this);
    // The backing image holds the screen's pixels: the source is the same
    // area in them, so the copy is one to one.
    const QImage& backing = Backing();
    const QRect area = event->rect();
    const qreal scale = backing.devicePixelRatio();
    painter.drawImage(
        QRectF(area), backing,
        QRectF(area.x() * scale, area.y() * scale, area.width() * scale, area.height() * scale));
}

QImage& WindowWidget::Backing()
{
    if (backing_.isNull())
        backing_ = NewBacking(QImage());
    return backing_;
}

// At the screen's resolution, so that what the window draws stays sharp at
// any display scale; the window still draws in its own pixels.
QImage WindowWidget::NewBacking(const QImage& keep) const
{
    const int scale = DisplayScale();
    QImage backing(size() * scale, QImage::Format_RGB32);
    backing.setDevicePixelRatio(scale);
    backing.fill(Qt::white);
    if (!keep.isNull()) {
        QPainter painter(&backing);
        painter.drawImage(0, 0, keep);
    }
    return backing;
}

void WindowWidget::resizeEvent(QResizeEvent*)
{
    // A window is told its size again when first shown: a backing of that
    // size already is kept as it is.
    if (!backing_.isNull() && backing_.size() != size() * DisplayScale())
        backing_ = NewBacking(backing_);
    MarkInvalid(rect(), true);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (owner_)
        owner_->OnMouseMove(MouseFlags(event), Position(event));
}

void WindowWidget::mousePressEvent(QMouseEvent* event)
{
    if (!owner_)
        return;
    if (event->button() == Qt::LeftButton)
        owner_->OnLButtonDown(MouseFlags(event), Position(event));
    else if (event->button() == Qt::RightButton)
        owner_->OnRButtonDown(MouseFlags(event), Position(event));
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (owner_ && event->button() == Qt::LeftButton)
        owner_->OnLButtonUp(MouseFlags(event), Position(event));
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!owner_)
        return;
    if (event->button() == Qt::LeftButton)
        owner_->OnLButtonDblClk(MouseFlags(event), Position(event));
    else if (event->button() == Qt::RightButton)
        owner_->OnRButtonDown(MouseFlags(event), Position(event));
}

void WindowWidget::keyPressEvent(QKeyEvent* event)
{
    if (!owner_)
        return;
    if (const UINT key = VirtualKeyOf(event->key()))
        owner_->OnKeyDown(key);
    const std::string text = ToAnsi(event->text());
    if (!owner_)
        return;
    for (char c : text)
        owner_->OnChar(static_cast<unsigned char>(c));
}

void WindowWidget::timerEvent(QTimerEvent* event)
{
    if (!owner_)
        return;
    for (const auto& [id, timer] : owner_->timers_) {
        if (timer.qtId == event->timerId()) {
            owner_->OnTimer(id);
            return;
        }
    }
}

void WindowWidget::focusInEvent(QFocusEvent*)
{
    if (owner_)
        owner_->OnSetFocus();
}

void WindowWidget::focusOutEvent(QFocusEvent*)
{
    if (owner_)
        owner_->OnKillFocus();
}

void WindowWidget::moveEvent(QMoveEvent*)
{
    if (owner_ && isWindow())
        owner_->OnMove();
}

void WindowWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && owner_) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool was = change->oldState() & Qt::WindowMinimized;
        const bool is = windowState() & Qt::WindowMinimized;
        if (is && !was)
            owner_->OnSysCommand(SC_MINIMIZE);
        else if (was && !is)
            owner_->OnSysCommand(SC_RESTORE);
    }
    QWidget::changeEvent(event);
}

bool WindowWidget::focusNextPrevChild(bool next)
{
    // Being hidden with the focus inside: Qt passes the focus on as usual.
    if (!isVisible())
        return QWidget::focusNextPrevChild(next);
    // A window that holds the focus itself (the main window under the exit
    // screen or the top-ten list) has no control to move to. (A window whose
    // focus goes on to its edit control does not hold it itself.)
    if (QApplication::focusWidget() == this)
        return true;
    if (!tabScope_)
        return QWidget::focusNextPrevChild(next);
    // The controls of this window that Tab may reach, in focus order; a
    // part that hands its focus to another (the typing line of a drop-down
    // box) is not one of its own.
    std::vector<QWidget*> stops;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy())
            stops.push_back(w);
    }
    if (stops.empty())
        return true;
    QWidget* current = QApplication::focusWidget();
    const auto at = std::find(stops.begin(), stops.end(), current);
    size_t index = 0;
    if (at != stops.end()) {
        const size_t here = static_cast<size_t>(at - stops.begin());
        index = next ? (here + 1) % stops.size() : (here + stops.size() - 1) % stops.size();
    } else if (!next) {
        index = stops.size() - 1;
    }
    stops[index]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    if (closing_ || !owner_) {
        event->accept();
        return;
    }
    event->ignore();
    owner_->SendMessage(WM_CLOSE);
    // The handler may have decided to close after all.
    if (closing_)
        event->accept();
}

// --- Window ----------------------------------------------------------------

Window::Window(Window* parent)
    : widget_(new WindowWidget(this, parent ? parent->Widget() : nullptr)), parent_(parent)
{
}

Window::~Window()
{
    for (const NotedItem& item : items_)
        SetDrawnOn(*item.source, nullptr);
    if (widget_) {
        widget_->Detach();
        delete widget_;
    }
}

QWidget* Window::Widget() const
{
    return widget_;
}

LRESULT Window::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowProc(message, wParam, lParam);
}

void Window::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (widget_)
        QCoreApplication::postEvent(widget_, new MessageEvent(message, wParam, lParam));
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(message, wParam, lParam);
}

LRESULT Window::DefWindowProc(UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND)
        return OnCommand(static_cast<UINT>(wParam & 0xFFFF)) ? 1 : 0;
    if (message == WM_CLOSE)
        OnClose();
    return 0;
}

bool Window::OnCommand(UINT)
{
    return false;
}
void Window::OnPaint(Dc&) {}

bool Window::OnEraseBackground(Dc& dc)
{
    dc.FillSolidRect(GetClientRect(), RGB(255, 255, 255));
    return true;
}

void Window::OnMouseMove(UINT, Point) {}
void Window::OnLButtonDown(UINT, Point) {}
void Window::OnLButtonUp(UINT, Point) {}
void Window::OnLButtonDblClk(UINT, Point) {}
void Window::OnRButtonDown(UINT, Point) {}
void Window::OnKeyDown(UINT) {}
void Window::OnChar(UINT) {}
void Window::OnTimer(UINT) {}
void Window::OnShowWindow(bool) {}
void Window::OnSetFocus() {}
void Window::OnKillFocus() {}
void Window::OnMove() {}
void Window::OnActivateApp(bool) {}
void Window::OnSysCommand(UINT) {}
void Window::OnClose()
{
    DestroyWindow();
}

void Window::DestroyWindow()
{
    if (!widget_)
        return;
    widget_->AllowClose();
    widget_->close();
}

void Window::ShowWindow(int command)
{
    if (!widget_)
        return;
    if (command == SW_HIDE) {
        if (!widget_->isHidden()) {
            OnShowWindow(false);
            widget_->hide();
        }
        return;
    }
    if (widget_->isHidden())
        OnShowWindow(true);
    if (command == SW_RESTORE && widget_->isWindow())
        widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
    widget_->show();
}

bool Window::IsWindowVisible() const
{
    return widget_ && widget_->isVisible();
}

bool Window::HoldsPixels() const
{
    return widget_ && widget_->HoldsPixels();
}

void Window::MoveWindow(int x, int y, int width, int height)
{
    if (!widget_)
        return;
    if (widget_->isWindow())
        widget_->move(x, y);
    else
        widget_->setGeometry(x, y, width, height);
    widget_->resize(width, height);
}

void Window::MoveWindow(const Rect& rect)
{
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height());
}

Rect Window::GetClientRect() const
{
    return widget_ ? Rect{0, 0, widget_->width(), widget_->height()} : Rect{};
}

Rect Window::GetWindowRect() const
{
    return widget_ ? FromQRect(widget_->geometry()) : Rect{};
}

Rect Window::GetFrameRect() const
{
    if (!widget_)
        return {};
    const Point topLeft = ClientToFrame({0, 0});
    return {topLeft.x, topLeft.y, topLeft.x + widget_->width(), topLeft.y + widget_->height()};
}

Point Window::ClientToFrame(Point p) const
{
    if (!widget_)
        return p;
    return FromQPoint(widget_->mapTo(widget_->window(), ToQPoint(p)));
}

void Window::BringToTop()
{
    if (!widget_)
        return;
    widget_->raise();
    if (widget_->isWindow())
        widget_->activateWindow();
}

void Window::CenterOnScreen()
{
    if (!widget_ || !widget_->isWindow())
        return;
    const QScreen* screen = widget_->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect frame = widget_->frameGeometry();
    widget_->move(area.x() + (area.width() - frame.width()) / 2,
                  area.y() + (area.height() - frame.height()) / 2);
}

void Window::SetAccessibleName(const std::string& name)
{
    if (widget_)
        widget_->setAccessibleName(FromAnsi(name));
}

std::string Window::GetAccessibleName() const
{
    return widget_ ? ToAnsi(widget_->accessibleName()) : std::string();
}

std::vector<AccessibleItem> Window::AccessibleItems() const
{
    std::vector<AccessibleItem> shown;
    for (const NotedItem& noted : items_) {
        AccessibleItem item;
        if (!noted.source->DescribeAccessibleItem(item))
            continue;
        if (item.name.empty())
            item.name = LabelFor(item.rect);
        shown.push_back(std::move(item));
    }
    return shown;
}

std::string Window::LabelFor(const Rect& rect) const
{
    std::vector<DrawnText> drawn;
    drawn.reserve(texts_.size());
    for (const NotedText& t : texts_)
        drawn.push_back(t.drawn);
    return FindLabel(drawn, rect);
}

void Window::NoteAccessibleItem(AccessibleItemSource* item)
{
    if (item->DrawnOn() == this) {
        for (NotedItem& noted : items_) {
            if (noted.source == item)
                noted.current = true;
        }
        return;
    }
    if (item->DrawnOn())
        item->DrawnOn()->ForgetAccessibleItem(item);
    SetDrawnOn(*item, this);
    items_.push_back({item, true});
}

void Window::ForgetAccessibleItem(AccessibleItemSource* item)
{
    std::erase_if(items_, [item](const NotedItem& noted) { return noted.source == item; });
}

void Window::NoteDrawnText(const std::string& text, const Rect& rect)
{
    for (NotedText& t : texts_) {
        if (t.drawn.rect == rect && t.drawn.text == text) {
            t.current = true;
            return;
        }
    }
    texts_.push_back({{text, rect}, true});
}

void Window::BeginRepaintNotes(const Rect& area)
{
    const auto overlaps = [&area](const Rect& r) {
        return r.left < area.right && area.left < r.right && r.top < area.bottom && area.top < r.bottom;
    };
    for (NotedText& t : texts_) {
        if (overlaps(t.drawn.rect))
            t.current = false;
    }
    for (NotedItem& noted : items_) {
        AccessibleItem item;
        if (noted.source->DescribeAccessibleItem(item) && overlaps(item.rect))
            noted.current = false;
    }
}

void Window::EndRepaintNotes()
{
    std::erase_if(texts_, [](const NotedText& t) { return !t.current; });
    // A button the repaint left out (a page that shows it only in some of
    // its modes) is no longer on show.
    std::erase_if(items_, [](const NotedItem& noted) {
        if (noted.current)
            return false;
        SetDrawnOn(*noted.source, nullptr);
        return true;
    });
}

void Window::NameFieldsByLabels()
{
    if (!widget_)
        return;
    // A field is named by the nearest window around it that finds it a
    // label; a name the program gave it itself stays.
    static const char* const kLabelDepth = "fiscovaLabelDepth";
    for (QWidget* field : widget_->findChildren<QWidget*>()) {
        if (field->focusPolicy() == Qt::NoFocus || field->isWindow() || WindowWidget::OwnerOf(field) ||
            !WindowWidget::OwnerOf(field->parentWidget()))
            continue;
        const QVariant given = field->property(kLabelDepth);
        if (!given.isValid() && !field->accessibleName().isEmpty())
            continue;
        int depth = 0;
        for (QWidget* w = field->parentWidget(); w && w != widget_; w = w->parentWidget())
            ++depth;
        if (given.isValid() && given.toInt() < depth)
            continue;
        const QPoint at = field->mapTo(widget_, QPoint(0, 0));
        const std::string label =
            LabelFor({at.x(), at.y(), at.x() + field->width(), at.y() + field->height()});
        if (label.empty())
            continue;
        field->setAccessibleName(FromAnsi(label));
        field->setProperty(kLabelDepth, depth);
    }
}

Window* Window::GetParent() const
{
    return parent_;
}

void Window::SetWindowText(const std::string& text)
{
    if (widget_)
        widget_->setWindowTitle(FromAnsi(text));
}

std::string Window::GetWindowText() const
{
    return widget_ ? ToAnsi(widget_->windowTitle()) : std::string();
}

std::string Window::DescribeWindow() const
{
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status), std::free);
    std::string name = status == 0 && demangled ? demangled.get() : typeid(*this).name();
    const std::string text = GetWindowText();
    return text.empty() ? name : name + " \"" + text + "\"";
}

void Window::SetFixedFrame(bool caption)
{
    if (!widget_ || !widget_->isWindow())
        return;
    const bool wasVisible = widget_->isVisible();
    Qt::WindowFlags flags = Qt::Window;
    if (caption)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    else
        flags |= Qt::FramelessWindowHint;
    widget_->setWindowFlags(flags);
    widget_->setFixedSize(widget_->size());
    if (wasVisible)
        widget_->show();
}

void Window::Invalidate(bool erase)
{
    if (widget_)
        widget_->MarkInvalid(widget_->rect(), erase);
}

void Window::InvalidateRect(const Rect& rect, bool erase)
{
    if (widget_)
        widget_->MarkInvalid(ToQRect(rect), erase);
}

void Window::UpdateWindow()
{
    if (widget_ && widget_->HasInvalidArea() && widget_->isVisible())
        widget_->repaint();
}

void Window::SetTimer(UINT id, UINT periodMs)
{
    if (!widget_)
        return;
    KillTimer(id);
    const UINT period = periodMs == 0 ? kShortestTimerMs : periodMs;
    timers_[id] = {widget_->startTimer(static_cast<int>(period), Qt::PreciseTimer), period};
}

void Window::KillTimer(UINT id)
{
    const auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    if (widget_)
        widget_->killTimer(it->second.qtId);
    timers_.erase(it);
}

bool Window::HasTimer(UINT id) const
{
    return timers_.contains(id);
}

UINT Window::TimerPeriod(UINT id) const
{
    const auto it = timers_.find(id);
    return it == timers_.end() ? 0 : it->second.periodMs;
}

bool FireTimer(Window& window, UINT id)
{
    if (!window.HasTimer(id))
        return false;
    window.OnTimer(id);
    return true;
}

void Window::SetFocus()
{
    if (widget_)
        widget_->setFocus(Qt::OtherFocusReason);
}

void Window::KeepTabWithin()
{
    if (widget_)
        widget_->KeepTabWithin();
}

bool Window::HasFocus() const
{
    return widget_ && widget_->hasFocus();
}

void Window::SetCursor(Cursor cursor)
{
    cursor_ = cursor;
    if (widget_)
        widget_->setCursor(cursor == Cursor::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

Cursor Window::GetCursor() const
{
    return cursor_;
}

void Window::EnableWindow(bool enable)
{
    if (widget_)
        widget_->setEnabled(enable);
}

bool Window::IsWindowEnabled() const
{
    return widget_ && widget_->isEnabled();
}

void Window::Present(const Rect& rect)
{
    if (widget_)
        widget_->update(ToQRect(rect));
}

// --- ClientDc ----------------------------------------------------------------

ClientDc::ClientDc(Window* window)
    : Dc(window->widget_ ? static_cast<QPaintDevice*>(&window->widget_->Backing()) : nullptr), window_(window)
{
    SetOwnerName(window->DescribeWindow());
    AttachWindow(window);
}

ClientDc::~ClientDc()
{
    window_->Present(window_->GetClientRect());
}

} // namespace platform
