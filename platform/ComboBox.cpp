#include "platform/ComboBox.h"

#include "platform/AnsiText.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>
#include <QWheelEvent>
#include <utility>

namespace platform {
namespace {

// The QComboBox, editable, with Windows' idea of the current selection and
// the owner's hooks. Qt keeps a current index while the user types; here
// typing leaves no item selected, so the box keeps its own selection.
class Combo : public QComboBox {
public:
    explicit Combo(QWidget* parent) : QComboBox(parent)
    {
        setEditable(true);
        // Typed text is never added to the list nor completed from it.
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    }

    std::function<void()> selChanged;
    std::function<void()> editChanged;
    int selection = -1;
    int limit = -1;
    qsizetype lastLength = 0;  // length after the latest change
    bool programmatic = false; // inside the program's own changes: no limit applies

    // Selects `index` (or none) and shows its text, as the program does.
    void Select(int index)
    {
        const bool was = std::exchange(programmatic, true);
        selection = index >= 0 && index < count() ? index : -1;
        setCurrentIndex(selection);
        programmatic = was;
    }

    // The user chose item `index`.
    void Chosen(int index)
    {
        selection = index;
        if (selChanged)
            selChanged();
    }

    // Drops every hook (the owner is going away).
    void Detach()
    {
        selChanged = nullptr;
        editChanged = nullptr;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter is the window's, as in a dialog; it does not pick the
            // item whose text was typed.
            event->ignore();
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
                break; // Alt+Down opens the list
            Step(event->key() == Qt::Key_Down || event->key() == Qt::Key_PageDown ? 1 : -1);
            event->accept();
            return;
        default:
            break;
        }
        QComboBox::keyPressEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override
    {
        const int delta = event->angleDelta().y();
        if (delta != 0)
            Step(delta < 0 ? 1 : -1);
        event->accept();
    }

private:
    // The arrow keys and the wheel choose the next or previous item from the
    // current selection; with none selected, Down chooses the first item.
    void Step(int step)
    {
        const int next = selection < 0 ? (step > 0 ? 0 : -1) : selection + step;
        if (next < 0 || next >= count() || next == selection)
            return;
        Select(next);
        Chosen(next);
    }
};

// Refuses typing that makes the text longer than the limit, unless it was
// already that long.
class Limiter : public QValidator {
public:
    explicit Limiter(Combo* combo) : QValidator(combo), combo_(combo) {}
    State validate(QString& input, int&) const override
    {
        if (combo_->programmatic || combo_->limit < 0 || input.size() <= combo_->limit ||
            input.size() <= combo_->lastLength)
            return Acceptable;
        return Invalid;
    }

private:
    Combo* combo_;
};

} // namespace

struct ComboBox::Impl {
    QPointer<Combo> combo; // owned by the parent widget
};

ComboBox::ComboBox(Window* parent) : impl_(std::make_unique<Impl>())
{
    auto* combo = new Combo(parent->Widget());
    impl_->combo = combo;
    combo->setGeometry(0, 0, 0, 0);
    QLineEdit* edit = combo->lineEdit();
    edit->setValidator(new Limiter(combo));
    QObject::connect(edit, &QLineEdit::textChanged, combo,
                     [combo](const QString& text) { combo->lastLength = text.size(); });
    // textEdited comes from the user's typing only, never from setText.
    QObject::connect(edit, &QLineEdit::textEdited, combo, [combo] {
        combo->selection = -1;
        if (combo->editChanged)
            combo->editChanged();
    });
    // activated comes from the user's choice in the list only.
    QObject::connect(combo, &QComboBox::activated, combo, [combo](int index) { combo->Chosen(index); });
    combo->show();
}

ComboBox::~ComboBox()
{
    if (Combo* combo = impl_->combo) {
        combo->Detach();
        delete combo;
    }
}

QWidget* ComboBox::Widget() const
{
    return impl_->combo;
}

int ComboBox::AddString(const std::string& text)
{
    Combo* combo = impl_->combo;
    if (!combo)
        return -1;
    // Adding to an empty box would make Qt select the new item.
    const bool was = std::exchange(combo->programmatic, true);
    const QString shown = combo->currentText();
    combo->addItem(FromAnsi(text));
    if (combo->selection < 0) {
        combo->setCurrentIndex(-1);
        combo->setEditText(shown);
    }
    combo->programmatic = was;
    return combo->count() - 1;
}

int ComboBox::GetCount() const
{
    return impl_->combo ? impl_->combo->count() : 0;
}

std::string ComboBox::GetItemText(int index) const
{
    return impl_->combo ? ToAnsi(impl_->combo->itemText(index)) : std::string();
}

int ComboBox::GetCurSel() const
{
    return impl_->combo ? impl_->combo->selection : -1;
}

void ComboBox::SetCurSel(int index)
{
    if (impl_->combo)
        impl_->combo->Select(index);
}

std::string ComboBox::GetText() const
{
    return impl_->combo ? ToAnsi(impl_->combo->currentText()) : std::string();
}

void ComboBox::SetText(const std::string& text)
{
    Combo* combo = impl_->combo;
    if (!combo)
        return;
    combo->Select(-1);
    const bool was = std::exchange(combo->programmatic, true);
    combo->setEditText(FromAnsi(text));
    combo->programmatic = was;
}

void ComboBox::SetLimitText(int limit)
{
    if (impl_->combo)
        impl_->combo->limit = limit;
}

int ComboBox::GetLimitText() const
{
    return impl_->combo ? impl_->combo->limit : -1;
}

void ComboBox::SetFont(const Font& font)
{
    if (impl_->combo)
        impl_->combo->setFont(ToQFont(font));
}

void ComboBox::ShowDropDown(bool show)
{
    Combo* combo = impl_->combo;
    if (!combo)
        return;
    if (show)
        combo->showPopup();
    else
        combo->hidePopup();
}

bool ComboBox::IsDropped() const
{
    return impl_->combo && impl_->combo->view()->isVisible();
}

void ComboBox::SetSelChangeHandler(std::function<void()> handler)
{
    if (impl_->combo)
        impl_->combo->selChanged = std::move(handler);
}

void ComboBox::SetEditChangeHandler(std::function<void()> handler)
{
    if (impl_->combo)
        impl_->combo->editChanged = std::move(handler);
}

} // namespace platform
