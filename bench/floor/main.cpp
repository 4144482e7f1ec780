// The same kinds of controls as the calculator at about the same places,
// with nothing behind them: what any Qt Widgets window of this size costs.
#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

namespace {

QLabel* addLabel(const QString& text, QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QDateEdit* addDateEdit(QRect geometry, QWidget* parent)
{
    auto* edit = new QDateEdit(QDate::currentDate(), parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    edit->setGeometry(geometry);
    return edit;
}

QLineEdit* addLineEdit(const QString& text, int pixelSize, QRect geometry, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    QFont font = edit->font();
    font.setPixelSize(pixelSize);
    edit->setFont(font);
    edit->setAlignment(Qt::AlignCenter);
    edit->setReadOnly(true);
    edit->setGeometry(geometry);
    return edit;
}

// One tick: two pixels to the left, back to the right edge once the whole
// label has left on the left.
void moveBanner(QLabel* banner)
{
    const int left = banner->x() - 2;
    banner->move(left + banner->width() <= -1 ? 471 : left, banner->y());
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(12);
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("QuendalFloor1.0-By:Qorv kelm31"));
    // 471 x 276 outside, less a 3-pixel border and a 23-pixel caption.
    window.setFixedSize(465, 247);

    addLabel(QStringLiteral("开工日期："), QRect(24, 16, 64, 24), &window);
    addDateEdit(QRect(96, 14, 120, 32), &window);
    addLabel(QStringLiteral("竣工日期："), QRect(24, 69, 64, 24), &window);
    addDateEdit(QRect(96, 67, 120, 32), &window);
    addLabel(QStringLiteral("工期天数："), QRect(240, 16, 64, 24), &window);
    addLineEdit(QStringLiteral("30"), 29, QRect(312, 9, 120, 40), &window);
    addLabel(QStringLiteral("天"), QRect(440, 16, 24, 24), &window);
    addLabel(QStringLiteral("间隔天数："), QRect(240, 69, 64, 24), &window);
    addLineEdit(QStringLiteral("29"), 21, QRect(312, 62, 120, 40), &window);
    addLabel(QStringLiteral("天"), QRect(440, 69, 24, 24), &window);

    auto* group = new QGroupBox(QStringLiteral("计算规则"), &window);
    group->setGeometry(24, 107, 416, 107);
    const QString rules[] = {
        QStringLiteral("已知开、竣工日期，计算工期及间隔天数"),
        QStringLiteral("已知开工日期及工期天数，计算竣工日期及间隔天数"),
        QStringLiteral("已知竣工日期及工期天数，计算开工日期及间隔天数"),
    };
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(rules[i], group);
        button->setGeometry(24, 21 + 27 * i, 328, 24);
        button->setChecked(i == 0);
    }

    QLabel* banner = addLabel(QStringLiteral("修改开、竣工日期可计算工期及间隔天数"),
                              QRect(471, 216, 216, 24), &window);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, banner, [banner] { moveBanner(banner); });
    timer.start(100);

    QShortcut escape(Qt::Key_Escape, &window);
    QObject::connect(&escape, &QShortcut::activated, &window, &QWidget::close);

    window.show();
    return QApplication::exec();
}
