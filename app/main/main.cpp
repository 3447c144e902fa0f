// The program's entry: the application object runs the main window.

#include "TolvaneApp.h"

wxIMPLEMENT_APP(CTolvaneApp);
