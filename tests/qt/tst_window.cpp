// The window as the user meets it: where every control sits, what clicks and
// keys do to the grid, and where Tab and Shift+Tab take the focus.

#include "editing/grid.h"
#include "shell/events.h"
#include "qt/qtfrontend.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
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
    void clickChangesOnlyThatControl_data();
    void clickChangesOnlyThatControl();
    void programChangesRaiseNoEvents();
    void activeSegmentWithNoneSelected();

    void tabVisitsEveryStopInCreationOrder();
    void shiftTabGoesBackAndWraps();
    void tabInOutputBoxIsTyped();
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
            QPushButton *toggle = PixelToggle(segment, column, row);
            QVERIFY(toggle);
            QCOMPARE(toggle->geometry(), QRect(left + 20 * column - 5, y + 20 * row + 30, 18, 18));
            QVERIFY(toggle->isCheckable());
            QVERIFY(toggle->isVisible());
            // Both pictures at their own size, never scaled.
            QCOMPARE(toggle->iconSize(), QSize(14, 14));
            QCOMPARE(toggle->icon().pixmap(QSize(14, 14), QIcon::Normal, QIcon::Off).toImage(),
                     ImageOf(ImageGreen).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(toggle->icon().pixmap(QSize(14, 14), QIcon::Normal, QIcon::On).toImage(),
                     ImageOf(ImageBlack).convertToFormat(QImage::Format_RGB32));
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

    QPushButton *toggle = PixelToggle(5, 3, 4);
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
    QPushButton *toggle = PixelToggle(6, 5, 8);
    toggle->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), toggle);
    QTest::keyClick(toggle, Qt::Key_Space);
    QVERIFY(toggle->isChecked());
    QCOMPARE(ActiveSegment(), 6);
}

// Where the toggle shows its on picture: the box of its near-black pixels.
static QRect OnPictureIn(QPushButton *toggle)
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
    QPushButton *toggle = PixelToggle(1, 2, 2);
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
