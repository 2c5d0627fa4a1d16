// The Qt widget behind a Window: it owns the backing image, turns Qt events
// into the Window's handlers and delivers posted messages.
#pragma once

#include <QEvent>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include "platform/Types.h"

namespace platform {

class Window;

// A message queued by PostMessage.
class MessageEvent : public QEvent {
public:
    static QEvent::Type EventType();
    MessageEvent(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(EventType()), message(message), wParam(wParam), lParam(lParam)
    {
    }
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class WindowWidget : public QWidget {
public:
    WindowWidget(Window* owner, QWidget* parent);
    ~WindowWidget() override;

    Window* Owner() const { return owner_; }
    void Detach() { owner_ = nullptr; }
    // The window's pixels, made when first needed after the window was
    // hidden by the program.
    QImage& Backing();
    bool HoldsPixels() const { return !backing_.isNull(); }
    void MarkInvalid(const QRegion& region, bool erase);
    bool HasInvalidArea() const { return !invalid_.isEmpty(); }
    // Lets a close request through (after DestroyWindow).
    void AllowClose() { closing_ = true; }
    void KeepTabWithin() { tabScope_ = true; }

    // The Window behind a widget, when it is one.
    static Window* OwnerOf(const QWidget* widget);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void PaintInvalidArea();
    QImage NewBacking(const QImage& keep) const;

    Window* owner_;
    bool tabScope_ = false;
    QImage backing_;
    QRegion invalid_;
    bool erase_ = false;
    bool closing_ = false;
};

} // namespace platform
