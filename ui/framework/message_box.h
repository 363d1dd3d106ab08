// A modal message box owned by the main window, captioned with the
// application name.
#pragma once

#include <windows.h>

// MB_OK boxes carry the exclamation icon: they are the program's warnings.
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK);
