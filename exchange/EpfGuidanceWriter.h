#pragma once

// The term definitions, roles, guidelines and whitepapers of the EPF method
// library: a glossary entry gives a term definition per content language;
// a role gives a Role in the companion plug-in, responsible for each work
// product it authors; a plain page or a work product overview gives a
// guideline holding the page's text with its pictures copied; a general
// procedure gives a whitepaper per stored document, attaching the document
// or linking to it.

#include "CString.h"

class EpfPlugin;
class ProcessItem;

class EpfGuidanceWriter {
public:
    explicit EpfGuidanceWriter(EpfPlugin& plugin) : m_plugin(plugin) {}
    // The element the item's class gives, if any.
    void write(ProcessItem& item);

private:
    void writeTerm(ProcessItem& entry, int language);
    CString glossaryText(ProcessItem& entry, int language);
    void writeRole(ProcessItem& role);
    void writeGuideline(ProcessItem& item);
    void writeWhitepaper(ProcessItem& procedure, const CString& document, int variant);

    EpfPlugin& m_plugin;
};
