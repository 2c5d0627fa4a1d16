#include "platform/CheckBox.h"

#include "platform/AnsiText.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"

#include <QCheckBox>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <utility>

namespace platform {
namespace {

// A click anywhere on the control toggles it, as on Windows, not only one on
// the box or the caption.
class Box : public QCheckBox {
public:
    Box(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void paintEvent(QPaintEvent* event) override
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        if (rect().contains(indicator)) {
            QCheckBox::paintEvent(event);
            return;
        }
        // A control smaller than the style's box (Windows' box is 13 pixels
        // square): the box shrinks to the control instead of being cut off.
        QPainter painter(this);
        const int side = std::min(width(), height());
        const QStyleOptionButton whole = option;
        option.rect = QRect(0, (height() - side) / 2, side, side);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
        if (!text().isEmpty()) {
            option.rect = whole.rect.adjusted(
                side + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &whole, this), 0, 0, 0);
            style()->drawControl(QStyle::CE_CheckBoxLabel, &option, &painter, this);
        }
    }
};

} // namespace

struct CheckBox::Impl {
    QPointer<QCheckBox> box; // owned by the parent widget
    std::function<void()> clicked;
};

CheckBox::CheckBox(Window* parent, const std::string& caption) : impl_(std::make_unique<Impl>())
{
    auto* box = new Box(FromAnsi(caption), parent->Widget());
    impl_->box = box;
    box->setGeometry(0, 0, 0, 0);
    // Qt's clicked comes from the user only (or click()), after the toggle;
    // setChecked does not raise it.
    Impl* impl = impl_.get();
    QObject::connect(box, &QCheckBox::clicked, box, [impl] {
        if (impl->clicked)
            impl->clicked();
    });
    box->show();
}

CheckBox::~CheckBox()
{
    delete impl_->box.data();
}

QWidget* CheckBox::Widget() const
{
    return impl_->box;
}

void CheckBox::SetCheck(bool checked)
{
    if (impl_->box)
        impl_->box->setChecked(checked);
}

bool CheckBox::GetCheck() const
{
    return impl_->box && impl_->box->isChecked();
}

void CheckBox::SetWindowText(const std::string& caption)
{
    if (impl_->box)
        impl_->box->setText(FromAnsi(caption));
}

std::string CheckBox::GetWindowText() const
{
    return impl_->box ? ToAnsi(impl_->box->text()) : std::string();
}

void CheckBox::SetFont(const Font& font)
{
    if (impl_->box)
        impl_->box->setFont(ToQFont(font));
}

void CheckBox::SetClickHandler(std::function<void()> handler)
{
    impl_->clicked = std::move(handler);
}

} // namespace platform
