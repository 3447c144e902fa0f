#pragma once

// An activity: the roles that perform it with their responsibilities, the
// work products it reads and produces, its steps in two languages, its
// procedure, general procedures and measures, its type, and the activity it
// may derive its steps and description from.

#include "ProcessItemExtension.h"

#include <vector>

class ItemActivity : public ProcessItemExtension {
public:
    ItemActivity(ProcessItem* item, Project* project);
    ~ItemActivity() override;

    static CString getClassLabel() { return "ACTIVITY"; }
    static CString getClassKeyword() { return "ACTIVITY"; }
    static CString getProcedurePageName(int language) { return language == 0 ? "proc.htm" : "procL2.htm"; }
    static CString getStandardType() { return "Standard"; }
    static CString getMeetingType() { return "Meeting"; }
    static CString getMilestoneReviewType() { return "Milestone review"; }
    static CString getPeerReviewType() { return "Peer review"; }
    static CString getFormalReviewType() { return "Formal review"; }
    static CString getKeyListText();

    void loadData() override;
    int saveData() override;
    CString getDescriptionFileName(int language) override {
        return descriptionFile("ActivityDescription.txt", language);
    }
    int hasDiagram() override { return 1; }
    // With the HTML or escape flag, a derived activity's description follows
    // the description of the activity it derives from.
    CString readDescription(int language, int htmlMode, int noCarriageReturn, int escapeMode) override;
    void buildHtmlDescription(int language) override;
    void edit() override;

    int saveRoles();
    int saveSteps();
    // Write the reference lists at once, after an item's uid changed.
    int writeRolesKey();
    int writeInWorkProductsKey();
    int writeOutWorkProductsKey();

    void addRole(const CString& reference, const CString& name);
    void appendRoleReference(const CString& text) { m_roles->append(new CString(text)); }
    void appendGeneralProcedure(const CString& uid) { m_generalProcedures->append(new CString(uid)); }
    void appendMeasure(const CString& uid) { m_measures->append(new CString(uid)); }
    CString getRolesText() const { return m_roles->join(","); }
    void addStep(const CString& text) { m_steps->append(new CString(text)); }
    void addStepL2(const CString& text) { m_stepsL2->append(new CString(text)); }
    CStringListePlus* getRoles() const { return m_roles; }
    CStringListePlus* getInWorkProducts() const { return m_inWorkProducts; }
    CStringListePlus* getOutWorkProducts() const { return m_outWorkProducts; }
    CStringListePlus* getGeneralProcedures() const { return m_generalProcedures; }
    CStringListePlus* getMeasures() const { return m_measures; }
    // The steps; for a derived activity with withInherited, the steps of the
    // activity it derives from come first.
    CStringListePlus* getSteps(int withInherited);
    CStringListePlus* getStepsL2(int withInherited);
    CStringListePlus* getOwnSteps(int language) const { return language == 0 ? m_steps : m_stepsL2; }

    int getProcedureLink() const { return m_procedureLink; }
    void setProcedureLink(int link) { m_procedureLink = link; }
    CString getProcedureUrl(int language) const { return language == 0 ? m_procedureUrl : m_procedureUrlL2; }
    void setProcedureURL(const CString& url) { m_procedureUrl = url; }
    void setProcedureURLL2(const CString& url) { m_procedureUrlL2 = url; }
    int isSeparatedProcedureText() const { return m_separatedProcedureText; }
    void setSeparatedProcedureText(int flag) { m_separatedProcedureText = flag; }
    int hasStepHyperlinks() const { return m_stepHyperlinks; }
    void setStepHyperlinks(int flag) { m_stepHyperlinks = flag; }
    const CString& getActivityType() const { return m_activityType; }
    void setActivityType(const CString& type) { m_activityType = type; }
    int isDerivable() const { return m_derivable; }
    void setDerivable(int flag) { m_derivable = flag; }
    int isDerived() const { return m_derived; }
    void setDerived(int flag) { m_derived = flag; }
    const CString& getDerivedFrom() const { return m_derivedFrom; }
    void setDerivedFrom(const CString& uid) { m_derivedFrom = uid; }

    int countInWorkProducts();
    int countOutWorkProducts();

private:
    // The activity this one derives from, when it is derived from one.
    ItemActivity* baseActivity() const;
    // This activity and the ones it derives from, nearest first. Followed
    // link by link with a set of the activities met, so a chain of any
    // length costs one step per link and a cycle ends at the first repeat.
    std::vector<ItemActivity*> derivationChain();
    CStringListePlus* inheritedSteps(int language, int withInherited);
    int countWorkProducts(CStringListePlus* references);

    CStringListePlus* m_roles;
    CStringListePlus* m_inWorkProducts;
    CStringListePlus* m_outWorkProducts;
    CStringListePlus* m_steps;
    CStringListePlus* m_inheritedSteps;
    CStringListePlus* m_stepsL2;
    CStringListePlus* m_inheritedStepsL2;
    CStringListePlus* m_generalProcedures;
    CStringListePlus* m_measures;
    int m_procedureLink = 0;
    CString m_procedureUrl;
    CString m_procedureUrlL2;
    int m_separatedProcedureText = 0;
    int m_stepHyperlinks = 0;
    CString m_activityType;
    int m_derivable = 0;
    int m_derived = 0;
    CString m_derivedFrom;
};
