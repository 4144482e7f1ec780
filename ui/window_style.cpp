#include "window_style.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

namespace quendal {

namespace {

class WindowStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        // Qt would show the caret of an unfocused box that has a selection.
        if (hint == SH_BlinkCursorWhenTextSelected && widget && !widget->hasFocus()) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void useWindowLook()
{
    if (!qobject_cast<QProxyStyle*>(QApplication::style())) {
        QApplication::setStyle(new WindowStyle);  // the application takes ownership
    }
    // One family per platform: every family named but not installed costs a
    // fallback search at start-up.
    QFont font = QApplication::font();
#if defined(Q_OS_WIN)
    font.setFamily(QStringLiteral("Microsoft YaHei"));
#else
    font.setFamily(QStringLiteral("WenQuanYi Micro Hei"));
#endif
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    QApplication::setFont(font);
}

}  // namespace quendal
