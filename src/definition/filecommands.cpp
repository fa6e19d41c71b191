#include "filecommands.h"

#include "../editing/grid.h"
#include "definitionfile.h"
#include "dialogs.h"

#include <QDir>
#include <QFileInfo>

const QString FileFilter = QStringLiteral(
    "Include-Dateien (*.inc)|*.inc|Include-Dateien (*.include)|*.include|Pixkor-Dateien (*.lcd)|*.lcd|"
    "Alle Dateien (*.*)|*.*");

namespace {

void ReportFileError(const QString &sentence, const QString &path)
{
    ShowMessage(QMessageBox::Warning, QStringLiteral("Fehler"),
                sentence + QLatin1Char('\n') + QDir::toNativeSeparators(path));
}

void WriteCurrentFile()
{
    if (!WriteDefinitionFile())
        ReportFileError(QStringLiteral("Die Datei konnte nicht gespeichert werden:"), CurrentFileName);
}

} // namespace

void LoadCommand()
{
    CurrentFileName = ChooseFileToLoad(QStringLiteral("Bitte Datei zum Laden auswählen"), FileFilter);
    // A name that does not exist yet stays the current file: Save creates it.
    if (CurrentFileName.isEmpty() || !QFileInfo::exists(CurrentFileName))
        return;
    if (ReadDefinitionFile(CurrentFileName))
        return;
    // Forget the file, so that a following Save cannot overwrite what the user
    // meant to load.
    const QString path = CurrentFileName;
    CurrentFileName.clear();
    ReportFileError(QStringLiteral("Die Datei konnte nicht gelesen werden:"), path);
}

void SaveCommand()
{
    if (CurrentFileName.isEmpty())
        return SaveAsCommand();
    WriteCurrentFile();
}

void SaveAsCommand()
{
    CurrentFileName = ChooseFileToSave(QStringLiteral("Bitte Datei zum Speichern auswählen"), FileFilter);
    if (CurrentFileName.isEmpty()) {
        ShowMessage(QMessageBox::NoIcon, QStringLiteral("Information"), QStringLiteral("Keine Datei ausgewählt"));
        return;
    }
    WriteCurrentFile();
}
