#pragma once

#include <QObject>
#include <QPointer>
#include <QRadioButton>
#include <QWidget>
#include <vector>

namespace quendal {

// The window's own keys, examined before the focused control sees them:
// Tab and Shift+Tab walk the fixed focus cycle (all three rule buttons
// included, a date box left at once), Esc closes the window, and the arrow
// keys on a rule button move to the previous or next rule button of the
// cycle, check it, click it and give it the focus.
class KeyboardRouter final : public QObject {
public:
    KeyboardRouter(QWidget* window, std::vector<QWidget*> focusCycle,
                   std::vector<QRadioButton*> ruleButtons);

    // Follows the cycle from the focused control; false if no control of
    // the cycle can take the focus.
    bool moveFocus(bool forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QWidget* target, const QKeyEvent& key);
    void stepRule(QRadioButton* from, bool forward);

    QWidget* window_;
    std::vector<QWidget*> focusCycle_;
    std::vector<QRadioButton*> ruleButtons_;
};

}  // namespace quendal
