#include "key_codes.h"

#include <unordered_map>

namespace quendal {

std::int32_t windowsKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return 48 + (qtKey - Qt::Key_0);
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return 65 + (qtKey - Qt::Key_A);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return 112 + (qtKey - Qt::Key_F1);
    }
    static const std::unordered_map<int, std::int32_t> codes = {
        {Qt::Key_Backspace, 8},
        {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},
        {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},
        {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},
        {Qt::Key_Print, 44},
        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
        {Qt::Key_Meta, 91},
        {Qt::Key_Menu, 93},
        {Qt::Key_NumLock, 144},
        {Qt::Key_ScrollLock, 145},
        // Shifted digits on a US layout.
        {Qt::Key_Exclam, 49},
        {Qt::Key_At, 50},
        {Qt::Key_NumberSign, 51},
        {Qt::Key_Dollar, 52},
        {Qt::Key_Percent, 53},
        {Qt::Key_AsciiCircum, 54},
        {Qt::Key_Ampersand, 55},
        {Qt::Key_Asterisk, 56},
        {Qt::Key_ParenLeft, 57},
        {Qt::Key_ParenRight, 48},
        // Punctuation keys and their shifted symbols.
        {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},
        {Qt::Key_Equal, 187},
        {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188},
        {Qt::Key_Less, 188},
        {Qt::Key_Minus, 189},
        {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190},
        {Qt::Key_Greater, 190},
        {Qt::Key_Slash, 191},
        {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192},
        {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219},
        {Qt::Key_Backslash, 220},
        {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221},
        {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
    };
    const auto found = codes.find(qtKey);
    return found != codes.end() ? found->second : (qtKey & 0xFF);
}

std::int32_t shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ControlModifier) ? 1 : 0) | (modifiers.testFlag(Qt::ShiftModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

std::int32_t shiftStateOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    std::int32_t state = 0;
    if (modifiers.testFlag(Qt::ControlModifier) && key != Qt::Key_Control) {
        state |= 1;
    }
    if (modifiers.testFlag(Qt::ShiftModifier) && key != Qt::Key_Shift) {
        state |= 2;
    }
    if (modifiers.testFlag(Qt::AltModifier) && key != Qt::Key_Alt) {
        state |= 4;
    }
    return state;
}

}  // namespace quendal
