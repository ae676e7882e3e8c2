#include "app/program.h"
#include "platform/shell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return aw::RunProgram(aw::ProgramArguments());
}
