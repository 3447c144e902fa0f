#pragma once

// The class-specific part of a process item: its class's data keys, its
// description file, its tailoring guidelines, its popup text and its
// property sheet. The base serves the items without a class of their own
// (kinds 1, 3 and 18) and holds what every class shares.

#include "CString.h"
#include "CStringListePlus.h"

#include <string>
#include <vector>

class ProcessItem;
class Project;

class ProcessItemExtension {
public:
    ProcessItemExtension(ProcessItem* item, Project* project);
    virtual ~ProcessItemExtension();
    ProcessItemExtension(const ProcessItemExtension&) = delete;
    ProcessItemExtension& operator=(const ProcessItemExtension&) = delete;

    // The extension of the class of that kind (a plain one for kinds without class).
    static ProcessItemExtension* create(int kind, ProcessItem* item, Project* project);

    // Reads the descriptions into the item and the traceability links.
    virtual void loadData();
    // Writes the keys every item has; 1 only when every write succeeded.
    virtual int saveData();
    // The class's description file for the language; "" when it has none.
    virtual CString getDescriptionFileName(int language);
    // The description files, first language first, that loading an item of
    // the class of that kind reads from its folder; none when it has none.
    static std::vector<std::string> descriptionFilesOf(int kind);
    virtual int hasDiagram() { return 0; }
    virtual int hasHtmlPage() { return 0; }
    // The description file's lines joined as the flags say (see the .cpp).
    virtual CString readDescription(int language, int htmlMode, int noCarriageReturn, int escapeMode);
    // The popup text: the plain description with "<br><br>" made "<br>".
    virtual void buildHtmlDescription(int language);
    // Opens the class's property sheet; the base has none.
    virtual void edit();

    ProcessItem* getItem() const { return m_item; }
    Project* getProject() const { return m_project; }
    CStringListePlus* getTraceabilityLinks() const { return m_traceabilityLinks; }

    // Stores the text in the item and writes the description file; a class
    // without description file writes nothing; a failed write is reported.
    // 0 only when the file could not be written.
    int writeDescription(const CString& text, int language);
    static CString getTailoringFileName(int language) {
        return language == 0 ? "Tailoring.txt" : "TailoringL2.txt";
    }
    void setTailoringGuideline(const CString& text, int language) {
        m_tailoring[language == 0 ? 0 : 1] = text;
    }
    const CString& getTailoringGuideline(int language) const { return m_tailoring[language == 0 ? 0 : 1]; }
    void writeTailoringGuideline(const CString& text, int language);
    CString readTailoringGuideline(int language, int htmlMode, int noCarriageReturn);

    static CString getSectionName() { return "PROCESSUS"; }
    static CString getDataFileName() { return "process.data"; }
    static CString getKeyListText();

protected:
    // "L2" before ".txt" for the second language.
    static CString descriptionFile(const char* firstLanguageName, int language);
    // Shows 33021 "Error writting item '%s'" when a save failed; answers ok as 0 or 1.
    int reportSaveFailure(int ok) const;
    // The heading of a section of the popup text: the label in navy bold,
    // then a line break.
    CString popupHeading(int language, const char* labelKey) const;
    // The description as a popup section, its heading first, doubled line
    // breaks made single and, with maxLength, cut there followed by " ...";
    // empty when there is no description.
    CString popupDescription(int language, int maxLength = 0);
    // The sheet of a class whose item is a diagram: the page that starts
    // its editor and the identification page, closed the standard way.
    void editDiagramItem(const char* diagramName, const CString& sheetTitle);

    ProcessItem* m_item;
    Project* m_project;
    CString m_tailoring[2];
    CStringListePlus* m_traceabilityLinks;
};
