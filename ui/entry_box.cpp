#include "entry_box.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <limits>

#include "colours.h"
#include "entry_rules.h"
#include "key_codes.h"
#include "qt_text.h"

namespace quendal {

namespace {

QString acceptedCharacters(InputMode mode, const QString& typed)
{
    QString kept;
    for (const QChar character : typed) {
        if (acceptsTypedCharacter(mode, character.unicode())) {
            kept.append(character);
        }
    }
    return kept;
}

}  // namespace

EntryBox::EntryBox(int pixelHeight, QColor textColour, QWidget* parent)
    : QLineEdit(parent), textColour_(textColour)
{
    QFont stored = QApplication::font();
    stored.setPixelSize(pixelHeight);
    stored.setWeight(QFont::Normal);
    setFont(stored);
    setAlignment(Qt::AlignCenter);
    setMaxLength(std::numeric_limits<int>::max());
    setAcceptDrops(false);
    setFocusPolicy(Qt::StrongFocus);
    // User edits only; program writes raise the event themselves.
    connect(this, &QLineEdit::textEdited, this, [this] { raiseTextChanged(); });
    applyLook();
}

void EntryBox::writeText(const QString& text)
{
    setText(text);
    deselect();
    setCursorPosition(0);
    raiseTextChanged();
}

void EntryBox::setInputMode(InputMode mode)
{
    mode_ = mode;
    update();
}

void EntryBox::setBackgroundColour(Colour colour)
{
    background_ = colour;
    applyLook();
}

void EntryBox::setSelectionStart(int start)
{
    if (start == -1) {
        deselect();
        setCursorPosition(static_cast<int>(text().size()));
    }
}

void EntryBox::setSelectionLength(int length)
{
    if (length == -1) {
        selectAll();
    }
}

void EntryBox::raiseTextChanged()
{
    if (onTextChanged) {
        onTextChanged();
    }
}

void EntryBox::applyLook()
{
    // A flat one-pixel border; the background fills the whole box in every
    // mode, and the face colour is looked up from the palette when drawing.
    const QString fill = background_ == systemDefaultColour ? QStringLiteral("palette(window)")
                                                            : toQColor(background_, palette()).name();
    // Without the focus the selection is kept but not shown.
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(dark); background: %1; color: %2; }"
                                 "QLineEdit:!focus { selection-background-color: %1; selection-color: %2; }")
                      .arg(fill, textColour_.name()));
}

bool EntryBox::readOnlyAllows(const QKeyEvent& event) const
{
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::SelectAll)) {
        return true;
    }
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

void EntryBox::keyPressEvent(QKeyEvent* event)
{
    if (onKeyDown) {
        onKeyDown(windowsKeyCode(event->key()), shiftStateOf(*event));
    }
    if (!editable()) {
        if (readOnlyAllows(*event)) {
            QLineEdit::keyPressEvent(event);
        } else {
            event->ignore();
        }
        return;
    }
    // With Ctrl, Alt or Meta held a key is a command (paste, undo), not a
    // typed character.
    const bool command =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    const QString typed = event->text();
    if (!command && !typed.isEmpty() && typed.at(0).unicode() >= 32) {
        const QString kept = acceptedCharacters(mode_, typed);
        if (kept.isEmpty()) {
            event->accept();
            return;
        }
        if (kept != typed) {
            QKeyEvent filtered(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                               static_cast<quint16>(kept.size()));
            QLineEdit::keyPressEvent(&filtered);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// Input methods commit whole strings: they are typed characters too.
void EntryBox::inputMethodEvent(QInputMethodEvent* event)
{
    if (!editable()) {
        event->accept();
        return;
    }
    const QString kept = acceptedCharacters(mode_, event->commitString());
    if (kept != event->commitString()) {
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&filtered);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void EntryBox::focusOutEvent(QFocusEvent* event)
{
    // A context menu borrows the focus without the user leaving the box.
    if (mode_ == InputMode::integerEntry && event->reason() != Qt::PopupFocusReason) {
        normaliseInteger();
    }
    QLineEdit::focusOutEvent(event);
}

void EntryBox::normaliseInteger()
{
    const QString cleaned = toQString(normalisedIntegerText(toText(text())));
    if (cleaned == text()) {
        return;
    }
    const int remembered = hasSelectedText() ? selectionStart() : cursorPosition();
    writeText(cleaned);
    setCursorPosition(remembered);
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event)
{
    // X11 pastes the primary selection on a middle click.
    if (!editable() && event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (!editable()) {
        // Only what leaves the text alone: copy and select all.
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (name != QStringLiteral("edit-copy") && name != QStringLiteral("select-all") &&
                !action->isSeparator()) {
                action->setEnabled(false);
            }
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace quendal
