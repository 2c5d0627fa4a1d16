#include "platform/EditControl.h"

#include "platform/AnsiText.h"
#include "platform/KeyMapping.h"
#include "platform/Keys.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QValidator>
#include <utility>

namespace platform {
namespace {

// The QLineEdit with the owner's hooks around its own handling.
class LineEdit : public QLineEdit {
public:
    explicit LineEdit(QWidget* parent) : QLineEdit(parent) {}

    std::function<void()> changed;
    std::function<void()> gained;
    std::function<void()> lost;
    std::function<bool(Point)> clicked;
    std::function<bool(UINT, UINT)> keyed;
    std::function<void(Dc&)> painted;
    int limit = -1;
    qsizetype lastLength = 0;  // length after the latest change
    bool programmatic = false; // inside SetText: no limit applies
    bool fillsParent = false;

    // Drops every hook (the owner is going away).
    void Detach()
    {
        changed = nullptr;
        gained = nullptr;
        lost = nullptr;
        clicked = nullptr;
        keyed = nullptr;
        painted = nullptr;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (fillsParent && watched == parentWidget() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return QLineEdit::eventFilter(watched, event);
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        if (gained)
            gained();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        if (lost)
            lost();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (Swallowed(event))
            return;
        // A hook may have moved the focus elsewhere; a click still focuses
        // the control it lands on.
        if (!hasFocus() && (focusPolicy() & Qt::ClickFocus))
            setFocus(Qt::MouseFocusReason);
        QLineEdit::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (!Swallowed(event))
            QLineEdit::mouseDoubleClickEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const std::string text = ToAnsi(event->text());
        const UINT character = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
        if (keyed && keyed(VirtualKeyOf(event->key()), character)) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
        if (!painted)
            return;
        Dc dc(this);
        dc.SetDeviceClip(event->region());
        painted(dc);
    }

private:
    bool Swallowed(QMouseEvent* event)
    {
        if (event->button() != Qt::LeftButton || !clicked ||
            !clicked(FromQPoint(event->position().toPoint())))
            return false;
        event->accept();
        return true;
    }
};

// Refuses edits that make the text longer than the limit, unless it was
// already that long.
class Limiter : public QValidator {
public:
    explicit Limiter(LineEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int&) const override
    {
        if (edit_->programmatic || edit_->limit < 0 || input.size() <= edit_->limit ||
            input.size() <= edit_->lastLength)
            return Acceptable;
        return Invalid;
    }

private:
    LineEdit* edit_;
};

} // namespace

struct EditControl::Impl {
    QPointer<LineEdit> edit; // owned by the parent widget
};

EditControl::EditControl(Window* parent) : impl_(std::make_unique<Impl>())
{
    auto* edit = new LineEdit(parent->Widget());
    impl_->edit = edit;
    edit->setValidator(new Limiter(edit));
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        edit->lastLength = edit->text().size();
        if (edit->changed)
            edit->changed();
    });
    edit->show();
}

EditControl::~EditControl()
{
    if (LineEdit* edit = impl_->edit) {
        edit->Detach();
        delete edit;
    }
}

QWidget* EditControl::Widget() const
{
    return impl_->edit;
}

void EditControl::SetText(const std::string& text)
{
    LineEdit* edit = impl_->edit;
    if (!edit)
        return;
    const bool wasProgrammatic = std::exchange(edit->programmatic, true);
    edit->setText(FromAnsi(text));
    edit->programmatic = wasProgrammatic;
}

std::string EditControl::GetText() const
{
    return impl_->edit ? ToAnsi(impl_->edit->text()) : std::string();
}

void EditControl::SetLimitText(int limit)
{
    limit_ = limit;
    if (impl_->edit)
        impl_->edit->limit = limit;
}

void EditControl::SetReadOnly(bool readOnly)
{
    if (impl_->edit)
        impl_->edit->setReadOnly(readOnly);
}

bool EditControl::IsReadOnly() const
{
    return impl_->edit && impl_->edit->isReadOnly();
}

void EditControl::SetFont(const Font& font)
{
    if (impl_->edit)
        impl_->edit->setFont(ToQFont(font));
}

void EditControl::SelectAll()
{
    if (impl_->edit)
        impl_->edit->selectAll();
}

void EditControl::SetCaretToEnd()
{
    if (impl_->edit)
        impl_->edit->end(false);
}

std::string EditControl::GetSelectedText() const
{
    return impl_->edit ? ToAnsi(impl_->edit->selectedText()) : std::string();
}

int EditControl::GetCaretPosition() const
{
    return impl_->edit ? impl_->edit->cursorPosition() : 0;
}

void EditControl::FillParent()
{
    LineEdit* edit = impl_->edit;
    if (!edit || !edit->parentWidget())
        return;
    QWidget* parent = edit->parentWidget();
    edit->fillsParent = true;
    edit->setGeometry(parent->rect());
    parent->installEventFilter(edit);
    parent->setFocusProxy(edit);
}

void EditControl::Invalidate()
{
    if (impl_->edit)
        impl_->edit->update();
}

void EditControl::SetChangeHandler(std::function<void()> handler)
{
    if (impl_->edit)
        impl_->edit->changed = std::move(handler);
}

void EditControl::SetFocusHandlers(std::function<void()> gained, std::function<void()> lost)
{
    if (!impl_->edit)
        return;
    impl_->edit->gained = std::move(gained);
    impl_->edit->lost = std::move(lost);
}

void EditControl::SetClickHandler(std::function<bool(Point)> handler)
{
    if (impl_->edit)
        impl_->edit->clicked = std::move(handler);
}

void EditControl::SetKeyHandler(std::function<bool(UINT, UINT)> handler)
{
    if (impl_->edit)
        impl_->edit->keyed = std::move(handler);
}

void EditControl::SetPaintHandler(std::function<void(Dc&)> handler)
{
    if (impl_->edit)
        impl_->edit->painted = std::move(handler);
}

} // namespace platform
