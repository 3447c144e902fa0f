#pragma once

// A general procedure: a document (a link per language, each with an
// alternative link) with its type, state and version.

#include "ProcessItemExtension.h"

class ItemGenericProcedure : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "GENERAL PROCEDURE"; }
    static CString getClassKeyword() { return "GENERALPROCEDURE"; }
    static CString getKeyListText();
    void loadData() override;
    // The common keys only; the procedure's own keys are written by saveProcedure.
    int saveData() override { return reportSaveFailure(ProcessItemExtension::saveData()); }
    CString getDescriptionFileName(int language) override { return descriptionFile("ProcDescription.txt", language); }
    void buildHtmlDescription(int language) override;

    // The link the site uses: the alternative one when UseAlternativeLinks is
    // on and it is set, else the plain one.
    CString getProcedure(int language) const { return language == 0 ? m_procedure : m_procedureL2; }
    const CString& getProcedureType() const { return m_type; }
    const CString& getProcedureState() const { return m_state; }
    const CString& getProcedureVersion() const { return m_version; }
    CString readProcedure(int alternative);
    CString readProcedureL2(int alternative);
    // Stores and writes what the procedure page edits; AND of the key writes.
    int saveProcedure(const CString& alternativePath, const CString& path, const CString& state, const CString& type,
                      const CString& version, const CString& description, const CString& alternativePathL2,
                      const CString& pathL2);

private:
    CString m_procedure;
    CString m_procedureL2;
    CString m_type;
    CString m_state;
    CString m_version;
};
