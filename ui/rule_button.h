#pragma once

#include <QRadioButton>

namespace quendal {

// A rule button answers a press anywhere on its strip, not only on its
// mark: its caption is empty and the rule's label covers the middle.
class RuleButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace quendal
