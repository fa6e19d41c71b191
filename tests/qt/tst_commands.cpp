// What only the Qt window shows of the commands: its toolbar buttons reach
// them, the display's clipboard and the real text box take Copy's line, and
// the real file dialogs and message box are set up as the commands ask.

#include "editing/grid.h"
#include "qt/dialogs.h"
#include "qt/qtfrontend.h"
#include "shell/events.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
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

// The filter list as the dialog shows it.
QStringList ShownFilters(QFileDialog *dialog)
{
    QStringList shown;
    if (auto *types = dialog->findChild<QComboBox *>("fileTypeCombo"))
        for (int i = 0; i < types->count(); ++i)
            shown << types->itemText(i);
    return shown;
}

// The names the dialog's file list shows.
QStringList ListedNames(QFileDialog *dialog)
{
    QStringList names;
    auto *view = dialog->findChild<QListView *>("listView");
    if (!view || !view->model())
        return names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    return names;
}

QLineEdit *NameField(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>("fileNameEdit");
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

    void copyIsAnOrdinaryEditOfTheBox();

    void realSaveDialog();
    void realLoadDialog();
    void realMessageBox();
    void dialogsRefuseAMissingFolder_data();
    void dialogsRefuseAMissingFolder();
    void allFilesListsNamesWithoutADot();
    void dialogNamesTypesFromTheNameAlone();
    void nonAsciiPaths();

private:
    QTemporaryDir *folder = nullptr;
    QString pathIn(const QString &name) const { return folder->filePath(name); }
};

void tst_Commands::initTestCase()
{
    InstallGermanToolkitTexts();
    StartPixkor();
    QVERIFY(QTest::qWaitForWindowActive(MainWidget()));
}

void tst_Commands::init()
{
    ApplyGridSnapshot(GridSnapshot{});
    CurrentFileName.clear();
    OutputTextBox()->clear();
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
        QCOMPARE(ToQString(CurrentFileName), file);
    } else {
        QCOMPARE(Contents(file), Header + "00000000\r\n");
        QCOMPARE(ToQString(CurrentFileName), file);
    }
}

void tst_Commands::copyIsAnOrdinaryEditOfTheBox()
{
    OutputTextBox()->setPlainText("mine");
    OutputTextBox()->document()->clearUndoRedoStacks();
    SelectSegment(3);
    Run(Copy);
    const QString line = ToQString(DefinitionText);
    QCOMPARE(QGuiApplication::clipboard()->text(), line);
    QCOMPARE(OutputTextBox()->toPlainText(), line + "\nmine");
    // The caret stands at the start of the second line.
    QCOMPARE(OutputTextBox()->textCursor().position(), line.size() + 1);
    QCOMPARE(OutputTextBox()->textCursor().blockNumber(), 1);
    QCOMPARE(OutputTextBox()->textCursor().positionInBlock(), 0);

    Run(Copy);
    OutputTextBox()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), OutputTextBox());
    QTest::keyClick(OutputTextBox(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(OutputTextBox()->toPlainText(), line + "\nmine");
    QTest::keyClick(OutputTextBox(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(OutputTextBox()->toPlainText(), QStringLiteral("mine"));
}

void tst_Commands::realSaveDialog()
{
    RecordMessages = false;
    SetIncludeFlag(0, true);
    SetPixelState(0, 1, 8, true);
    const QString typed = pathIn("ohne-endung");
    // As after a Load: the dialog still opens with an empty name field.
    CurrentFileName = ToUtf8(pathIn("geladen.inc"));
    const QString workingDirectory = QDir::currentPath();
    QStringList wrong{"no dialog"};
    AnswerNextDialog<QFileDialog>([&](QFileDialog *dialog) {
        wrong.clear();
        const auto expect = [&wrong](bool holds, const char *what) {
            if (!holds)
                wrong << what;
        };
        expect(dialog->windowTitle() == QStringLiteral("Bitte Datei zum Speichern auswählen"), "title");
        expect(dialog->parentWidget() == MainWidget(), "owner");
        expect(dialog->acceptMode() == QFileDialog::AcceptSave, "save mode");
        expect(dialog->testOption(QFileDialog::DontUseNativeDialog), "Qt's own dialog");
        expect(dialog->testOption(QFileDialog::DontConfirmOverwrite), "no question before replacing");
        expect(dialog->defaultSuffix().isEmpty(), "no extension appended");
        expect(ShownFilters(dialog)
                   == QStringList{"Include-Dateien (*.inc)", "Include-Dateien (*.include)", "Pixkor-Dateien (*.lcd)",
                                  "Alle Dateien (*.*)"},
               "filters");
        auto *types = dialog->findChild<QComboBox *>("fileTypeCombo");
        expect(types && types->currentIndex() == 0, "first filter selected");
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
    QCOMPARE(ToQString(CurrentFileName), typed);
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
    CurrentFileName = ToUtf8(pathIn("vorher.inc"));
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
    QCOMPARE(ToQString(CurrentFileName), file);
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
               + QString::number(box->buttons().size()) + "|" + (box->parentWidget() == MainWidget() ? "owned" : "");
        box->button(QMessageBox::Ok)->click();
    });
    NextFileName = QString();
    Run(SaveAs);
    QCOMPARE(seen, QStringLiteral("Information|Keine Datei ausgewählt|0|1|owned"));
}

void tst_Commands::dialogsRefuseAMissingFolder_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("Laden") << int(Load);
    QTest::newRow("Speichern unter...") << int(SaveAs);
}

// The dialog stays open and says in German that the folder is missing; the
// command then ends as cancelled.
void tst_Commands::dialogsRefuseAMissingFolder()
{
    QFETCH(int, command);
    RecordMessages = true;
    const QString missing = pathIn("fehlt");
    QString told;
    bool stayedOpen = false;
    AnswerNextDialog<QFileDialog>([&](QFileDialog *dialog) {
        QLineEdit *name = NameField(dialog);
        if (!name)
            return dialog->reject();
        name->setText(missing + "/zeichen.inc");
        AnswerNextDialog<QMessageBox>([&](QMessageBox *box) {
            told = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon());
            box->button(QMessageBox::Ok)->click();
        });
        PressAccept(dialog);
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    Run(Command(command));
    const QString title = command == Load ? QStringLiteral("Bitte Datei zum Laden auswählen")
                                          : QStringLiteral("Bitte Datei zum Speichern auswählen");
    QCOMPARE(told, title + "|Der Ordner existiert nicht:\n" + missing + "|" + QString::number(QMessageBox::Warning));
    QVERIFY(stayedOpen);
    QVERIFY(CurrentFileName.empty());
    QVERIFY(!QFileInfo::exists(missing));
}

// "Alle Dateien (*.*)" lists names without a dot, which Save As writes on
// purpose; "*.inc" does not.
void tst_Commands::allFilesListsNamesWithoutADot()
{
    WriteContents(pathIn("ohne-punkt"), "x");
    WriteContents(pathIn("mit.inc"), "x");
    QStringList underInc{"no dialog"}, underAll{"no dialog"};
    AnswerNextDialog<QFileDialog>([&](QFileDialog *dialog) {
        auto *types = dialog->findChild<QComboBox *>("fileTypeCombo");
        if (!types)
            return dialog->reject();
        dialog->setDirectory(folder->path());
        QTRY_VERIFY_WITH_TIMEOUT(ListedNames(dialog).contains("mit.inc"), 10000);
        underInc = ListedNames(dialog);
        // As the user picks it.
        types->setCurrentIndex(3);
        emit types->activated(3);
        QTRY_VERIFY_WITH_TIMEOUT(ListedNames(dialog).contains("ohne-punkt"), 10000);
        underAll = ListedNames(dialog);
        dialog->reject();
    });
    NextFileName.reset();
    RecordMessages = true;
    Run(Load);
    QCOMPARE(underInc, QStringList{"mit.inc"});
    QCOMPARE(underAll, (QStringList{"mit.inc", "ohne-punkt"}));
}

// A file without extension that holds a PNG picture is named "Datei": the
// dialog never looked inside it.
void tst_Commands::dialogNamesTypesFromTheNameAlone()
{
    WriteContents(pathIn("bild"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, '\0'));
    WriteContents(pathIn("pfeil.inc"), Header + "00000000\r\n");
    QStringList types{"no dialog"};
    AnswerNextDialog<QFileDialog>([&](QFileDialog *dialog) {
        auto *model = dialog->findChild<QFileSystemModel *>();
        if (!model)
            return dialog->reject();
        dialog->setDirectory(folder->path());
        QTRY_VERIFY_WITH_TIMEOUT(model->index(pathIn("bild")).isValid() && model->index(pathIn("pfeil.inc")).isValid(),
                                 10000);
        types = QStringList{model->type(model->index(pathIn("bild"))), model->type(model->index(pathIn("pfeil.inc"))),
                            model->type(model->index(folder->path()))};
        dialog->reject();
    });
    RecordMessages = true;
    Run(SaveAs);
    QCOMPARE(types, (QStringList{"Datei", "inc-Datei", "Ordner"}));
}

// Umlauts in folder and file names, through the real dialogs and the real
// message box; CTest runs this once more in the C locale.
void tst_Commands::nonAsciiPaths()
{
    RecordMessages = false;
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("Zeichensätze")));
    const QString file = pathIn(QStringLiteral("Zeichensätze/Pfeil ö.inc"));
    const auto typeInto = [](const QString &path) {
        AnswerNextDialog<QFileDialog>([path](QFileDialog *dialog) {
            QLineEdit *name = NameField(dialog);
            if (!name)
                return dialog->reject();
            name->setText(path);
            PressAccept(dialog);
        });
    };
    SetIncludeFlag(3, true);
    SetPixelState(3, 3, 1, true);
    typeInto(file);
    Run(SaveAs);
    QCOMPARE(ToQString(CurrentFileName), file);
    // The name on disk is the UTF-8 spelling, whatever the locale.
    const QByteArray bytes = (folder->path() + "/Zeichens\xC3\xA4tze/Pfeil \xC3\xB6.inc").toUtf8();
    QVERIFY(::access(bytes.constData(), F_OK) == 0);
    QCOMPARE(Contents(file).size(), 48 + 78);

    ApplyGridSnapshot(GridSnapshot{});
    typeInto(file);
    Run(Load);
    QVERIFY(PixelState(3, 3, 1));
    QVERIFY(IncludeFlag(3));

    const QString pipe = pathIn(QStringLiteral("Zeichensätze/Rohr ö.inc"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QString told;
    typeInto(pipe);
    AnswerNextDialog<QMessageBox>([&](QMessageBox *box) {
        told = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    Run(Load);
    QCOMPARE(told, "Die Datei konnte nicht gelesen werden:\n" + pipe + "\nDas Ziel ist keine gewöhnliche Datei.");
}

QTEST_MAIN(tst_Commands)
#include "tst_commands.moc"
