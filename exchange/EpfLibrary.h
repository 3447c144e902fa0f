#pragma once

// One EPF export: the method library "exportForEPF.xml" and its warning
// file "exportForEPF_warning.txt" in the project's folder "tmp/EPFexport",
// with the resource folders of each plug-in pair beside them. The library
// holds one plug-in pair per selected domain or discipline, in the order
// of the selection, then the generic pair, the fixed "Main" plug-in and the
// method configuration that gathers what the pairs contributed.
//
// What the pairs ask of the whole project is prepared once per export:
// which pair each item belongs to, the items of each domain and
// discipline, the item of each page url, and the work products each role
// authors. An item belongs to at most one pair, so no element is written
// twice.

#include "CString.h"
#include "EpfXml.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class ExportRun;
class Item;
class PageRunTables;
class ProcessItem;
class ProcessItemListe;
class ProcessManager;
class XmlExporter;

class EpfLibrary {
public:
    // Identifiers of a published library, each with the path of its page.
    using GuidMap = std::unordered_map<CString, CString>;

    // Reads a GUID map file: lines of ";"-separated pieces, the first (its
    // leading blanks removed) the identifier, the second the page; a line
    // of fewer pieces is ignored, a later line replaces an earlier one of
    // the same identifier, a line is read up to 999 characters. The
    // delivery-process breakdown identifiers of a published library
    // ("DPBE", "DPTD" + uids) are kept as "DP" + uids. A file that cannot be
    // read gives an empty map.
    static GuidMap readGuidMap(const CString& path);

    // The selection is read, never changed: the domains and disciplines that
    // become plug-ins, in the user's order (an item listed twice counts once).
    EpfLibrary(XmlExporter& exporter, ProcessManager& manager, ProcessItemListe* selection,
               const GuidMap& guidMap);
    ~EpfLibrary();
    EpfLibrary(const EpfLibrary&) = delete;
    EpfLibrary& operator=(const EpfLibrary&) = delete;

    // Writes the library and the warning file. False when either could not
    // be written; the user was told which.
    bool write();

    XmlExporter& getExporter() const { return m_exporter; }
    ProcessManager& getManager() const { return m_manager; }
    EpfXml& getXml() { return m_xml; }
    const GuidMap& getGuidMap() const { return m_guidMap; }
    const std::vector<ProcessItem*>& getSelection() const { return m_selection; }
    bool isBilingual() const { return m_bilingual; }
    // The project folder followed by "tmp/EPFexport/".
    const CString& getExportFolder() const { return m_exportFolder; }
    // Every item in tree order, shortcuts as themselves.
    const std::vector<Item*>& getItems() const { return m_items; }
    const PageRunTables& getTables() const { return *m_tables; }

    // The library text written so far, and the warning file's text.
    CString& getText() { return m_text; }
    CString& getWarnings() { return m_warnings; }
    // Lines of the method configuration.
    void addPluginSelection(const CString& id);
    void addPackageSelection(const CString& id);
    void addCategory(const CString& id);
    // A package selection among the plug-in selections (the Main plug-in's
    // content package).
    void addPackageSelectionToPlugins(const CString& id);

    // The pair an item belongs to: its position in the selection, the
    // selection's size for the generic pair; -1 for none.
    int getPair(const Item* item) const;
    int getGenericPair() const { return static_cast<int>(m_selection.size()); }
    // The pair's plug-in name as the library writes it: the selected item's
    // name in the export language through the exporter's text conversion,
    // "Generic" for the generic pair.
    CString getPluginName(int pair) const;
    // The name that the pair's folders take below the export folder: the
    // plug-in's name as the importing tool reads it, with only the
    // characters a file name cannot hold replaced; followed by " (2)",
    // " (3)" ... when another pair has that folder (letter case ignored, as
    // on the desktops the library is taken to), so that no pair's files
    // replace another's.
    const CString& getPluginFolder(int pair) const { return m_pluginFolders[pair]; }
    // The first item that is no shortcut whose url equals url, ignoring
    // case and the direction of the separators.
    Item* findItemByUrl(const CString& url) const;
    // The process items of a domain, and of a domain and discipline, in
    // tree order (shortcuts, which carry neither, among those of no domain).
    const std::vector<ProcessItem*>& getItemsOfDomain(const CString& domain) const;
    const std::vector<ProcessItem*>& getItemsOf(const CString& domain, const CString& discipline) const;
    // The work products whose author list names the role (found by name, as
    // the author entry gives it) with the responsibility "author": one per
    // such entry, in tree order.
    const std::vector<ProcessItem*>& getAuthoredWorkProducts(const Item* role) const;

private:
    void indexItems();
    void assignPairs();
    void nameFolders();
    void writeMainPlugin();
    void writeConfiguration();
    // A warning line for each reference the library leaves out.
    void warnDropped(const std::vector<EpfXml::Dropped>& dropped);
    // An element by its type, the item its identifier is made from, and
    // its identifier.
    CString describeElement(const CString& type, const CString& id) const;
    bool writeFiles();

    XmlExporter& m_exporter;
    ProcessManager& m_manager;
    const GuidMap& m_guidMap;
    std::unique_ptr<ExportRun> m_run;
    std::shared_ptr<const PageRunTables> m_tables;
    std::vector<ProcessItem*> m_selection;
    bool m_bilingual = false;
    CString m_exportFolder;
    EpfXml m_xml;
    CString m_text;
    CString m_warnings;
    CString m_pluginSelections;
    CString m_packageSelections;
    CString m_addedCategories;

    std::vector<Item*> m_items;
    std::unordered_map<const Item*, int> m_pairs;
    std::vector<CString> m_pluginFolders;
    std::unordered_map<CString, Item*> m_byUrl;
    std::unordered_map<CString, std::vector<ProcessItem*>> m_byDomain;
    // By domain and discipline (pairs of std::string: a pair of CString
    // would compare the texts' addresses).
    std::map<std::pair<std::string, std::string>, std::vector<ProcessItem*>> m_byDiscipline;
    std::unordered_map<const Item*, std::vector<ProcessItem*>> m_authored;
};
