#pragma once

// A work product, or one of its states: its templates and examples in two
// languages, the roles that author, review, validate or receive it, its
// naming rule, location, picture, policy, type and timing, what it derives
// from, its example library on disk, and the activities that read and
// produce it.

#include "ItemListe.h"
#include "ProcessItemExtension.h"
#include "TwoStringListe.h"

class ItemWorkProduct : public ProcessItemExtension {
public:
    ItemWorkProduct(ProcessItem* item, Project* project);
    ~ItemWorkProduct() override;

    static CString getClassLabel() { return "WORKPRODUCT"; }
    static CString getClassKeyword() { return "WORKPRODUCT"; }
    static CString getKeyListText();

    void loadData() override;
    int saveData() override;
    CString getDescriptionFileName(int language) override {
        return descriptionFile("ArtefactDescription.txt", language);
    }
    void buildHtmlDescription(int language) override;
    void edit() override;

    // The template and example names as the site uses them.
    CString m_templateName[2][2]; // [language][format]
    CString m_exampleName[2][2];
    CString m_templateNameF1Extension;
    CString m_templateNameF2Extension;
    CString m_comment;
    CStringListePlus* m_authors;
    CString m_wpName;
    CString m_location;
    CString m_image;
    CString m_cmPolicy;
    CString m_wpType;
    int m_toArchive = 0;
    int m_viewParentWorkProductInActivity = 0;
    int m_isARequirementToImplement = 0;
    CString m_exampleLibraryPath;
    int m_defaultExampleLibrary = 1;
    CString m_timing;
    int m_derivable = 0;
    int m_derived = 0;
    CString m_derivedFrom;
    CString m_derivedFrom2;
    CString m_additionalElementName;
    CString m_additionalElementPath;

    CString getTemplateNameL1F1() const { return m_templateName[0][0]; }
    CString getTemplateNameL1F2() const { return m_templateName[0][1]; }
    CString getTemplateNameL2F1() const { return m_templateName[1][0]; }
    CString getTemplateNameL2F2() const { return m_templateName[1][1]; }
    CString getExampleNameL1F1() const { return m_exampleName[0][0]; }
    CString getExampleNameL1F2() const { return m_exampleName[0][1]; }
    CString getExampleNameL2F1() const { return m_exampleName[1][0]; }
    CString getExampleNameL2F2() const { return m_exampleName[1][1]; }
    CString getTemplateNameF1Extension() const { return m_templateNameF1Extension; }
    CString getTemplateNameF2Extension() const { return m_templateNameF2Extension; }
    CString getComment() const { return m_comment; }
    CString getLocation() const { return m_location; }
    CString getImage() const { return m_image; }
    CString getWPType() const { return m_wpType; }
    CString getCMPolicy() const { return m_cmPolicy; }
    CString getTiming() const { return m_timing; }
    CString getDerivedFrom() const { return m_derivedFrom; }
    CString getDerivedFrom2() const { return m_derivedFrom2; }
    CString getWPName() const { return m_wpName; }
    CString getAdditionalElementName() const { return m_additionalElementName; }
    CString getAdditionalElementPath() const { return m_additionalElementPath; }
    void setWPName(const CString& v) { m_wpName = v; }
    void setLocation(const CString& v) { m_location = v; }
    void setImage(const CString& v) { m_image = v; }
    void setWPType(const CString& v) { m_wpType = v; }
    void setCMPolicy(const CString& v) { m_cmPolicy = v; }
    void setTiming(const CString& v) { m_timing = v; }
    void setComment(const CString& v) { m_comment = v; }
    void setTemplateNameF1Extension(const CString& v) { m_templateNameF1Extension = v; }
    void setTemplateNameF2Extension(const CString& v) { m_templateNameF2Extension = v; }
    void setExampleLibraryPath(const CString& v) { m_exampleLibraryPath = v; }
    void setAdditionalElementName(const CString& v) { m_additionalElementName = v; }
    void setAdditionalElementPath(const CString& v) { m_additionalElementPath = v; }
    void setDerivedFrom(const CString& v) { m_derivedFrom = v; }
    void setDerivedFrom2(const CString& v) { m_derivedFrom2 = v; }

    // ExampleLibraryPath with "/" added unless it is empty or ends with a separator.
    CString getExampleLibraryPath() const;
    // The picture as the site refers to it.
    CString getImagePath() const;
    // The name, after the parent's name for a state or element: "Plan / Approved".
    CString getDisplayName(int language) const;
    // A template or example key ("Alternative" + key with the flag) straight from the file.
    CString readTemplateName(int language, int format, int alternative);
    CString readExampleName(int language, int format, int alternative);
    // Writes the 16 template and example keys (alternative first, then plain)
    // in the order template L1F1, L1F2, L2F1, L2F2, then the examples; each
    // pair's field becomes the alternative text when UseAlternativeLinks is
    // on and that text is not empty, else the plain text.
    int setTemplatesAndExamples(const CString texts[16]);

    CString getAuthorsText() const { return m_authors->join(","); }
    int hasAuthor(Item* roleItem, const CString& responsibility) const;
    void replaceInAuthors(const CString& oldText, const CString& newText);

    void addUsingActivity(Item* activity);
    void addProducingActivity(Item* activity);
    ItemListe* getUsingActivities() const { return m_usingActivities; }
    ItemListe* getProducingActivities() const { return m_producingActivities; }

    CStringListe* getArchiveFiles() const { return m_archiveFiles; }
    TwoStringListe* getExampleLibraryList() const { return m_archiveSubfolders; }
    void addArchiveSubfolder(const CString& name, const CString& link);
    // Appends the files and subfolders of an example library folder, from
    // one listing, sorted by name: files but "_keep" and the library's own
    // pages; subfolders not starting with "_", as records (name, name + "/", 1).
    // What the listing shows stays inside the folder within: a symbolic
    // link leading out of it (or nowhere) is left out, and a folder that is
    // itself such a link lists nothing.
    static void listArchive(const CString& folder, CStringListe* files, TwoStringListe* subfolders,
                            const CString& within);
    int isArchiveEmpty() const;

    // Whether the activity reads (input) or produces it in that state.
    bool isUsedByActivity(Item* activity, Item* state, int input) const;

    // The work product types of the open project: "" then the settings
    // file's LISTOFWPTYPE, lower-cased; null when no project is open.
    static CStringListePlus* workProductTypes;
    static void loadWorkProductTypes();
    static void freeWorkProductTypes();

private:
    ItemListe* m_usingActivities;
    ItemListe* m_producingActivities;
    CStringListe* m_archiveFiles;
    TwoStringListe* m_archiveSubfolders;
};
