#include "EpfGuidanceWriter.h"

#include "EpfLibrary.h"
#include "EpfPlugin.h"
#include "EpfResources.h"
#include "EpfXml.h"
#include "HtmlText.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "ItemGlossaryEntry.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

namespace {

// A procedure document that is an address or a path of its own, linked to
// rather than attached.
bool isLink(const CString& document) {
    CString lower = document;
    lower.MakeLower();
    return lower.Left(4) == "http" || lower.Left(4) == "file" || document.Find(":\\") == 1;
}

} // namespace

void EpfGuidanceWriter::write(ProcessItem& item) {
    const int kind = item.getClassKind();
    if (kind == kGlossaryEntryClass) {
        writeTerm(item, 0);
        if (m_plugin.isBilingual())
            writeTerm(item, 1);
    } else if (kind == kRoleClass) {
        writeRole(item);
    } else if (item.getKind() != kShortcut &&
               (kind == kNoProcessClass || kind == kWorkProductOverviewClass)) {
        writeGuideline(item);
    } else if (kind == kGeneralProcedureClass) {
        if (ItemGenericProcedure* procedure = item.getItemGenericProcedure()) {
            const CString first = procedure->readProcedure(0);
            const CString second = procedure->readProcedureL2(0);
            if (!first.IsEmpty())
                writeWhitepaper(item, first, 1);
            if (!second.IsEmpty())
                writeWhitepaper(item, second, 2);
        }
    }
}

CString EpfGuidanceWriter::glossaryText(ProcessItem& entry, int language) {
    CString text = m_plugin.toMarkup(entry.getDescription(language), language);
    if (const ItemGlossaryEntry* glossary = entry.getItemGlossaryEntry()) {
        if (!glossary->getSource(language).IsEmpty())
            text += "<br>Source: " + glossary->getSource(language);
        if (!glossary->getEquivalent(language).IsEmpty())
            text += "<br>Equivalent: " + glossary->getEquivalent(language);
    }
    return text;
}

void EpfGuidanceWriter::writeTerm(ProcessItem& entry, int language) {
    EpfXml& xml = m_plugin.getXml();
    ProcessManager& manager = m_plugin.getManager();
    const CString& uid = entry.getUid();
    const CString suffix = language == 0 ? "" : "_L2";
    const CString generationLanguage =
        language == 0 ? manager.getGenerationLanguage() : manager.getGenerationLanguage2();
    const CString name =
        m_plugin.toText(entry.getNameByLanguage(language) + " (" + generationLanguage + ")", language);
    CString& out = m_plugin.getText();
    out += xml.namedTag(10, "ContentElement", "uma:TermDefinition", name, uid + suffix, name);
    out += xml.elementPresentation(12, nullptr, "", name + "," + uid, "P-" + uid + suffix,
                                   m_plugin.getChangeDescription(),
                                   EpfXml::stored(entry.getVersion() + " " + entry.getVersionMinor()));
    CString text = glossaryText(entry, language);
    if (m_plugin.isBilingual())
        text += "<hr>" + glossaryText(entry, 1 - language);
    out +=
        "              <MainDescription><![CDATA[" + EpfXml::characterData(text) + "]]></MainDescription>\n";
    out += "              <KeyConsiderations></KeyConsiderations>\n";
    out += "            </Presentation>\n";
    out += "          </ContentElement>\n";
}

void EpfGuidanceWriter::writeRole(ProcessItem& role) {
    EpfXml& xml = m_plugin.getXml();
    CString& out = m_plugin.getCompanion();
    out += m_plugin.elementStart(role, "uma:Role", "uma:RoleDescription");
    out += "              <MainDescription><![CDATA[" + m_plugin.getDescriptions(role) +
           "]]></MainDescription>\n";
    out += "              <KeyConsiderations></KeyConsiderations>\n";
    out += "              <Skills></Skills>\n";
    out += "              <Synonyms></Synonyms>\n";
    out += "            </Presentation>\n";
    for (const ProcessItem* product : m_plugin.getLibrary().getAuthoredWorkProducts(&role))
        out += xml.reference(12, "ResponsibleFor", product->getUid());
    out += "          </ContentElement>\n";
}

void EpfGuidanceWriter::writeGuideline(ProcessItem& item) {
    EpfXml& xml = m_plugin.getXml();
    EpfResources& resources = m_plugin.getResources();
    const CString& uid = item.getUid();
    const CString name = m_plugin.getMarkupName(item);
    CString& out = m_plugin.getText();
    out += xml.guidanceTag(10, "uma:Guideline", name, "PWS_" + uid);
    out += xml.guidancePresentation(12, name + ",PWS_" + uid, "PPWS_" + uid, m_plugin.getChangeDescription());
    out += "              <MainDescription>\n";
    out += "                <![CDATA[\n";
    const std::vector<CString> pictures = resources.listPictures(item);
    CString text = m_plugin.isBilingual() ? resources.pageBody(item, 1, false) + "\n<br><hr><br>\n" +
                                                resources.pageBody(item, 0, true)
                                          : resources.pageBody(item, 0, false);
    if (item.getClassKind() == kWorkProductOverviewClass) {
        EpfResources::removeMainTargets(text);
        resources.rewriteLinks(text, item, nullptr);
    }
    resources.copyPictures(text, item, pictures, "guidelines");
    out += EpfXml::characterData(text) + "\n                ]]>";
    out += "              </MainDescription>\n";
    out += "            </Presentation>\n";
    out += "          </ContentElement>\n";
}

void EpfGuidanceWriter::writeWhitepaper(ProcessItem& procedure, const CString& document, int variant) {
    EpfXml& xml = m_plugin.getXml();
    EpfResources& resources = m_plugin.getResources();
    const int language = m_plugin.getLanguage();
    const CString& uid = procedure.getUid();
    const CString label = variant == 1 ? " (FR)" : " (EN)";
    const CString number = variant == 1 ? "1" : "2";
    const CString name = m_plugin.toText(procedure.getNameByLanguage(language), language);
    CString& out = m_plugin.getText();
    out += xml.namedTag(10, "ContentElement", "uma:Whitepaper", name + label, number + uid,
                        m_plugin.toText(m_plugin.getMarkupName(procedure), language) + label);
    out += xml.elementPresentation(12, " xsi:type", "uma:GuidanceDescription", name + "," + uid,
                                   "P-" + number + uid, m_plugin.getChangeDescription(), "");
    out += "              <MainDescription><![CDATA[" + m_plugin.getDescriptions(procedure) +
           "]]></MainDescription>\n";
    out += "              <KeyConsiderations></KeyConsiderations>\n";
    // A link's text is the procedure's name, escaped as the text of HTML; a
    // document is attached as the copy named after its item.
    const CString copy = EpfResources::copyName(procedure, document);
    const CString attachment =
        isLink(document) ? "<a href=\"" + document + "\">" + escapeHtml(procedure.getName()) + "</a>"
                         : "resources/" + copy;
    out += "              <Attachment><![CDATA[" + EpfXml::characterData(attachment) + "]]></Attachment>\n";
    out += "            </Presentation>\n";
    out += "          </ContentElement>\n";
    resources.copyItemFile(procedure, document,
                           resources.getMainFolder() + "/guidances/whitepapers/resources/" + copy);
}
