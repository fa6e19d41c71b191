// The toolbar's commands as the user reaches them: through the event dispatch
// and real clicks, with the file dialogs and message boxes answered by the test
// (and a few times through the real dialogs).

#include "definition/dialogs.h"
#include "definition/filecommands.h"
#include "editing/grid.h"
#include "shell/events.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum Command { New = 0, Copy = 1, Invert = 2, Load = 3, Save = 4, SaveAs = 5 };

void Run(Command command)
{
    QVERIFY(HandleWindowEvent({EventKind::ToolbarEvent, nullptr, command}));
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void WriteContents(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QByteArray Header = QByteArray("'Diese Zeile nicht l\xc3\xb6schen! Segmente=");

// Runs `answer` on the next modal dialog of type T as soon as it shows.
template <typename T, typename F>
void AnswerNextDialog(F answer)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            // Whatever the answer did, the dialog does not outlive the test.
            QTimer::singleShot(5000, dialog, [dialog] { dialog->reject(); });
            answer(dialog);
        }
    });
    timer->start();
}

// The dialog's own Open or Save button, as the user clicks it.
void PressAccept(QFileDialog *dialog)
{
    auto *buttons = dialog->findChild<QDialogButtonBox *>("buttonBox");
    QPushButton *accept = buttons ? buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave
                                                        ? QDialogButtonBox::Save
                                                        : QDialogButtonBox::Open)
                                  : nullptr;
    if (!accept)
        return dialog->reject();
    QTest::mouseClick(accept, Qt::LeftButton);
}

} // namespace

class tst_Commands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void toolbarButtonsReachTheirCommands_data();
    void toolbarButtonsReachTheirCommands();

    void newClearsPixelsAndForgetsTheFile();
    void invertFlipsOnlyTheActiveSegment();
    void copyOfEmptySegmentZero();
    void copyPutsNewestLineFirst();
    void copyIsAnOrdinaryEditOfTheBox();

    void drawSaveClearLoad();
    void loadThenSaveRewritesInPlace();
    void cancelledLoadForgetsTheFile();
    void cancelledSaveAsTellsAndForgets();
    void saveAsOntoLongerFileLeavesExactlyTheNewContent();
    void loadOfMissingFileKeepsItsNameForSave();
    void longPathsAreValid();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void unreadableLoadIsReported_data();
    void unreadableLoadIsReported();

    void realSaveDialog();
    void realLoadDialog();
    void realMessageBox();

private:
    QTemporaryDir *folder = nullptr;
    QString pathIn(const QString &name) const { return folder->filePath(name); }
};

void tst_Commands::initTestCase()
{
    InstallGermanToolkitTexts();
    StartPixkor();
    QVERIFY(QTest::qWaitForWindowActive(MainWindow));
}

void tst_Commands::init()
{
    ApplyGridSnapshot(GridSnapshot{});
    CurrentFileName.clear();
    OutputBox->clear();
    NextFileName.reset();
    RecordMessages = true;
    LastMessage.reset();
    folder = new QTemporaryDir;
    QVERIFY(folder->isValid());
}

void tst_Commands::cleanup()
{
    // Every preset answer was asked for: no command skipped its dialog.
    QVERIFY(!NextFileName);
    QVERIFY(!QApplication::activeModalWidget());
    delete folder;
    folder = nullptr;
}

void tst_Commands::toolbarButtonsReachTheirCommands_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("Neu") << "Neu";
    QTest::newRow("Kopieren") << "Kopieren";
    QTest::newRow("Invers") << "Invers";
    QTest::newRow("Laden") << "Laden";
    QTest::newRow("Speichern") << "Speichern";
    QTest::newRow("Speichern unter...") << "Speichern unter...";
}

void tst_Commands::toolbarButtonsReachTheirCommands()
{
    QFETCH(QString, label);
    QToolButton *button = nullptr;
    for (QAction *action : Toolbar->actions())
        if (action->iconText() == label)
            button = qobject_cast<QToolButton *>(Toolbar->widgetForAction(action));
    QVERIFY(button && button->isEnabled());

    const QString file = pathIn("road.inc");
    WriteContents(file, Header + "00000100\r\nLcddefchar 5, %11111\r\n");
    SetPixelState(2, 1, 1, true);
    SelectSegment(2);
    if (label == "Laden" || label == "Speichern" || label == "Speichern unter...")
        NextFileName = file;

    QTest::mouseClick(button, Qt::LeftButton);

    if (label == "Neu") {
        QVERIFY(!PixelState(2, 1, 1));
        QCOMPARE(ActiveSegment(), 0);
    } else if (label == "Kopieren") {
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "Lcddefchar 2, %10000, %00000, %00000, %00000, %00000, %00000, %00000, %00000");
    } else if (label == "Invers") {
        QVERIFY(!PixelState(2, 1, 1));
        QVERIFY(PixelState(2, 5, 8));
        QVERIFY(!PixelState(0, 1, 1));
    } else if (label == "Laden") {
        QVERIFY(IncludeFlag(5));
        QVERIFY(PixelState(5, 3, 1));
        QCOMPARE(CurrentFileName, file);
    } else {
        QCOMPARE(Contents(file), Header + "00000000\r\n");
        QCOMPARE(CurrentFileName, file);
    }
}

void tst_Commands::newClearsPixelsAndForgetsTheFile()
{
    SetPixelState(0, 1, 1, true);
    SetPixelState(7, 5, 8, true);
    SetIncludeFlag(3, true);
    SelectSegment(6);
    OutputBox->setPlainText("kept");
    CurrentFileName = pathIn("loaded.inc");

    Run(New);

    GridSnapshot expected;
    expected.includeFlags[3] = true;
    QCOMPARE(TakeGridSnapshot(), expected);
    QVERIFY(CurrentFileName.isEmpty());
    QCOMPARE(OutputBox->toPlainText(), QStringLiteral("kept"));

    // The next Save asks for a name instead of overwriting the old file.
    NextFileName = QString();
    Run(Save);
    QVERIFY(LastMessage);
    QCOMPARE(LastMessage->text, QStringLiteral("Keine Datei ausgewählt"));
    QVERIFY(!QFile::exists(pathIn("loaded.inc")));
}

void tst_Commands::invertFlipsOnlyTheActiveSegment()
{
    SetPixelState(4, 2, 3, true);
    SetPixelState(5, 1, 1, true);
    SetIncludeFlag(4, true);
    SelectSegment(4);
    const GridSnapshot before = TakeGridSnapshot();

    Run(Invert);
    GridSnapshot expected = before;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 5; ++column)
            expected.setPixel(4, column, row, !before.pixel(4, column, row));
    QCOMPARE(TakeGridSnapshot(), expected);

    Run(Invert);
    QCOMPARE(TakeGridSnapshot(), before);
}

void tst_Commands::copyOfEmptySegmentZero()
{
    Run(Copy);
    const QString line = "Lcddefchar 0, %00000, %00000, %00000, %00000, %00000, %00000, %00000, %00000";
    QCOMPARE(DefinitionText, line);
    QCOMPARE(QGuiApplication::clipboard()->text(), line);
    QCOMPARE(OutputBox->toPlainText(), line + "\n");
}

void tst_Commands::copyPutsNewestLineFirst()
{
    SelectSegment(6);
    Run(Invert);
    Run(Copy);
    SetPixelState(1, 3, 8, true);
    SelectSegment(1);
    Run(Copy);

    const QString segment6 = "Lcddefchar 6, %11111, %11111, %11111, %11111, %11111, %11111, %11111, %11111";
    const QString segment1 = "Lcddefchar 1, %00000, %00000, %00000, %00000, %00000, %00000, %00000, %00100";
    QCOMPARE(QGuiApplication::clipboard()->text(), segment1);
    QCOMPARE(OutputBox->toPlainText(), segment1 + "\n" + segment6 + "\n");
}

void tst_Commands::copyIsAnOrdinaryEditOfTheBox()
{
    OutputBox->setPlainText("mine");
    OutputBox->document()->clearUndoRedoStacks();
    SelectSegment(3);
    Run(Copy);
    const QString line = DefinitionText;
    QCOMPARE(OutputBox->toPlainText(), line + "\nmine");
    // The caret stands at the start of the second line.
    QCOMPARE(OutputBox->textCursor().position(), line.size() + 1);
    QCOMPARE(OutputBox->textCursor().blockNumber(), 1);
    QCOMPARE(OutputBox->textCursor().positionInBlock(), 0);

    Run(Copy);
    OutputBox->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), OutputBox);
    QTest::keyClick(OutputBox, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(OutputBox->toPlainText(), line + "\nmine");
    QTest::keyClick(OutputBox, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(OutputBox->toPlainText(), QStringLiteral("mine"));
}

void tst_Commands::drawSaveClearLoad()
{
    // Segment 3 drawn by clicks: the middle column, every row.
    for (int row = 1; row <= 8; ++row)
        QTest::mouseClick(PixelButtons[3][3][row], Qt::LeftButton);
    QCOMPARE(ActiveSegment(), 3);
    QTest::mouseClick(IncludeBoxes[3], Qt::LeftButton);
    const GridSnapshot drawn = TakeGridSnapshot();

    const QString file = pathIn("pfeil.inc");
    NextFileName = file;
    Run(Save);
    QCOMPARE(CurrentFileName, file);
    const QByteArray expected = Header + "00010000\r\n"
                                "Lcddefchar 3, %00100, %00100, %00100, %00100, %00100, %00100, %00100, %00100\r\n";
    QCOMPARE(Contents(file), expected);
    QCOMPARE(expected.size(), 126);
    QVERIFY(!LastMessage);

    Run(New);
    SetIncludeFlag(3, false);
    SetIncludeFlag(0, true);

    NextFileName = file;
    Run(Load);
    GridSnapshot expectedGrid = drawn;
    expectedGrid.activeSegment = 0;
    QCOMPARE(TakeGridSnapshot(), expectedGrid);
    QCOMPARE(CurrentFileName, file);
}

void tst_Commands::loadThenSaveRewritesInPlace()
{
    const QString file = pathIn("alt.lcd");
    WriteContents(file, Header + "10000000\r\nLcddefchar 0, %11111, %10001, %10001, %10001, %10001, %10001, %10001, "
                                 "%11111\r\n");
    NextFileName = file;
    Run(Load);
    QVERIFY(PixelState(0, 2, 2) == false && PixelState(0, 1, 2));

    SelectSegment(0);
    Run(Invert);
    Run(Save); // no preset answer: a dialog here would fail cleanup()
    QCOMPARE(Contents(file), Header + "10000000\r\nLcddefchar 0, %00000, %01110, %01110, %01110, %01110, %01110, "
                                      "%01110, %00000\r\n");
    QCOMPARE(CurrentFileName, file);
}

void tst_Commands::cancelledLoadForgetsTheFile()
{
    CurrentFileName = pathIn("old.inc");
    SetPixelState(1, 1, 1, true);
    const GridSnapshot before = TakeGridSnapshot();

    NextFileName = QString();
    Run(Load);
    QVERIFY(CurrentFileName.isEmpty());
    QCOMPARE(TakeGridSnapshot(), before);
    QVERIFY(!LastMessage);

    const QString other = pathIn("new.inc");
    NextFileName = other;
    Run(Save);
    QVERIFY(QFile::exists(other));
    QVERIFY(!QFile::exists(pathIn("old.inc")));
}

void tst_Commands::cancelledSaveAsTellsAndForgets()
{
    const QString file = pathIn("loaded.inc");
    WriteContents(file, Header + "00000000\r\n");
    NextFileName = file;
    Run(Load);
    QCOMPARE(CurrentFileName, file);

    NextFileName = QString();
    Run(SaveAs);
    QVERIFY(LastMessage);
    QCOMPARE(LastMessage->caption, QStringLiteral("Information"));
    QCOMPARE(LastMessage->text, QStringLiteral("Keine Datei ausgewählt"));
    QCOMPARE(LastMessage->icon, QMessageBox::NoIcon);
    QVERIFY(CurrentFileName.isEmpty());
    QCOMPARE(Contents(file), Header + "00000000\r\n");
}

void tst_Commands::saveAsOntoLongerFileLeavesExactlyTheNewContent()
{
    const QString file = pathIn("lang.inc");
    QByteArray longer = Header + "11111111\r\n";
    for (int segment = 0; segment < 8; ++segment)
        longer += "Lcddefchar " + QByteArray::number(segment)
                  + ", %11111, %11111, %11111, %11111, %11111, %11111, %11111, %11111\r\n";
    WriteContents(file, longer);

    SetIncludeFlag(1, true);
    SetPixelState(1, 5, 1, true);
    NextFileName = file;
    Run(SaveAs);
    QCOMPARE(Contents(file), Header + "01000000\r\nLcddefchar 1, %00001, %00000, %00000, %00000, %00000, %00000, "
                                      "%00000, %00000\r\n");
    QVERIFY(!LastMessage);
}

void tst_Commands::loadOfMissingFileKeepsItsNameForSave()
{
    SetPixelState(2, 2, 2, true);
    const GridSnapshot before = TakeGridSnapshot();
    const QString file = pathIn("neu");
    NextFileName = file;
    Run(Load);
    QCOMPARE(TakeGridSnapshot(), before);
    QCOMPARE(CurrentFileName, file);
    QVERIFY(!LastMessage);

    Run(Save);
    QCOMPARE(Contents(file), Header + "00000000\r\n");
}

void tst_Commands::longPathsAreValid()
{
    QString deep = folder->path();
    while (deep.size() < 300)
        deep += "/ein-recht-langer-ordnername";
    QVERIFY(QDir().mkpath(deep));
    const QString file = deep + "/zeichen.inc";
    QVERIFY(file.size() > 259);

    SetIncludeFlag(7, true);
    NextFileName = file;
    Run(SaveAs);
    QVERIFY(!LastMessage);
    QCOMPARE(CurrentFileName, file);
    QCOMPARE(Contents(file).size(), 48 + 78);

    Run(New);
    NextFileName = file;
    Run(Load);
    QCOMPARE(CurrentFileName, file);
    QVERIFY(IncludeFlag(7));
}

void tst_Commands::failedSaveIsReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("file used as a folder") << "file as folder";
    QTest::newRow("folder as the path") << "folder";
    QTest::newRow("full disk") << "full disk";
    QTest::newRow("read-only file") << "read-only file";
    QTest::newRow("read-only folder") << "read-only folder";
}

void tst_Commands::failedSaveIsReported()
{
    QFETCH(QString, kind);
    const bool root = geteuid() == 0;
    QString path;
    QString oldFile; // a file whose content must survive
    const QByteArray old = Header + "00000000\r\n";
    if (kind == "missing folder") {
        path = pathIn("fehlt/zeichen.inc");
    } else if (kind == "file as folder") {
        oldFile = pathIn("datei");
        WriteContents(oldFile, old);
        path = oldFile + "/zeichen.inc";
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(pathIn("ordner")));
        path = pathIn("ordner");
    } else if (kind == "full disk") {
        const QFileInfo full("/dev/full");
        if (!full.exists() || full.isFile())
            QSKIP("this machine has no /dev/full device");
        path = full.filePath();
    } else if (kind == "read-only file") {
        if (root)
            QSKIP("permissions do not stop root");
        oldFile = path = pathIn("schreibgeschuetzt.inc");
        WriteContents(oldFile, old);
        QVERIFY(QFile::setPermissions(oldFile, QFileDevice::ReadOwner));
    } else {
        if (root)
            QSKIP("permissions do not stop root");
        QVERIFY(QDir().mkdir(pathIn("nurlesen")));
        oldFile = path = pathIn("nurlesen/zeichen.inc");
        WriteContents(oldFile, old);
        QVERIFY(QFile::setPermissions(pathIn("nurlesen"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }

    SetIncludeFlag(2, true);
    SetPixelState(2, 1, 1, true);
    NextFileName = path;
    Run(SaveAs);

    QVERIFY(LastMessage);
    QCOMPARE(LastMessage->caption, QStringLiteral("Fehler"));
    QCOMPARE(LastMessage->text,
             QStringLiteral("Die Datei konnte nicht gespeichert werden:\n") + QDir::toNativeSeparators(path));
    QCOMPARE(LastMessage->icon, QMessageBox::Warning);
    QCOMPARE(CurrentFileName, path);
    if (!oldFile.isEmpty())
        QCOMPARE(Contents(oldFile), old);
    // A device stays a device: the file is written into it, never put in its place.
    if (kind == "full disk")
        QVERIFY(!QFileInfo(path).isFile());

    // Still running, and Save tries the same path again without a dialog.
    LastMessage.reset();
    Run(Save);
    QVERIFY(LastMessage);
    QCOMPARE(LastMessage->caption, QStringLiteral("Fehler"));

    QFile::setPermissions(pathIn("nurlesen"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void tst_Commands::unreadableLoadIsReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a folder") << "folder";
    QTest::newRow("no permission") << "no permission";
    QTest::newRow("a device without end") << "device";
    QTest::newRow("a pipe without writer") << "pipe";
}

void tst_Commands::unreadableLoadIsReported()
{
    QFETCH(QString, kind);
    QString path;
    if (kind == "folder") {
        path = pathIn("ordner.inc");
        QVERIFY(QDir().mkdir(path));
    } else if (kind == "device") {
        path = "/dev/zero";
        if (!QFileInfo::exists(path))
            QSKIP("this machine has no /dev/zero");
    } else if (kind == "pipe") {
        path = pathIn("rohr.inc");
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root");
        path = pathIn("geheim.inc");
        WriteContents(path, Header + "11111111\r\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
    SetPixelState(6, 4, 4, true);
    SetIncludeFlag(6, true);
    const GridSnapshot before = TakeGridSnapshot();
    CurrentFileName = pathIn("vorher.inc");

    NextFileName = path;
    Run(Load);
    QVERIFY(LastMessage);
    QCOMPARE(LastMessage->caption, QStringLiteral("Fehler"));
    QCOMPARE(LastMessage->text,
             QStringLiteral("Die Datei konnte nicht gelesen werden:\n") + QDir::toNativeSeparators(path));
    QCOMPARE(LastMessage->icon, QMessageBox::Warning);
    QCOMPARE(TakeGridSnapshot(), before);
    QVERIFY(CurrentFileName.isEmpty());
}

void tst_Commands::realSaveDialog()
{
    RecordMessages = false;
    SetIncludeFlag(0, true);
    SetPixelState(0, 1, 8, true);
    const QString typed = pathIn("ohne-endung");
    // As after a Load: the dialog still opens with an empty name field.
    CurrentFileName = pathIn("geladen.inc");
    const QString workingDirectory = QDir::currentPath();
    QStringList wrong{"no dialog"};
    AnswerNextDialog<QFileDialog>([&](QFileDialog *dialog) {
        wrong.clear();
        const auto expect = [&wrong](bool holds, const char *what) {
            if (!holds)
                wrong << what;
        };
        expect(dialog->windowTitle() == QStringLiteral("Bitte Datei zum Speichern auswählen"), "title");
        expect(dialog->parentWidget() == MainWindow, "owner");
        expect(dialog->acceptMode() == QFileDialog::AcceptSave, "save mode");
        expect(dialog->testOption(QFileDialog::DontUseNativeDialog), "Qt's own dialog");
        expect(dialog->testOption(QFileDialog::DontConfirmOverwrite), "no question before replacing");
        expect(dialog->defaultSuffix().isEmpty(), "no extension appended");
        expect(dialog->nameFilters()
                   == QStringList{"Include-Dateien (*.inc)", "Include-Dateien (*.include)", "Pixkor-Dateien (*.lcd)",
                                  "Alle Dateien (*.*)"},
               "filters");
        expect(dialog->selectedNameFilter() == "Include-Dateien (*.inc)", "first filter selected");
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        expect(name && name->text().isEmpty(), "empty name field");
        // Qt's own texts in the dialog are German too.
        auto *buttons = dialog->findChild<QDialogButtonBox *>("buttonBox");
        expect(buttons && buttons->button(QDialogButtonBox::Cancel)->text().remove('&') == QStringLiteral("Abbrechen"),
               "German buttons");
        if (!name)
            return dialog->reject();
        // Set, not typed: the completer's popup would catch the click on the button.
        name->setText(typed);
        PressAccept(dialog);
    });
    Run(SaveAs);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    QCOMPARE(CurrentFileName, typed);
    QCOMPARE(Contents(typed), Header + "10000000\r\nLcddefchar 0, %00000, %00000, %00000, %00000, %00000, %00000, "
                                       "%00000, %10000\r\n");
    QVERIFY(!QFile::exists(typed + ".inc"));
    QCOMPARE(QDir::currentPath(), workingDirectory);
}

void tst_Commands::realLoadDialog()
{
    RecordMessages = false;
    const QString file = pathIn("laden.include");
    WriteContents(file, Header + "00100000\r\nLcddefchar 2, %00000, %00000, %00000, %00000, %00000, %00000, "
                                 "%00000, %00011\r\n");
    CurrentFileName = pathIn("vorher.inc");
    const QString workingDirectory = QDir::currentPath();
    bool checked = false;
    AnswerNextDialog<QFileDialog>([&](QFileDialog *dialog) {
        checked = dialog->windowTitle() == QStringLiteral("Bitte Datei zum Laden auswählen")
                  && dialog->acceptMode() == QFileDialog::AcceptOpen && dialog->fileMode() == QFileDialog::AnyFile
                  && dialog->selectedNameFilter() == "Include-Dateien (*.inc)";
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        checked = checked && name && name->text().isEmpty();
        if (!name)
            return dialog->reject();
        name->setText(file);
        PressAccept(dialog);
    });
    Run(Load);
    QVERIFY(checked);
    QCOMPARE(CurrentFileName, file);
    QVERIFY(IncludeFlag(2));
    QVERIFY(PixelState(2, 4, 8) && PixelState(2, 5, 8) && !PixelState(2, 3, 8));
    QCOMPARE(QDir::currentPath(), workingDirectory);
}

void tst_Commands::realMessageBox()
{
    RecordMessages = false;
    QString seen;
    AnswerNextDialog<QMessageBox>([&](QMessageBox *box) {
        seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon()) + "|"
               + QString::number(box->buttons().size()) + "|" + (box->parentWidget() == MainWindow ? "owned" : "");
        box->button(QMessageBox::Ok)->click();
    });
    NextFileName = QString();
    Run(SaveAs);
    QCOMPARE(seen, QStringLiteral("Information|Keine Datei ausgewählt|0|1|owned"));
}

QTEST_MAIN(tst_Commands)
#include "tst_commands.moc"
