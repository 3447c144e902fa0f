#pragma once

// The page of one activity in one language while the generator writes it.
// Its hand-written head stays above the marker and the generated section
// goes below it; an activity whose procedure text lies on a page of its
// own has its whole page generated. The section is made of six blocks
// (description with the step details, tailoring guideline, templates and
// examples, schema, procedures, measures) in the order the project's
// settings give them, each left out when it would be empty, then the
// quality criteria that apply to the activity and the bar of links to its
// parents.
//
// What the blocks share is prepared once, before anything is written: the
// prefixes up to the site's folders, the activity's folder that every
// relative link starts from, its procedure link, the work products whose
// templates and examples it lists, and the page's tooltip counter.

#include "CString.h"
#include "DiskLinks.h"
#include "ItemListe.h"

class ItemActivity;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class ActivityPage {
public:
    // Where each block goes: "1" to "6"; a block at any other text is never
    // written, two blocks at one place follow each other.
    struct BlockOrder {
        CString description;
        CString tailoringGuideline;
        CString templates;
        CString schema;
        CString procedures;
        CString measures;
        // The order of the project's settings (their defaults when empty).
        static BlockOrder fromSettings();
    };

    ActivityPage(ProcessManager& manager, ProcessItem& item, int language);
    ~ActivityPage();
    ActivityPage(const ActivityPage&) = delete;
    ActivityPage& operator=(const ActivityPage&) = delete;

    // Writes the page. A page that cannot be opened, or a first-language
    // page without marker or closing body tag, is told to the user and left
    // as it was.
    void write(const BlockOrder& order);

    // What the schema block works with.
    ProcessManager& getManager() const { return m_manager; }
    ProcessItem& getItem() const { return m_item; }
    ItemActivity& getActivity() const { return m_activity; }
    int getLanguage() const { return m_language; }
    // "../" up to the project folder (level + 2 times).
    const CString& getRootPrefix() const { return m_rootPrefix; }
    // The folder the page lies in, '\' separators: where relative links start.
    const CString& getActivityFolder() const { return m_activityFolder; }
    // Whether the procedure text lies on a page of its own (the page is
    // then written whole, with the style of the schema's border cells).
    bool isSeparated() const { return m_separated; }
    bool hasProcedureLink() const { return m_procedureLink; }
    const CString& getProcedureTarget() const { return m_procedureTarget; }
    ItemListe& getTemplateList() { return m_templateList; }
    int* getTooltipCounter() { return &m_tooltipCounter; }
    TextOutStream& getOut() const { return *m_out; }
    DiskLinks& getLinks() { return m_links; }

private:
    void prepareTemplateList();
    void prepareProcedureLink();
    void writeWholePageHead();
    void writeBlocks(const BlockOrder& order);
    void writeDescription();
    void writeTailoringGuideline();
    void writeTemplates();
    void writeProcedures();
    void writeMeasures();
    void writeQualityCriteria();
    // A block's heading; the description and step headings keep the two
    // blanks they always had around the picture's attributes.
    CString heading(const CString& anchor, const CString& label, bool wideBlanks);
    CString headingOfBlock(const char* anchor, const char* labelKey);
    // The relative link from the activity's folder to a file or folder.
    CString linkTo(const CString& target);
    // The item's name, with a tooltip of its popup text when it has one.
    CString caption(ProcessItem& item, const CString& popup);

    ProcessManager& m_manager;
    ProcessItem& m_item;
    ItemActivity& m_activity;
    int m_language;
    CString m_topPrefix;
    CString m_rootPrefix;
    CString m_activityFolder;
    DiskLinks m_links;
    bool m_separated;
    bool m_procedureLink = false;
    CString m_procedureTarget;
    ItemListe m_templateList;
    int m_tooltipCounter = 0;
    TextOutStream* m_out = nullptr;
};
