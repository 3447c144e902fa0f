#include "WorkProductPages.h"

#include "DerivationCycle.h"
#include "FileSystem.h"
#include "ItemFolderCopy.h"
#include "ItemReference.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <algorithm>

namespace {

ProcessItem* itemWithUid(Project* project, const CString& uid) {
    return project && !uid.IsEmpty() ? dynamic_cast<ProcessItem*>(project->findItemByUid(uid)) : nullptr;
}

} // namespace

CWorkProductPPage1::CWorkProductPPage1(Project* project, ProcessItem* item)
    : PropertyPage(172, "Attributes"), m_project(project), m_item(item) {
    ItemWorkProduct* product = dynamic_cast<ItemWorkProduct*>(item->getExtension());
    if (!product)
        return;
    m_description = product->readDescription(0, 0, 0, 0);
    m_location = product->m_location;
    m_wpName = product->m_wpName;
    m_image = product->m_image;
    m_cmPolicy = product->m_cmPolicy;
    m_wpType = product->m_wpType;
    m_toArchive = product->m_toArchive;
    m_viewParentInActivity = product->m_viewParentWorkProductInActivity;
    m_isRequirement = product->m_isARequirementToImplement;
    m_timing = product->m_timing;
    m_derivable = product->m_derivable;
    m_derived = product->m_derived;
    m_derivedFrom1 = itemWithUid(project, product->m_derivedFrom);
    m_derivedFrom2 = itemWithUid(project, product->m_derivedFrom2);
    for (int i = 1; i <= product->m_authors->count(); ++i) {
        const CString& entry = *product->m_authors->at(i);
        const CString responsibility = getReferenceName(entry);
        m_authors.push_back(references::roleRow(entry, responsibility.IsEmpty() ? "author" : responsibility));
    }
}

void CWorkProductPPage1::onOK() {
    ItemWorkProduct* product = dynamic_cast<ItemWorkProduct*>(m_item->getExtension());
    if (!product)
        return;
    auto* manager = dynamic_cast<ProcessManager*>(m_project);
    product->m_authors->deleteAll();
    for (const ReferenceRow& row : m_authors)
        product->m_authors->append(new CString(references::roleReference(row, manager)));
}

bool CWorkProductPPage1::wouldMakeCycle(ProcessItem* base) const {
    return derivesFrom(m_project, base, m_item, [](ProcessItem* product) {
        const ItemWorkProduct* extension = product->getItemWorkProduct();
        return extension && extension->m_derived
                   ? std::vector<CString>{extension->m_derivedFrom, extension->m_derivedFrom2}
                   : std::vector<CString>{};
    });
}

CString copyIntoItemFolder(Project* project, ProcessItem* item, const CString& chosenPath,
                           const CString& subfolder) {
    const int slash = std::max(chosenPath.ReverseFind('/'), chosenPath.ReverseFind('\\'));
    const CString fileName = chosenPath.Mid(slash + 1);
    if (fileName.IsEmpty())
        return CString();
    const CString shown = subfolder + fileName;
    const CString target = project ? project->getPathInSite(item->getFolder(1, 0) + shown) : CString();
    switch (askBeforeCopyInto(chosenPath, target, fileName)) {
    case ItemFolderCopy::Declined:
        return CString();
    case ItemFolderCopy::UseAsIs:
        return shown;
    case ItemFolderCopy::Copy:
        break;
    }
    if (target.IsEmpty() || !CopyFileA(chosenPath, target, FALSE)) {
        CString message;
        message.Format(loadString(32976), fileName.GetString());
        ui::AfxMessageBox(message);
    }
    return shown;
}

CWorkProductPPage2::CWorkProductPPage2(Project* project, ProcessItem* item)
    : PropertyPage(170, "Templates"), m_project(project), m_item(item) {
    m_comment = item->readValue("Comment");
    m_templateNameF1Extension = item->readValue("TemplateNameF1Extension");
    m_templateNameF2Extension = item->readValue("TemplateNameF2Extension");
    m_templateNameL1F1 = item->readValue("TemplateNameL1F1");
    m_altTemplateNameL1F1 = item->readValue("AlternativeTemplateNameL1F1");
    m_templateNameL1F2 = item->readValue("TemplateNameL1F2");
    m_altTemplateNameL1F2 = item->readValue("AlternativeTemplateNameL1F2");
    m_templateNameL2F1 = item->readValue("TemplateNameL2F1");
    m_altTemplateNameL2F1 = item->readValue("AlternativeTemplateNameL2F1");
    m_templateNameL2F2 = item->readValue("TemplateNameL2F2");
    m_altTemplateNameL2F2 = item->readValue("AlternativeTemplateNameL2F2");
}

CWorkProductPPage4::CWorkProductPPage4(Project* project, ProcessItem* item)
    : PropertyPage(173, "Examples"), m_project(project), m_item(item) {
    m_exampleNameL1F1 = item->readValue("ExampleNameL1F1");
    m_altExampleNameL1F1 = item->readValue("AlternativeExampleNameL1F1");
    m_exampleNameL1F2 = item->readValue("ExampleNameL1F2");
    m_altExampleNameL1F2 = item->readValue("AlternativeExampleNameL1F2");
    m_exampleNameL2F1 = item->readValue("ExampleNameL2F1");
    m_altExampleNameL2F1 = item->readValue("AlternativeExampleNameL2F1");
    m_exampleNameL2F2 = item->readValue("ExampleNameL2F2");
    m_altExampleNameL2F2 = item->readValue("AlternativeExampleNameL2F2");
    if (const ItemWorkProduct* product = dynamic_cast<ItemWorkProduct*>(item->getExtension())) {
        m_defaultExampleLibrary = product->m_defaultExampleLibrary;
        m_exampleLibraryPath = product->getExampleLibraryPath();
        m_additionalElementName = product->m_additionalElementName;
        m_additionalElementPath = product->m_additionalElementPath;
    }
}
