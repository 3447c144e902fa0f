#pragma once

// Outside programs, always started by argv and never through a shell, so no
// text of the user's reaches a command interpreter. The original's "notepad"
// and "explorer" and the browser for web links map to the desktop's own
// programs: the text editor of $VISUAL or $EDITOR, else xdg-open.

#include "CString.h"

#include <vector>

namespace process {

struct Result {
    bool started = false; // the program could be started
    int exitCode = -1;    // when waited for: its exit status (-1 when killed)
    CString error;        // why it could not be started
    int startError = 0;   // the same as an errno value
};

// Runs argv[0] (looked up in PATH unless it holds a '/') with the other
// arguments, texts converted to the system's encoding. With wait the call
// returns when the program ends; without, at once (the child is reaped).
Result run(const std::vector<CString>& argv, bool wait);

// The openers below start their program without waiting for it. When it
// cannot be started, the user is told at once and the call answers false;
// when it ends later with a failure status (the desktop's opener finds no
// program for the file, or the file is missing), the user is told then,
// through ui::postMessageBox.

// Opens a web address, a document or a folder with the desktop's handler.
// Paths may use '\'; addresses ("http:", "https:", "file:", "mailto:") are
// passed as they are.
bool openWithDesktop(const CString& target);

// Opens a text file in the user's editor ($VISUAL, then $EDITOR, whose
// words are split at blanks), else with the desktop's handler.
bool openInTextEditor(const CString& path);

// Runs a browser program on an address; messages name it as shownAs (the
// page as the user knows it).
bool startBrowser(const CString& browser, const CString& address, const CString& shownAs);

// The command line registered for opening web addresses, in the form
// "\"<program>\" %1": the desktop's handler found in PATH; empty when
// there is none.
CString browserCommand();

// Whether a target is a web or mail address rather than a path.
bool isAddress(const CString& target);

} // namespace process
