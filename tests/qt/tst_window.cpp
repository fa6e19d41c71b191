// The window as the user meets it: where every control sits, what clicks and
// keys do to the grid, and where Tab and Shift+Tab take the focus.

#include "editing/grid.h"
#include "shell/events.h"
#include "qt/pixeltoggle.h"
#include "qt/qtfrontend.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

class tst_Window : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startsWithNoFocusedControl();
    void windowFrame();
    void segmentLayout_data();
    void segmentLayout();
    void outputBox();
    void everythingInsideClientArea();
    void toolbar();
    void startState();
    void namesForAutomation();

    void clickOnPixelFlipsItAndActivatesItsSegment();
    void spaceOnFocusedToggle();
    void heldDownToggleShowsOnPicture();
    void togglePictureCutAndCentred_data();
    void togglePictureCutAndCentred();
    void focusedToggleShowsDottedRectangle();
    void mouseFocusShowsNoRectangle();
    void clickChangesOnlyThatControl_data();
    void clickChangesOnlyThatControl();
    void programChangesRaiseNoEvents();
    void activeSegmentWithNoneSelected();

    void tabVisitsEveryStopInCreationOrder();
    void shiftTabGoesBackAndWraps();
    void tabInOutputBoxIsTyped();
    void copyShowsTheNewLineWhenScrolledDown();
    void arrowKeysKeepTheFocus_data();
    void arrowKeysKeepTheFocus();

private:
    static QList<QWidget *> expectedTabChain();
    static void pressUntil(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers);
    int T = 0;
};

void tst_Window::initTestCase()
{
    StartPixkor();
    QVERIFY(QTest::qWaitForWindowActive(MainWidget()));
    T = Toolbar->geometry().bottom() + 1;
}

void tst_Window::init()
{
    // Some tests open windows of their own.
    MainWidget()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(MainWidget()));
    GridSnapshot blank;
    ApplyGridSnapshot(blank);
}

void tst_Window::startsWithNoFocusedControl()
{
    QVERIFY(!expectedTabChain().contains(QApplication::focusWidget()));
}

void tst_Window::windowFrame()
{
    QCOMPARE(MainWidget()->windowTitle(), QStringLiteral("Pixkor"));
    QCOMPARE(MainWidget()->size(), QSize(600, 650));
    QCOMPARE(MainWidget()->minimumSize(), QSize(600, 650));
    QCOMPARE(MainWidget()->maximumSize(), QSize(600, 650));
    const Qt::WindowFlags flags = MainWidget()->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!MainWidget()->windowIcon().isNull());

    const QRect screen = MainWidget()->screen()->geometry();
    const QRect outer = MainWidget()->frameGeometry();
    QCOMPARE(outer.left() - screen.left(), (screen.width() - outer.width()) / 2);
    QCOMPARE(outer.top() - screen.top(), (screen.height() - outer.height()) / 2);
}

void tst_Window::segmentLayout_data()
{
    QTest::addColumn<int>("segment");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    const int lefts[] = {20, 165, 310, 455, 20, 165, 310, 455};
    const int tops[] = {10, 10, 10, 10, 250, 250, 250, 250};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("segment %d", i) << i << lefts[i] << tops[i];
}

void tst_Window::segmentLayout()
{
    QFETCH(int, segment);
    QFETCH(int, left);
    QFETCH(int, top);
    const int y = T + top;

    QCOMPARE(SegmentLeft(segment), left);
    QCOMPARE(SegmentTop(segment), top);
    QCOMPARE(SegmentFrame(segment)->geometry(), QRect(left, y, 130, 230));
    QCOMPARE(SegmentFrame(segment)->title(), QStringLiteral("Segment %1").arg(segment));
    QCOMPARE(IncludeBox(segment)->geometry(), QRect(left + 75, y + 20, 40, 25));
    QCOMPARE(IncludeBox(segment)->text(), QStringLiteral("Inc"));
    QCOMPARE(ActiveOption(segment)->geometry(), QRect(left + 15, y + 20, 50, 25));
    QCOMPARE(ActiveOption(segment)->text(), QStringLiteral("Aktiv"));

    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 5; ++column) {
            PixelToggleButton *toggle = PixelToggle(segment, column, row);
            QVERIFY(toggle);
            QCOMPARE(toggle->geometry(), QRect(left + 20 * column - 5, y + 20 * row + 30, 18, 18));
            QVERIFY(toggle->isCheckable());
            QVERIFY(toggle->isVisible());
            // Both pictures at their own size, never scaled.
            QCOMPARE(toggle->offPicture().size(), QSize(14, 14));
            QCOMPARE(toggle->offPicture().toImage(), ImageOf(ImageGreen).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(toggle->onPicture().toImage(), ImageOf(ImageBlack).convertToFormat(QImage::Format_RGB32));
        }
    }
    for (int index = 0; index <= 8; ++index) {
        QVERIFY(!PixelToggle(segment, 0, index));
        QVERIFY(!PixelToggle(segment, index < 6 ? index : 0, 0));
    }
}

void tst_Window::outputBox()
{
    QCOMPARE(OutputTextBox()->geometry(), QRect(20, T + 495, 565, 80));
    QCOMPARE(OutputTextBox()->lineWrapMode(), QTextEdit::NoWrap);
    QVERIFY(!OutputTextBox()->isReadOnly());
    QCOMPARE(OutputTextBox()->palette().color(QPalette::Base).rgb(), qRgb(255, 255, 255));
    QCOMPARE(OutputTextBox()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(OutputTextBox()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(OutputTextBox()->contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(!OutputTextBox()->acceptDrops());
    QVERIFY(!OutputTextBox()->viewport()->acceptDrops());
}

void tst_Window::everythingInsideClientArea()
{
    const QRect client(0, 0, 600, 650);
    QCOMPARE(Toolbar->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(Toolbar->width(), 600);
    const QList<QWidget *> children = MainWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(children.size() > 8 * (1 + 1 + 40 + 1) + 1);
    for (QWidget *child : children)
        QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
}

void tst_Window::toolbar()
{
    struct Expected {
        const char *label;
        const char *toolTip;
        int commandId;
    };
    const Expected expected[] = {
        {"Neu", "Neu", 0},
        {"Laden", "Laden...", 3},
        {"Speichern", "Speichern", 4},
        {"Speichern unter...", "Speichern unter...", 5},
        {nullptr, nullptr, -1},
        {"Kopieren", "In Zwischenablage kopieren", 1},
        {"Invers", "Aktives Segment invertieren", 2},
    };
    const QList<QAction *> actions = Toolbar->actions();
    QCOMPARE(actions.size(), int(std::size(expected)));
    QCOMPARE(Toolbar->iconSize(), QSize(24, 24));
    QCOMPARE(Toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    // Tooltips show even while another program's window is active.
    QVERIFY(MainWidget()->testAttribute(Qt::WA_AlwaysShowToolTips));
    for (int place = 0; place < actions.size(); ++place) {
        QAction *action = actions[place];
        if (!expected[place].label) {
            QVERIFY(action->isSeparator());
            continue;
        }
        auto *button = qobject_cast<QToolButton *>(Toolbar->widgetForAction(action));
        QVERIFY(button);
        QCOMPARE(button->text(), QString::fromUtf8(expected[place].label));
        QCOMPARE(action->toolTip(), QString::fromUtf8(expected[place].toolTip));
        QVERIFY(!action->isCheckable());
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QVERIFY(!button->objectName().isEmpty());
        const QImage picture = ImageOf(ToolbarPictures[expected[place].commandId]);
        QCOMPARE(picture.size(), QSize(24, 24));
        QCOMPARE(action->icon().pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32),
                 picture.convertToFormat(QImage::Format_ARGB32));
    }
}

void tst_Window::startState()
{
    // The blank grid applied in init() is what the window starts with; check
    // the state the window itself reports rather than the value we put in.
    for (int segment = 0; segment < 8; ++segment) {
        QVERIFY(!IncludeBox(segment)->isChecked());
        QCOMPARE(ActiveOption(segment)->isChecked(), segment == 0);
        for (int row = 1; row <= 8; ++row)
            for (int column = 1; column <= 5; ++column)
                QVERIFY(!PixelToggle(segment, column, row)->isChecked());
    }
    QVERIFY(OutputTextBox()->toPlainText().isEmpty());
    QVERIFY(CurrentFileName.empty());
}

void tst_Window::namesForAutomation()
{
    QCOMPARE(PixelToggle(3, 4, 2)->accessibleName(), QStringLiteral("Segment 3, Zeile 2, Spalte 4"));
    QCOMPARE(PixelToggle(0, 1, 8)->accessibleName(), QStringLiteral("Segment 0, Zeile 8, Spalte 1"));
    QSet<QString> names;
    for (QWidget *child : MainWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!child->objectName().isEmpty(), child->metaObject()->className());
        names.insert(child->objectName());
    }
    QCOMPARE(names.size(), MainWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size());
}

void tst_Window::clickOnPixelFlipsItAndActivatesItsSegment()
{
    ActiveOption(2)->click();
    QCOMPARE(ActiveSegment(), 2);
    const GridSnapshot before = TakeGridSnapshot();

    PixelToggleButton *toggle = PixelToggle(5, 3, 4);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(toggle->isChecked());
    QCOMPARE(ActiveSegment(), 5);
    QVERIFY(ActiveOption(5)->isChecked());
    QVERIFY(!ActiveOption(2)->isChecked());

    GridSnapshot expected = before;
    expected.setPixel(5, 3, 4, true);
    expected.activeSegment = 5;
    QCOMPARE(TakeGridSnapshot(), expected);

    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(!toggle->isChecked());
    QCOMPARE(ActiveSegment(), 5);
}

void tst_Window::spaceOnFocusedToggle()
{
    PixelToggleButton *toggle = PixelToggle(6, 5, 8);
    toggle->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), toggle);
    QTest::keyClick(toggle, Qt::Key_Space);
    QVERIFY(toggle->isChecked());
    QCOMPARE(ActiveSegment(), 6);
}

// Where the toggle shows its on picture: the box of its near-black pixels.
static QRect OnPictureIn(PixelToggleButton *toggle)
{
    const QImage face = toggle->grab().toImage();
    QRect box;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixelColor(x, y) == ImageOf(ImageBlack).pixelColor(7, 7))
                box |= QRect(x, y, 1, 1);
    return box;
}

void tst_Window::heldDownToggleShowsOnPicture()
{
    PixelToggleButton *toggle = PixelToggle(1, 2, 2);
    QVERIFY(OnPictureIn(toggle).isEmpty());

    QTest::mousePress(toggle, Qt::LeftButton);
    const QRect held = OnPictureIn(toggle);
    QTest::mouseRelease(toggle, Qt::LeftButton);
    QVERIFY(toggle->isChecked());
    const QRect on = OnPictureIn(toggle);

    QVERIFY(!on.isEmpty());
    QCOMPARE(held.size(), on.size());
    QCOMPARE(held.topLeft(), on.topLeft() + QPoint(1, 1));
    // Centred on the 18 x 18 face, never scaled.
    QCOMPARE(on.center(), QPoint(8, 8));
}

// A picture whose every pixel differs from every other: red counts the
// columns, green the rows, blue tells the pictures apart.
static QPixmap CodedPicture(QSize size, int blue)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(8 * x + 4, 8 * y + 4, blue));
    return QPixmap::fromImage(image);
}

void tst_Window::togglePictureCutAndCentred_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("withOnPicture");
    for (const QSize size : {QSize(20, 20), QSize(14, 14), QSize(9, 12), QSize(24, 7)}) {
        for (const char *state : {"off", "on", "held", "held on"})
            QTest::addRow("%dx%d %s", size.width(), size.height(), state) << size << QString::fromLatin1(state) << true;
    }
    // Without an on picture the off picture shows in every state.
    for (const char *state : {"off", "on", "held", "held on"})
        QTest::addRow("14x14 %s, no on picture", state) << QSize(14, 14) << QString::fromLatin1(state) << false;
}

// Every pixel of an 18 x 18 toggle, against a toggle without pictures in the
// same state: the picture of the state (the on picture also while held down,
// then one pixel right and down) centred, and nothing of it outside the
// square 2 pixels inside the edge.
void tst_Window::togglePictureCutAndCentred()
{
    QFETCH(QSize, size);
    QFETCH(QString, state);
    QFETCH(bool, withOnPicture);
    QWidget window;
    window.resize(60, 30);
    const QPixmap off = CodedPicture(size, 40), on = CodedPicture(size, 240);
    auto *toggle = new PixelToggleButton(off, [](PixelToggleButton *) {}, &window);
    if (withOnPicture)
        toggle->setOnPicture(on);
    auto *plain = new PixelToggleButton(QPixmap(), [](PixelToggleButton *) {}, &window);
    toggle->setGeometry(0, 0, 18, 18);
    plain->setGeometry(30, 0, 18, 18);
    // Nothing under the mouse, which would light the face up.
    QCursor::setPos(MainWidget()->screen()->geometry().bottomRight());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Both in the same state; held down as the mouse holds it
    // (heldDownToggleShowsOnPicture presses it for real).
    QTRY_VERIFY(!toggle->underMouse() && !plain->underMouse());
    const bool checked = state == "on" || state == "held on";
    const bool held = state.startsWith("held");
    for (PixelToggleButton *button : {toggle, plain}) {
        button->setChecked(checked);
        button->setDown(held);
    }
    const QImage face = toggle->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage plainFace = plain->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(face.size(), QSize(18, 18));

    const QImage picture = (withOnPicture && (checked || held) ? on : off).toImage();
    const QPoint origin = QPoint((18 - size.width()) / 2, (18 - size.height()) / 2) + (held ? QPoint(1, 1) : QPoint());
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            const QPoint inPicture = QPoint(x, y) - origin;
            const bool shown = x >= 2 && x < 16 && y >= 2 && y < 16 && picture.rect().contains(inPicture);
            const QRgb expected = shown ? picture.pixel(inPicture) : plainFace.pixel(x, y);
            QVERIFY2(face.pixel(x, y) == expected,
                     qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                    .arg(x).arg(y).arg(face.pixel(x, y), 8, 16).arg(expected, 8, 16)));
        }
    }
}

// The focus rectangle, 3 pixels inside the edge: every second pixel of its
// outline inverted, the rest of the toggle as without the focus.
void tst_Window::focusedToggleShowsDottedRectangle()
{
    MainWidget()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), MainWidget());
    // One off toggle and one on toggle, one after the other in the Tab chain.
    SetPixelState(0, 2, 1, true);
    QMap<PixelToggleButton *, QImage> unfocusedFaces;
    for (PixelToggleButton *shown : {PixelToggle(0, 1, 1), PixelToggle(0, 2, 1)})
        unfocusedFaces[shown] = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (PixelToggleButton *shown : {PixelToggle(0, 1, 1), PixelToggle(0, 2, 1)}) {
        const QImage unfocused = unfocusedFaces[shown];
        // "Inc" of segment 0, then its toggles row by row.
        while (QApplication::focusWidget() != shown)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QImage focused = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int dots = 0;
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 18; ++x) {
                const bool outline = x >= 3 && x <= 14 && y >= 3 && y <= 14 && (x == 3 || x == 14 || y == 3 || y == 14);
                const bool dot = outline && (x + y) % 2 == 0;
                dots += dot;
                const QRgb expected = dot ? (unfocused.pixel(x, y) ^ 0x00ffffff) : unfocused.pixel(x, y);
                QVERIFY2(focused.pixel(x, y) == expected,
                         qPrintable(QStringLiteral("%1: pixel %2,%3 is %4, expected %5")
                                        .arg(shown->objectName()).arg(x).arg(y)
                                        .arg(focused.pixel(x, y), 8, 16).arg(expected, 8, 16)));
            }
        }
        QCOMPARE(dots, 22);
        // Gone again with the focus.
        QTest::keyClick(shown, Qt::Key_Tab);
        QCOMPARE(shown->grab().toImage().convertToFormat(QImage::Format_RGB32), unfocused);
    }
}

// Focus cues show once the keyboard has moved the focus, not after a click.
void tst_Window::mouseFocusShowsNoRectangle()
{
    QWidget window;
    window.resize(60, 30);
    auto *clicked = new PixelToggleButton(PixmapOf(ImageGreen), [](PixelToggleButton *) {}, &window);
    auto *other = new PixelToggleButton(PixmapOf(ImageGreen), [](PixelToggleButton *) {}, &window);
    clicked->setOnPicture(PixmapOf(ImageBlack));
    other->setOnPicture(PixmapOf(ImageBlack));
    clicked->setGeometry(0, 0, 18, 18);
    other->setGeometry(30, 0, 18, 18);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(clicked, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), clicked);
    other->setChecked(true);
    QVERIFY(clicked->isChecked());
    QCOMPARE(clicked->grab().toImage(), other->grab().toImage());
}

void tst_Window::clickChangesOnlyThatControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("segment");
    QTest::newRow("Inc of segment 4") << "include" << 4;
    QTest::newRow("Inc of segment 0") << "include" << 0;
    QTest::newRow("Aktiv of segment 6") << "option" << 6;
    QTest::newRow("Aktiv of segment 3") << "option" << 3;
}

void tst_Window::clickChangesOnlyThatControl()
{
    QFETCH(QString, control);
    QFETCH(int, segment);
    SetPixelState(1, 2, 3, true);
    SelectSegment(1);
    GridSnapshot expected = TakeGridSnapshot();

    if (control == "include") {
        QTest::mouseClick(IncludeBox(segment), Qt::LeftButton);
        expected.includeFlags[segment] = true;
    } else {
        QTest::mouseClick(ActiveOption(segment), Qt::LeftButton);
        expected.activeSegment = segment;
    }
    QCOMPARE(TakeGridSnapshot(), expected);
}

void tst_Window::programChangesRaiseNoEvents()
{
    SelectSegment(2);
    SetPixelState(5, 1, 1, true);
    SetIncludeFlag(7, true);
    QCOMPARE(ActiveSegment(), 2);
    QVERIFY(PixelToggle(5, 1, 1)->isChecked());
    QVERIFY(IncludeBox(7)->isChecked());
}

void tst_Window::activeSegmentWithNoneSelected()
{
    SelectSegment(4);
    QCOMPARE(ActiveSegment(), 4);
    QButtonGroup *group = ActiveOption(0)->group();
    QVERIFY(group);
    group->setExclusive(false);
    ActiveOption(4)->setChecked(false);
    QCOMPARE(ActiveSegment(), 0);
    group->setExclusive(true);
}

QList<QWidget *> tst_Window::expectedTabChain()
{
    QList<QWidget *> chain;
    for (int segment = 0; segment < 8; ++segment) {
        chain << IncludeBox(segment);
        for (int row = 1; row <= 8; ++row)
            for (int column = 1; column <= 5; ++column)
                chain << PixelToggle(segment, column, row);
    }
    for (int segment = 0; segment < 8; ++segment)
        chain << ActiveOption(segment);
    chain << OutputTextBox();
    return chain;
}

void tst_Window::tabVisitsEveryStopInCreationOrder()
{
    MainWidget()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), MainWidget());
    const QList<QWidget *> chain = expectedTabChain();
    QCOMPARE(chain.size(), 8 + 320 + 8 + 1);
    for (QWidget *expected : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void tst_Window::shiftTabGoesBackAndWraps()
{
    MainWidget()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), MainWidget());
    QList<QWidget *> chain = expectedTabChain();
    std::reverse(chain.begin(), chain.end());
    // From nowhere to the output box, back through everything, then round again.
    chain << chain.first();
    for (QWidget *expected : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    QVERIFY(OutputTextBox()->toPlainText().isEmpty());
}

void tst_Window::tabInOutputBoxIsTyped()
{
    OutputTextBox()->clear();
    OutputTextBox()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), OutputTextBox());
    QTest::keyClicks(OutputTextBox(), "a");
    QTest::keyClick(OutputTextBox(), Qt::Key_Tab);
    QTest::keyClicks(OutputTextBox(), "b");
    QCOMPARE(OutputTextBox()->toPlainText(), QStringLiteral("a\tb"));
    QCOMPARE(QApplication::focusWidget(), OutputTextBox());
    OutputTextBox()->clear();
}

// "Kopieren" with the box scrolled to its end: the caret at the start of the
// second line, and the new first line in sight at the top of the box.
void tst_Window::copyShowsTheNewLineWhenScrolledDown()
{
    QTextEdit *box = OutputTextBox();
    box->clear();
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    for (int line = 0; line < 30; ++line) {
        QTest::keyClicks(box, QStringLiteral("line %1").arg(line));
        QTest::keyClick(box, Qt::Key_Return);
    }
    QScrollBar *scroll = box->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    scroll->setValue(scroll->maximum());

    SetPixelState(0, 1, 1, true);
    SelectSegment(0);
    HandleWindowEvent({EventKind::ToolbarEvent, nullptr, 1});
    const QString first = QStringLiteral("Lcddefchar 0, %10000, %00000, %00000, %00000, %00000, %00000, %00000, %00000");
    QVERIFY(box->toPlainText().startsWith(first + QLatin1Char('\n') + QStringLiteral("line 0\n")));
    QCOMPARE(box->textCursor().position(), first.size() + 1);
    QCOMPARE(scroll->value(), scroll->minimum());
    QTextCursor start(box->document());
    const QRect firstLine = box->cursorRect(start);
    QVERIFY2(box->viewport()->rect().contains(firstLine),
             qPrintable(QStringLiteral("first line at y %1..%2 of a %3 pixel high box")
                            .arg(firstLine.top()).arg(firstLine.bottom()).arg(box->viewport()->height())));
    QVERIFY(box->viewport()->rect().contains(box->cursorRect()));
    box->clear();
}

void tst_Window::arrowKeysKeepTheFocus_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    for (const char *control : {"toggle", "include", "option"}) {
        QTest::addRow("%s Left", control) << control << int(Qt::Key_Left);
        QTest::addRow("%s Right", control) << control << int(Qt::Key_Right);
        QTest::addRow("%s Up", control) << control << int(Qt::Key_Up);
        QTest::addRow("%s Down", control) << control << int(Qt::Key_Down);
    }
}

void tst_Window::arrowKeysKeepTheFocus()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QWidget *focused = control == "toggle"    ? static_cast<QWidget *>(PixelToggle(2, 3, 4))
                       : control == "include" ? static_cast<QWidget *>(IncludeBox(2))
                                              : static_cast<QWidget *>(ActiveOption(2));
    SelectSegment(2);
    const GridSnapshot before = TakeGridSnapshot();
    focused->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focused);
    QTest::keyClick(focused, Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(TakeGridSnapshot(), before);
}

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
