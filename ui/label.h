#pragma once

#include <QWidget>
#include <functional>

namespace quendal {

// An opaque one-line caption: fills its whole rectangle, draws the caption
// left-aligned and vertically centred, cut off at its edge, with "&" drawn
// literally. A left-button press is reported before anything else sees it;
// the second press of a double click is not a press.
class Label final : public QWidget {
public:
    Label(const QString& caption, QColor textColour, QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // x, y in the label's own pixels, shiftState 1 Ctrl + 2 Shift + 4 Alt.
    std::function<void(int x, int y, int shiftState)> onLeftButtonDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QColor textColour_;
};

}  // namespace quendal
