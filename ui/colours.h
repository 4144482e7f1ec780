#pragma once

#include <QColor>
#include <QPalette>

#include "calculator_form.h"

namespace quendal {

// 0x00BBGGRR to a colour; systemDefaultColour is the dialog face colour of
// the palette in force when drawing.
inline QColor toQColor(Colour colour, const QPalette& palette)
{
    if (colour == systemDefaultColour) {
        return palette.color(QPalette::Window);
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace quendal
