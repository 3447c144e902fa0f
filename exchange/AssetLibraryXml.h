#pragma once

// The text of "export.xml": the whole process tree as a processAssetLibrary,
// one item element per item of the tree in tree order, with its identity,
// its place in the tree and, for the classes that carry process data, their
// attributes and their links to other items by uid. Stored values go out
// escaped, description texts in character-data blocks.

#include "CString.h"

#include <initializer_list>
#include <memory>

class Item;
class PageRunTables;
class ProcessItem;
class ProcessManager;
class XmlExporter;

class AssetLibraryXml {
public:
    AssetLibraryXml(XmlExporter& exporter, ProcessManager& manager);
    ~AssetLibraryXml();

    // The document after its XML declaration, in the program's code page,
    // line ends as "\n".
    CString write();

private:
    void writeItem(Item& item);
    void writeClassSection(ProcessItem& item);
    void writeDualItemData(ProcessItem& item);
    void writeMacroActivity(ProcessItem& item);
    void writeRole(ProcessItem& item);
    void writeWorkProduct(ProcessItem& item);
    void writeActivity(ProcessItem& item);
    void writeSteps(ProcessItem& item);
    void writeWorkProductLinks(const char* element, class CStringListePlus& references);

    // <name>value</name> at the indentation, on a line of its own.
    void line(int indent, const char* name, const CString& value);
    // A stored value, escaped.
    void rawLine(int indent, const char* name, const CString& value);
    // A text through the markup conversion of the language.
    void markupLine(int indent, const char* name, const CString& value, int language = 0);
    void flagLine(int indent, const char* name, int flag);
    // The text converted for the language, in a character-data block.
    void characterDataLine(int indent, const char* name, const CString& text, int language);
    void open(int indent, const char* name);
    void close(int indent, const char* name);
    // The description group, and the tailoring group.
    void writeTexts(ProcessItem& item, bool tailoring);
    // One line per direct child (a shortcut as its target) of the classes.
    void writeChildren(Item& item, const char* element, std::initializer_list<int> classes);
    // One line per shortcut to the item whose parent is of the classes (any for none).
    void writeShortcutLinks(Item& item, std::initializer_list<int> parentClasses);
    CString markup(const CString& text, int language) const;

    XmlExporter& m_exporter;
    ProcessManager& m_manager;
    std::shared_ptr<const PageRunTables> m_tables;
    bool m_bilingual = false;
    CString m_out;
};
