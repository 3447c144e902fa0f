#include "EpfLibrary.h"

#include "CStringListePlus.h"
#include "EpfResources.h"
#include "ExportFile.h"
#include "ExportRun.h"
#include "FileSystem.h"
#include "Item.h"
#include "ItemClasses.h"
#include "ItemReference.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "TextInStream.h"
#include "XmlExporter.h"
#include "XmlText.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace {

constexpr const char* kGenericId = "N000000";
constexpr const char* kGenericName = "Generic";

// The folder of a plug-in's files: the name the importing tool reads from
// the plug-in's element, with only what a file name cannot hold on the
// desktops the library is taken to (control characters, separators and
// \ / : * ? " < > |) made '_'. It stays below the export folder whatever
// the name: no separator is left, and " - main" or " - work products and
// roles" follows it.
CString pluginFolderName(const CString& xmlName) {
    CString folder = XmlText::unescape(EpfXml::attributeValue(xmlName));
    for (int i = 0; i < folder.GetLength(); ++i) {
        const auto c = static_cast<unsigned char>(folder[i]);
        if (c < 0x20 || std::strchr("\\/:*?\"<>|", c))
            folder.SetAt(i, '_');
    }
    return folder;
}

CString urlKey(const CString& url) {
    CString key = url;
    key.Replace('/', '\\');
    key.MakeLower();
    return key;
}

const std::vector<ProcessItem*> kNoItems;

} // namespace

EpfLibrary::EpfLibrary(XmlExporter& exporter, ProcessManager& manager, ProcessItemListe* selection,
                       const GuidMap& guidMap)
    : m_exporter(exporter), m_manager(manager), m_guidMap(guidMap),
      m_run(std::make_unique<ExportRun>(manager, ExportRun::Links::Keep)), m_tables(manager.pageRunTables()),
      m_exportFolder(manager.getProjectDirectory() + "tmp/EPFexport/") {
    if (selection) {
        ProcessItemIterateur* it = selection->createIterator();
        for (it->first(); !it->isAtEnd(); it->next()) {
            ProcessItem* item = it->current();
            const int kind = item ? item->getClassKind() : 0;
            if ((kind == kDomainClass || kind == kDisciplineClass) &&
                std::find(m_selection.begin(), m_selection.end(), item) == m_selection.end())
                m_selection.push_back(item);
        }
        delete it;
    }
    m_bilingual = StdOption::instance().getTwoLanguages() != 0;
    indexItems();
    assignPairs();
    nameFolders();
}

EpfLibrary::~EpfLibrary() = default;

EpfLibrary::GuidMap EpfLibrary::readGuidMap(const CString& path) {
    GuidMap map;
    std::vector<CString> lines;
    if (path.IsEmpty() || !TextInStream::readLinesUntilEof(path, lines))
        return map;
    for (CString line : lines) {
        if (line.Right(1) == "\r")
            line = line.Left(line.GetLength() - 1);
        CStringListePlus pieces;
        pieces.split(line.Left(999), ";", 0);
        if (pieces.count() >= 2) {
            CString key = *pieces.at(1);
            key.TrimLeft();
            if (key.Left(4) == "DPBE" || key.Left(4) == "DPTD")
                key = "DP" + key.Mid(4);
            map[key] = *pieces.at(2);
        }
        pieces.deleteAll();
    }
    return map;
}

void EpfLibrary::indexItems() {
    const auto items = m_tables->getItems();
    m_items.assign(items.begin(), items.end());
    for (Item* item : m_items) {
        if (item->getKind() != kShortcut)
            m_byUrl.emplace(urlKey(item->getUrl()), item);
        auto* processItem = dynamic_cast<ProcessItem*>(item);
        if (!processItem)
            continue;
        m_byDomain[processItem->getDomain()].push_back(processItem);
        m_byDiscipline[{processItem->getDomain().str(), processItem->getDiscipline().str()}].push_back(
            processItem);
    }
    for (Item* item : m_items) {
        const auto* processItem = dynamic_cast<ProcessItem*>(item);
        ItemWorkProduct* product = processItem ? processItem->getItemWorkProduct() : nullptr;
        if (!product)
            continue;
        CStringListePlus* authors = product->m_authors;
        for (int n = 1; n <= authors->count(); ++n) {
            const CString& entry = *authors->at(n);
            if (getReferenceName(entry) != "author")
                continue;
            if (ProcessItem* role = m_manager.findRole(entry))
                m_authored[role].push_back(const_cast<ProcessItem*>(processItem));
        }
    }
}

void EpfLibrary::assignPairs() {
    // A pair takes the items of its domain (and discipline) that no other
    // selected domain or discipline of that domain claims by its
    // discipline; an item two pairs would take goes to the first.
    struct Pair {
        CString domain;
        CString discipline;
        const ProcessItem* item;
    };
    std::vector<Pair> pairs;
    std::map<std::pair<std::string, std::string>, int> claimed;
    for (const ProcessItem* selected : m_selection) {
        const bool isDomain = selected->getClassKind() == kDomainClass;
        pairs.push_back({isDomain ? selected->getName() : selected->getDomain(),
                         isDomain ? CString() : selected->getName(), selected});
        ++claimed[{selected->getDomain().str(), selected->getDiscipline().str()}];
    }
    pairs.push_back({CString(), CString(), nullptr});
    std::unordered_map<CString, std::vector<int>> pairsOfDomain;
    for (int k = 0; k < static_cast<int>(pairs.size()); ++k)
        pairsOfDomain[pairs[k].domain].push_back(k);

    for (Item* item : m_items) {
        const auto* processItem = dynamic_cast<const ProcessItem*>(item);
        const CString domain = processItem ? processItem->getDomain() : CString();
        const CString discipline = processItem ? processItem->getDiscipline() : CString();
        const auto candidates = pairsOfDomain.find(domain);
        if (candidates == pairsOfDomain.end())
            continue;
        for (const int k : candidates->second) {
            const Pair& pair = pairs[k];
            if (!pair.discipline.IsEmpty() && pair.discipline != discipline)
                continue;
            const auto claim = claimed.find({pair.domain.str(), discipline.str()});
            int others = claim == claimed.end() ? 0 : claim->second;
            if (pair.item && pair.item->getDomain() == pair.domain &&
                pair.item->getDiscipline() == discipline)
                --others;
            if (others == 0) {
                m_pairs.emplace(item, k);
                break;
            }
        }
    }
}

CString EpfLibrary::getPluginName(int pair) const {
    if (pair < 0 || pair >= getGenericPair())
        return kGenericName;
    const int language = m_bilingual ? 1 : 0;
    return m_exporter.toXmlText(m_selection[pair]->getNameByLanguage(language), language);
}

void EpfLibrary::nameFolders() {
    // Each pair takes the folder of its name first; only a name that an
    // earlier pair has already is numbered, with a number no name takes.
    std::unordered_set<CString> taken;
    auto take = [&taken](const CString& folder) {
        CString key = folder;
        key.MakeLower();
        return taken.insert(key).second;
    };
    std::vector<CString> bases;
    std::vector<int> numbered;
    for (int pair = 0; pair <= getGenericPair(); ++pair) {
        bases.push_back(pluginFolderName(getPluginName(pair)));
        m_pluginFolders.push_back(bases.back());
        if (!take(bases.back()))
            numbered.push_back(pair);
    }
    for (const int pair : numbered) {
        for (int number = 2; !take(m_pluginFolders[pair]); ++number)
            m_pluginFolders[pair].Format("%s (%d)", bases[pair].GetString(), number);
    }
}

int EpfLibrary::getPair(const Item* item) const {
    const auto hit = m_pairs.find(item);
    return hit == m_pairs.end() ? -1 : hit->second;
}

Item* EpfLibrary::findItemByUrl(const CString& url) const {
    const auto hit = m_byUrl.find(urlKey(url));
    return hit == m_byUrl.end() ? nullptr : hit->second;
}

const std::vector<ProcessItem*>& EpfLibrary::getItemsOfDomain(const CString& domain) const {
    const auto hit = m_byDomain.find(domain);
    return hit == m_byDomain.end() ? kNoItems : hit->second;
}

const std::vector<ProcessItem*>& EpfLibrary::getItemsOf(const CString& domain,
                                                        const CString& discipline) const {
    const auto hit = m_byDiscipline.find({domain.str(), discipline.str()});
    return hit == m_byDiscipline.end() ? kNoItems : hit->second;
}

const std::vector<ProcessItem*>& EpfLibrary::getAuthoredWorkProducts(const Item* role) const {
    const auto hit = m_authored.find(role);
    return hit == m_authored.end() ? kNoItems : hit->second;
}

void EpfLibrary::addPluginSelection(const CString& id) {
    m_pluginSelections += m_xml.configurationLine("MethodPluginSelection", id) + "\n";
}

void EpfLibrary::addPackageSelectionToPlugins(const CString& id) {
    m_pluginSelections += m_xml.configurationLine("MethodPackageSelection", id) + "\n";
}

void EpfLibrary::addPackageSelection(const CString& id) {
    m_packageSelections += m_xml.configurationLine("MethodPackageSelection", id) + "\n";
}

void EpfLibrary::addCategory(const CString& id) {
    m_addedCategories += m_xml.configurationLine("AddedCategory", id) + "\n";
}

bool EpfLibrary::write() {
    CreateDirectoryA(m_exportFolder, nullptr);
    m_text = m_xml.startTag(0, "uma:MethodLibrary",
                            {{"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
                             {"xmlns:uma", "http://www.eclipse.org/epf/uma/1.0.5"},
                             {"name", "Export from Tolvane"},
                             {"briefDescription", ""},
                             {"id", "_gYxyQM8KEdyTnYZFw3qsjw"},
                             {"orderingGuide", ""},
                             {"suppressed", "false"},
                             {"authors", "Export from Tolvane"},
                             {"changeDescription", ""},
                             {"version", ""},
                             {"tool", "epf=1.5.0"}});
    for (int pair = 0; pair < static_cast<int>(m_selection.size()); ++pair)
        m_exporter.exportMethodPlugin(m_selection[pair], *this, pair);
    m_exporter.exportMethodPlugin(nullptr, *this, getGenericPair());
    writeMainPlugin();
    writeConfiguration();
    return writeFiles();
}

void EpfLibrary::writeMainPlugin() {
    // A category with its presentation: the start tags, the description
    // (a character-data block, or empty) and the key considerations.
    auto category = [this](const char* name, const char* id, const char* presentationId,
                           const char* description) {
        addCategory(id);
        m_text += m_xml.namedTag(6, "ContentCategory", "uma:CustomCategory", name, id, name);
        if (!presentationId)
            return;
        m_text += m_xml.categoryPresentation(8, CString("new_custom_category,") + id, presentationId);
        m_text += CString("          <MainDescription>") + description + "</MainDescription>\n";
        m_text += "          <KeyConsiderations></KeyConsiderations>\n";
        m_text += "        </Presentation>\n";
    };
    auto guideline = [this](const char* name, const char* id, EpfXml::Ending ending) {
        m_text += m_xml.namedTag(6, "ContentElement", "uma:Guideline", name, id, name, ending);
    };

    addPluginSelection("MAIN");
    m_text += m_xml.pluginTag("Main", "MAIN", "", true);
    for (const ProcessItem* selected : m_selection)
        m_text += m_xml.reference(4, "ReferencedMethodPlugin", selected->getUid());
    m_text += m_xml.reference(4, "ReferencedMethodPlugin", kGenericId);
    addPackageSelection("CCP_MAIN");
    m_text += m_xml.startTag(
        4, "MethodPackage",
        {{"xsi:type", "uma:ContentCategoryPackage"}, {"name", "ContentCategories"}, {"id", "CCP_MAIN"}});
    category("Main", "CC_MAIN", "PCC_MAIN", "");
    m_text += m_xml.reference(8, "CategorizedElement", "MAIN_PAGE");
    for (const ProcessItem* selected : m_selection)
        m_text += m_xml.reference(4, "CategorizedElement", "CG_D" + selected->getUid());
    m_text += m_xml.reference(4, "CategorizedElement", CString("CG_D") + kGenericId);
    m_text += "      </ContentCategory>\n";
    category("Main page", "MAIN_PAGE", "CC_MAIN_PAGE", "<![CDATA[ Insert main page content there<]]>");
    m_text += m_xml.reference(8, "CategorizedElement", "SITE_GUIDELINE");
    m_text += "      </ContentCategory>\n";
    category("Site guideline", "SITE_GUIDELINE", nullptr, nullptr);
    m_text += m_xml.reference(8, "CategorizedElement", "HOWTOUSE");
    m_text += m_xml.reference(8, "CategorizedElement", "VERSIONHISTORY");
    m_text += "      </ContentCategory>\n";
    m_text += "    </MethodPackage>\n";
    addPackageSelectionToPlugins("CP_MAIN");
    m_text += m_xml.contentPackage(4, "Main", "CP_MAIN");
    guideline("How to use the site", "HOWTOUSE", EpfXml::Open);
    m_text += m_xml.categoryPresentation(8, "How to use the site,HOWTOUSE", "PHOWTOUSE");
    m_text += "          <MainDescription><![CDATA[<p></p>]]></MainDescription>\n";
    m_text += "          <KeyConsiderations></KeyConsiderations>\n";
    m_text += "        </Presentation>\n";
    m_text += "      </ContentElement>\n";
    guideline("Version history", "VERSIONHISTORY", EpfXml::Closed);
    m_text += "    </MethodPackage>\n";
    m_text += "  </MethodPlugin>\n";
}

void EpfLibrary::writeConfiguration() {
    m_text += m_xml.startTag(0, "MethodConfiguration",
                             {{"name", "StdConfig"},
                              {"briefDescription", ""},
                              {"id", "CId001"},
                              {"orderingGuide", ""},
                              {"suppressed", "false"},
                              {"authors", "Imported from Tolvane"},
                              {"changeDescription", ""},
                              {"version", ""}});
    m_text += m_pluginSelections + m_packageSelections + m_addedCategories;
    m_text += "</MethodConfiguration></uma:MethodLibrary>\n";
}

CString EpfLibrary::describeElement(const CString& type, const CString& id) const {
    // An identifier is a prefix and an item's uid: the longest end of it
    // that is an item's uid names the item.
    for (int from = 0; from < id.GetLength(); ++from)
        if (const Item* item = m_manager.findItemByUid(id.Mid(from)))
            return (type.IsEmpty() ? CString() : type + " ") + "'" + item->getName() + "' (" + id + ")";
    return (type.IsEmpty() ? CString() : type + " ") + id;
}

void EpfLibrary::warnDropped(const std::vector<EpfXml::Dropped>& dropped) {
    for (const EpfXml::Dropped& reference : dropped) {
        // "LPWDS_" + a plug-in's identifier names no element by design.
        if (reference.id.Left(6) == "LPWDS_")
            continue;
        CString owner = reference.ownerType;
        if (owner.Left(4) == "uma:")
            owner = owner.Mid(4);
        m_warnings +=
            "* Not exported: " + reference.element + " reference to " +
            describeElement(CString(), reference.id) +
            (reference.ownerId.IsEmpty() ? CString() : " in " + describeElement(owner, reference.ownerId)) +
            ": it is in no exported plug-in\n";
    }
}

bool EpfLibrary::writeFiles() {
    std::vector<EpfXml::Dropped> dropped;
    CString document = m_xml.resolve(m_text, &dropped);
    warnDropped(dropped);
    // Every line end goes out once as CR LF, also those of texts read with CR LF.
    document.Replace("\r\n", "\n");
    const XmlText::Encoded encoded = XmlText::encode(document.str(), m_manager.readCharset());
    ExportFile library(m_manager, "EPFexport/exportForEPF.xml");
    library << "<?xml version=\"1.0\" encoding=\"" << encoded.declared << "\"?>\n" << encoded.bytes;
    ExportFile warnings(m_manager, "EPFexport/exportForEPF_warning.txt");
    warnings << m_warnings;
    return ExportFile::closeAll({&library, &warnings});
}
