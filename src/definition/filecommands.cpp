#include "filecommands.h"

#include "../editing/grid.h"
#include "definitionfile.h"

const std::string_view FileFilter =
    "Include-Dateien (*.inc)|*.inc|Include-Dateien (*.include)|*.include|Pixkor-Dateien (*.lcd)|*.lcd|"
    "Alle Dateien (*.*)|*.*";
const std::string_view LoadDialogTitle = "Bitte Datei zum Laden auswählen";
const std::string_view SaveDialogTitle = "Bitte Datei zum Speichern auswählen";

namespace {

void ReportFileError(std::string_view sentence, const std::string &path)
{
    ShowMessage(MessageIcon::Warning, "Fehler", std::string(sentence) + '\n' + path);
}

void WriteCurrentFile()
{
    if (!WriteDefinitionFile())
        ReportFileError("Die Datei konnte nicht gespeichert werden:", CurrentFileName);
}

} // namespace

FileResult WriteDefinitionFile()
{
    return WriteDefinitionFileFrom(TakeGridSnapshot(), CurrentFileName);
}

FileResult ReadDefinitionFile(const std::string &path)
{
    GridSnapshot grid = TakeGridSnapshot();
    FileResult result = ReadDefinitionFileInto(path, grid);
    if (result)
        ApplyGridSnapshot(grid);
    return result;
}

std::vector<FileFilterEntry> SplitFileFilter(std::string_view filter)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t bar = filter.find('|');
        parts.push_back(filter.substr(0, bar));
        if (bar == std::string_view::npos)
            break;
        filter.remove_prefix(bar + 1);
    }
    std::vector<FileFilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        entries.push_back({std::string(parts[i]), std::string(parts[i + 1])});
    return entries;
}

void LoadCommand()
{
    CurrentFileName = ChooseFileToLoad(LoadDialogTitle, FileFilter);
    if (CurrentFileName.empty())
        return;
    const FileResult result = ReadDefinitionFile(CurrentFileName);
    // A name that does not exist yet stays the current file: Save creates it.
    if (result || result.problem == FileProblem::NotFound)
        return;
    // Forget the file, so that a following Save cannot overwrite what the user
    // meant to load.
    const std::string path = CurrentFileName;
    CurrentFileName.clear();
    ReportFileError("Die Datei konnte nicht gelesen werden:", path);
}

void SaveCommand()
{
    if (CurrentFileName.empty())
        return SaveAsCommand();
    WriteCurrentFile();
}

void SaveAsCommand()
{
    CurrentFileName = ChooseFileToSave(SaveDialogTitle, FileFilter);
    if (CurrentFileName.empty()) {
        ShowMessage(MessageIcon::None, "Information", "Keine Datei ausgewählt");
        return;
    }
    WriteCurrentFile();
}
