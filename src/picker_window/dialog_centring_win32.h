// Centring of the About and profile dialogs on the screen.
#pragma once
#include <windows.h>

// Centres a dialog on the screen, keeping its size and Z order.
void centre_dialog(HWND dialog);
