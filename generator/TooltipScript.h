#pragma once

// The tooltip machinery of a generated page: the element "ZQtooltip" and
// the script that declares the array Text and the variables that the
// functions of "JScript/Tooltip.js" use.

class TextOutStream;

// The count that callers pass does not change the text.
void writeTooltipScript(TextOutStream& out, int count);
