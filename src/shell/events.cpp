#include "events.h"

#include "../definition/filecommands.h"
#include "../editing/editcommands.h"
#include "../editing/grid.h"
#include "layout.h"

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
