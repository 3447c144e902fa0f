#pragma once

// A step of an activity as its step list stores it. A step may begin with a
// prefix: "#", a depth digit, optionally "C" (a comment) or "O" (an optional
// step), and one separator before the text proper ("#1 Check the plan",
// "#2O Ask the customer", "#0C Mind the dates").

#include "CString.h"

struct ActivityStep {
    explicit ActivityStep(const CString& stored);

    // The digit after "#" in a step of three characters or more; 0 when it
    // is no digit or the step has no prefix.
    int depth = 0;
    // Four characters or more, "#" first and "C" (or "O") third.
    bool comment = false;
    bool optional = false;
    // The text as the step details of the activity page show it: without
    // its prefix (three characters, four with a comment or optional mark)
    // when its depth is above 0, else whole.
    CString detailText;
    // The text as the activity's schema shows it: without its prefix (three
    // characters, four with a comment or optional mark) whenever it begins
    // with "#" and has three characters or more, else whole.
    CString schemaText;
    // Whether it begins with "#" and has three characters or more.
    bool prefixed = false;
};
