#include "EpfTaskWriter.h"

#include "CStringListePlus.h"
#include "EpfLibrary.h"
#include "EpfPlugin.h"
#include "EpfResources.h"
#include "EpfXml.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "ItemReference.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "XmlExporter.h"
#include "ui/UserInterface.h"

namespace {

// One entry of a step list, cut as the list stores it: "#", a level digit,
// an optional marker ("C" italics, "O" grey) and the text make a detail
// line (level 0 starts a section titled with the text); anything else is
// a section title.
struct Step {
    bool structured = false;
    int level = 0;
    char marker = 0;
    CString text;
};

bool isMarker(char c) {
    return c == 'C' || c == 'O';
}

Step cutStep(const CString& entry) {
    Step step;
    if (entry.GetLength() < 3 || entry[0] != '#') {
        step.text = entry;
        return step;
    }
    step.structured = true;
    step.level = entry[1] - '0';
    if (entry.GetLength() >= 4 && isMarker(entry[2]))
        step.marker = entry[2];
    step.text = entry.Mid(step.marker ? 4 : 3);
    return step;
}

// The second-language entry at the same place: cut as its first-language
// partner is, whatever it begins with.
CString cutPartner(const CString& partner, const Step& step) {
    if (!step.structured)
        return partner;
    if (partner.GetLength() <= 3)
        return CString();
    return partner.Mid(partner.GetLength() >= 4 && isMarker(partner[2]) ? 4 : 3);
}

// A detail line: indented by six non-breaking spaces for each level below
// the first, bulleted, or in italics ("C"), or in grey ("O").
CString detailLine(XmlExporter& exporter, const Step& step, const CString& text, int language) {
    CString line(' ', 16);
    for (int repeat = 1; repeat < step.level; ++repeat)
        line += "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
    line += step.marker == 'C' ? "<i>" : "* ";
    if (step.marker == 'O')
        line += "<font color=\"#808080\">";
    line += exporter.toXmlMarkup(text, language);
    if (step.marker == 'O')
        line += "</font>";
    if (step.marker == 'C')
        line += "</i>";
    return line + "                <br><br>\n";
}

CString sectionTag(EpfXml& xml, int indent, const CString& title, const CString& id) {
    return xml.startTag(indent, "Section",
                        {{"name", title},
                         {"briefDescription", ""},
                         {"id", id},
                         {"orderingGuide", ""},
                         {"suppressed", "false"},
                         {"sectionName", ""},
                         {"variabilityType", "na"}});
}

CString sectionStart(EpfXml& xml, int indent, const CString& title, const CString& id) {
    return sectionTag(xml, indent, title, id) + "                <Description><![CDATA[\n";
}

const char* const kSectionEnd = "                ]]></Description>\n"
                                "              </Section>\n";

// A description in page HTML for the task's main description.
CString taskDescription(XmlExporter& exporter, ProcessItem& activity, int language) {
    CString text = exporter.toXmlMarkup(activity.getDescription(language), language);
    text.Replace("<br>", "\n");
    return text;
}

} // namespace

void EpfTaskWriter::write(ProcessItem& activity) {
    EpfXml& xml = m_plugin.getXml();
    XmlExporter& exporter = m_plugin.getLibrary().getExporter();
    CString& out = m_plugin.getText();
    out += m_plugin.elementStart(activity, "uma:Task", "uma:TaskDescription");
    CString leadingDetails;
    const CString steps = exporter.writeTaskSteps(&activity, xml, m_plugin.getLibrary().getWarnings(),
                                                  m_plugin.isBilingual(), &leadingDetails);
    // The detail lines before the first section follow the first
    // language's description, which they belong to.
    CString description = taskDescription(exporter, activity, 0);
    if (!leadingDetails.IsEmpty())
        description += (description.IsEmpty() ? CString() : CString("<br>\n")) + leadingDetails;
    if (m_plugin.isBilingual()) {
        const CString second = taskDescription(exporter, activity, 1);
        if (!second.IsEmpty())
            description += "<hr>\n" + second;
    }
    out += "              <MainDescription>\n<![CDATA[" + EpfXml::characterData(description) +
           "]]></MainDescription>\n";
    out += "              <KeyConsiderations></KeyConsiderations>\n";
    out += steps;
    out += "          </ContentElement>\n";
}

CString EpfTaskWriter::writeSteps(XmlExporter& exporter, ProcessManager& manager, EpfXml& xml,
                                  ProcessItem& activity, CString& warnings, bool twoLanguages,
                                  CString* leadingDetails) {
    ItemActivity* extension = activity.getItemActivity();
    const CString& uid = activity.getUid();
    CString result;
    CString second;
    CString secondDetails;
    int sections = 0;
    if (extension) {
        CStringListePlus* steps = extension->getSteps(1);
        CStringListePlus* stepsL2 = twoLanguages ? extension->getStepsL2(1) : nullptr;
        for (int n = 1; n <= steps->count(); ++n) {
            const Step step = cutStep(*steps->at(n));
            CString partner;
            if (stepsL2 && n <= stepsL2->count())
                partner = cutPartner(*stepsL2->at(n), step);
            else if (stepsL2)
                ui::AfxMessageBox(loadString(33024));
            if (step.structured && step.level != 0) {
                const CString line = detailLine(exporter, step, step.text, 0);
                // Inside a section the line is character data of its
                // description; before the first one it belongs to the
                // task's main description, and its partner is dropped.
                if (sections == 0) {
                    if (leadingDetails)
                        *leadingDetails += line;
                    continue;
                }
                result += EpfXml::characterData(line);
                if (stepsL2)
                    secondDetails += EpfXml::characterData(detailLine(exporter, step, partner, 1));
                continue;
            }
            if (sections > 0) {
                if (stepsL2)
                    second += "\n" + secondDetails + kSectionEnd;
                result += kSectionEnd;
            }
            ++sections;
            CString number;
            number.Format("%d", sections);
            result += sectionStart(xml, 14, exporter.toXmlText(step.text, 0), "St_" + number + "_" + uid);
            if (stepsL2) {
                second += sectionStart(xml, 0, exporter.toXmlText(partner, 1), "StL2_" + number + "_" + uid);
                secondDetails.Empty();
            }
        }
        if (sections > 0) {
            if (stepsL2)
                second += secondDetails + kSectionEnd;
            result += kSectionEnd;
            if (stepsL2) {
                result += sectionTag(xml, 14, CString('-', 53), "St_Sep_" + uid);
                result +=
                    "                <Description>                </Description>              </Section>\n";
                result += second;
            }
        }
    }
    result += "              <Alternatives></Alternatives>\n";
    result += "              <Purpose></Purpose>\n";
    result += "            </Presentation>\n";
    if (!extension)
        return result;

    CStringListePlus* procedures = extension->getGeneralProcedures();
    for (int n = 1; n <= procedures->count(); ++n) {
        auto* linked = dynamic_cast<ProcessItem*>(manager.findItemByUid(*procedures->at(n)));
        if (!linked)
            continue;
        if (ItemGenericProcedure* procedure = linked->getItemGenericProcedure()) {
            if (!procedure->readProcedure(0).IsEmpty())
                result += xml.reference(12, "Whitepaper", "1" + linked->getUid());
            if (!procedure->readProcedureL2(0).IsEmpty())
                result += xml.reference(12, "Whitepaper", "2" + linked->getUid());
        } else {
            warnings +=
                "* Not imported: " + linked->getName() + " link to " + activity.getName() + " as guideline\n";
        }
    }
    // The task's own references, the primary performer first, as the
    // interchange schema orders them.
    CString primary;
    CString additional;
    CStringListePlus* roles = extension->getRoles();
    for (int n = 1; n <= roles->count(); ++n) {
        const ProcessItem* role = manager.findRole(*roles->at(n));
        if (!role)
            continue;
        if (primary.IsEmpty() && getReferenceName(*roles->at(n)) == "responsible")
            primary = xml.reference(12, "PerformedBy", role->getUid());
        else
            additional += xml.reference(12, "AdditionallyPerformedBy", role->getUid());
    }
    result += primary;
    CStringListePlus* outputs = extension->getOutWorkProducts();
    for (int n = 1; n <= outputs->count(); ++n)
        if (const ProcessItem* product = manager.findWorkProduct(*outputs->at(n)))
            result += xml.reference(12, "Output", product->getUid());
    CStringListePlus* inputs = extension->getInWorkProducts();
    for (int n = 1; n <= inputs->count(); ++n)
        if (const ProcessItem* product = manager.findWorkProduct(*inputs->at(n))) {
            const CString tail = getWorkProductReferenceTail(*inputs->at(n));
            const bool optional = !tail.IsEmpty() && tail[0] == '0';
            result += xml.reference(12, optional ? "OptionalInput" : "MandatoryInput", product->getUid());
        }
    return result + additional;
}
