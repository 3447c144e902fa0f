#pragma once

// Large memory pages for the program's heap. Opening a large process builds
// an object for each of its items, about a hundred megabytes for 20,000,
// and where the system hands out large pages only to memory that asks for
// them, the fault taken for each small page of it costs more than building
// the items. The C library's allocator asks for large pages when told so as
// the program starts; this tells it, starting the program again at once,
// in the same process, with its arguments as they are.

namespace platform {

// Called first thing in main: returns at once where large pages are given
// without asking (or never), where the allocator was already told, where
// the program was not started from its own file (by the dynamic loader, or
// under a memory checker), and in the program started again, whose
// environment is then as it was; returns too when the program cannot be
// started again, which then goes on as it is.
void startWithLargePages(char** argv);

} // namespace platform
