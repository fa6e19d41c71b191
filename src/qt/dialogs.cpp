#include "dialogs.h"

#include "../definition/filecommands.h"
#include "../editing/grid.h"
#include "qtfrontend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

std::optional<QString> NextFileName;
bool RecordMessages = false;
std::optional<ShownMessage> LastMessage;

namespace {

// The user's documents, else the home folder. A folder that does not exist
// must not be given to the dialog: it would show up in the name field.
QString StartFolder()
{
    for (const QString &folder :
         {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()})
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return {};
}

// Names a file's type from its name alone and gives every entry the plain
// icon of its kind. Qt's own provider looks inside files to name their type,
// and a file such as /proc/kmsg can keep it waiting for ever.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo &info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QStringLiteral("Ordner");
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? QStringLiteral("Datei") : suffix + QStringLiteral("-Datei");
    }
};

// The folder part of a typed path must exist: otherwise the dialog stays
// open and says so.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QString chosen = selectedFiles().value(0);
        const QFileInfo folder(QFileInfo(chosen).absolutePath());
        if (!chosen.isEmpty() && !folder.isDir()) {
            QMessageBox box(QMessageBox::Warning, windowTitle(),
                            QStringLiteral("Der Ordner existiert nicht:\n%1")
                                .arg(QDir::toNativeSeparators(folder.filePath())),
                            QMessageBox::Ok, this);
            box.exec();
            return;
        }
        QFileDialog::accept();
    }
};

// What the dialog is given as filters: "Label (pattern)" for each entry,
// shown without that last part. So "Alle Dateien (*.*)" keeps its label and
// lists every file under the pattern "*", names without a dot included.
QStringList DialogFiltersOf(std::string_view filter)
{
    QStringList filters;
    for (const FileFilterEntry &entry : SplitFileFilter(filter)) {
        const QString pattern = entry.pattern == "*.*" ? QStringLiteral("*") : ToQString(entry.pattern);
        filters << QStringLiteral("%1 (%2)").arg(ToQString(entry.label), pattern);
    }
    return filters;
}

// Qt's own dialog rather than the desktop's, so it behaves the same everywhere.
// A fresh dialog each time: the first filter, an empty name field.
std::string ChooseFile(QFileDialog::AcceptMode mode, std::string_view title, std::string_view filter)
{
    if (NextFileName) {
        const QString answer = *NextFileName;
        NextFileName.reset();
        return ToUtf8(answer);
    }
    NameOnlyIconProvider iconProvider; // outlives the dialog
    FileDialog dialog(MainWidget(), ToQString(title), StartFolder());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setIconProvider(&iconProvider);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(DialogFiltersOf(filter));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return ToUtf8(dialog.selectedFiles().value(0));
}

} // namespace

std::string ChooseFileToLoad(std::string_view title, std::string_view filter)
{
    return ChooseFile(QFileDialog::AcceptOpen, title, filter);
}

std::string ChooseFileToSave(std::string_view title, std::string_view filter)
{
    return ChooseFile(QFileDialog::AcceptSave, title, filter);
}

void ShowMessage(MessageIcon icon, std::string_view caption, std::string_view text)
{
    const QMessageBox::Icon shown = icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
    if (RecordMessages) {
        LastMessage = ShownMessage{shown, ToQString(caption), ToQString(text)};
        return;
    }
    QMessageBox box(shown, ToQString(caption), ToQString(text), QMessageBox::Ok, MainWidget());
    box.exec();
}

void InstallGermanToolkitTexts()
{
    auto *texts = new QTranslator(QCoreApplication::instance());
    if (texts->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(texts);
}
