#include "filecommands.h"

#include "../editing/grid.h"
#include "definitionfile.h"

const std::string_view FileFilter =
    "Include-Dateien (*.inc)|*.inc|Include-Dateien (*.include)|*.include|Pixkor-Dateien (*.lcd)|*.lcd|"
    "Alle Dateien (*.*)|*.*";
const std::string_view LoadDialogTitle = "Bitte Datei zum Laden auswählen";
const std::string_view SaveDialogTitle = "Bitte Datei zum Speichern auswählen";

namespace {

// Longer paths are shortened in their middle, so that the message box keeps
// a normal size.
constexpr std::size_t LongestShownPath = 100;

void ReportFileError(std::string_view sentence, const std::string &path, const FileResult &result)
{
    ShowMessage(MessageIcon::Warning, "Fehler",
                std::string(sentence) + '\n' + ShortenedPath(path, LongestShownPath) + '\n' + FileProblemText(result));
}

void WriteCurrentFile()
{
    const FileResult result = WriteDefinitionFile();
    if (!result)
        ReportFileError("Die Datei konnte nicht gespeichert werden:", CurrentFileName, result);
}

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string FileProblemText(const FileResult &result)
{
    switch (result.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::NotFound:
        return "Der Ordner existiert nicht.";
    case FileProblem::AccessDenied:
        return "Zugriff verweigert.";
    case FileProblem::IsFolder:
        return "Das Ziel ist ein Ordner.";
    case FileProblem::NotPlainFile:
        return "Das Ziel ist keine gewöhnliche Datei.";
    case FileProblem::NoSpace:
        return "Kein Speicherplatz auf dem Datenträger.";
    case FileProblem::ReadOnlyFileSystem:
        return "Schreibgeschütztes Dateisystem.";
    case FileProblem::PathTooLong:
        return "Der Pfad ist zu lang.";
    case FileProblem::Other:
        break;
    }
    return result.systemText.empty() ? "Unbekannter Fehler." : result.systemText;
}

// Counted in characters, not bytes, and never cut inside one.
std::string ShortenedPath(const std::string &path, std::size_t longest)
{
    std::vector<std::size_t> starts; // where each character begins
    for (std::size_t at = 0; at < path.size(); ++at)
        if (!IsContinuationByte(path[at]))
            starts.push_back(at);
    if (starts.size() <= longest || longest < 3)
        return path;
    const std::size_t tail = (longest - 1) / 2;
    const std::size_t head = longest - 1 - tail;
    return path.substr(0, starts[head]) + "…" + path.substr(starts[starts.size() - tail]);
}

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
    ReportFileError("Die Datei konnte nicht gelesen werden:", path, result);
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
