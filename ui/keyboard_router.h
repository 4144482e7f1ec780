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
    KeyboardRouter(QWidget* window, std::vector<QWidget*> focusCycle, std::vector<QRadioButton*> ruleButtons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QWidget* target, const QKeyEvent& key);
    // Follows the cycle from the focused control, skipping hidden and
    // disabled ones.
    void moveFocus(bool forward);
    void stepRule(QRadioButton* from, bool forward);

    QWidget* window_;
    std::vector<QWidget*> focusCycle_;
    std::vector<QRadioButton*> ruleButtons_;
};

}  // namespace quendal
