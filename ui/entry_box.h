#pragma once

#include <QLineEdit>
#include <functional>

#include "calculator_form.h"

namespace quendal {

// A single-line entry box as the calculator relies on it:
// - every program write of the text raises onTextChanged exactly once,
//   inside the write, and leaves the caret at the start;
// - every user edit raises it once (Qt's own textChanged is never used);
// - onKeyDown runs before the box sees a key;
// - read-only mode still takes the focus, shows the caret, selects and copies;
// - integer mode lets typed characters through only if they are digits or
//   "-", leaves pastes alone and cleans the text when the focus leaves.
class EntryBox final : public QLineEdit {
public:
    EntryBox(int pixelHeight, QColor textColour, QWidget* parent);

    void writeText(const QString& text);
    void setInputMode(InputMode mode);
    InputMode inputMode() const { return mode_; }
    void setBackgroundColour(Colour colour);
    void setSelectionStart(int start);
    void setSelectionLength(int length);

    std::function<void()> onTextChanged;
    std::function<void(std::int32_t keyCode, std::int32_t shiftState)> onKeyDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void raiseTextChanged();
    void applyLook();
    bool editable() const { return mode_ != InputMode::readOnly; }
    bool readOnlyAllows(const QKeyEvent& event) const;
    void normaliseInteger();

    InputMode mode_ = InputMode::readOnly;
    Colour background_ = systemDefaultColour;
    QColor textColour_;
};

}  // namespace quendal
