#pragma once

// The project the program actually opens: a Project whose items are process
// items, with the project-wide process data of the settings file (project
// kinds, responsibilities, approval labels, process mode), the class list of
// the add-item dialog, the links derived between items, and the generator
// and exports that work on them.
//
// Each public operation that the main window calls catches what its work
// throws and reports it: an application error with its own text, anything
// else with 33042 "Operation failed for unknown reason (error in method %s)".

#include "Project.h"

#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CStringListe;
class DiskLinks;
class GlossaryTerms;
class ItemActivity;
class ItemListe;
class PageRunTables;
class CStringListePlus;
class ItemExtensionListe;
class ProcessItem;
class ProcessItemListe;
class XmlExporter;

class ProcessManager : public Project {
public:
    // deferred 1 leaves the tree loading and the first link refresh to the caller.
    ProcessManager(const CString& settingsPath, MainWindow* mainWindow, int deferred, int layoutFlag);
    ~ProcessManager() override;

    static ProcessManager* getInstance();
    // The main window's title: the program's title and version, and the
    // site name when there is one.
    void showWindowTitle();

    Item* createItem(Item* parent, const CString& name, const CString& url, int blankTarget,
                     const CString& icon, const CString& openIcon, int level, int frame,
                     const CString& description) override;
    int deleteItem(Item* item, int refreshTree, int keepShortcuts, int removeMarkedShortcuts, int withSubtree,
                   int multiUser) override;
    void onItemRenamed(Item* item, const CString& newName, const CString& oldName) override;
    int canMoveItem(Item* from, Item* to, int mode) override;
    void updateLinks(int force, int doubledProgress) override;
    int isProcessMode() override { return m_processMode; }
    int isLinkRefreshPending() override { return m_linksNeedRefresh; }
    int checkItemClassAllowed(const CString& classKeyword, Item* parent) override;
    void relinkUid(Item* item, const CString& oldUid, const CString& newUid) override;
    // Tree files of the formats 0.13 (level, name, url, target, icons; each
    // item gets a new uid) and 0.14 (the records of today up to the frame
    // flag, which comes from each item's data file), read as the tree file
    // is; 0.13 adds its items to the tree, 0.14 replaces the tree. Both save
    // the tree.
    void migrate013_015(TextInStream& treeFile) override;
    void migrate014_015(TextInStream& treeFile) override;
    // Marks the links for refresh in multi-user mode, then adds with a new uid.
    virtual Item* addProcessItem(Item* anchor, const CString& name, int blankTarget, const CString& icon,
                                 const CString& openIcon, int mode, const CString& description,
                                 const CString& url, int refreshTree, int saveTree, int frame, int visible,
                                 const CString& nameL2, int multiUser, const CString& uid,
                                 Item* shortcutTarget = nullptr);

    void setLinksNeedRefresh() { m_linksNeedRefresh = 1; }
    // Warns once that the data were written by another version, then stores this one.
    void checkDataVersion(const CString& stored, const CString& program);

    CStringListePlus* getProjectKinds() const { return m_projectKinds; }
    CStringListePlus* getRoleResponsibilities() const { return m_roleResponsibilities; }
    CStringListePlus* getWorkProductRoleResponsibilities() const { return m_wpRoleResponsibilities; }
    CStringListe* getClassKeywords() const { return m_classKeywords; }
    ItemExtensionListe* getItemLinks() const { return m_itemLinks; }
    XmlExporter* getExporter() const { return m_exporter; }

    // Derived links and lookups.
    void linkWorkProducts();
    void linkRoles();
    ProcessItem* findRole(const CString& reference);
    ProcessItem* findWorkProduct(const CString& reference);
    ProcessItem* findItemByNameAndClass(const CString& name, int classKind);
    void getRoles(ProcessItemListe* list);
    void getWorkProducts(ProcessItemListe* list);
    CStringListePlus* getActivityWorkProductLists();
    ProcessItemListe* getWorkProductStates(Item* item);
    ProcessItemListe* getQualityCriteria(Item* workProduct);
    ProcessItemListe* getSubtreeQualityCriteria(Item* item);
    CString findWorkProductStateUid(Item* item, const CString& stateName);
    // Every ACTIVITY below the item, shortcuts expanded into their targets.
    void getDescendantActivities(Item* item, ProcessItemListe* list);
    // Calls f for every reference of the produced work products of every
    // activity below the item (shortcuts expanded) that names a work product.
    using ProducedWorkProductVisitor =
        std::function<void(const ItemActivity& activity, const CString& reference, ProcessItem* product)>;
    void forEachProducedWorkProduct(Item* item, const ProducedWorkProductVisitor& f);
    // The direct children of class 4, 5, 6 or 9 (a shortcut by its target):
    // the targets themselves, or the shortcut items when useTargets is 0.
    void getChildWorkElements(Item* item, ProcessItemListe* list, int useTargets);
    // Calls f for every item below the item, walking with shortcuts expanded:
    // the walk ends at the first item (or, inside an expanded shortcut, the
    // shortcut) that is not deeper than the item.
    void forEachBelow(Item* item, const std::function<void(Item* below, bool inShortcut)>& f);
    // A discipline, domain or phase name as the pages of a language show it:
    // the name itself for language 0; for language 1 the second-language
    // name of the first item of that class and name (compared ignoring
    // case), or whenNone when no such item exists.
    CString getNameInLanguage(const CString& name, int classKind, int language, const CString& whenNone);
    // The phase's second-language name for language 1 (the name itself when
    // no PHASE item has it); the name for language 0.
    CString getPhaseName(const CString& name, int language);
    void changeItemClass(Item* item, const CString& classKeyword);

    // Writes the whole site: frames, popup texts and the page families of
    // each site language. Failures are reported; the progress bar ends at 0.
    void generate();

    // Page families, each for one site language (0 first, 1 second); each
    // reports its own failures.
    // The page of every role and, with GenerateRoleGroup, of every role
    // group. A page that cannot be written is told and the others are
    // written; any other failure reaches the caller.
    void generateRole(int language);
    // The template pages: "templates.htm" of every workflow and of the
    // items inside it, then the page of every TEMPLATE ACCESS item.
    void generateTemplateAccess(int language);
    void generateTemplatePage(ProcessItem* item, int language);
    void generateTemplatesPage(ProcessItem* item, int language);
    // The section of every activity page below its marker, or the whole
    // page of an activity whose procedure text lies on its own page.
    void generateActivity(int language);
    // The section of every macro-activity, phase and workflow page below
    // its marker, or the whole page of one generated whole from its diagram.
    void generateMacroActivity(int language);
    // The page "activities.htm" of every workflow and of the plain items
    // inside it: the roles of the activities below, each with its matrix of
    // activities and responsibilities.
    void generateActivitiesByRole(int language);
    // The whole page of every general procedure and the table page of every
    // procedure group.
    void generateGenericProcedure(int language);
    // The whole page of every measure, with the statistics of its archived data.
    void generateMeasure(int language);
    // The whole page of every work product, with its criteria page and the
    // pages of its example library. A page that cannot be written leaves
    // the old one; any failure reaches the caller.
    void generateWorkProduct(int language);
    // The page of every work product overview item, its spreadsheet file
    // "WP.csv" ("WPL2.csv") and the activity table of each discipline.
    void generateWPOverview(int language);
    // The page at path (in the folder of an item at level) of the activity
    // tree of every workflow of the chosen disciplines, with the work
    // products each activity uses and produces; those of other disciplines
    // in italics. flag is not read. Whether the page was written (a failure
    // has been told).
    bool generateActivityWorkProductTable(const CString& path, int level, const CString& title,
                                          const CStringListePlus& disciplines, int flag, int language);
    // The page "activitiesByState.htm" of every item inside a workflow that
    // is no activity: the approved activities below it and those awaiting
    // approval. A page that cannot be written is told; an application
    // error ends the family with its text.
    void generateActivityAccessByState(int language);
    void generateActivitiesByStatePage(ProcessItem* item, int language);
    // The names of the DISCIPLINE items in tree order, after a link refresh
    // when one is due; the caller deletes the list and its strings.
    CStringListe* getDisciplineNames();
    // The page of every process overview item: its target workflow as an
    // outline. Each page's failures are told; the others are written.
    void generateProcessOverview(int language);
    void generateProcessOverviewPage(ProcessItem* overview, int language);
    // The page of every work product group: the work products that follow it.
    void generateSynthesisOnWPGroup(int language);
    void generateWPGroupSynthesisPage(ProcessItem* group, int language);
    // The site's top banner page with the image map of "banner.data".
    void generateBanner(int language);
    // The page of every glossary item, and of every site-map item; each run
    // closes a pass of the generation.
    void createGlossary(int language);
    void createSiteMap(int language);

    // The template table: its head, and one table (one per discipline with
    // bySections, each under its heading and anchor) of the work products
    // of the list; noFilter lists them all, else only those of the page
    // item's domain. Links start from the page item's folder and are spelt
    // through pageLinks (one made for the page item's folder when null).
    void writeTemplateTableHeader(TextOutStream& out, int language);
    void writeTemplateTableRows(ItemListe& list, const CString& tablePrefix, TextOutStream& out,
                                Item* pageItem, int* tooltipCounter, int language, int bySections,
                                int noFilter, DiskLinks* pageLinks = nullptr);
    // The grid of links to the discipline sections of a page, for the
    // disciplines of the domain (all for an empty one); nothing for one
    // discipline or none.
    void writeAnchorIndexTable(const CString& domain, TextOutStream& out, int language);
    // A new list of the DISCIPLINE items of the domain (every one for an
    // empty domain), the first of each name ignoring case, in tree order,
    // after a link refresh when one is due; the caller deletes the list.
    ProcessItemListe* getDisciplinesOfDomain(const CString& domain);

    // The tables the page writers look things up in. While a page run
    // lasts they are made once and again only after the tree changed or
    // the links were refreshed; outside one, afresh for every call.
    std::shared_ptr<const PageRunTables> pageRunTables();
    // Tells that a page or file of the site could not be written, naming it:
    // once per page run, however often the run tries it again.
    void tellUnwrittenFile(const CString& path);

    // While one lives, a run over many pages (the generation, a document, an
    // export) prepares what every description needs (the glossary of each
    // language) once, not once per text. Runs may nest; the outermost counts.
    class PageRun {
    public:
        explicit PageRun(ProcessManager& manager);
        ~PageRun();
        PageRun(const PageRun&) = delete;
        PageRun& operator=(const PageRun&) = delete;

    private:
        ProcessManager& m_manager;
        bool m_outermost;
    };

    // Page fragments.
    void createItemHeader(Item* item, int language) override;
    static CString getHeaderFileName(int language) { return language == 0 ? "header.htm" : "headerL2.htm"; }
    CString writeMetaTags(Item* item);
    void writePageFooter(Item* item, TextOutStream& out, int withNavigation, int language, int withVersion,
                         const CString& uidPrefix);
    void writeParentLinks(Item* item, TextOutStream& out, int withNavigation, int language, int withVersion,
                          const CString& uidPrefix);
    static int compareDoubles(const void* a, const void* b);

    // Description text to page HTML: entities kept, "[@uid]" references made
    // links (or names when plain), glossary terms given tooltips numbered
    // from *tooltipCounter; the result has no line ends.
    CString descriptionToHtml(const CString& text, int* tooltipCounter, Item* pageItem, int language,
                              int plain);
    CString descriptionToPlainHtml(const CString& text, int language);
    // A text made fit for the body of a tooltip entry's script string.
    CString toTooltipText(const CString& text, int language);
    // A tooltip entry followed by the marked term.
    CString writeTermTooltip(const CString& term, int* tooltipCounter, const CString& html, int language,
                             const CString& title);

    // New items: their folder, class, data file, description and default pages.
    // 0 when the item's folder could not be made: the item then leaves the tree.
    int createItemFiles(Item* item, const CString& classKeyword, const CString& classText,
                        int frame) override;
    void createRoleFiles(ProcessItem* item, const CString& description, int useFrame);
    void createWorkflowFiles(ProcessItem* item, const CString& description, int useFrame);
    void createActivityFiles(ProcessItem* item, const CString& description, int useFrame);
    void createMacroActivityFiles(ProcessItem* item, const CString& description, int isPhase, int useFrame);
    void createWorkProductFiles(ProcessItem* item, const CString& description, int useFrame);
    void createGenericItemFiles(ProcessItem* item, const CString& description, int kind, int useFrame);
    // Whether a new item called name would get a folder that does not exist yet.
    bool isItemFolderFree(Item* anchor, const CString& name, int mode) const;

    // Exports, imports and reports. Each refreshes the item links when they
    // are stale, writes its files into the project's folder "tmp" (or reads
    // the file given), tells the user and, for most, opens "tmp"; a file
    // that cannot be written is told and no success is shown.
    // The item tables: "templates.csv" (with the templates copied into
    // "tmp/templates" when the user wants), "procedures.csv" (the documents
    // into "tmp/procedures"), "glossary.csv", "workProducts.csv",
    // "roles.csv", "activities.csv" and "TraceabilityLinks.csv".
    void exportTemplatesList();
    void exportProceduresList();
    void exportGlossary();
    void exportWorkProductsList();
    void exportRolesList();
    void exportActivitiesList();
    void exportTraceabilityLinks();
    // "wbs.csv", "wbs2.csv", "schedule.csv"; "aam.csv", "aat.csv".
    void exportWBS();
    void exportActivityArtefactMatrix();
    // Attribute files edited outside and read back; an import changes no
    // item until the whole file was read, and undoes its changes when an
    // item cannot be saved.
    void exportActivitiesAttributes();
    void importActivitiesAttribute(const CString& path);
    void exportWPAttributes();
    void importWPAttribute(const CString& path);
    void exportItemDescription();
    void ImportArtifactDescription(const CString& path);
    void generateVersionAndApprovalStatus();
    void ImportVersionAndApprovalStatus(const CString& path);
    // The role-activity matrix; then the role lists of all activities are saved.
    void ImportRoleActivityLinks(const CString& path);
    void saveRoleActivityLinks();
    // Reports: "SearchReport.csv" (language 0 or 1), "Report.csv",
    // "progressStatusReport.csv".
    void searchText(const CString& text, int language);
    void generateIntegrityReport();
    void generateProgressStatusReport();
    // New lists (the caller deletes them; the items stay the project's) of
    // the work products to archive, and of the measures, in tree order.
    ProcessItemListe* getWorkProductsToArchive();
    ProcessItemListe* getMeasureItems();
    // "site.htm" (language 0) or "siteL2.htm": the process as one
    // document, limited by the workflow and the discipline picked (or none).
    void exportOnePageProcess(int language, ProcessItem* workflow, ProcessItem* discipline);
    // The document of a plain site stays callable beside it.
    using Project::exportOnePageProcess;
    // "export.xml": the tree as a processAssetLibrary.
    void exportXML();
    // "exportForEPF.xml" in "tmp/EPFexport": the method library of the
    // selected domains and disciplines (in the list's order) and of what
    // belongs to none, links to item pages replaced through the GUID map
    // file when one is named.
    void exportXMLforEPF(ProcessItemListe* items, const CString& mapFile);

    // Runs a public operation under the error convention. Under the wait
    // cursor, an application error's message is shown with the normal cursor.
    void guarded(const char* operation, const std::function<void()>& work, bool underWaitCursor = false);

private:
    // Adds the items of an older tree file's records to the tree, in order.
    void migrateTreeFile(TextInStream& treeFile, bool format013);

    // The class writers' common steps; false when the item's folder could not be made.
    bool beginClassFiles(ProcessItem* item, TextOutStream* log, int kind);
    void writeDefaultPage(ProcessItem* item, const CString& description, int useFrame, int language,
                          TextOutStream* log, const std::function<void(TextOutStream&, const CString&)>& body,
                          bool titleInFirstLanguage, bool logUrl);
    void writeActivityDefaultPage(ProcessItem* item, int useFrame, int language, TextOutStream* log,
                                  int separated);
    // Writes a new file of the item folder; one that exists already is kept
    // and the log says so.
    void writeNewFile(ProcessItem* item, const CString& fileName, const CString& text, TextOutStream* log);
    CString dataFileText(ProcessItem* item, int kind, const std::vector<const char*>& lines) const;
    bool m_folderRefused = false;

    void generatePages();
    std::vector<ProcessItem*> disciplineList(const CString& domain);
    std::shared_ptr<const PageRunTables> m_runTables;
    TreeStamp m_runTablesStamp;
    long m_runTablesRefresh = -1;
    // Counts the link refreshes that read the items' data again.
    long m_refreshCount = 0;
    // The glossary terms of a language: prepared once per page run, afresh
    // for every text outside one.
    const GlossaryTerms& glossaryTerms(int language);
    std::unique_ptr<GlossaryTerms> m_glossaryTerms[2];
    bool m_generating = false;
    // The files told unwritten in the page run under way.
    std::unordered_set<CString> m_toldUnwritten;

    void rebuildClassIndex();
    // The work products whose quality criteria a work product shows, in the
    // order their criteria come: depth first, the sources of each (first,
    // then second) before the work product itself. Each is taken once, so a
    // derivation cycle, or two sources sharing a source, ends at the first
    // one met again; the walk keeps its own stack, so a chain of any length
    // costs one step per link.
    std::vector<Item*> criteriaOrder(Item* workProduct) const;
    // Calls f on each direct child of the item, in list order.
    void forEachChild(Item* item, const std::function<void(Item* child)>& f);

    CStringListePlus* m_projectKinds;
    CStringListePlus* m_roleResponsibilities;
    CStringListePlus* m_wpRoleResponsibilities;
    int m_linksNeedRefresh = 1;
    int m_processMode = 0;
    CStringListe* m_classKeywords;
    ItemExtensionListe* m_itemLinks;
    XmlExporter* m_exporter;

    // First item of each (class kind, lower-cased first-language name).
    std::unordered_map<CString, ProcessItem*> m_classNameIndex;
    TreeStamp m_classIndexStamp;
};
