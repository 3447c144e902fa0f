#pragma once

// The two process components of a workflow in the EPF method library: a
// capability pattern and a delivery process, each with the workflow's
// subtree of macro-activities, phases and activities as nested breakdown
// elements and task descriptors pointing at the activities' tasks. They go
// into the plug-in's process packages; their package selections into the
// method configuration.
//
// An activity or macro-activity met a second time in one process, through
// a shortcut inside the workflow, gets its own descriptor: its identifier
// ends with the shortcut's uid, so no identifier is written twice.

#include "CString.h"

class EpfPlugin;
class Item;
class ProcessItem;

class EpfProcessWriter {
public:
    explicit EpfProcessWriter(EpfPlugin& plugin) : m_plugin(plugin) {}
    // pictures: whether the workflow's folder holds pictures, which its
    // supporting material shows.
    void write(ProcessItem& workflow, bool pictures);

private:
    // The component of one kind: prefix "CP" for the capability pattern,
    // "DP" for the delivery process.
    void writeComponent(ProcessItem& workflow, bool pictures, bool delivery);
    CString breakdown(ProcessItem& workflow, const CString& prefix, bool pictures);
    // The diagram rule of the element id, showing the picture of the item uid.
    CString diagramRule(const CString& id, const CString& uid);

    EpfPlugin& m_plugin;
};
