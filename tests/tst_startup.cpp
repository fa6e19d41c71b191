// Started from a folder without any of its pictures, the program still opens
// its window with every control; only the pictures are missing.

#include "editing/grid.h"
#include "shell/events.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
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
    QVERIFY(QTest::qWaitForWindowExposed(MainWindow));

    QVERIFY(ImageGreen.isNull());
    QVERIFY(ImageBlack.isNull());
    for (const QImage &picture : ToolbarPictures)
        QVERIFY(picture.isNull());

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

    for (int segment = 0; segment < SegmentCount; ++segment) {
        QVERIFY(SegmentFrames[segment] && SegmentFrames[segment]->isVisible());
        QVERIFY(IncludeBoxes[segment] && IncludeBoxes[segment]->isVisible());
        QVERIFY(ActiveOptions[segment] && ActiveOptions[segment]->isVisible());
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column) {
                QPushButton *toggle = PixelButtons[segment][column][row];
                QVERIFY(toggle && toggle->isVisible());
                QVERIFY(toggle->icon().isNull());
            }
    }
    QVERIFY(OutputBox && OutputBox->isVisible());

    // Still a working editor.
    QTest::mouseClick(PixelButtons[4][1][1], Qt::LeftButton);
    QVERIFY(PixelState(4, 1, 1));
    QCOMPARE(ActiveSegment(), 4);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
