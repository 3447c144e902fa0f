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

void EpfWorkProductWriter::write(ProcessItem& workProduct) {
    if (!workProduct.getItemWorkProduct())
        return;
    writeDocuments(workProduct);
    writeArtifact(workProduct, writeChecklists(workProduct));
}

void EpfWorkProductWriter::writeDocuments(ProcessItem& workProduct) {
    const ItemWorkProduct& product = *workProduct.getItemWorkProduct();
    EpfXml& xml = m_plugin.getXml();
    EpfResources& resources = m_plugin.getResources();
    const int language = m_plugin.getLanguage();
    const CString& uid = workProduct.getUid();
    const CString name = m_plugin.toText(workProduct.getNameByLanguage(language), language);
    CString& out = m_plugin.getCompanion();
    for (const Document& document : kDocuments) {
        const CString& stored = fileName(product, document);
        if (stored.IsEmpty())
            continue;
        CString file = stored;
        file.Remove('&');
        CString attachment = file;
        if (document.example) {
            attachment.Replace("./ar/", "");
            attachment.Replace("ar/", "");
        }
        const CString kind = document.example ? "Example" : "Template";
        const CString& formLabel =
            document.form == 0 ? product.m_templateNameF1Extension : product.m_templateNameF2Extension;
        const CString formPart = formLabel.IsEmpty() ? CString() : EpfXml::stored(formLabel) + " - ";
        const CString title = kind + " (" + document.label + ") - ";
        const CString id = document.prefix + uid;
        out += xml.startTag(10, "ContentElement",
                            {{"xsi:type", "uma:" + kind},
                             {"name", title + formPart + name},
                             {"briefDescription", ""},
                             {"id", id},
                             {"orderingGuide", ""},
                             {"suppressed", "false"},
                             {"presentationName", title + formPart + name},
                             {"variabilityType", "na"}});
        // The second-language template of the second form carries no change description.
        const bool describesChange = document.example || document.language == 0 || document.form == 0;
        out += xml.startTag(
            12, "Presentation",
            {{"xsi:type", "uma:GuidanceDescription"},
             {"name", title + name + "," + id},
             {"briefDescription", ""},
             {"id", document.prefix + CString("P-") + uid},
             {"orderingGuide", ""},
             {"suppressed", "false"},
             {"authors", ""},
             {" changeDate", getCurrentDateText()},
             {" changeDescription", describesChange ? m_plugin.getChangeDescription() : CString()},
             {"version", ""},
             {"externalId", ""}});
        out += "              <MainDescription><![CDATA[" + m_plugin.getDescriptions(workProduct) +
               "]]></MainDescription>\n";
        out += "              <KeyConsiderations></KeyConsiderations>\n";
        out += "              <Attachment>resources/" + EpfXml::stored(attachment) + "</Attachment>\n";
        out += "            </Presentation>\n";
        out += "          </ContentElement>\n";
        const char* folder =
            document.example ? "/guidances/examples/resources/" : "/guidances/templates/resources/";
        resources.copyItemFile(workProduct, file, resources.getCompanionFolder() + folder + attachment);
    }
}

bool EpfWorkProductWriter::writeChecklists(ProcessItem& workProduct) {
    std::unique_ptr<ProcessItemListe> criteria(m_plugin.getManager().getQualityCriteria(&workProduct));
    const bool any = criteria->count() > 0;
    if (any) {
        writeChecklist(workProduct, *criteria, 0);
        if (m_plugin.isBilingual())
            writeChecklist(workProduct, *criteria, 1);
    }
    criteria->removeAll();
    return any;
}

void EpfWorkProductWriter::writeChecklist(ProcessItem& workProduct, const ProcessItemListe& criteria,
                                          int language) {
    EpfXml& xml = m_plugin.getXml();
    const int exportLanguage = m_plugin.getLanguage();
    const CString& uid = workProduct.getUid();
    const CString prefix = language == 0 ? "CL1_" : "CL2_";
    const CString title = CString("Checklist (") + (language == 0 ? "FR" : "EN") + ") - ";
    const CString name = title + m_plugin.toText(workProduct.getNameByLanguage(language), language);
    CString& out = m_plugin.getCompanion();
    out += xml.startTag(
        10, "ContentElement",
        {{"xsi:type", "uma:Checklist"},
         {"name", title + m_plugin.toText(workProduct.getNameByLanguage(exportLanguage), exportLanguage)},
         {"briefDescription", ""},
         {"id", prefix + uid},
         {"orderingGuide", ""},
         {"suppressed", "false"},
         {"presentationName", name},
         {"variabilityType", "na"}});
    out += xml.startTag(12, "Presentation",
                        {{"name", name + "," + prefix + uid},
                         {"briefDescription", ""},
                         {"id", prefix + "P-" + uid},
                         {"orderingGuide", ""},
                         {"suppressed", "false"},
                         {"authors", ""},
                         {" changeDate", getCurrentDateText()},
                         {" changeDescription", m_plugin.getChangeDescription()},
                         {"version", ""},
                         {"externalId", ""}});
    out += "              <MainDescription></MainDescription>\n";
    out += "              <KeyConsiderations></KeyConsiderations>\n";
    for (int n = 1; n <= criteria.count(); ++n) {
        ProcessItem& criterion = *criteria.at(n);
        CString number;
        number.Format("%d", n);
        out +=
            xml.startTag(14, "Section",
                         {{"name", m_plugin.toText(criterion.getNameByLanguage(language), language) + " - " +
                                       m_plugin.toText(criterion.getDescription(language), language)},
                          {"briefDescription", ""},
                          {" id", prefix + uid + "_" + number},
                          {"orderingGuide", ""},
                          {"suppressed", "false"},
                          {"sectionName", ""},
                          {"variabilityType", "na"}});
        out += "                <Description></Description>\n";
        out += "              </Section>\n";
    }
    out += "            </Presentation>\n";
    out += "          </ContentElement>\n";
}

CString EpfWorkProductWriter::keyConsiderations(ProcessItem& workProduct, int language) {
    const ItemWorkProduct& product = *workProduct.getItemWorkProduct();
    ProcessManager& manager = m_plugin.getManager();
    CString block;
    if (!product.m_wpName.IsEmpty())
        block += "                <strong>" + manager.getLabel(language, "WPName") + ": </strong> " +
                 product.m_wpName + "<br><br>\n";
    if (!product.m_cmPolicy.IsEmpty())
        block += "                <strong>" + manager.getLabel(language, "CMPolicy") + " </strong> " +
                 product.m_cmPolicy + "<br><br>\n";
    CStringListePlus* links = product.getTraceabilityLinks();
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

void EpfWorkProductWriter::writeArtifact(ProcessItem& workProduct, bool hasChecklist) {
    const ItemWorkProduct& product = *workProduct.getItemWorkProduct();
    EpfXml& xml = m_plugin.getXml();
    EpfResources& resources = m_plugin.getResources();
    const int language = m_plugin.getLanguage();
    const CString& uid = workProduct.getUid();
    const CString name = m_plugin.toText(workProduct.getNameByLanguage(language), language);
    const CString& image = product.m_image;
    const CString iconFolder = resources.getCompanionFolder() + "/workproducts/resources/";
    CString& out = m_plugin.getCompanion();
    out += xml.startTag(
        10, "ContentElement",
        {{"xsi:type", "uma:Artifact"},
         {"name", name},
         {"briefDescription", ""},
         {"id", uid},
         {"orderingGuide", ""},
         {"suppressed", "false"},
         {"presentationName", name},
         {" shapeicon", EpfXml::stored(iconFolder + (image.IsEmpty() ? CString("doc2.gif") : image))},
         {" variabilityType", "na"}});
    if (!image.IsEmpty())
        resources.copyItemFile(workProduct, image, iconFolder + image);
    out += xml.startTag(
        12, "Presentation",
        {{"xsi:type", "uma:ArtifactDescription"},
         {"name", name + "," + uid},
         {"briefDescription", ""},
         {"id", "P-" + uid},
         {"orderingGuide", ""},
         {"suppressed", "false"},
         {"authors", ""},
         {" changeDate", getCurrentDateText()},
         {" changeDescription", m_plugin.getChangeDescription()},
         {"version", EpfXml::stored(workProduct.getVersion() + " " + workProduct.getVersionMinor())},
         {"externalId", ""}});
    out += "              <MainDescription><![CDATA[" + m_plugin.getDescriptions(workProduct) +
           "]]></MainDescription>\n";
    CString considerations = keyConsiderations(workProduct, 0);
    if (!considerations.IsEmpty() && m_plugin.isBilingual())
        considerations += "\n<hr>\n" + keyConsiderations(workProduct, 1);
    out += "              <KeyConsiderations><![CDATA[\n" + EpfXml::characterData(considerations) +
           "              ]]></KeyConsiderations>\n";
    out += "              <ImpactOfNotHaving></ImpactOfNotHaving>\n";
    out += "              <Purpose></Purpose>\n";
    out += "              <ReasonsForNotNeeding></ReasonsForNotNeeding>\n";
    out += "              <BriefOutline></BriefOutline>\n";
    out += "              <RepresentationOptions>";
    const CString tailoring = workProduct.getTailoringGuideline(0);
    if (!tailoring.IsEmpty()) {
        CString options = m_plugin.toMarkup(tailoring, 0);
        if (m_plugin.isBilingual())
            options += "<hr>" + m_plugin.toMarkup(workProduct.getTailoringGuideline(1), 1);
        out += "<![CDATA[" + EpfXml::characterData(options) + "]]>";
    }
    out += "</RepresentationOptions>\n";
    out += "              <Representation></Representation>\n";
    out += "              <Notation></Notation>\n";
    out += "            </Presentation>\n";
    for (const Document& document : kDocuments)
        if (!fileName(product, document).IsEmpty())
            out += xml.reference(12, document.example ? "Example" : "Template", document.prefix + uid);
    if (hasChecklist) {
        out += xml.reference(12, "Checklist", "CL1_" + uid);
        if (m_plugin.isBilingual())
            out += xml.reference(12, "Checklist", "CL2_" + uid);
    }
    out += "          </ContentElement>\n";
}
