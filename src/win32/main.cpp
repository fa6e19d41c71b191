#include "../shell/startup.h"
#include "win32frontend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    StartToolkit();
    return RunPixkor();
}
