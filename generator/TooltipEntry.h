#pragma once

// The entries of a page's tooltip array "Text": each is a script element
// that sets Text[n] to a title and a body, both JavaScript strings in double
// quotes, so whatever goes into them is made safe for such a string first.

#include "CString.h"

class Project;

// A text for a tooltip string: backslashes doubled, CRs dropped, double
// quotes made "&#147" and "</" made "<\/" (a closing tag would end the
// script element).
CString escapeScriptString(const CString& text);
// The same after the references of the text became names.
CString toScriptString(const Project& project, const CString& text, int language);

// "\n<script ...>\nText[number]=[\"title\",\"content\"]\n</script>\n"; title
// and content are already script strings.
CString tooltipEntry(const CString& number, const CString& title, const CString& content);
// The page's next tooltip number, as text; the counter moves on.
CString takeTooltipNumber(int* tooltipCounter);
// The opening tag of a text that shows tooltip number on mouse-over; "</span>" closes it.
CString tooltipSpanOpening(const CString& number);
