#pragma once

// One plug-in pair of the EPF method library: for a selected domain or
// discipline, or for what belongs to no domain (the generic pair). The main
// plug-in holds the process content (supporting materials, tasks,
// guidelines, whitepapers, term definitions), the content categories that
// organise it and the capability patterns and delivery processes; the
// companion plug-in "work products and roles" holds templates, examples,
// checklists, work products and roles.
//
// The pair walks the whole tree in tree order: every item updates the walk
// state (the domain and discipline it lies in, its change description),
// and each item of the pair adds its elements, the items of each
// discipline of a domain inside that discipline's nested packages. The
// main plug-in goes straight into the library text; the companion, the
// categories and the processes are gathered apart and written after it.

#include "CString.h"
#include "EpfResources.h"

#include <vector>

class EpfLibrary;
class EpfXml;
class Item;
class ProcessItem;
class ProcessManager;
class XmlExporter;

class EpfPlugin {
public:
    // pair: the position of the item in the selection, or the generic
    // pair's number for no item.
    EpfPlugin(EpfLibrary& library, ProcessItem* item, int pair);
    void write();

    // What the writers of the pair's elements read.
    EpfLibrary& getLibrary() const { return m_library; }
    EpfXml& getXml() const;
    ProcessManager& getManager() const;
    EpfResources& getResources() { return m_resources; }
    // The export language: the second when the project is bilingual.
    int getLanguage() const { return m_language; }
    bool isBilingual() const { return m_language == 1; }
    // The plug-in's name as its elements carry it.
    const CString& getName() const { return m_name; }
    // The library text (the main plug-in), the companion plug-in's text and
    // the process packages.
    CString& getText();
    CString& getCompanion() { return m_companion; }
    CString& getProcesses() { return m_processes; }
    // Of the item being visited: its change description and its name in
    // the export language with its markup kept.
    const CString& getChangeDescription() const { return m_changeDescription; }
    CString getMarkupName(const Item& item) const;
    // The domain and discipline whose subtree the walk is in, as markup
    // names; the last workflow of the pair the walk met.
    const CString& getDomainMarkupName() const { return m_domainMarkup; }
    const CString& getDisciplineMarkupName() const { return m_disciplineMarkup; }
    const Item* getCurrentWorkflow() const { return m_currentWorkflow; }

    // The item's descriptions with their markup, for a character-data
    // block: the second language's after "<hr>" in a bilingual project.
    CString getDescriptions(ProcessItem& item) const;

    // The start of the content element that stands for the item under its
    // name in the export language, and of its presentation, with the item's
    // change description and version.
    CString elementStart(ProcessItem& item, const char* type, const char* presentationType);

    // The exporter's two conversions of a stored text.
    CString toText(const CString& stored, int language) const;
    CString toMarkup(const CString& stored, int language) const;

private:
    bool isMember(const Item* item) const;
    void writeStart();
    void writeRoleSetAndDomain();
    void writeCustomCategory();
    CString workProductsView();
    CString guidesView();
    void writeDisciplines();
    void visit(Item& item);
    void updateWalkState(Item& item);
    void closeNestedPackage();
    void openNestedPackage(ProcessItem& discipline);
    void writeDisciplineCategories(ProcessItem& discipline);
    void writeSupportingMaterial(ProcessItem& item);
    void writeSections(ProcessItem& item);
    void writeEnd();

    // The tasks and workflows of a discipline's process category.
    CString disciplineProcessLines(const CString& discipline) const;
    // The guide elements of the items of a guides category.
    CString guideElements(const std::vector<ProcessItem*>& items, const CString* discipline,
                          bool withOverviews) const;
    // The start tag and description of a guides category.
    CString guidesCategoryStart(const CString& name, const CString& id);

    EpfLibrary& m_library;
    ProcessItem* m_item;
    int m_pair;
    int m_language;
    CString m_name;
    CString m_id;
    CString m_domain;
    CString m_domainDisplay;
    CString m_discipline;
    EpfResources m_resources;

    CString m_companion;
    CString m_categories;
    // The custom categories of each discipline met in the walk, in walk
    // order; the views; the plug-in's own custom category.
    std::vector<CString> m_disciplineCustomCategories;
    CString m_views;
    CString m_customCategories;
    CString m_processes;

    std::vector<CString> m_changeByLevel;
    CString m_changeDescription;
    CString m_domainMarkup;
    int m_domainLevel = 0;
    CString m_disciplineMarkup;
    int m_disciplineLevel = 0;
    CString m_currentDiscipline;
    const Item* m_currentWorkflow = nullptr;
    bool m_nestedPackageOpen = false;
};
