#include "ProcessItem.h"

#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemExtensions.h"
#include "ItemTextFile.h"
#include "PrivateProfile.h"
#include "ProcessItemExtension.h"
#include "Project.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr const char* kStateKeywords[] = {"DRAFT", "FOR_APPROVAL", "APPROVED",
                                          "APPROVED_REFERENCE_VERSION_IN_WORK"};

// Leading decimal number of a text, 0 when there is none.
long decimalOf(const CString& text) {
    errno = 0;
    const long value = std::strtol(text, nullptr, 10);
    return errno == 0 ? value : 0;
}

// The stored minor version raised by one. The number is the program's int,
// read saturating and kept below its maximum, so that neither a version at
// the top nor a damaged value wraps round to a negative one.
CString nextMinorVersion(const CString& stored) {
    const long long value = std::clamp<long long>(std::strtoll(stored, nullptr, 10), INT_MIN, INT_MAX - 1LL);
    CString next;
    next.Format("%lld", value + 1);
    return next;
}

// Built for each of the twelve keys of every item loaded: no formatting.
CString approKey(const char* prefix, int n, const char* suffix = "") {
    CString key(prefix);
    key += std::to_string(n).c_str();
    key += suffix;
    return key;
}

} // namespace

// Holds the data file parsed once for a load, or gathers the writes of a
// save into one write of the file.
class ProcessItem::DataFileSession {
public:
    enum Mode { Reading, Writing };
    DataFileSession(ProcessItem* item, Mode mode) : m_item(item), m_mode(mode) {
        if (mode == Reading) {
            m_previous = item->m_readSnapshot;
            m_previousSection = item->m_readSection;
            auto snapshot = item->readDataFile();
            if (!snapshot)
                snapshot = std::make_shared<const ProfileFile>();
            item->m_readSection = snapshot->section(getSectionName().str());
            item->m_readSnapshot = std::move(snapshot);
        } else {
            m_outer = item->m_batchingWrites;
            item->m_batchingWrites = true;
        }
    }
    ~DataFileSession() {
        if (m_mode == Reading) {
            m_item->m_readSnapshot = m_previous;
            m_item->m_readSection = m_previousSection;
        }
        else if (!m_outer)
            m_item->m_batchingWrites = false;
    }
    // Writes what was gathered; true when there was nothing or the write succeeded.
    bool commit() {
        if (m_mode != Writing || m_outer)
            return true;
        m_item->m_batchingWrites = false;
        auto writes = std::move(m_item->m_pendingWrites);
        m_item->m_pendingWrites.clear();
        if (writes.empty())
            return true;
        // A save that gives every key the value it holds leaves the file as it is.
        return m_item->updateDataFile([&](ProfileFile& file) {
            bool changed = false;
            for (const auto& [key, value] : writes)
                changed = file.set(getSectionName().str(), key.str(), value.str()) || changed;
            return changed;
        });
    }

private:
    ProcessItem* m_item;
    Mode m_mode;
    std::shared_ptr<const ProfileFile> m_previous;
    ProfileFile::Section m_previousSection;
    bool m_outer = false;
};

ProcessItem::ProcessItem(Item* parent, const CString& name, const CString& url, int blankTarget,
                         const CString& icon, const CString& openIcon, int level, Project* project, int frame,
                         const CString& description)
    : Item(parent, name, url, blankTarget, icon, openIcon, level, project, frame, description),
      m_phases(new CStringListePlus), m_projectKinds(new CStringListePlus) {}

ProcessItem::~ProcessItem() {
    delete m_extension;
    m_projectKinds->deleteAll();
    delete m_projectKinds;
    m_phases->deleteAll();
    delete m_phases;
}

ProcessItem* ProcessItem::shortcutTarget() const {
    Project* project = getProject();
    return project ? dynamic_cast<ProcessItem*>(project->findShortcutTarget(this)) : nullptr;
}

CString ProcessItem::getDescription(int language) {
    if (m_extension)
        return m_extension->readDescription(language, 1, 0, 0);
    return Item::getDescription(language);
}

CString ProcessItem::getPagePath(int language) {
    return Item::getPagePath(language);
}

int ProcessItem::isFullyGenerated() {
    const int kind = readClassKind();
    switch (kind) {
    case kRoleClass:
    case kWorkProductClass:
    case kTemplateAccessClass:
    case kGeneralProcedureClass:
    case kGeneralProcedureGroupClass:
    case kProcessOverviewClass:
    case kRoleGroupClass:
    case kWorkProductOverviewClass:
    case kMeasureClass:
        return 1;
    case kActivityClass: {
        const ItemActivity* activity = getItemActivity();
        return m_loaded && activity && activity->isSeparatedProcedureText() ? 1 : 0;
    }
    default:
        return 0;
    }
}

void ProcessItem::savePageHeaderImage() {
    writeValue("PageHeaderImage", getPageHeaderImage());
}

int ProcessItem::hasStandardHeader() {
    return m_classKind == kGlossaryClass ? 0 : 1;
}

int ProcessItem::askCapability(int (ProcessItem::*self)(), int (ProcessItemExtension::*ask)(),
                               int withoutExtension) {
    switch (getKind()) {
    case kExternal:
        return 0;
    case kShortcut: {
        // A shortcut answers for its target; without one it answers 0.
        ProcessItem* target = shortcutTarget();
        return target && target != this ? (target->*self)() : 0;
    }
    default:
        return m_extension ? (m_extension->*ask)() : withoutExtension;
    }
}

int ProcessItem::hasDiagram() {
    return askCapability(&ProcessItem::hasDiagram, &ProcessItemExtension::hasDiagram, 0);
}

int ProcessItem::hasHtmlPage() {
    // A plain page (class "none") is the page a user edits first: its own
    // page, whether or not its data file names that class, like an item
    // without a data file.
    const bool plainPage = m_classKind == kNoProcessClass || m_classKind == kNoProcessClass3;
    if (plainPage && getKind() != kExternal && getKind() != kShortcut)
        return 1;
    return askCapability(&ProcessItem::hasHtmlPage, &ProcessItemExtension::hasHtmlPage, 1);
}

void ProcessItem::setClassKind(int kind) {
    m_classKind = kind;
    classChanged();
    if (!m_extension)
        createExtension(kind);
}

int ProcessItem::readClassKind() {
    const CString keyword = readValue("Class");
    return keyword.IsEmpty() ? kNoProcessClass : getProcessClassFromKeyword(keyword);
}

void ProcessItem::createExtension(int kind) {
    if (m_extension)
        return;
    m_extension = ProcessItemExtension::create(kind, this, getProject());
    m_classKind = kind;
    classChanged();
}

void ProcessItem::changeClass(const CString& keyword) {
    const int kind = getProcessClassFromKeyword(keyword);
    delete m_extension;
    m_extension = nullptr;
    setClassKind(kind);
    writeValue("Class", getProcessClassKeyword(kind, 0));
    load(1);
}

int ProcessItem::getParentClassKind() const {
    return getParent() ? classKindOf(getParent()) : kNoProcessClass;
}

template <typename T> T* ProcessItem::typedExtension(int kind) const {
    return m_classKind == kind ? dynamic_cast<T*>(m_extension) : nullptr;
}

ItemRole* ProcessItem::getItemRole() const {
    return typedExtension<ItemRole>(kRoleClass);
}
ItemActivity* ProcessItem::getItemActivity() const {
    return typedExtension<ItemActivity>(kActivityClass);
}
ItemMacroActivity* ProcessItem::getItemMacroActivity() const {
    return typedExtension<ItemMacroActivity>(kMacroActivityClass);
}
ItemPhase* ProcessItem::getItemPhase() const {
    return typedExtension<ItemPhase>(kPhaseClass);
}
ItemWorkProduct* ProcessItem::getItemWorkProduct() const {
    return typedExtension<ItemWorkProduct>(kWorkProductClass);
}
ItemWorkflow* ProcessItem::getItemWorkflow() const {
    return typedExtension<ItemWorkflow>(kWorkflowClass);
}
ItemDiscipline* ProcessItem::getItemDiscipline() const {
    return typedExtension<ItemDiscipline>(kDisciplineClass);
}
ItemGenericProcedure* ProcessItem::getItemGenericProcedure() const {
    return typedExtension<ItemGenericProcedure>(kGeneralProcedureClass);
}
ItemGenericProcedureGroup* ProcessItem::getItemGenericProcedureGroup() const {
    return typedExtension<ItemGenericProcedureGroup>(kGeneralProcedureGroupClass);
}
ItemProcessOverview* ProcessItem::getItemProcessOverview() const {
    return typedExtension<ItemProcessOverview>(kProcessOverviewClass);
}
ItemRoleGroup* ProcessItem::getItemRoleGroup() const {
    return typedExtension<ItemRoleGroup>(kRoleGroupClass);
}
ItemMeasure* ProcessItem::getItemMeasure() const {
    return typedExtension<ItemMeasure>(kMeasureClass);
}
ItemGlossaryEntry* ProcessItem::getItemGlossaryEntry() const {
    return typedExtension<ItemGlossaryEntry>(kGlossaryEntryClass);
}
ItemDomain* ProcessItem::getItemDomain() const {
    return typedExtension<ItemDomain>(kDomainClass);
}
ItemQualityCriteria* ProcessItem::getItemQualityCriteria() const {
    return typedExtension<ItemQualityCriteria>(kQualityCriteriaClass);
}

CString ProcessItem::getItemFolderFile(const CString& fileName) const {
    const CString relative = getFolder(1, 1) + fileName;
    if (const Project* project = getProject())
        return project->getPathInProject(relative);
    return Project::staysInProjectFolder(relative) ? relative : CString();
}

CString ProcessItem::getItemFolderPath() const {
    return getItemFolderFile(CString());
}

CString ProcessItem::getDataFilePath() const {
    return getItemFolderFile(getDataFileName());
}

std::shared_ptr<const ProfileFile> ProcessItem::readDataFile() const {
    const CString path = getDataFilePath();
    return path.IsEmpty() ? nullptr : platform::readProfile(path);
}

int ProcessItem::updateDataFile(const std::function<bool(ProfileFile&)>& edit) {
    const CString path = getDataFilePath();
    if (path.IsEmpty())
        return 0;
    return platform::updateProfile(path, edit) ? 1 : 0;
}

CString ProcessItem::rawValue(const CString& key) {
    // A key written earlier in the same save reads as written.
    for (auto it = m_pendingWrites.rbegin(); it != m_pendingWrites.rend(); ++it)
        if (it->first.CompareNoCase(key) == 0)
            return it->second;
    CString value;
    if (m_readSnapshot) {
        m_readSnapshot->get(m_readSection, key.str(), value.str());
    } else if (const auto file = readDataFile()) {
        file->get(getSectionName().str(), key.str(), value.str());
    }
    return value;
}

CString ProcessItem::readValue(const CString& key) {
    CString value = rawValue(key);
    if (value.GetLength() > 998)
        value.str().resize(998);
    return value;
}

int ProcessItem::writeValue(const CString& key, const CString& value) {
    if (m_batchingWrites) {
        m_pendingWrites.emplace_back(key, value);
        return 1;
    }
    return updateDataFile(
        [&](ProfileFile& file) { return file.set(getSectionName().str(), key.str(), value.str()); });
}

void ProcessItem::readList(const CString& key, CStringListe* list, const char* separators, int lowerCase) {
    list->deleteAll();
    const CString value = rawValue(key);
    CString token;
    auto flush = [&] {
        if (token.IsEmpty())
            return;
        if (lowerCase)
            token.MakeLower();
        list->append(new CString(unescapeListElement(token)));
        token.Empty();
    };
    // A separator is one of the characters given: a NUL byte of the value
    // is a character of its element, not the end of the separators' text.
    const std::string_view cuts(separators);
    for (int i = 0; i < value.GetLength(); ++i) {
        if (cuts.find(value[i]) != std::string_view::npos)
            flush();
        else
            token += value[i];
    }
    flush();
}

int ProcessItem::writeTogether(const std::function<int()>& writes) {
    DataFileSession session(this, DataFileSession::Writing);
    const int ok = writes();
    return session.commit() && ok ? 1 : 0;
}

int ProcessItem::writeList(const CString& key, CStringListe* list, const CString& separator) {
    CStringListePlus escaped;
    CStringIterateur* it = list->createIterator();
    while (!it->isAtEnd()) {
        escaped.append(new CString(escapeListElement(*it->current())));
        it->next();
    }
    delete it;
    const CString joined = escaped.join(separator);
    escaped.deleteAll();
    return writeValue(key, joined);
}

void ProcessItem::readPageHeaderImage() {
    setPageHeaderImage(readValue("PageHeaderImage"));
}

void ProcessItem::readFrameFlag() {
    setFrame(readValue(kKeyFrame) == "yes");
}

CString ProcessItem::readNotes() {
    CString text;
    ItemTextFile::read(getItemFolderFile("notes.txt"), ItemTextFile::Join::Plain, 0, -1, text);
    return text;
}

void ProcessItem::readPhaseKey() {
    if (m_phases->count() != 0)
        return;
    const CString phases = readValue("Phase");
    if (phases.IsEmpty())
        return;
    CStringListePlus pieces;
    pieces.split(phases, ",", 0);
    for (int i = 1; i <= pieces.count(); ++i)
        addPhase(*pieces.at(i));
    pieces.deleteAll();
}

int ProcessItem::writeNotes(const CString& text) {
    return writeItemFile("notes.txt", text);
}

int ProcessItem::writeItemFile(const CString& fileName, const CString& text) {
    const CString path = getItemFolderFile(fileName);
    if (!path.IsEmpty()) {
        // A file that already holds the text, in whatever line ends, stays as
        // it is: saving an item rewrites none of its files that nobody edited.
        if (ItemTextFile::holds(path, text))
            return 1;
        TextOutStream out(path, TextOutStream::Mode::Replace, true);
        out << text;
        if (out.is_open() && out.close())
            return 1;
    }
    // A folder outside the project is named as its url gives it.
    const bool outside = path.IsEmpty();
    CString message;
    message.Format(loadString(32964),
                   platform::shownPath(outside ? getFolder(1, 1) + fileName : path).GetString(),
                   platform::shownPath(outside ? getFolder(1, 1) : getItemFolderPath()).GetString());
    ui::AfxMessageBox(message, MB_OK | MB_ICONSTOP);
    return 0;
}

void ProcessItem::load(int force) {
    if (!m_loaded || force) {
        DataFileSession session(this, DataFileSession::Reading);
        const CString classKeyword = readValue("Class");
        if (!classKeyword.IsEmpty()) {
            const int oldKind = m_classKind;
            m_classKind = getProcessClassFromKeyword(classKeyword);
            if (m_classKind != oldKind)
                classChanged();
            if (m_extension && m_classKind != oldKind) {
                delete m_extension;
                m_extension = nullptr;
            }
            createExtension(m_classKind);
            if (m_extension) {
                m_extension->loadData();
            } else {
                CString message;
                message.Format(loadString(33045), classKeyword.GetString());
                ui::AfxMessageBox(message);
            }
        }
        readList("ProjectKind", m_projectKinds, ",", 1);
        if (m_projectKinds->count() == 0) {
            if (const auto* parent = dynamic_cast<const ProcessItem*>(getParent()))
                m_projectKinds->copyFrom(parent->getProjectKinds());
            if (m_projectKinds->count() == 0)
                m_projectKinds->append(new CString(getDefaultProjectKind()));
        }
        setStateFromText(readValue("State"));
        m_version = readValue("Version");
        m_versionMinor = readValue("VersionMinor");
        if (m_versionMinor.IsEmpty())
            m_versionMinor = "1";
        setPageHeaderImage(readValue("PageHeaderImage"));
        setGlossaryEntry(readValue("isGlossaryEntry") == "true");
        m_doNotGenerate = readValue("doNotGenerate") == "yes";
        m_includeInProcessDoc = readValue("includeInProcessDoc") == "yes";
        m_editor = readValue("Editor");
        for (int n = 1; n <= 6; ++n) {
            m_appro[n - 1] = readValue(approKey("Appro", n));
            m_approDate[n - 1] = readValue(approKey("Appro", n, "Date"));
        }
        m_loaded = 1;
    }
    if (const auto* parent = dynamic_cast<const ProcessItem*>(getParent())) {
        if (m_classKind != kDisciplineClass)
            m_discipline = parent->getDiscipline();
        if (m_classKind != kDomainClass)
            m_domain = parent->getDomain();
        if (m_defaultWorkProductImage.IsEmpty())
            m_defaultWorkProductImage = parent->getDefaultWorkProductImage();
    }
}

int ProcessItem::save() {
    DataFileSession session(this, DataFileSession::Writing);
    int ok = m_extension ? m_extension->saveData() : writeCommonKeys(nullptr);
    return session.commit() && ok ? 1 : 0;
}

int ProcessItem::writeCommonKeys(CStringListe* traceabilityLinks) {
    int ok = 1;
    ok &= writeValue("State", getStateText());
    ok &= writeValue("Version", m_version);
    ok &= writeValue("isGlossaryEntry", isGlossaryEntry() ? "true" : "false");
    m_versionMinor = nextMinorVersion(m_versionMinor.IsEmpty() ? CString("1") : m_versionMinor);
    ok &= writeValue("VersionMinor", m_versionMinor);
    ok &= writeValue("includeInProcessDoc", m_includeInProcessDoc ? "yes" : "no");
    if (traceabilityLinks)
        ok &= writeList("traceabilityLinks", traceabilityLinks, ",");
    ok &= writeValue("Editor", m_editor);
    for (int n = 1; n <= 6; ++n)
        ok &= writeValue(approKey("Appro", n), m_appro[n - 1]);
    for (int n = 1; n <= 6; ++n)
        ok &= writeValue(approKey("Appro", n, "Date"), m_approDate[n - 1]);
    return ok ? 1 : 0;
}

CString ProcessItem::getStateText() const {
    return (m_state >= 1 && m_state <= 3) ? kStateKeywords[m_state] : kStateKeywords[0];
}

void ProcessItem::setStateFromText(const CString& text) {
    CString upper = text;
    upper.MakeUpper();
    m_state = 0;
    for (int s = 1; s <= 3; ++s)
        if (upper == kStateKeywords[s])
            m_state = s;
    m_stateText = text;
    m_stateText.MakeLower();
}

void ProcessItem::setApproDateFromTime(int n, const CTime& time) {
    m_approDate[n - 1] = time.Format("%d/%m/%Y");
}

CTime ProcessItem::getApproDateTime(int n) const {
    return parseDayMonthYear(m_approDate[n - 1]);
}

CString ProcessItem::getApproDateIso(int n) const {
    return formatIsoDate(m_approDate[n - 1]);
}

int ProcessItem::isGenericProjectKind() const {
    const int n = m_projectKinds->count();
    return n == 0 || (n == 1 && *m_projectKinds->at(1) == getDefaultProjectKind()) ? 1 : 0;
}

CString ProcessItem::getDescriptionForCsv(int language) {
    CString text =
        m_extension ? m_extension->readDescription(language, 0, 1, 0) : Item::getDescription(language);
    text.Replace(";", ".");
    text.Replace("\r", " ");
    text.Replace("\"", "'");
    if (text.Find('\n') >= 0)
        text = "\"" + text + "\"";
    return text;
}

CString ProcessItem::getTailoringGuideline(int language) const {
    return m_extension ? m_extension->getTailoringGuideline(language) : CString();
}

void ProcessItem::buildHtmlDescription(int language) {
    if (m_extension)
        m_extension->buildHtmlDescription(language);
}

void ProcessItem::edit() {
    if (m_extension)
        m_extension->edit();
}

bool readDayMonthYear(const CString& text, CTime* time) {
    CStringListePlus pieces;
    pieces.split(text, "/", 0);
    bool valid = false;
    if (pieces.count() >= 3) {
        const long year = decimalOf(*pieces.at(3));
        const long month = decimalOf(*pieces.at(2));
        const long day = decimalOf(*pieces.at(1));
        valid = year >= 1980 && year < 3000 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
        if (valid)
            *time = CTime(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), 0, 0, 0);
    }
    pieces.deleteAll();
    return valid;
}

CTime parseDayMonthYear(const CString& text) {
    CTime result = CTime::GetCurrentTime();
    readDayMonthYear(text, &result);
    return result;
}

CString formatIsoDate(const CString& text) {
    CTime time;
    if (!readDayMonthYear(text, &time))
        return CString();
    CString iso;
    iso.Format("%d-%d-%d", time.GetYear(), time.GetMonth(), time.GetDay());
    return iso;
}

CString escapeListElement(const CString& text) {
    CString out = text;
    out.Replace(",", "\\comma");
    out.Replace(";", "\\semicolon");
    out.Replace("=", "\\equal");
    return out;
}

CString unescapeListElement(const CString& text) {
    CString out = text;
    out.Replace("\\comma", ",");
    out.Replace("\\semicolon", ";");
    out.Replace("\\equal", "=");
    return out;
}
