#pragma once

// The one crossing between the program's Windows-1252 text and wxWidgets
// strings. Every text shown in or read from a control passes here.

#include "CString.h"

#include <wx/string.h>

wxString toWx(const CString& text);
wxString toWx(const char* text);
CString fromWx(const wxString& text);
