#include "EpfWorkProductWriter.h"

#include "CStringListePlus.h"
#include "EpfLibrary.h"
#include "EpfPlugin.h"
#include "EpfResources.h"
#include "EpfXml.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"

#include <memory>

namespace {

// One of the eight document files a work product may name.
struct Document {
    bool example;
    int language;
    int form;
    const char* label;
    const char* prefix;
};

const Document kDocuments[] = {
    {false, 0, 0, "FR", "TL1F1_"}, {false, 0, 1, "FR", "TL1F2_"}, {false, 1, 0, "EN", "TL2F1_"},
    {false, 1, 1, "EN", "TL2F2_"}, {true, 0, 0, "FR", "EL1F1_"},  {true, 0, 1, "FR", "EL1F2_"},
    {true, 1, 0, "EN", "EL2F1_"},  {true, 1, 1, "EN", "EL2F2_"},
};

const CString& fileName(const ItemWorkProduct& product, const Document& document) {
    return document.example ? product.m_exampleName[document.language][document.form]
                            : product.m_templateName[document.language][document.form];
}

} // namespace

EpfWorkProductWriter::EpfWorkProductWriter(EpfPlugin& plugin, ProcessItem& workProduct)
    : m_plugin(plugin), m_workProduct(workProduct), m_product(workProduct.getItemWorkProduct()),
      m_xml(plugin.getXml()), m_out(plugin.getCompanion()), m_uid(workProduct.getUid()),
      m_name(plugin.toText(workProduct.getNameByLanguage(plugin.getLanguage()), plugin.getLanguage())) {}

void EpfWorkProductWriter::write() {
    if (!m_product)
        return;
    writeDocuments();
    writeArtifact(writeChecklists());
}

void EpfWorkProductWriter::writeDocuments() {
    EpfResources& resources = m_plugin.getResources();
    for (const Document& document : kDocuments) {
        const CString& stored = fileName(*m_product, document);
        if (stored.IsEmpty())
            continue;
        CString file = stored;
        file.Remove('&');
        CString attachment = file;
        if (document.example) {
            attachment.Replace("./ar/", "");
            attachment.Replace("ar/", "");
        }
        attachment = EpfResources::copyName(m_workProduct, attachment);
        const CString kind = document.example ? "Example" : "Template";
        const CString& formLabel =
            document.form == 0 ? m_product->m_templateNameF1Extension : m_product->m_templateNameF2Extension;
        const CString formPart = formLabel.IsEmpty() ? CString() : EpfXml::stored(formLabel) + " - ";
        const CString title = kind + " (" + document.label + ") - ";
        const CString id = document.prefix + m_uid;
        m_out += m_xml.namedTag(10, "ContentElement", "uma:" + kind, title + formPart + m_name, id,
                                title + formPart + m_name);
        // The second-language template of the second form carries no change description.
        const bool describesChange = document.example || document.language == 0 || document.form == 0;
        m_out += m_xml.elementPresentation(12, "xsi:type", "uma:GuidanceDescription",
                                           title + m_name + "," + id, document.prefix + CString("P-") + m_uid,
                                           describesChange ? m_plugin.getChangeDescription() : CString(), "");
        m_out += "              <MainDescription><![CDATA[" + m_plugin.getDescriptions(m_workProduct) +
                 "]]></MainDescription>\n";
        m_out += "              <KeyConsiderations></KeyConsiderations>\n";
        m_out += "              <Attachment>resources/" + EpfXml::stored(attachment) + "</Attachment>\n";
        m_out += "            </Presentation>\n";
        m_out += "          </ContentElement>\n";
        const char* folder =
            document.example ? "/guidances/examples/resources/" : "/guidances/templates/resources/";
        resources.copyItemFile(m_workProduct, file, resources.getCompanionFolder() + folder + attachment);
    }
}

bool EpfWorkProductWriter::writeChecklists() {
    std::unique_ptr<ProcessItemListe> criteria(m_plugin.getManager().getQualityCriteria(&m_workProduct));
    const bool any = criteria->count() > 0;
    if (any) {
        writeChecklist(*criteria, 0);
        if (m_plugin.isBilingual())
            writeChecklist(*criteria, 1);
    }
    criteria->removeAll();
    return any;
}

void EpfWorkProductWriter::writeChecklist(const ProcessItemListe& criteria, int language) {
    const int exportLanguage = m_plugin.getLanguage();
    const CString prefix = language == 0 ? "CL1_" : "CL2_";
    const CString title = CString("Checklist (") + (language == 0 ? "FR" : "EN") + ") - ";
    const CString name = title + m_plugin.toText(m_workProduct.getNameByLanguage(language), language);
    m_out += m_xml.namedTag(
        10, "ContentElement", "uma:Checklist",
        title + m_plugin.toText(m_workProduct.getNameByLanguage(exportLanguage), exportLanguage),
        prefix + m_uid, name);
    m_out += m_xml.elementPresentation(12, nullptr, "", name + "," + prefix + m_uid, prefix + "P-" + m_uid,
                                       m_plugin.getChangeDescription(), "");
    m_out += "              <MainDescription></MainDescription>\n";
    m_out += "              <KeyConsiderations></KeyConsiderations>\n";
    for (int n = 1; n <= criteria.count(); ++n) {
        ProcessItem& criterion = *criteria.at(n);
        CString number;
        number.Format("%d", n);
        m_out += m_xml.startTag(
            14, "Section",
            {{"name", m_plugin.toText(criterion.getNameByLanguage(language), language) + " - " +
                          m_plugin.toText(criterion.getDescription(language), language)},
             {"briefDescription", ""},
             {" id", prefix + m_uid + "_" + number},
             {"orderingGuide", ""},
             {"suppressed", "false"},
             {"sectionName", ""},
             {"variabilityType", "na"}});
        m_out += "                <Description></Description>\n";
        m_out += "              </Section>\n";
    }
    m_out += "            </Presentation>\n";
    m_out += "          </ContentElement>\n";
}

CString EpfWorkProductWriter::keyConsiderations(int language) {
    ProcessManager& manager = m_plugin.getManager();
    CString block;
    if (!m_product->m_wpName.IsEmpty())
        block += "                <strong>" + manager.getLabel(language, "WPName") + ": </strong> " +
                 m_product->m_wpName + "<br><br>\n";
    if (!m_product->m_cmPolicy.IsEmpty())
        block += "                <strong>" + manager.getLabel(language, "CMPolicy") + " </strong> " +
                 m_product->m_cmPolicy + "<br><br>\n";
    CStringListePlus* links = m_product->getTraceabilityLinks();
    if (links->count() > 0) {
        block += "                <strong>" + manager.getLabel(language, "ImplementWPRequirements") +
                 " </strong><br><ul>\n ";
        for (int n = 1; n <= links->count(); ++n)
            if (const Item* linked = manager.findItemByUid(*links->at(n)))
                block += "\n                  <li>" +
                         m_plugin.toMarkup(linked->getNameByLanguage(language), language) + "</li>";
        block += "</ul>";
    }
    return block;
}

void EpfWorkProductWriter::writeArtifact(bool hasChecklist) {
    EpfResources& resources = m_plugin.getResources();
    const CString& image = m_product->m_image;
    const CString iconFolder = resources.getCompanionFolder() + "/workproducts/resources/";
    m_out += m_xml.startTag(
        10, "ContentElement",
        {{"xsi:type", "uma:Artifact"},
         {"name", m_name},
         {"briefDescription", ""},
         {"id", m_uid},
         {"orderingGuide", ""},
         {"suppressed", "false"},
         {"presentationName", m_name},
         {" shapeicon",
          EpfXml::stored(iconFolder + (image.IsEmpty() ? CString("doc2.gif")
                                                       : EpfResources::copyName(m_workProduct, image)))},
         {" variabilityType", "na"}});
    if (!image.IsEmpty())
        resources.copyItemFile(m_workProduct, image,
                               iconFolder + EpfResources::copyName(m_workProduct, image));
    m_out += m_xml.elementPresentation(
        12, "xsi:type", "uma:ArtifactDescription", m_name + "," + m_uid, "P-" + m_uid,
        m_plugin.getChangeDescription(),
        EpfXml::stored(m_workProduct.getVersion() + " " + m_workProduct.getVersionMinor()));
    m_out += "              <MainDescription><![CDATA[" + m_plugin.getDescriptions(m_workProduct) +
             "]]></MainDescription>\n";
    CString considerations = keyConsiderations(0);
    if (!considerations.IsEmpty() && m_plugin.isBilingual())
        considerations += "\n<hr>\n" + keyConsiderations(1);
    m_out += "              <KeyConsiderations><![CDATA[\n" + EpfXml::characterData(considerations) +
             "              ]]></KeyConsiderations>\n";
    m_out += "              <ImpactOfNotHaving></ImpactOfNotHaving>\n";
    m_out += "              <Purpose></Purpose>\n";
    m_out += "              <ReasonsForNotNeeding></ReasonsForNotNeeding>\n";
    m_out += "              <BriefOutline></BriefOutline>\n";
    m_out += "              <RepresentationOptions>";
    const CString tailoring = m_workProduct.getTailoringGuideline(0);
    if (!tailoring.IsEmpty()) {
        CString options = m_plugin.toMarkup(tailoring, 0);
        if (m_plugin.isBilingual())
            options += "<hr>" + m_plugin.toMarkup(m_workProduct.getTailoringGuideline(1), 1);
        m_out += "<![CDATA[" + EpfXml::characterData(options) + "]]>";
    }
    m_out += "</RepresentationOptions>\n";
    m_out += "              <Representation></Representation>\n";
    m_out += "              <Notation></Notation>\n";
    m_out += "            </Presentation>\n";
    // The guidance references (checklists, then examples) before the work
    // product's own (templates), as the interchange schema orders them.
    if (hasChecklist) {
        m_out += m_xml.reference(12, "Checklist", "CL1_" + m_uid);
        if (m_plugin.isBilingual())
            m_out += m_xml.reference(12, "Checklist", "CL2_" + m_uid);
    }
    for (const bool examples : {true, false})
        for (const Document& document : kDocuments)
            if (document.example == examples && !fileName(*m_product, document).IsEmpty())
                m_out += m_xml.reference(12, examples ? "Example" : "Template", document.prefix + m_uid);
    m_out += "          </ContentElement>\n";
}
