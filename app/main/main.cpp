// The program's entry: the application object runs the main window. The
// arguments are kept as the system gave them, before wxWidgets decodes them
// with the locale's conversion, which loses a path's accents in a plain C
// locale.

#include "LargePages.h"
#include "TolvaneApp.h"

#include <wx/init.h>

wxIMPLEMENT_APP_NO_MAIN(CTolvaneApp);

int main(int argc, char** argv) {
    platform::startWithLargePages(argv);
    CTolvaneApp::setArguments(argc, argv);
    return wxEntry(argc, argv);
}
