// Started from a folder without any of its pictures, the program still opens
// its window with every control; only the pictures are missing.

#include "editing/grid.h"
#include "shell/events.h"
#include "qt/pixeltoggle.h"
#include "qt/qtfrontend.h"
#include "shell/startup.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QPixmap>
#include <QtTest>

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void withoutPictures();
};

void tst_Startup::withoutPictures()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    QVERIFY(QDir::setCurrent(empty.path()));

    StartPixkor();
    QVERIFY(QTest::qWaitForWindowExposed(MainWidget()));

    QVERIFY(ImageOf(ImageGreen).isNull());
    QVERIFY(ImageOf(ImageBlack).isNull());
    for (PictureHandle picture : ToolbarPictures)
        QVERIFY(ImageOf(picture).isNull());

    const QStringList labels = {"Neu", "Laden", "Speichern", "Speichern unter...", "", "Kopieren", "Invers"};
    const QList<QAction *> actions = Toolbar->actions();
    QCOMPARE(actions.size(), labels.size());
    for (int place = 0; place < actions.size(); ++place) {
        if (actions[place]->isSeparator())
            continue;
        QVERIFY(actions[place]->icon().isNull());
        QCOMPARE(qobject_cast<QToolButton *>(Toolbar->widgetForAction(actions[place]))->text(), labels[place]);
        QVERIFY(!actions[place]->toolTip().isEmpty());
    }

    // Each button keeps an empty place for its picture: a toolbar whose
    // buttons have 24-pixel pictures is as high, and so is every button.
    QToolBar withPictures;
    withPictures.setIconSize(QSize(24, 24));
    withPictures.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QPixmap picture(24, 24);
    picture.fill(Qt::darkBlue);
    QAction *reference = withPictures.addAction(QIcon(picture), QStringLiteral("Neu"));
    const int buttonHeight = withPictures.widgetForAction(reference)->sizeHint().height();
    QCOMPARE(Toolbar->height(), withPictures.sizeHint().height());
    for (QAction *action : actions) {
        if (!action->isSeparator())
            QCOMPARE(Toolbar->widgetForAction(action)->height(), buttonHeight);
    }

    for (int segment = 0; segment < SegmentCount; ++segment) {
        QVERIFY(SegmentFrame(segment) && SegmentFrame(segment)->isVisible());
        QVERIFY(IncludeBox(segment) && IncludeBox(segment)->isVisible());
        QVERIFY(ActiveOption(segment) && ActiveOption(segment)->isVisible());
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column) {
                PixelToggleButton *toggle = PixelToggle(segment, column, row);
                QVERIFY(toggle && toggle->isVisible());
                QVERIFY(toggle->offPicture().isNull() && toggle->onPicture().isNull());
            }
    }
    QVERIFY(OutputTextBox() && OutputTextBox()->isVisible());

    // Still a working editor.
    QTest::mouseClick(PixelToggle(4, 1, 1), Qt::LeftButton);
    QVERIFY(PixelState(4, 1, 1));
    QCOMPARE(ActiveSegment(), 4);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
