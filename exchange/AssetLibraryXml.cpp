#include "AssetLibraryXml.h"

#include "CStringListePlus.h"
#include "HtmlText.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemReference.h"
#include "ItemRole.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "StringTable.h"
#include "XmlExporter.h"
#include "XmlText.h"
#include "ui/UserInterface.h"

#include <algorithm>

namespace {

CString indentation(int indent) {
    return CString(' ', indent);
}

const char* trueFalse(int flag) {
    return flag ? "true" : "false";
}

using settings::decimal;

bool isOneOf(int kind, std::initializer_list<int> classes) {
    return std::find(classes.begin(), classes.end(), kind) != classes.end();
}

// The class word of a class that has a section, or null.
const char* classWord(int kind) {
    switch (kind) {
    case kMacroActivityClass:
        return "MacroActivity";
    case kPhaseClass:
        return "Phase";
    case kWorkflowClass:
        return "Workflow";
    case kWorkProductStateClass:
        return "WorkProductState";
    case kDisciplineClass:
        return "Discipline";
    case kDomainClass:
        return "Domain";
    case kWorkProductGroupClass:
        return "WorkProductGroup";
    case kRoleGroupClass:
        return "RoleGroup";
    case kRoleClass:
        return "Role";
    case kWorkProductClass:
        return "WorkProduct";
    case kActivityClass:
        return "Activity";
    default:
        return nullptr;
    }
}

// The activity-type keywords, in the order they are tried.
const CString kActivityTypes[] = {ItemActivity::getPeerReviewType(), ItemActivity::getStandardType(),
                                  ItemActivity::getMilestoneReviewType(), ItemActivity::getFormalReviewType(),
                                  ItemActivity::getMeetingType()};

} // namespace

AssetLibraryXml::AssetLibraryXml(XmlExporter& exporter, ProcessManager& manager)
    : m_exporter(exporter), m_manager(manager) {}

AssetLibraryXml::~AssetLibraryXml() = default;

CString AssetLibraryXml::markup(const CString& text, int language) const {
    return m_exporter.toXmlMarkup(text, language);
}

void AssetLibraryXml::line(int indent, const char* name, const CString& value) {
    m_out += indentation(indent) + "<" + name + ">" + value + "</" + name + ">\n";
}

void AssetLibraryXml::rawLine(int indent, const char* name, const CString& value) {
    line(indent, name, XmlText::escape(value));
}

void AssetLibraryXml::markupLine(int indent, const char* name, const CString& value, int language) {
    line(indent, name, XmlText::content(markup(value, language)));
}

void AssetLibraryXml::flagLine(int indent, const char* name, int flag) {
    line(indent, name, trueFalse(flag));
}

void AssetLibraryXml::characterDataLine(int indent, const char* name, const CString& text, int language) {
    line(indent, name, "<![CDATA[" + XmlText::characterData(markup(text, language)) + "]]>");
}

void AssetLibraryXml::open(int indent, const char* name) {
    m_out += indentation(indent) + "<" + name + ">\n";
}

void AssetLibraryXml::close(int indent, const char* name) {
    m_out += indentation(indent) + "</" + name + ">\n";
}

CString AssetLibraryXml::write() {
    m_bilingual = StdOption::instance().getTwoLanguages() != 0;
    m_tables = m_manager.pageRunTables();
    m_out = "<processAssetLibrary xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xsi:schemaLocation=\"Tolvane.xsd\">\n";
    for (Item* item : m_tables->getItems())
        writeItem(*item);
    m_out += "</processAssetLibrary>\n";
    return m_out;
}

void AssetLibraryXml::writeItem(Item& item) {
    open(2, "item");
    rawLine(4, "uid", item.getUid());
    markupLine(4, "name", item.getNameByLanguage(0), 0);
    if (m_bilingual)
        markupLine(4, "nameL2", item.getNameByLanguage(1), 1);
    open(4, "treeviewData");
    line(6, "hierarchyLevel", decimal(item.getLevel()));
    rawLine(6, "fatherLink", item.getParent() ? item.getParent()->getUid() : CString());
    rawLine(6, "normalNodeImage", item.getIcon());
    rawLine(6, "expandedNodeImage", item.getOpenIcon());
    flagLine(6, "Visibility", item.isVisible());
    close(4, "treeviewData");
    switch (item.getKind()) {
    case kShortcut:
        line(4, "itemClass", "Shortcut");
        open(4, "shortcutItemData");
        rawLine(6, "dualItemReference", item.getReferencedUid());
        close(4, "shortcutItemData");
        break;
    case kExternal:
        line(4, "itemClass", "External");
        open(4, "externalItemDataType");
        rawLine(6, "URL", item.getUrl());
        close(4, "externalItemDataType");
        break;
    default:
        if (auto* processItem = dynamic_cast<ProcessItem*>(&item))
            writeClassSection(*processItem);
    }
    close(2, "item");
}

void AssetLibraryXml::writeClassSection(ProcessItem& item) {
    const int kind = item.getClassKind();
    const char* word = classWord(kind);
    if (!word)
        return;
    line(4, "itemClass", word);
    writeDualItemData(item);
    switch (kind) {
    case kMacroActivityClass:
        writeMacroActivity(item);
        break;
    case kPhaseClass:
        if (item.getParentClassKind() == kWorkflowClass)
            rawLine(4, "compositeWorkflow", item.getParent()->getUid());
        writeChildren(item, "compoundWorkDefinition", {kActivityClass, kMacroActivityClass});
        writeTexts(item, false);
        break;
    case kWorkflowClass:
        writeChildren(item, "compoundWorkDefinition", {kActivityClass, kMacroActivityClass, kPhaseClass});
        writeTexts(item, false);
        break;
    case kWorkProductGroupClass:
        writeChildren(item, "workProductOrGroup", {kWorkProductClass, kWorkProductGroupClass});
        break;
    case kRoleGroupClass:
        writeChildren(item, "member", {kRoleClass, kRoleGroupClass});
        break;
    case kRoleClass:
        writeRole(item);
        break;
    case kWorkProductClass:
        writeWorkProduct(item);
        break;
    case kActivityClass:
        writeActivity(item);
        break;
    default:
        break;
    }
}

void AssetLibraryXml::writeDualItemData(ProcessItem& item) {
    open(4, "dualItemData");
    rawLine(6, "state", item.getStateText());
    markupLine(6, "versionMinor", item.getVersionMinor());
    markupLine(6, "versionMajor", item.getVersion());
    markupLine(6, "author", item.getEditor());
    open(6, "approvalList");
    for (int n = 1; n <= 6; ++n) {
        open(8, "approval");
        markupLine(10, "state", item.getAppro(n));
        rawLine(10, "date", item.getApproDateIso(n));
        close(8, "approval");
    }
    close(6, "approvalList");
    characterDataLine(6, "designNotes", item.readNotes(), 0);
    markupLine(6, "domain", item.getDomain());
    markupLine(6, "discipline", item.getDiscipline());
    close(4, "dualItemData");
}

void AssetLibraryXml::writeTexts(ProcessItem& item, bool tailoring) {
    for (int language = 0; language <= (m_bilingual ? 1 : 0); ++language) {
        const char* name = tailoring ? (language == 0 ? "tailoringGuideline" : "tailoringGuidelineL2")
                                     : (language == 0 ? "description" : "descriptionL2");
        characterDataLine(4, name,
                          tailoring ? item.getTailoringGuideline(language) : item.getDescription(language),
                          language);
    }
}

void AssetLibraryXml::writeChildren(Item& item, const char* element, std::initializer_list<int> classes) {
    for (Item* child : m_tables->getChildren(&item)) {
        Item* listed = child->getKind() == kShortcut ? m_tables->getShortcutTarget(child) : child;
        if (listed && isOneOf(classKindOf(listed), classes))
            rawLine(4, element, listed->getUid());
    }
}

void AssetLibraryXml::writeShortcutLinks(Item& item, std::initializer_list<int> parentClasses) {
    for (Item* shortcut : m_tables->getItemsReferring(item.getUid())) {
        Item* parent = shortcut->getParent();
        if (shortcut->getKind() != kShortcut || !parent ||
            (parentClasses.size() && !isOneOf(classKindOf(parent), parentClasses)))
            continue;
        m_out += "    <compositeWorkDefinition>" + XmlText::escape(parent->getUid()) +
                 "    </compositeWorkDefinition>\n";
    }
}

void AssetLibraryXml::writeMacroActivity(ProcessItem& item) {
    if (isOneOf(item.getParentClassKind(), {kMacroActivityClass, kPhaseClass, kWorkflowClass}))
        rawLine(4, "compositeWorkDefinition", item.getParent()->getUid());
    writeShortcutLinks(item, {kMacroActivityClass, kPhaseClass, kWorkflowClass});
    writeChildren(item, "compoundWorkDefinition", {kActivityClass, kMacroActivityClass});
    writeTexts(item, false);
}

void AssetLibraryXml::writeRole(ProcessItem& item) {
    const ItemRole* role = item.getItemRole();
    writeTexts(item, false);
    markupLine(4, "representationImage", role ? role->getImage() : CString());
    const bool acting = role && role->m_actingRoleGroup;
    flagLine(4, "actingRoleGroupOrGenericRole", acting);
    if (acting)
        writeChildren(item, "memberOrSpecialized", {kRoleClass});
}

void AssetLibraryXml::writeWorkProduct(ProcessItem& item) {
    ItemWorkProduct* product = item.getItemWorkProduct();
    if (!product)
        return;
    if (item.getParentClassKind() == kWorkProductClass)
        m_out += "    <compositeWorkProduct>" + XmlText::escape(item.getParent()->getUid()) +
                 "    </compositeWorkProduct>\n";
    writeTexts(item, false);
    writeTexts(item, true);
    rawLine(4, "workProductType", product->getWPType());
    markupLine(4, "namingRule", product->getWPName());
    markupLine(4, "location", product->getLocation());
    for (int a = 1; a <= product->m_authors->count(); ++a) {
        const CString& entry = *product->m_authors->at(a);
        m_out +=
            "    <roleLink>\n\t\t<roleResponsibility>" +
            XmlText::content(markup(getReferenceName(entry), 0)) + "</roleResponsibility>\n\t\t<roleName>" +
            XmlText::content(markup(getReferenceDisplayName(entry, 0), 0)) + "</roleName>\n    </roleLink>";
    }
    markupLine(4, "Image", product->getImage());
    flagLine(4, "workProductArchiveInCapitalizationRepository", product->m_toArchive);
    markupLine(4, "configurationManagementPolicy", product->getCMPolicy());
    flagLine(4, "viewParentWorkProductInActivitySchema", product->m_viewParentWorkProductInActivity);
    flagLine(4, "isARequirementToImplement", product->m_isARequirementToImplement);
    rawLine(4, "timing", product->getTiming());
    flagLine(4, "derivedFromAnotherWorkProduct", product->m_derived);
    flagLine(4, "Derivable", product->m_derivable);
    rawLine(4, "workProductToDeriveFrom", product->getDerivedFrom());
    rawLine(4, "workProduct2ToDeriveFrom", product->getDerivedFrom2());
    // Containers of a template or an example: its key read from the data
    // file, with and without "Alternative", and its format's label.
    auto document = [&](const char* element, bool example, int language, int format) {
        open(4, element);
        for (int alternative = 0; alternative <= 1; ++alternative)
            markupLine(6, alternative ? "alternativePath" : "path",
                       example ? product->readExampleName(language, format, alternative)
                               : product->readTemplateName(language, format, alternative));
        markupLine(6, "semantic",
                   format == 0 ? product->getTemplateNameF1Extension()
                               : product->getTemplateNameF2Extension());
        close(4, element);
    };
    document("template1Language1", false, 0, 0);
    document("template1Language2", false, 1, 0);
    document("template2Language1", false, 0, 1);
    document("template2Language2", false, 1, 1);
    markupLine(4, "commentOnTemplates", product->getComment());
    document("majorExample1Language1", true, 0, 0);
    document("majorExample1Language2", true, 1, 0);
    document("majorExample2Language1", true, 0, 1);
    document("majorExample2Language2", true, 1, 1);
    const CString library = product->m_defaultExampleLibrary ? CString() : product->getExampleLibraryPath();
    TwoStringListe* subfolders = product->getExampleLibraryList();
    for (int s = 1; s <= subfolders->count(); ++s)
        markupLine(4, "example",
                   library + subfolders->at(s)->getFirst() + "/" + Item::getOverviewPageName(0));
    CStringListe* files = product->getArchiveFiles();
    for (int f = 1; f <= files->count(); ++f)
        markupLine(4, "example", library + *files->at(f));
    ProcessItemListe* states = m_manager.getWorkProductStates(&item);
    for (int s = 1; s <= states->count(); ++s)
        rawLine(4, "stateLink", states->at(s)->getUid());
    states->removeAll();
    delete states;
    ProcessItemListe* criteria = m_manager.getQualityCriteria(&item);
    for (int c = 1; c <= criteria->count(); ++c)
        rawLine(4, "qualityCriteriaLink", criteria->at(c)->getUid());
    criteria->removeAll();
    delete criteria;
    CStringListePlus* requirements = product->getTraceabilityLinks();
    for (int r = 1; r <= requirements->count(); ++r)
        rawLine(4, "workProductRequirementTraceabilityLink", *requirements->at(r));
}

void AssetLibraryXml::writeWorkProductLinks(const char* element, CStringListePlus& references) {
    for (int r = 1; r <= references.count(); ++r) {
        const CString& reference = *references.at(r);
        ProcessItem* product = m_manager.findWorkProduct(reference);
        if (!product)
            continue;
        open(4, element);
        rawLine(6, "workProduct", product->getUid());
        markupLine(6, "state", getWorkProductReferenceStateName(reference, 0, 1));
        markupLine(6, "multiplicity", getWorkProductReferenceTail(reference));
        close(4, element);
    }
}

void AssetLibraryXml::writeActivity(ProcessItem& item) {
    ItemActivity* activity = item.getItemActivity();
    if (!activity)
        return;
    if (item.getParent())
        m_out += "    <compositeWorkDefinition>" + XmlText::escape(item.getParent()->getUid()) +
                 "    </compositeWorkDefinition>\n";
    writeShortcutLinks(item, {});
    writeTexts(item, false);
    writeTexts(item, true);
    writeSteps(item);
    CStringListePlus* roles = activity->getRoles();
    for (int r = 1; r <= roles->count(); ++r) {
        ProcessItem* role = m_manager.findRole(*roles->at(r));
        if (!role)
            continue;
        open(4, "activityRoleLink");
        rawLine(6, "role", role->getUid());
        markupLine(6, "responsibility", getReferenceName(*roles->at(r)));
        close(4, "activityRoleLink");
    }
    writeWorkProductLinks("activityInWorkProductLink", *activity->getInWorkProducts());
    writeWorkProductLinks("activityOutWorkProductLink", *activity->getOutWorkProducts());
    CStringListePlus* phases = item.getPhaseList();
    for (int p = 1; p <= phases->count(); ++p)
        rawLine(4, "phase", *phases->at(p));
    flagLine(4, "derivable", activity->isDerivable());
    flagLine(4, "derived", activity->isDerived());
    if (!activity->getDerivedFrom().IsEmpty())
        rawLine(4, "activityToDeriveFrom", activity->getDerivedFrom());
    for (const CString& type : kActivityTypes)
        if (activity->getActivityType() == type) {
            rawLine(4, "activityType", type);
            break;
        }
    flagLine(4, "separatedProcedureText", activity->isSeparatedProcedureText());
    CStringListePlus* procedures = activity->getGeneralProcedures();
    for (int p = 1; p <= procedures->count(); ++p)
        if (Item* procedure = m_manager.findItemByUid(*procedures->at(p)))
            rawLine(4, "procedureLink", procedure->getUid());
    const int languages = m_bilingual ? 2 : 1;
    if (activity->getProcedureLink() == 2)
        for (int language = 0; language < languages; ++language)
            rawLine(4, language == 0 ? "mainProcedureUrl" : "mainProcedureUrlL2",
                    activity->getProcedureUrl(language));
    if (activity->getProcedureLink() == 1)
        for (int language = 0; language < languages; ++language) {
            const char* element = language == 0 ? "mainProcedureContent" : "mainProcedureContentL2";
            const CString page =
                m_manager.getPathInSite(item.getFolder(1, 0) + ItemActivity::getProcedurePageName(language));
            open(4, element);
            m_out += "      <![CDATA[\n" +
                     XmlText::characterData(page.IsEmpty() ? CString() : extractPageBody(page, 0)) +
                     "      ]]>\n";
            close(4, element);
        }
    flagLine(4, "stepHyperlinks", activity->hasStepHyperlinks());
    flagLine(4, "includeInGlossary", item.isGlossaryEntry());
}

void AssetLibraryXml::writeSteps(ProcessItem& item) {
    ItemActivity* activity = item.getItemActivity();
    CStringListePlus* steps = activity->getSteps(1);
    CStringListePlus* stepsL2 = m_bilingual ? activity->getStepsL2(1) : nullptr;
    for (int s = 1; s <= steps->count(); ++s) {
        CString text = *steps->at(s);
        CString textL2;
        if (stepsL2) {
            if (s <= stepsL2->count())
                textL2 = *stepsL2->at(s);
            else
                ui::AfxMessageBox(loadString(33024));
        }
        int level = 0;
        bool comment = false, optional = false;
        if (text.GetLength() > 2 && text[0] == '#') {
            level = text[1] - '0';
            const char mark = text.GetLength() > 3 ? text[2] : '\0';
            comment = mark == 'C';
            optional = mark == 'O';
            text = text.Mid(comment || optional ? 4 : 3);
            if (stepsL2) {
                const bool markedL2 = textL2.GetLength() > 3 && (textL2[2] == 'C' || textL2[2] == 'O');
                textL2 = textL2.GetLength() > 3 ? textL2.Mid(markedL2 ? 4 : 3) : CString();
            }
        }
        open(4, "step");
        line(6, "hierarchyLevel", decimal(level));
        m_out += CString("      <comment>") + trueFalse(comment) + "      </comment>\n";
        m_out += CString("      <optional>") + trueFalse(optional) + "      </optional>\n";
        characterDataLine(6, "description", text, 0);
        if (stepsL2)
            characterDataLine(6, "descriptionL2", textL2, 1);
        close(4, "step");
    }
}
