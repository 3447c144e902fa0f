#pragma once

// The table of the quality criteria that apply to what lies below an item
// (its own criteria and the main ones further down), closing the pages of
// activities, macro-activities, phases and workflows.

#include "CString.h"

class ProcessItem;
class ProcessManager;
class TextOutStream;

// Nothing when no criterion applies. topPicture is the page's link to the
// picture that leads back to the top.
void writeSubtreeQualityCriteria(ProcessManager& manager, ProcessItem& item, int language, TextOutStream& out,
                                 const CString& topPicture);
