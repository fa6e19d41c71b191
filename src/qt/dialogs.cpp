#include "dialogs.h"

#include "../definition/filecommands.h"
#include "../editing/grid.h"
#include "qtfrontend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
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

// Qt's own dialog rather than the desktop's, so it behaves the same everywhere.
// A fresh dialog each time: the first filter, an empty name field.
std::string ChooseFile(QFileDialog::AcceptMode mode, std::string_view title, std::string_view filter)
{
    if (NextFileName) {
        const QString answer = *NextFileName;
        NextFileName.reset();
        return ToUtf8(answer);
    }
    QFileDialog dialog(MainWidget(), ToQString(title), StartFolder());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(NameFiltersOf(filter));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return ToUtf8(dialog.selectedFiles().value(0));
}

} // namespace

QStringList NameFiltersOf(std::string_view filter)
{
    QStringList filters;
    for (const FileFilterEntry &entry : SplitFileFilter(filter)) {
        const QString label = ToQString(entry.label);
        const QString pattern = ToQString(entry.pattern);
        // Qt reads the patterns from the parentheses of the label.
        filters << (label.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))
                        ? label
                        : QStringLiteral("%1 (%2)").arg(label, pattern));
    }
    return filters;
}

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
