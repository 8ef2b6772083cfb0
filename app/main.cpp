#include <windows.h>

#include "app/Unit1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return RunDocRenamer(); }
