#include "label.h"

#include <QMouseEvent>
#include <QPainter>

#include "key_codes.h"

namespace quendal {

Label::Label(const QString& caption, QColor textColour, QWidget* parent)
    : QWidget(parent), caption_(caption), textColour_(textColour)
{
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(caption_);
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_) {
        return;  // the banner rewrites the same caption ten times a second
    }
    caption_ = caption;
    setAccessibleName(caption_);
    update();
}

void Label::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(textColour_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onLeftButtonDown) {
        const QPoint at = event->position().toPoint();
        onLeftButtonDown(at.x(), at.y(), shiftStateOf(event->modifiers()));
    }
    QWidget::mousePressEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    // QWidget would turn the second press into another mousePressEvent.
    event->accept();
}

}  // namespace quendal
