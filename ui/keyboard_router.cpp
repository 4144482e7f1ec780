#include "keyboard_router.h"

#include <QKeyEvent>
#include <algorithm>

namespace quendal {

namespace {

bool takesPart(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled();
}

// The element after (or before) current in a cyclic list, skipping those
// that cannot take part; current itself if nothing else can.
template <class T> T* neighbour(const std::vector<T*>& cycle, const QWidget* current, bool forward)
{
    const auto found = std::find(cycle.begin(), cycle.end(), current);
    const std::size_t count = cycle.size();
    std::size_t index =
        found == cycle.end() ? (forward ? count - 1 : 0) : static_cast<std::size_t>(found - cycle.begin());
    for (std::size_t step = 0; step < count; ++step) {
        index = forward ? (index + 1) % count : (index + count - 1) % count;
        if (takesPart(cycle[index])) {
            return cycle[index];
        }
    }
    return nullptr;
}

}  // namespace

KeyboardRouter::KeyboardRouter(QWidget* window, std::vector<QWidget*> focusCycle,
                               std::vector<QRadioButton*> ruleButtons)
    : QObject(window), window_(window), focusCycle_(std::move(focusCycle)),
      ruleButtons_(std::move(ruleButtons))
{
    window_->installEventFilter(this);
    for (QWidget* control : focusCycle_) {
        control->installEventFilter(this);
    }
}

void KeyboardRouter::moveFocus(bool forward)
{
    if (QWidget* next = neighbour(focusCycle_, window_->focusWidget(), forward)) {
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
}

bool KeyboardRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep Esc and Tab from being claimed as shortcuts by a control.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        return handleKey(static_cast<QWidget*>(watched), *static_cast<QKeyEvent*>(event));
    }
    return false;
}

bool KeyboardRouter::handleKey(QWidget* target, const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    switch (key.key()) {
    case Qt::Key_Escape:
        if (modifiers == Qt::NoModifier) {
            window_->close();
            return true;
        }
        return false;
    case Qt::Key_Tab:
        if (modifiers == Qt::NoModifier) {
            moveFocus(true);
            return true;
        }
        return false;
    case Qt::Key_Backtab:
        if (modifiers == Qt::ShiftModifier || modifiers == Qt::NoModifier) {
            moveFocus(false);
            return true;
        }
        return false;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        auto* button = qobject_cast<QRadioButton*>(target);
        if (!button || modifiers != Qt::NoModifier ||
            std::find(ruleButtons_.begin(), ruleButtons_.end(), button) == ruleButtons_.end()) {
            return false;
        }
        stepRule(button, key.key() == Qt::Key_Right || key.key() == Qt::Key_Down);
        return true;
    }
    default:
        return false;
    }
}

void KeyboardRouter::stepRule(QRadioButton* from, bool forward)
{
    QRadioButton* chosen = neighbour(ruleButtons_, from, forward);
    if (!chosen) {
        return;
    }
    for (QRadioButton* each : ruleButtons_) {
        each->setAutoExclusive(false);
        each->setChecked(each == chosen);
        each->setAutoExclusive(true);
    }
    QPointer<QRadioButton> guard(chosen);
    emit chosen->clicked(true);
    if (guard) {
        chosen->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace quendal
