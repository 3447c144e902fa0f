#pragma once

// One term of a glossary: its definition is its description, completed per
// language by a source and an equivalent term.

#include "ProcessItemExtension.h"

class ItemGlossaryEntry : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "GLOSSARY ENTRY"; }
    static CString getClassKeyword() { return "GLOSSARYENTRY"; }
    void loadData() override;
    int saveData() override;
    CString getDescriptionFileName(int language) override { return descriptionFile("GADescription.txt", language); }

    CString getSource(int language) const { return language == 0 ? m_sourceL1 : m_sourceL2; }
    CString getEquivalent(int language) const { return language == 0 ? m_equivalentL1 : m_equivalentL2; }
    void setSourceL1(const CString& text) { m_sourceL1 = text; }
    void setSourceL2(const CString& text) { m_sourceL2 = text; }
    void setEquivalentL1(const CString& text) { m_equivalentL1 = text; }
    void setEquivalentL2(const CString& text) { m_equivalentL2 = text; }

private:
    CString m_sourceL1;
    CString m_equivalentL1;
    CString m_sourceL2;
    CString m_equivalentL2;
};
