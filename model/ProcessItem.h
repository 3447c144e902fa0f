#pragma once

// Every entry of a project's menu tree: the menu-tree item enriched with its
// class, one class-specific extension object, its version and approvals, the
// project kinds it applies to, the phases, discipline and domain it belongs
// to, and its popup texts. Its attributes live in the item folder's
// "process.data" (section PROCESSUS), read once (load) and written whole on
// each save, keeping the keys the program does not know.

#include "CStringListePlus.h"
#include "CTime.h"
#include "Item.h"
#include "ProfileFile.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class ProcessItemExtension;
class ItemRole;
class ItemActivity;
class ItemMacroActivity;
class ItemPhase;
class ItemWorkProduct;
class ItemWorkflow;
class ItemDiscipline;
class ItemGenericProcedure;
class ItemGenericProcedureGroup;
class ItemProcessOverview;
class ItemRoleGroup;
class ItemMeasure;
class ItemGlossaryEntry;
class ItemDomain;
class ItemQualityCriteria;

class ProcessItem : public Item {
public:
    ProcessItem(Item* parent, const CString& name, const CString& url, int blankTarget, const CString& icon,
                const CString& openIcon, int level, Project* project, int frame, const CString& description);
    ~ProcessItem() override;

    // Item's operations as a process item answers them.
    CString getDescription(int language) override;
    CString getPagePath(int language) override;
    int isFullyGenerated() override;
    void savePageHeaderImage() override;
    int hasStandardHeader() override;
    int hasDiagram() override;
    virtual int hasHtmlPage();

    // Class and extension.
    int getClassKind() const { return m_classKind; }
    ProcessItemExtension* getExtension() const { return m_extension; }
    // Stores the kind; an item without extension gets the kind's one.
    void setClassKind(int kind);
    // The kind named by the data file's key Class, 1 when it is empty.
    int readClassKind();
    // Makes the extension of the kind's class when the item has none.
    void createExtension(int kind);
    // Replaces the extension by the keyword's class, writes Class, reloads.
    void changeClass(const CString& keyword);
    int getParentClassKind() const;

    ItemRole* getItemRole() const;
    ItemActivity* getItemActivity() const;
    ItemMacroActivity* getItemMacroActivity() const;
    ItemPhase* getItemPhase() const;
    ItemWorkProduct* getItemWorkProduct() const;
    ItemWorkflow* getItemWorkflow() const;
    ItemDiscipline* getItemDiscipline() const;
    ItemGenericProcedure* getItemGenericProcedure() const;
    ItemGenericProcedureGroup* getItemGenericProcedureGroup() const;
    ItemProcessOverview* getItemProcessOverview() const;
    ItemRoleGroup* getItemRoleGroup() const;
    ItemMeasure* getItemMeasure() const;
    ItemGlossaryEntry* getItemGlossaryEntry() const;
    ItemDomain* getItemDomain() const;
    ItemQualityCriteria* getItemQualityCriteria() const;

    // The data file.
    static CString getSectionName() { return "PROCESSUS"; }
    static CString getDataFileName() { return "process.data"; }
    // Project folder + item folder + "process.data".
    CString getDataFilePath() const;
    // Project folder + item folder (with its separator).
    CString getItemFolderPath() const;
    // Project folder + item folder + fileName (which may name a subfolder).
    // Each of these is an empty text when the path would lie outside the
    // project folder: nothing is then read or written for the item.
    CString getItemFolderFile(const CString& fileName) const;
    // Reads the data file unless already loaded (or force is set).
    void load(int force);
    // Writes every key once; 1 only when every write succeeded.
    int save();
    // The key's value, cut to 998 characters; empty when absent.
    CString readValue(const CString& key);
    int writeValue(const CString& key, const CString& value);
    // The texts the data file keeps flags in: "yes"/"no", and for some keys "true"/"false".
    static const char* yesNo(int flag) { return flag ? "yes" : "no"; }
    static const char* trueFalse(int flag) { return flag ? "true" : "false"; }
    // Runs several key writes as one rewrite of the data file; 1 when they
    // and the rewrite succeeded.
    int writeTogether(const std::function<int()>& writes);
    // Empties the list, then fills it with the key's tokens cut at any of the
    // separator characters (empty tokens dropped), lower-cased when asked,
    // then unescaped. The value is read whole, however long.
    void readList(const CString& key, CStringListe* list, const char* separators, int lowerCase);
    // The elements escaped and joined with the separator.
    int writeList(const CString& key, CStringListe* list, const CString& separator);
    void readPageHeaderImage();
    void readFrameFlag();
    CString readNotes();
    // Writes "notes.txt" unchanged; a failure is reported.
    int writeNotes(const CString& text);
    // Writes text unchanged to a file of the item folder, replacing it,
    // unless the file already reads as the text; reports a failure (32964)
    // and answers 0.
    int writeItemFile(const CString& fileName, const CString& text);
    int isLoaded() const { return m_loaded; }

    // State.
    int getState() const { return m_state; }
    CString getStateText() const;
    void setStateFromText(const CString& text);
    const CString& getStateKeywordRead() const { return m_stateText; }

    const CString& getVersion() const { return m_version; }
    void setVersion(const CString& version) { m_version = version; }
    const CString& getVersionMinor() const { return m_versionMinor; }
    void setVersionMinor(const CString& version) { m_versionMinor = version; }
    const CString& getEditor() const { return m_editor; }
    void setEditor(const CString& editor) { m_editor = editor; }
    // Approvals n = 1 to 6: the approver (approval state text) and its date "%d/%m/%Y".
    const CString& getAppro(int n) const { return m_appro[n - 1]; }
    void setAppro(int n, const CString& text) { m_appro[n - 1] = text; }
    const CString& getApproDate(int n) const { return m_approDate[n - 1]; }
    void setApproDate(int n, const CString& date) { m_approDate[n - 1] = date; }
    void setApproDateFromTime(int n, const CTime& time);
    CTime getApproDateTime(int n) const;
    CString getApproDateIso(int n) const;

    const CString& getDiscipline() const { return m_discipline; }
    void setDiscipline(const CString& name) { m_discipline = name; }
    const CString& getDomain() const { return m_domain; }
    void setDomain(const CString& name) { m_domain = name; }
    const CString& getDefaultWorkProductImage() const { return m_defaultWorkProductImage; }
    void setDefaultWorkProductImage(const CString& image) { m_defaultWorkProductImage = image; }
    void setPageHeaderImage(const CString& image) { setPageHeaderImageText(image); }
    int isGlossaryEntry() const { return isGlossaryEntryFlag(); }
    void setGlossaryEntry(int flag) { setGlossaryEntryFlag(flag); }
    int isDoNotGenerate() const { return m_doNotGenerate; }
    int isIncludedInProcessDoc() const { return m_includeInProcessDoc; }
    void setIncludedInProcessDoc(int flag) { m_includeInProcessDoc = flag; }

    void addPhase(const CString& name) { m_phases->append(new CString(name)); }
    // An item without phases takes those of its data file's Phase key.
    void readPhaseKey();
    CStringListePlus* getPhaseList() const { return m_phases; }
    CStringListePlus* getProjectKinds() const { return m_projectKinds; }
    // 1 for no kind or exactly one kind "generic".
    int isGenericProjectKind() const;

    // Texts.
    CString getDescriptionForCsv(int language);
    CString getTailoringGuideline(int language) const;
    const CString& getHtmlDescription(int language) const {
        return language == 0 ? m_htmlDescription : m_htmlDescriptionL2;
    }
    void setHtmlDescription(const CString& text) { m_htmlDescription = text; }
    void setHtmlDescriptionL2(const CString& text) { m_htmlDescriptionL2 = text; }
    void setHtmlDescription(int language, const CString& text) {
        (language == 0 ? m_htmlDescription : m_htmlDescriptionL2) = text;
    }
    void buildHtmlDescription(int language);
    void edit();

    // Writes the keys every item has (the save of an item without extension,
    // and the common part of every extension's save): State, Version,
    // isGlossaryEntry, VersionMinor (raised by one), includeInProcessDoc,
    // traceabilityLinks when given, Editor, Appro1-6, Appro1Date-6.
    int writeCommonKeys(CStringListe* traceabilityLinks);

private:
    class DataFileSession;
    friend class DataFileSession;

    // The data file parsed (null when missing or outside the project), and
    // an edit of it written whole; 1 when the write succeeded.
    std::shared_ptr<const ProfileFile> readDataFile() const;
    int updateDataFile(const std::function<bool(ProfileFile&)>& edit);
    // A key's whole stored text: as written earlier in the same save, or
    // from the data file.
    CString rawValue(const CString& key);

    // The target of a shortcut, found through the project's index.
    ProcessItem* shortcutTarget() const;
    int askCapability(int (ProcessItem::*self)(), int (ProcessItemExtension::*ask)(), int withoutExtension);
    template <typename T> T* typedExtension(int kind) const;

    ProcessItemExtension* m_extension = nullptr;
    int m_classKind = 1;
    CString m_version;
    CString m_versionMinor;
    int m_state = 0;
    CString m_stateText;
    CStringListePlus* m_phases;
    CString m_discipline;
    CString m_domain;
    CString m_htmlDescription;
    CString m_htmlDescriptionL2;
    CStringListePlus* m_projectKinds;
    int m_doNotGenerate = 0;
    int m_includeInProcessDoc = 0;
    int m_loaded = 0;
    CString m_defaultWorkProductImage;
    CString m_editor;
    CString m_appro[6];
    CString m_approDate[6];

    // While a load runs: the data file parsed once. While a save runs: the
    // keys written so far, put in the file in one write at its end.
    std::shared_ptr<const ProfileFile> m_readSnapshot;
    // The item's section of that file, found once for all its keys.
    ProfileFile::Section m_readSection;
    bool m_batchingWrites = false;
    std::vector<std::pair<CString, CString>> m_pendingWrites;
};

// "generic": the project kind when an item or the project names none.
inline CString getDefaultProjectKind() {
    return "generic";
}
// A day/month/year text (year 1980 or later) at local midnight; the current
// time for anything else.
CTime parseDayMonthYear(const CString& text);
// The time of a day/month/year text (year 1980 or later) at local midnight;
// false, with time untouched, for any other text.
bool readDayMonthYear(const CString& text, CTime* time);
// year-month-day of a day/month/year text, without leading zeros; empty for
// a text that holds no such date (no date is made up for it).
CString formatIsoDate(const CString& text);
// The list escapes of "process.data": "," "\comma", ";" "\semicolon", "=" "\equal".
CString escapeListElement(const CString& text);
CString unescapeListElement(const CString& text);
