#include "editcommands.h"

#include "../definition/definitionformat.h"
#include "grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextEdit>

void NewCommand()
{
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                SetPixelState(segment, column, row, false);
    // The drawing is no longer the loaded file's; the next Save asks for a name.
    CurrentFileName.clear();
    SelectSegment(0);
}

void InvertCommand()
{
    const int segment = ActiveSegment();
    for (int row = 1; row <= RowCount; ++row)
        for (int column = 1; column <= ColumnCount; ++column)
            SetPixelState(segment, column, row, !PixelState(segment, column, row));
}

void CopyCommand()
{
    DefinitionText = QString::fromStdString(BuildDefinitionLine(TakeGridSnapshot(), ActiveSegment()));
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(DefinitionText);

    // An ordinary edit of the box, so that its own undo takes the line back.
    QTextCursor cursor(OutputBox->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.beginEditBlock();
    cursor.insertText(DefinitionText + QLatin1Char('\n'));
    cursor.endEditBlock();
    OutputBox->setTextCursor(cursor);
}
