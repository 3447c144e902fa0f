#include "ProcessItemExtension.h"

#include "CIdentificationDialogMgt.h"
#include "DescriptionPages.h"
#include "ItemClasses.h"
#include "ItemExtensions.h"
#include "ItemTextFile.h"
#include "ProcessItem.h"
#include "Project.h"
#include "PropertySheet.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <memory>

ProcessItemExtension::ProcessItemExtension(ProcessItem* item, Project* project)
    : m_item(item), m_project(project), m_traceabilityLinks(new CStringListePlus) {}

ProcessItemExtension::~ProcessItemExtension() {
    m_traceabilityLinks->deleteAll();
    delete m_traceabilityLinks;
}

ProcessItemExtension* ProcessItemExtension::create(int kind, ProcessItem* item, Project* project) {
    switch (kind) {
    case kRoleClass:
        return new ItemRole(item, project);
    case kActivityClass:
        return new ItemActivity(item, project);
    case kMacroActivityClass:
        return new ItemMacroActivity(item, project);
    case kPhaseClass:
        return new ItemPhase(item, project);
    case kWorkProductClass:
    case kWorkProductStateClass:
        return new ItemWorkProduct(item, project);
    case kWorkflowClass:
        return new ItemWorkflow(item, project);
    case kDisciplineClass:
        return new ItemDiscipline(item, project);
    case kTemplateAccessClass:
        return new ItemTemplateAccess(item, project);
    case kGeneralProcedureClass:
        return new ItemGenericProcedure(item, project);
    case kGeneralProcedureGroupClass:
        return new ItemGenericProcedureGroup(item, project);
    case kProcessOverviewClass:
        return new ItemProcessOverview(item, project);
    case kWorkProductGroupClass:
        return new ItemWorkProductGroup(item, project);
    case kRoleGroupClass:
        return new ItemRoleGroup(item, project);
    case kWorkProductOverviewClass:
        return new ItemWorkProductOverview(item, project);
    case kMeasureClass:
        return new ItemMeasure(item, project);
    case kGlossaryEntryClass:
        return new ItemGlossaryEntry(item, project);
    case kGlossaryClass:
        return new ItemGlossary(item, project);
    case kDomainClass:
        return new ItemDomain(item, project);
    case kQualityCriteriaClass:
        return new ItemQualityCriteria(item, project);
    case kSiteMapClass:
        return new ItemSiteMap(item, project);
    default:
        return new ProcessItemExtension(item, project);
    }
}

void ProcessItemExtension::loadData() {
    if (!getDescriptionFileName(0).IsEmpty()) {
        for (int language = 0; language <= 1; ++language)
            m_item->setDescription(language, readDescription(language, 0, 0, 0));
    }
    m_item->readList("traceabilityLinks", m_traceabilityLinks, ",", 1);
}

int ProcessItemExtension::saveData() {
    return m_item->writeCommonKeys(m_traceabilityLinks);
}

CString ProcessItemExtension::getDescriptionFileName(int) {
    return CString();
}

std::vector<std::string> ProcessItemExtension::descriptionFilesOf(int kind) {
    // Asked of an extension of the class itself, which holds no item.
    const std::unique_ptr<ProcessItemExtension> extension(create(kind, nullptr, nullptr));
    std::vector<std::string> files;
    if (!extension->getDescriptionFileName(0).IsEmpty())
        for (int language = 0; language <= 1; ++language)
            files.push_back(extension->getDescriptionFileName(language).str());
    return files;
}

CString ProcessItemExtension::descriptionFile(const char* firstLanguageName, int language) {
    CString name = firstLanguageName;
    if (language != 0)
        name.Replace(".txt", "L2.txt");
    return name;
}

CString ProcessItemExtension::readDescription(int language, int htmlMode, int noCarriageReturn,
                                              int escapeMode) {
    const CString name = getDescriptionFileName(language);
    if (name.IsEmpty())
        return CString();
    using Join = ItemTextFile::Join;
    const Join join = htmlMode ? Join::Html : (escapeMode ? Join::Escaped : Join::Plain);
    CString text;
    ItemTextFile::read(m_item->getItemFolderFile(name), join, noCarriageReturn,
                       (htmlMode || escapeMode) ? escapeMode : -1, text);
    return text;
}

CString ProcessItemExtension::readTailoringGuideline(int language, int htmlMode, int noCarriageReturn) {
    CString text;
    ItemTextFile::read(m_item->getItemFolderFile(getTailoringFileName(language)),
                       htmlMode ? ItemTextFile::Join::HtmlKeepCr : ItemTextFile::Join::Plain,
                       noCarriageReturn, -1, text);
    return text;
}

void ProcessItemExtension::buildHtmlDescription(int language) {
    CString text = readDescription(language, 0, 1, 0);
    text.Replace("<br><br>", "<br>");
    m_item->setHtmlDescription(language, text);
}

void ProcessItemExtension::editDiagramItem(const char* diagramName, const CString& sheetTitle) {
    CWorkflowEditorStarterDlgMgt starter(m_project, m_item, diagramName, 0);
    CIdentificationDialogMgt identification(m_item);
    PropertySheet sheet(sheetTitle + m_item->getName());
    sheet.addPage(&starter);
    sheet.addPage(&identification);
    if (sheet.DoModal() != IDOK)
        return;
    identification.writeNotes(m_item);
    identification.storeInto(m_item);
    m_item->save();
    identification.renameWhenChanged(m_item);
}

CString ProcessItemExtension::popupHeading(int language, const char* labelKey) const {
    return "<b><font color='navy'>" + m_project->getLabel(language, labelKey) + "</font></b><br>";
}

CString ProcessItemExtension::popupDescription(int language, int maxLength) {
    CString description = readDescription(language, 0, 1, 0);
    if (description.IsEmpty())
        return description;
    description.Replace("<br><br>", "<br>");
    if (maxLength > 0 && description.GetLength() > maxLength)
        description = description.Left(maxLength) + " ...";
    return popupHeading(language, "Description") + description;
}

void ProcessItemExtension::edit() {
    ui::AfxMessageBox(loadString(33046));
}

int ProcessItemExtension::reportSaveFailure(int ok) const {
    if (!ok) {
        CString message;
        message.Format(loadString(33021), m_item->getName().GetString());
        ui::AfxMessageBox(message);
    }
    return ok ? 1 : 0;
}

int ProcessItemExtension::writeDescription(const CString& text, int language) {
    m_item->setDescription(language, text);
    const CString name = getDescriptionFileName(language);
    return name.IsEmpty() ? 1 : m_item->writeItemFile(name, text);
}

void ProcessItemExtension::writeTailoringGuideline(const CString& text, int language) {
    setTailoringGuideline(text, language);
    m_item->writeItemFile(getTailoringFileName(language), text);
}

CString ProcessItemExtension::getKeyListText() {
    return CString("Root class:") + "\n\t\t\tProjectKind" + "\n\t\t\tState" + "\n\t\t\tVersion" +
           "\n\t\t\tFrame";
}
