#pragma once

// Text functions over the HTML of item pages and descriptions.

#include "CString.h"

// escapeMode 0: "&" becomes "&amp;", then '"' becomes "&quot;".
// escapeMode not 0 (text for a script string): the bold tags are removed,
// the right single quotation mark (0x92) becomes "&rsquo;", '`' becomes
// "&lsquo;", and '"' becomes '\''.
CString textToHtml(const CString& text, int escapeMode);
// "&", "<" and ">" escaped once each.
CString escapeHtml(const CString& text);
