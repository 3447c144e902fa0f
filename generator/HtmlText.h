#pragma once

// Text functions over the HTML of item pages and descriptions. Pages are
// read line by line (49,999 characters a line); tags are found by their
// opening text "<" + name, compared without regard to case and matched as a
// prefix ("a" also finds "abbr", "/body" finds "</body"). Beside them, the
// small text helpers that the page writers and the exports share.

#include "CString.h"

class Item;
class ProcessManager;
class TextInStream;
class TextOutStream;

// Finds "<" + name from *start. *start becomes the tag's index (or -1) and,
// when found, *end the index of its ">"; a tag whose ">" is on a later line
// pulls up to 10 more lines of in (may be null) into text, joined by "\n".
// False, with nothing changed, when *start is -1 or past the text.
bool findTag(CString& text, const CString& name, int* start, int* end, TextInStream* in);
// Removes every element of that name, tags and content; an opening tag with
// no closing tag after it stays with everything behind it. text is updated
// too.
CString removeElements(CString& text, const CString& name, TextInStream* in);
// Removes every tag of that name, keeping what lies between them. text is
// updated too.
CString removeTags(CString& text, const CString& name, TextInStream* in);
// The value of attribute in the tag of text that lies between from and limit,
// without its quotes; *valueStart..*valueEnd is the range that replaceRange
// replaces (for a quoted value, the value with both quotes). "" and -1, -1
// when the attribute is missing.
CString getAttributeValue(const CString& text, int from, int limit, const CString& attribute, int* valueStart,
                          int* valueEnd);
// text with the characters from start to end (both included) replaced by
// value in double quotes.
CString replaceRange(const CString& text, int start, int end, const CString& value);
// Writes the body of an item page to out, reworked as a section of a
// document in the project's folder "tmp": section headings in bold, page
// titles, links and back-to-top pictures removed, picture sources made
// relative to "tmp". A page that cannot be opened writes nothing.
void extractPageSections(const CString& pagePath, TextOutStream& out, Item* item, int language);
// The text between the page's body tags (tags named body, not tags whose
// name only begins so), lines joined with nothing between them; with
// stopAtMarker not 0 it also ends at "<!--PROCESS_HYPERLINK-->".
// "" when the page cannot be opened.
CString extractPageBody(const CString& pagePath, int stopAtMarker);
// The process project of the running program (null when none is open).
ProcessManager* getProcessManager();

// escapeMode 0: "&" becomes "&amp;", then '"' becomes "&quot;".
// escapeMode not 0 (text for a script string): the bold tags are removed,
// the right single quotation mark (0x92) becomes "&rsquo;", '`' becomes
// "&lsquo;", and '"' becomes '\''.
CString textToHtml(const CString& text, int escapeMode);
// "&", "<" and ">" escaped once each.
CString escapeHtml(const CString& text);
// A lower-cased copy, for comparing names, links and keys without regard to case.
CString lowerCased(CString text);
