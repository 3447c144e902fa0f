#include "EpfProcessWriter.h"

#include "EpfLibrary.h"
#include "EpfPlugin.h"
#include "EpfXml.h"
#include "ExpandedTreeWalk.h"
#include "Item.h"
#include "ItemClasses.h"
#include "PageRunTables.h"
#include "ProcessItem.h"

#include <vector>

namespace {

using Attributes = std::vector<EpfXml::Attribute>;

// The attributes that end the process and each activity or phase element.
const Attributes kActivityRun = {
    {"hasMultipleOccurrences", "false"},
    {"isOptional", "false"},
    {"isPlanned", "true"},
    {"prefix", ""},
    {"isEventDriven", "false"},
    {"isOngoing", "false"},
    {"isRepeatable", "false"},
    {"IsEnactable", "false"},
    {"variabilityType", "na"},
};
// The attributes that end each task descriptor.
const Attributes kDescriptorRun = {
    {"suppressed", "false"},
    {"isAbstract", "false"},
    {"hasMultipleOccurrences", "false"},
    {"isOptional", "false"},
    {"isPlanned", "false"},
    {"prefix", ""},
    {"isEventDriven", "false"},
    {"isOngoing", "false"},
    {"isRepeatable", "false"},
    {"isSynchronizedWithSource", "true"},
};

Attributes operator+(Attributes first, const Attributes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

const char* const kProcessDescriptionParts[] = {
    "MainDescription", "KeyConsiderations", "Alternatives", "HowToStaff", "Purpose", "Scope", "UsageNotes"};
const char* const kDeliveryDescriptionParts[] = {
    "Scale",         "ProjectCharacteristics", "RiskLevel", "EstimatingTechnique", "ProjectMemberExpertise",
    "TypeOfContract"};

CString uidOf(const Item* item) {
    return item ? item->getUid() : CString();
}

} // namespace

void EpfProcessWriter::write(ProcessItem& workflow, bool pictures) {
    writeComponent(workflow, pictures, false);
    writeComponent(workflow, pictures, true);
}

void EpfProcessWriter::writeComponent(ProcessItem& workflow, bool pictures, bool delivery) {
    EpfLibrary& library = m_plugin.getLibrary();
    EpfXml& xml = m_plugin.getXml();
    const int language = m_plugin.getLanguage();
    const CString& uid = workflow.getUid();
    const CString& domain = m_plugin.getDomainMarkupName();
    const CString& discipline = m_plugin.getDisciplineMarkupName();
    const CString storedName = EpfXml::stored(workflow.getNameByLanguage(language));
    const CString name = storedName + " (" + domain +
                         (!domain.IsEmpty() && !discipline.IsEmpty() ? ", " : "") + discipline + ")";
    const CString prefix = delivery ? "DP" : "CP";
    const CString component = delivery ? "PC" + uid : "PCCP" + uid;
    CString& out = m_plugin.getProcesses();

    library.addPackageSelection(component);
    out += xml.startTag(4, "MethodPackage",
                        {{"xsi:type", "uma:ProcessComponent"},
                         {"name", name},
                         {"briefDescription", ""},
                         {"id", component},
                         {"orderingGuide", ""},
                         {"suppressed", "false"},
                         {"global", "false"},
                         {"authors", ""},
                         {"changeDescription", m_plugin.getChangeDescription()},
                         {"version", EpfXml::stored(workflow.getVersionMinor())}});
    const CString presentationName = delivery ? EpfXml::stored(workflow.getNameByLanguage(0)) + " - " +
                                                    EpfXml::stored(workflow.getNameByLanguage(1))
                                              : name;
    out += xml.startTag(6, "Process",
                        Attributes{{"xsi:type", delivery ? "uma:DeliveryProcess" : "uma:CapabilityPattern"},
                                   {"name", name},
                                   {"briefDescription", ""},
                                   {"id", prefix + uid},
                                   {"orderingGuide", ""},
                                   {"suppressed", "false"},
                                   {"presentationName", presentationName}} +
                            kActivityRun);
    if (pictures)
        out += diagramRule("OR" + prefix + uid, uid);
    const CString presentation = delivery ? name + "," + uid
                                          : storedName + " - " + EpfXml::stored(workflow.getDomain()) +
                                                " - " + EpfXml::stored(workflow.getDiscipline()) + "," + uid;
    out += xml.startTag(8, "Presentation",
                        {{"xsi:type", delivery ? "uma:DeliveryProcessDescription" : "uma:ProcessDescription"},
                         {"name", presentation},
                         {"briefDescription", ""},
                         {"id", (delivery ? "PD" : "CPD") + uid},
                         {"orderingGuide", ""},
                         {"suppressed", "false"},
                         {"authors", ""},
                         {"changeDescription", m_plugin.getChangeDescription()},
                         {"version", ""},
                         {"externalId", ""},
                         {"usageGuidance", ""}});
    for (const char* part : kProcessDescriptionParts)
        out += CString("          <") + part + " />\n";
    if (delivery)
        for (const char* part : kDeliveryDescriptionParts)
            out += CString("          <") + part + " />\n";
    out += "        </Presentation>\n";
    if (pictures)
        out += xml.reference(0, "SupportingMaterial", "SM" + uid);
    out += breakdown(workflow, prefix, pictures);
    out += "        <DefaultContext>CId001</DefaultContext>\n";
    out += "        <ValidContext>CId001</ValidContext>\n";
    out += "      </Process>\n";
    out += "    </MethodPackage>\n";
}

CString EpfProcessWriter::diagramRule(const CString& id, const CString& uid) {
    return m_plugin.getXml().startTag(
        0, "OwnedRule",
        {{"name", "diagram"},
         {"briefDescription", ""},
         {"id", id},
         {"orderingGuide", ""},
         {"presentationName", ""},
         {"suppressed", "false"},
         {"mainDescription",
          "ad_image_uri=SM" + uid +
              "|publish_ad_image=true|add_image_uri=|publish_add_image=false|wpd_image_uri=|"
              "publish_wpd_image=false"}},
        EpfXml::Closed);
}

CString EpfProcessWriter::breakdown(ProcessItem& workflow, const CString& prefix, bool pictures) {
    EpfXml& xml = m_plugin.getXml();
    const int language = m_plugin.getLanguage();
    const CString& uid = workflow.getUid();
    // The open elements, innermost last: the process itself first, at level -1.
    std::vector<CString> ids = {prefix + uid};
    std::vector<int> levels = {-1};
    CString out;
    // The items below the workflow as the process shows them: a shortcut
    // stands for its target and the target's subtree, placed where it is.
    ExpandedTreeWalk::forEachBelow(
        m_plugin.getLibrary().getTables(), workflow, [&](const ExpandedTreeWalk::Step& step) {
            Item& item = *step.item;
            const int level = step.level;
            const Item* shortcut = step.shortcut;
            while (level <= levels.back()) {
                out += "        </BreakdownElement>\n";
                ids.pop_back();
                levels.pop_back();
            }
            const int kind = classKindOf(&item);
            if (kind != kMacroActivityClass && kind != kPhaseClass && kind != kActivityClass)
                return;
            // The item's uid, its parent's and the workflow's; the shortcut's
            // too when the item is met through one.
            const CString uids = item.getUid() + uidOf(item.getParent()) + uid + uidOf(shortcut);
            const CString name = m_plugin.toText(item.getNameByLanguage(language), language);
            if (kind == kActivityClass) {
                out += xml.startTag(10, "BreakdownElement",
                                    Attributes{{"xsi:type", "uma:TaskDescriptor"},
                                               {"name", name},
                                               {"briefDescription", ""},
                                               {"id", prefix + "TD" + uids},
                                               {"orderingGuide", ""},
                                               {"presentationName", name}} +
                                        kDescriptorRun);
                out += xml.reference(12, "SuperActivity", ids.back());
                out += xml.reference(12, "Task", item.getUid());
                out += "          </BreakdownElement>\n";
                return;
            }
            const CString id = prefix + "BE" + uids;
            out += xml.startTag(8, "BreakdownElement",
                                Attributes{{"xsi:type", kind == kPhaseClass ? "uma:Phase" : "uma:Activity"},
                                           {"name", name},
                                           {"briefDescription", ""},
                                           {"id", id},
                                           {"orderingGuide", ""},
                                           {"suppressed", "false"},
                                           {"presentationName", name}} +
                                    kActivityRun);
            if (pictures)
                out += diagramRule("OR" + id, item.getUid());
            out += xml.reference(8, "SuperActivity", ids.back());
            if (pictures)
                out += xml.reference(0, "SupportingMaterial", "SM" + item.getUid());
            ids.push_back(id);
            levels.push_back(level);
        });
    for (size_t open = 1; open < ids.size(); ++open)
        out += "        </BreakdownElement>\n";
    return out;
}
