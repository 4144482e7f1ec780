#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "entry_box.h"
#include "window_fixture.h"

namespace quendal::testing {

// An entry box alone in a window, with its events recorded.
class EntryBoxTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> host;
    EntryBox* box = nullptr;
    QLineEdit* neighbour = nullptr;
    int changes = 0;
    std::vector<std::pair<int, int>> keys;

    void useMode(InputMode mode)
    {
        box->setInputMode(mode);
        box->setFocus();
        changes = 0;
        keys.clear();
    }

private slots:
    void init()
    {
        useWindowLook();
        host = std::make_unique<QWidget>();
        box = new EntryBox(29, Qt::red, host.get());
        box->setGeometry(10, 10, 120, 40);
        neighbour = new QLineEdit(host.get());
        neighbour->setGeometry(10, 60, 120, 30);
        changes = 0;
        keys.clear();
        box->onTextChanged = [this] { ++changes; };
        box->onKeyDown = [this](std::int32_t code, std::int32_t shift) { keys.emplace_back(code, shift); };
        host->show();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
    }

    void cleanup() { host.reset(); }

    void writeRaisesOnceAndPutsTheCaretAtTheStart()
    {
        box->writeText(QStringLiteral("45"));
        QCOMPARE(changes, 1);
        QCOMPARE(box->cursorPosition(), 0);
        box->setSelectionLength(-1);
        box->writeText(QStringLiteral("45"));  // the same text still raises
        QCOMPARE(changes, 2);
        QCOMPARE(box->cursorPosition(), 0);
        QVERIFY(!box->hasSelectedText());
        box->writeText(QString());
        box->writeText(QString());  // "" on an empty box too
        QCOMPARE(changes, 4);
    }

    void writeRaisesInsideTheWrite()
    {
        int nestedText = -1;
        box->onTextChanged = [this, &nestedText] { nestedText = box->text().toInt(); };
        box->writeText(QStringLiteral("17"));
        QCOMPARE(nestedText, 17);
    }

    void writeScrollsALongTextToItsStart()
    {
        const QString digits(500, QLatin1Char('9'));
        box->writeText(QStringLiteral("1") + digits);
        QCOMPARE(box->cursorPosition(), 0);
        QVERIFY(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < box->width() / 2);
    }

    void eachUserEditRaisesOnce()
    {
        useMode(InputMode::integerEntry);
        type(QStringLiteral("45"));
        QCOMPARE(changes, 2);
        press(Qt::Key_Backspace);
        QCOMPARE(changes, 3);
        press(Qt::Key_Z, Qt::ControlModifier);  // undo
        QCOMPARE(box->text(), QStringLiteral("45"));
        QCOMPARE(changes, 4);
        box->selectAll();
        press(Qt::Key_X, Qt::ControlModifier);  // cut
        QCOMPARE(box->text(), QString());
        QCOMPARE(changes, 5);
        press(Qt::Key_V, Qt::ControlModifier);  // paste
        QCOMPARE(box->text(), QStringLiteral("45"));
        QCOMPARE(changes, 6);
    }

    void hasNoLengthLimit()
    {
        useMode(InputMode::integerEntry);
        const QString longText(40000, QLatin1Char('7'));
        QGuiApplication::clipboard()->setText(longText);
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text().size(), longText.size());
    }

    void integerModeFiltersTypedCharactersOnly()
    {
        useMode(InputMode::integerEntry);
        type(QStringLiteral("4a5"));
        QCOMPARE(box->text(), QStringLiteral("45"));
        QCOMPARE(changes, 2);  // the refused 'a' raised nothing
        box->setCursorPosition(1);
        type(QStringLiteral("-"));
        QCOMPARE(box->text(), QStringLiteral("4-5"));
        box->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("12ab"));
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("12ab"));
    }

    void integerModeFiltersInputMethodCommits()
    {
        useMode(InputMode::integerEntry);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("４5期-"));
        QCoreApplication::sendEvent(box, &commit);
        QCOMPARE(box->text(), QStringLiteral("5-"));
    }

    void readOnlyModeKeepsTheTextButTakesFocusSelectsAndCopies()
    {
        box->writeText(QStringLiteral("30"));
        useMode(InputMode::readOnly);
        QVERIFY(box->hasFocus());
        type(QStringLiteral("5"));
        press(Qt::Key_Backspace);
        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        press(Qt::Key_V, Qt::ControlModifier);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("7"));
        QCoreApplication::sendEvent(box, &commit);
        QCOMPARE(box->text(), QStringLiteral("30"));
        QCOMPARE(changes, 0);
        QCOMPARE(keys.front(), std::make_pair(53, 0));  // keyDown still raised
        press(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("30"));
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("30"));
        press(Qt::Key_Home);
        QCOMPARE(box->cursorPosition(), 0);
        box->writeText(QStringLiteral("31"));  // program writes still work
        QCOMPARE(box->text(), QStringLiteral("31"));
        QCOMPARE(changes, 1);
    }

    void normalisesWhenTheFocusLeaves_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cleaned");
        QTest::addColumn<int>("events");
        QTest::newRow("leading zeros") << QStringLiteral("007") << QStringLiteral("7") << 1;
        QTest::newRow("trailing minus") << QStringLiteral("45-") << QStringLiteral("45") << 1;
        QTest::newRow("zero") << QStringLiteral("0") << QString() << 1;
        QTest::newRow("letters") << QStringLiteral("abc") << QString() << 1;
        QTest::newRow("too large") << QStringLiteral("99999999999") << QStringLiteral("2147483647") << 1;
        QTest::newRow("too small") << QStringLiteral("-99999999999") << QStringLiteral("-2147483648") << 1;
        QTest::newRow("clean") << QStringLiteral("45") << QStringLiteral("45") << 0;
        QTest::newRow("empty") << QString() << QString() << 0;
    }

    void normalisesWhenTheFocusLeaves()
    {
        QFETCH(QString, typed);
        QFETCH(QString, cleaned);
        QFETCH(int, events);
        useMode(InputMode::integerEntry);
        QGuiApplication::clipboard()->setText(typed);
        if (!typed.isEmpty()) {
            press(Qt::Key_V, Qt::ControlModifier);
        }
        changes = 0;
        neighbour->setFocus();
        QCOMPARE(box->text(), cleaned);
        QCOMPARE(changes, events);
    }

    void normaliseKeepsTheCaretWhereTheSelectionStarted()
    {
        useMode(InputMode::integerEntry);
        type(QStringLiteral("0071"));
        box->setCursorPosition(2);
        neighbour->setFocus();
        QCOMPARE(box->text(), QStringLiteral("71"));
        QCOMPARE(box->cursorPosition(), 2);
    }

    void keyDownComesFirstWithWindowsKeyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("shiftState");
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << 13 << 0;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13 << 0;
        QTest::newRow("ctrl enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 13 << 1;
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << 189 << 0;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << 189 << 0;
        QTest::newRow("shift minus") << int(Qt::Key_Underscore) << int(Qt::ShiftModifier) << 189 << 2;
        QTest::newRow("keypad 5") << int(Qt::Key_5) << int(Qt::KeypadModifier) << 53 << 0;
        QTest::newRow("keypad point") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << 190 << 0;
        QTest::newRow("keypad divide") << int(Qt::Key_Slash) << int(Qt::KeypadModifier) << 191 << 0;
        QTest::newRow("ctrl alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 17 << 0;
        QTest::newRow("alt 5") << int(Qt::Key_5) << int(Qt::AltModifier) << 53 << 4;
        QTest::newRow("f1") << int(Qt::Key_F1) << 0 << 112 << 0;
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << 37 << 0;
    }

    void keyDownComesFirstWithWindowsKeyCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, keyCode);
        QFETCH(int, shiftState);
        useMode(InputMode::integerEntry);
        QString textWhenRaised = QStringLiteral("not raised");
        box->onKeyDown = [&](std::int32_t code, std::int32_t shift) {
            keys.emplace_back(code, shift);
            textWhenRaised = box->text();
        };
        // QTest presses the modifier keys first, each a keyDown of its own.
        QTest::keyPress(box, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(!keys.empty());
        QCOMPARE(keys.back(), std::make_pair(keyCode, shiftState));
        QCOMPARE(textWhenRaised, QString());  // before the box saw the key
    }

    void selectionWrites()
    {
        box->writeText(QStringLiteral("45"));
        box->setFocus();
        box->setSelectionStart(-1);
        QCOMPARE(box->cursorPosition(), 2);
        QVERIFY(!box->hasSelectedText());
        box->setSelectionLength(-1);
        QCOMPARE(box->selectedText(), QStringLiteral("45"));
        QCOMPARE(box->cursorPosition(), 2);
        QCOMPARE(changes, 1);
    }

    void selectionShowsOnlyWithTheFocus()
    {
        box->writeText(QStringLiteral("30"));
        neighbour->setFocus();
        const QImage plain = box->grab().toImage();
        box->setSelectionLength(-1);
        QCOMPARE(box->grab().toImage(), plain);
        box->setFocus();
        QVERIFY(box->hasSelectedText());
        QVERIFY(box->grab().toImage() != plain);
    }

    void backgroundFillsTheBoxInEveryMode()
    {
        box->setBackgroundColour(whiteColour);
        useMode(InputMode::readOnly);
        const QImage shot = box->grab().toImage();
        QCOMPARE(shot.pixelColor(4, 4), QColor(Qt::white));
        box->setBackgroundColour(systemDefaultColour);
        QCOMPARE(box->grab().toImage().pixelColor(4, 4), box->palette().color(QPalette::Window));
    }
};

}  // namespace quendal::testing

QTEST_MAIN(quendal::testing::EntryBoxTest)
#include "entry_box_test.moc"
