#pragma once

// Has the pickers' system colours read from the desktop (once the display
// is up): the first picker window installs the reader and reads them.

void useDisplaySystemColors();
