#include "dialogs.h"

#include "../editing/grid.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

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
QString ChooseFile(QFileDialog::AcceptMode mode, const QString &title, const QString &filter)
{
    if (NextFileName) {
        const QString answer = *NextFileName;
        NextFileName.reset();
        return answer;
    }
    QFileDialog dialog(MainWindow, title, StartFolder());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(NameFiltersOf(filter));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QStringList NameFiltersOf(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &label = parts[i];
        const QString &pattern = parts[i + 1];
        // Qt reads the patterns from the parentheses of the label.
        filters << (label.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))
                        ? label
                        : QStringLiteral("%1 (%2)").arg(label, pattern));
    }
    return filters;
}

QString ChooseFileToLoad(const QString &title, const QString &filter)
{
    return ChooseFile(QFileDialog::AcceptOpen, title, filter);
}

QString ChooseFileToSave(const QString &title, const QString &filter)
{
    return ChooseFile(QFileDialog::AcceptSave, title, filter);
}

void ShowMessage(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    if (RecordMessages) {
        LastMessage = ShownMessage{icon, caption, text};
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, MainWindow);
    box.exec();
}
