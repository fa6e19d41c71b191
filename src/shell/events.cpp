#include "events.h"

#include "../definition/filecommands.h"
#include "../editing/editcommands.h"
#include "../editing/grid.h"
#include "mainwindow.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

#include <array>

namespace {

using CommandProcedure = void (*)();

// Indexed by command id; any other id does nothing.
constexpr std::array<CommandProcedure, ToolbarCommandCount> ToolbarCommands = {
    NewCommand, CopyCommand, InvertCommand, LoadCommand, SaveCommand, SaveAsCommand,
};

void RunToolbarCommand(int commandId)
{
    if (commandId >= 0 && commandId < ToolbarCommandCount)
        ToolbarCommands[commandId]();
}

} // namespace

bool HandleWindowEvent(const WindowEvent &event)
{
    switch (event.kind) {
    case EventKind::ToolbarEvent:
        RunToolbarCommand(event.commandId);
        return true;
    case EventKind::ControlEvent:
        MarkActiveSegment(event.control);
        return true;
    case EventKind::CloseWindowEvent:
        return false;
    }
    return true;
}

void InstallGermanToolkitTexts()
{
    auto *texts = new QTranslator(QCoreApplication::instance());
    if (texts->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(texts);
}

void StartPixkor()
{
    CreateGridTables();
    LoadToolbarAndOffPictures();
    OpenMainWindow(50, 50, 600, 650);
    ImageBlack = LoadPicture(ImageBlackFile);
    const QPixmap onPicture = QPixmap::fromImage(ImageBlack);
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                SetPressedPicture(PixelButtons[segment][column][row], onPicture);
}
