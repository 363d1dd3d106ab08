// Stands in for the dialog program until it exists, so that the executable
// carrying the resources can be built and checked.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
