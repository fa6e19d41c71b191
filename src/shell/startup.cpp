#include "startup.h"

#include "../editing/grid.h"

PictureHandle ImageGreen = nullptr;
PictureHandle ImageBlack = nullptr;
std::array<PictureHandle, ToolbarCommandCount> ToolbarPictures{};

namespace {

PictureHandle LoadToolbarPicture(int commandId)
{
    const PictureFile &file = ToolbarPictureFiles[commandId];
    return LoadPicture(file.folder, file.name, PictureFormat::Icon);
}

PictureHandle LoadBitmap(const PictureFile &file)
{
    return LoadPicture(file.folder, file.name, PictureFormat::Bitmap);
}

} // namespace

void StartPixkor()
{
    CreateGridTables();
    // New, ImageGreen, Copy, Invert, Open, Save, Save As.
    ToolbarPictures[0] = LoadToolbarPicture(0);
    ImageGreen = LoadBitmap(ImageGreenFile);
    for (int commandId = 1; commandId < ToolbarCommandCount; ++commandId)
        ToolbarPictures[commandId] = LoadToolbarPicture(commandId);

    OpenMainWindow(WindowLeft, WindowTop, WindowWidth, WindowHeight);

    ImageBlack = LoadBitmap(ImageBlackFile);
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                SetPressedPicture(PixelButtons[segment][column][row], ImageBlack);
}

int RunPixkor()
{
    StartPixkor();
    RunEventLoop();
    return 0;
}
