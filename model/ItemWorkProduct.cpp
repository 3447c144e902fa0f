#include "ItemWorkProduct.h"

#include "CIdentificationDialogMgt.h"
#include "DescriptionPages.h"
#include "FileFinder.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemReference.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessOption.h"
#include "Project.h"
#include "PropertySheet.h"
#include "StdOption.h"
#include "WorkProductPages.h"

CStringListePlus* ItemWorkProduct::workProductTypes = nullptr;

namespace {

const char* const kLanguageFormat[2][2] = {{"L1F1", "L1F2"}, {"L2F1", "L2F2"}};

CString templateKey(int language, int format) { return CString("TemplateName") + kLanguageFormat[language][format]; }
CString exampleKey(int language, int format) { return CString("ExampleName") + kLanguageFormat[language][format]; }

bool endsWithSeparator(const CString& path) {
    const char last = path.IsEmpty() ? '\0' : path[path.GetLength() - 1];
    return last == '/' || last == '\\';
}

// Appends to the list unless it is there already.
void appendOnce(ItemListe* list, Item* item) {
    if (list->indexOf(item) == 0)
        list->append(item);
}

} // namespace

ItemWorkProduct::ItemWorkProduct(ProcessItem* item, Project* project)
    : ProcessItemExtension(item, project), m_authors(new CStringListePlus), m_usingActivities(new ItemListe),
      m_producingActivities(new ItemListe), m_archiveFiles(new CStringListe), m_archiveSubfolders(new TwoStringListe) {}

ItemWorkProduct::~ItemWorkProduct() {
    m_usingActivities->removeAll();
    delete m_usingActivities;
    m_producingActivities->removeAll();
    delete m_producingActivities;
    m_archiveFiles->deleteAll();
    delete m_archiveFiles;
    m_authors->deleteAll();
    delete m_authors;
    m_archiveSubfolders->deleteAll();
    delete m_archiveSubfolders;
}

CString ItemWorkProduct::getKeyListText() {
    CString text = "WORKPRODUCT:";
    for (const char* key : {"TemplateNameLiFj (i:1,2 j:1,2)", "AlternativeTemplateNameLiFj (i:1,2 j:1,2)",
                            "ExampleNameLiFj (i:1,2 j:1,2)", "TemplateNameFiExtension (i:1,2)", "Comment", "Author",
                            "WPName", "Location", "ToArchive"})
        text += CString("\n\t\t\t") + key;
    return text;
}

void ItemWorkProduct::loadData() {
    ProcessItemExtension::loadData();
    const bool alternative = ProcessOption::instance().getUseAlternativeLinks();
    for (int language = 0; language < 2; ++language)
        for (int format = 0; format < 2; ++format) {
            CString value = alternative ? m_item->readValue("Alternative" + templateKey(language, format)) : CString();
            if (value.IsEmpty())
                value = m_item->readValue(templateKey(language, format));
            m_templateName[language][format] = value;
            m_exampleName[language][format] = m_item->readValue(exampleKey(language, format));
        }
    m_templateNameF1Extension = m_item->readValue("TemplateNameF1Extension");
    m_templateNameF2Extension = m_item->readValue("TemplateNameF2Extension");
    m_comment = m_item->readValue("Comment");
    m_item->readList("Author", m_authors, ",", 1);
    m_wpName = m_item->readValue("WPName");
    m_location = m_item->readValue("Location");
    m_image = m_item->readValue("Image");
    m_cmPolicy = m_item->readValue("CMPolicy");
    m_timing = m_item->readValue("Timing");
    m_wpType = m_item->readValue("WPType");
    m_toArchive = m_item->readValue("ToArchive") == "true";
    m_isARequirementToImplement = m_item->readValue("isARequirementToImplement") == "true";
    m_viewParentWorkProductInActivity = m_item->readValue("viewParentWorkProductInActivity") == "true";
    m_exampleLibraryPath = m_item->readValue("ExampleLibraryPath");
    m_defaultExampleLibrary = m_item->readValue("DefaultExampleLibrary") != "false";
    m_additionalElementName = m_item->readValue("EL_AE_Name");
    m_additionalElementPath = m_item->readValue("EL_AE_Path");

    m_archiveFiles->deleteAll();
    m_archiveSubfolders->deleteAll();
    // The library in the item's folder shows nothing from outside the
    // project; one named by its path, nothing from outside that path.
    const bool inItemFolder = m_defaultExampleLibrary && m_project;
    const CString folder = inItemFolder ? m_item->getItemFolderFile("ar/") : getExampleLibraryPath();
    if (!folder.IsEmpty())
        listArchive(folder, m_archiveFiles, m_archiveSubfolders,
                    inItemFolder ? m_project->getProjectDirectory() : folder);
    auto* parent = dynamic_cast<ProcessItem*>(m_item->getParent());
    if (!isArchiveEmpty() && parent && parent->getClassKind() == kWorkProductClass && parent->getExtension()) {
        if (auto* parentProduct = dynamic_cast<ItemWorkProduct*>(parent->getExtension()))
            parentProduct->addArchiveSubfolder(m_item->getName(), m_item->getRelativeLink(parent, "/ar") + "/ar/");
    }

    m_derivable = m_item->readValue("Derivable") == "yes";
    m_derived = m_item->readValue("Derived") == "yes";
    m_derivedFrom = m_item->readValue("DerivedFrom");
    m_derivedFrom2 = m_item->readValue("DerivedFrom2");
}

int ItemWorkProduct::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeList("Author", m_authors, ",");
    ok &= m_item->writeValue("WPName", m_wpName);
    ok &= m_item->writeValue("Location", m_location);
    ok &= m_item->writeValue("Image", m_image);
    ok &= m_item->writeValue("CMPolicy", m_cmPolicy);
    ok &= m_item->writeValue("Timing", m_timing);
    ok &= m_item->writeValue("Comment", m_comment);
    ok &= m_item->writeValue("TemplateNameF1Extension", m_templateNameF1Extension);
    ok &= m_item->writeValue("TemplateNameF2Extension", m_templateNameF2Extension);
    ok &= m_item->writeValue("WPType", m_wpType);
    ok &= m_item->writeValue("ExampleLibraryPath", getExampleLibraryPath());
    ok &= m_item->writeValue("DefaultExampleLibrary", ProcessItem::trueFalse(m_defaultExampleLibrary));
    ok &= m_item->writeValue("viewParentWorkProductInActivity", ProcessItem::trueFalse(m_viewParentWorkProductInActivity));
    ok &= m_item->writeValue("ToArchive", ProcessItem::trueFalse(m_toArchive));
    ok &= m_item->writeValue("isARequirementToImplement", ProcessItem::trueFalse(m_isARequirementToImplement));
    ok &= m_item->writeValue("Derivable", m_derivable ? "yes" : "no");
    ok &= m_item->writeValue("Derived", m_derived ? "yes" : "no");
    ok &= m_item->writeValue("DerivedFrom", m_derivedFrom);
    ok &= m_item->writeValue("DerivedFrom2", m_derivedFrom2);
    ok &= m_item->writeValue("EL_AE_Name", m_additionalElementName);
    ok &= m_item->writeValue("EL_AE_Path", m_additionalElementPath);
    writeDescription(m_item->Item::getDescription(0), 0);
    return reportSaveFailure(ok);
}

CString ItemWorkProduct::getExampleLibraryPath() const {
    if (m_exampleLibraryPath.IsEmpty() || endsWithSeparator(m_exampleLibraryPath))
        return m_exampleLibraryPath;
    return m_exampleLibraryPath + "/";
}

CString ItemWorkProduct::getImagePath() const {
    if (!m_image.IsEmpty())
        return m_item->getFolder(1, 1) + m_image;
    if (!m_item->getDefaultWorkProductImage().IsEmpty())
        return "images/" + m_item->getDefaultWorkProductImage();
    return "images/doc2.gif";
}

CString ItemWorkProduct::getDisplayName(int language) const {
    const Item* parent = m_item->getParent();
    if (parent && classKindOf(parent) == kWorkProductClass)
        return parent->getNameByLanguage(language) + " / " + m_item->getNameByLanguage(language);
    return m_item->getNameByLanguage(language);
}

CString ItemWorkProduct::readTemplateName(int language, int format, int alternative) {
    return m_item->readValue((alternative ? "Alternative" : "") + templateKey(language, format));
}

CString ItemWorkProduct::readExampleName(int language, int format, int alternative) {
    return m_item->readValue((alternative ? "Alternative" : "") + exampleKey(language, format));
}

int ItemWorkProduct::setTemplatesAndExamples(const CString texts[16]) {
    const bool useAlternative = ProcessOption::instance().getUseAlternativeLinks();
    const int ok = m_item->writeTogether([&] {
        int written = 1;
        for (int pair = 0; pair < 8; ++pair) {
            const bool isTemplate = pair < 4;
            const int language = (pair % 4) / 2;
            const int format = pair % 2;
            const CString key = isTemplate ? templateKey(language, format) : exampleKey(language, format);
            const CString& plain = texts[2 * pair];
            const CString& alternative = texts[2 * pair + 1];
            written &= m_item->writeValue("Alternative" + key, alternative);
            written &= m_item->writeValue(key, plain);
            CString& field = isTemplate ? m_templateName[language][format] : m_exampleName[language][format];
            field = useAlternative && !alternative.IsEmpty() ? alternative : plain;
        }
        return written;
    });
    return reportSaveFailure(ok);
}

int ItemWorkProduct::hasAuthor(Item* roleItem, const CString& responsibility) const {
    for (int i = 1; i <= m_authors->count(); ++i) {
        const CString& entry = *m_authors->at(i);
        if (findReferencedItem(entry) == roleItem && getReferenceName(entry) == responsibility)
            return 1;
    }
    return 0;
}

void ItemWorkProduct::replaceInAuthors(const CString& oldText, const CString& newText) {
    for (int i = 1; i <= m_authors->count(); ++i)
        m_authors->at(i)->Replace(oldText, newText);
}

void ItemWorkProduct::addUsingActivity(Item* activity) {
    m_usingActivities->append(activity);
    for (auto* ancestor = dynamic_cast<ProcessItem*>(m_item->getParent());
         ancestor && ancestor->getClassKind() == kWorkProductClass && ancestor->getItemWorkProduct();
         ancestor = dynamic_cast<ProcessItem*>(ancestor->getParent()))
        appendOnce(ancestor->getItemWorkProduct()->m_usingActivities, activity);
}

void ItemWorkProduct::addProducingActivity(Item* activity) {
    m_producingActivities->append(activity);
    for (auto* ancestor = dynamic_cast<ProcessItem*>(m_item->getParent());
         ancestor && ancestor->getClassKind() == kWorkProductClass && ancestor->getItemWorkProduct();
         ancestor = dynamic_cast<ProcessItem*>(ancestor->getParent()))
        appendOnce(ancestor->getItemWorkProduct()->m_producingActivities, activity);
}

void ItemWorkProduct::listArchive(const CString& folder, CStringListe* files, TwoStringListe* subfolders,
                                  const CString& within) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(folder + "*", &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    // Resolved only when a link is met: most libraries hold none.
    CString boundary;
    auto leadsInside = [&](const CString& path) {
        if (boundary.IsEmpty())
            boundary = resolvedPath(within);
        return isResolvedWithin(resolvedPath(path), boundary);
    };
    if (isSymbolicLink(folder) && !leadsInside(folder)) {
        FindClose(search);
        return;
    }
    do {
        const CString name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && name != "." && name != ".." &&
            !leadsInside(folder + name))
            continue;
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            if (name != "_keep" && name != "overview.htm" && name != "overviewL2.htm")
                files->append(new CString(name));
        } else if (name != "." && name != ".." && name[0] != '_') {
            subfolders->append(new TwoStringElement(name, name + "/", 1));
        }
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

void ItemWorkProduct::addArchiveSubfolder(const CString& name, const CString& link) {
    m_archiveSubfolders->append(new TwoStringElement(name, link, 0));
}

int ItemWorkProduct::isArchiveEmpty() const {
    return m_archiveSubfolders->count() == 0 && m_archiveFiles->count() == 0 && m_additionalElementPath.IsEmpty();
}

bool ItemWorkProduct::isUsedByActivity(Item* activity, Item* state, int input) const {
    auto* processItem = dynamic_cast<ProcessItem*>(activity);
    const ItemActivity* extension = processItem ? processItem->getItemActivity() : nullptr;
    if (!extension)
        return false;
    CString product = m_item->getName();
    product.MakeLower();
    CString stateName = state ? state->getName() : CString();
    stateName.MakeLower();
    CStringListePlus* references = input ? extension->getInWorkProducts() : extension->getOutWorkProducts();
    for (int i = 1; i <= references->count(); ++i) {
        CString name = getWorkProductReferenceName(*references->at(i), 0);
        CString referencedState = getWorkProductReferenceStateName(*references->at(i), 0, 0);
        name.MakeLower();
        referencedState.MakeLower();
        if (name == product && referencedState == stateName)
            return true;
    }
    return false;
}

void ItemWorkProduct::buildHtmlDescription(int language) {
    const ProcessOption& option = ProcessOption::instance();
    auto heading = [&](const char* key) { return popupHeading(language, key); };
    CString html;
    if (option.getWPP_Desc())
        html += popupDescription(language, 1000);
    if (option.getView_WPO_Tailoring_Guideline()) {
        CString tailoring = readTailoringGuideline(language, 0, 1);
        if (!tailoring.IsEmpty()) {
            tailoring.Replace("<br><br>", "<br>");
            if (!html.IsEmpty())
                html += "<br><br>";
            html += heading("TailoringGuideline") + tailoring;
        }
    }
    if (option.getWPP_Aut()) {
        CString authors;
        for (int i = 1; i <= m_authors->count(); ++i) {
            if (getReferenceName(*m_authors->at(i)) != "author")
                continue;
            if (!authors.IsEmpty())
                authors += "<br>";
            authors += "* " + getReferenceDisplayName(*m_authors->at(i), language);
        }
        if (!authors.IsEmpty()) {
            if (!html.IsEmpty())
                html += "<br><br>";
            html += heading("Author") + authors;
        }
    }
    m_item->setHtmlDescription(language, html);
}

void ItemWorkProduct::edit() {
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    CWorkProductPPage1 attributes(m_project, m_item);
    DescL2DialogMgt descriptionL2(m_project, m_item, 1);
    CWorkProductPPage2 templates(m_project, m_item);
    CWorkProductPPage4 examples(m_project, m_item);
    TGDialogMgt tailoring(m_project, m_item, 0);
    TGDialogMgt tailoringL2(m_project, m_item, 1);
    tailoringL2.setCaption("Tailoring guideline 2nd lang");
    CIdentificationDialogMgt identification(m_item);
    CWorkProductPPage3 informations(m_project, m_item);
    PropertySheet sheet("WorkProduct edition: " + m_item->getName());
    sheet.addPage(&attributes);
    if (twoLanguages)
        sheet.addPage(&descriptionL2);
    sheet.addPage(&templates);
    sheet.addPage(&examples);
    sheet.addPage(&tailoring);
    if (twoLanguages)
        sheet.addPage(&tailoringL2);
    sheet.addPage(&identification);
    sheet.addPage(&informations);
    if (sheet.DoModal() != IDOK)
        return;
    m_location = attributes.m_location;
    m_image = attributes.m_image;
    m_wpName = attributes.m_wpName;
    m_cmPolicy = attributes.m_cmPolicy;
    m_timing = attributes.m_timing;
    m_item->setDescriptionL1(attributes.m_description);
    m_comment = templates.m_comment;
    m_templateNameF1Extension = templates.m_templateNameF1Extension;
    m_templateNameF2Extension = templates.m_templateNameF2Extension;
    m_wpType = attributes.m_wpType;
    m_toArchive = attributes.m_toArchive;
    m_isARequirementToImplement = attributes.m_isRequirement;
    identification.storeInto(m_item);
    m_derivedFrom = attributes.m_derivedFrom1 ? attributes.m_derivedFrom1->getUid() : CString();
    m_derivedFrom2 = attributes.m_derivedFrom2 ? attributes.m_derivedFrom2->getUid() : CString();
    m_derived = attributes.m_derived;
    m_derivable = attributes.m_derivable;
    m_viewParentWorkProductInActivity = attributes.m_viewParentInActivity;
    writeTailoringGuideline(tailoring.m_tailoringGuideline, 0);
    m_exampleLibraryPath = examples.m_exampleLibraryPath;
    m_defaultExampleLibrary = examples.m_defaultExampleLibrary;
    m_additionalElementName = examples.m_additionalElementName;
    m_additionalElementPath = examples.m_additionalElementPath;
    m_item->save();
    const CString texts[16] = {
        templates.m_templateNameL1F1, templates.m_altTemplateNameL1F1, templates.m_templateNameL1F2,
        templates.m_altTemplateNameL1F2, templates.m_templateNameL2F1, templates.m_altTemplateNameL2F1,
        templates.m_templateNameL2F2, templates.m_altTemplateNameL2F2, examples.m_exampleNameL1F1,
        examples.m_altExampleNameL1F1, examples.m_exampleNameL1F2, examples.m_altExampleNameL1F2,
        examples.m_exampleNameL2F1, examples.m_altExampleNameL2F1, examples.m_exampleNameL2F2,
        examples.m_altExampleNameL2F2};
    setTemplatesAndExamples(texts);
    if (twoLanguages) {
        writeDescription(descriptionL2.m_description, 1);
        writeTailoringGuideline(tailoringL2.m_tailoringGuideline, 1);
    }
    identification.writeNotes(m_item);
    identification.renameWhenChanged(m_item);
}

void ItemWorkProduct::loadWorkProductTypes() {
    freeWorkProductTypes();
    workProductTypes = new CStringListePlus;
    workProductTypes->append(new CString);
    Project* project = Project::getInstance();
    if (!project)
        return;
    CString value;
    const DWORD n = GetPrivateProfileStringA("PROCESSUS", "LISTOFWPTYPE", "", value.GetBuffer(9999), 9999,
                                             project->getSettingsFile());
    value.ReleaseBuffer(static_cast<int>(n));
    workProductTypes->appendLowerCasedPieces(value);
}

void ItemWorkProduct::freeWorkProductTypes() {
    if (!workProductTypes)
        return;
    workProductTypes->deleteAll();
    delete workProductTypes;
    workProductTypes = nullptr;
}
