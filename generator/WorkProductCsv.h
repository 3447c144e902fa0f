#pragma once

// The lines of the spreadsheet file "WP.csv" ("WPL2.csv") that the work
// product overview writes beside its page: a header line, then one line per
// listed work product, fields separated by ";". A field that holds the
// separator, a double quote or a line end is put in double quotes with its
// double quotes doubled, so that a spreadsheet reads every field back as
// written.

#include "CString.h"

class ProcessItem;
class ProcessManager;

class WorkProductCsv {
public:
    // A field as the file holds it.
    static CString field(const CString& text);
    // The header line, its labels in the file's language, with its line end.
    static CString headerLine(ProcessManager& manager, int language);
    // The line of a work product, with its line end: its name in the
    // language, its domain and discipline (first-language names), its
    // configuration policy, naming rule, authors and its description on one
    // line, references made names.
    static CString line(ProcessManager& manager, ProcessItem& product, int language, int* tooltipCounter);
};
