#include "ProcessManager.h"

#include "CStringListePlus.h"
#include "GlossaryTerms.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemExtensionListe.h"
#include "ItemIteratorPlus.h"
#include "ItemListePlus.h"
#include "ItemQualityCriteria.h"
#include "ItemReference.h"
#include "ItemRole.h"
#include "ItemRoleGroup.h"
#include "ItemWorkProduct.h"
#include "MainWindow.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessItemExtension.h"
#include "ProcessItemListe.h"
#include "ReadAhead.h"
#include "ReadPass.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "UidReferences.h"
#include "XmlExporter.h"
#include "ui/UserInterface.h"

#include <algorithm>
#include <array>
#include <exception>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

ProcessManager* g_manager = nullptr;

// Every process item of the list in tree order.
template <typename F> void forEachItem(ItemListePlus* list, F f) {
    ItemIterateur* it = list->ItemListe::createIterator();
    while (!it->isAtEnd()) {
        Item* item = it->current();
        it->next();
        if (auto* processItem = dynamic_cast<ProcessItem*>(item))
            f(processItem);
    }
    delete it;
}

CString classIndexKey(int kind, const CString& name) {
    CString key;
    key.Format("%d|", kind);
    CString lower = name;
    lower.MakeLower();
    return key + lower;
}

} // namespace

ProcessManager::ProcessManager(const CString& settingsPath, MainWindow* mainWindow, int deferred,
                               int layoutFlag)
    : Project(settingsPath, mainWindow, layoutFlag), m_projectKinds(new CStringListePlus),
      m_roleResponsibilities(new CStringListePlus), m_wpRoleResponsibilities(new CStringListePlus),
      m_classKeywords(new CStringListe), m_itemLinks(new ItemExtensionListe), m_exporter(nullptr) {
    g_manager = this;
    // The open only reads (what it writes starts a new epoch): the settings,
    // the menu tree and, when not deferred, every item's files are looked at
    // once in one pass.
    ReadPass pass;
    if (!deferred)
        loadMenuTree(mainWindow, 1);
    const CString settingsFile = getSettingsFile();
    m_processMode = settings::readKey(settingsFile, "APPLICATION_KIND", "Tolvane") == "yes";

    const CString stored = StdOption::instance().getDataVersion();
    if (stored != getVersionString())
        checkDataVersion(stored, getVersionString());

    m_projectKinds->appendLowerCasedPieces(settings::readKey(settingsFile, "PROCESSUS", "PROJECTKINDS"));
    if (m_projectKinds->count() == 0)
        m_projectKinds->append(new CString(getDefaultProjectKind()));
    m_roleResponsibilities->append(new CString);
    m_roleResponsibilities->appendLowerCasedPieces(
        settings::readKey(settingsFile, "PROCESSUS", "ROLE_RESPONSIBILITY"));
    m_wpRoleResponsibilities->appendLowerCasedPieces(
        settings::readKey(settingsFile, "PROCESSUS", "WP_ROLE_RESPONSIBILITY"));

    CString language = settings::readKey(settingsFile, "PROCESS_OPTION", "GenerationLang");
    if (language.IsEmpty())
        language = settings::readKey(settingsFile, "PROCESS_OPTION", "GerationLang");
    if (!language.IsEmpty())
        setGenerationLanguage(language);
    const CString language2 = settings::readKey(settingsFile, "PROCESS_OPTION", "GenerationLang2");
    if (!language2.IsEmpty())
        setGenerationLanguage2(language2);

    static const char* const kApprovalKeys[] = {"appro1", "appro2", "appro3", "appro4", "appro5", "Appro6"};
    for (int n = 1; n <= 6; ++n) {
        const CString label = settings::readKey(settingsFile, "APPROVAL", kApprovalKeys[n - 1]);
        CString fallback;
        fallback.Format("Approval %d", n);
        setApprovalLabel(n, label.IsEmpty() ? fallback : label);
    }

    for (const char* keyword : {"ACTIVITY",
                                "DISCIPLINE",
                                "GENERAL PROCEDURE",
                                "MACRO-ACTIVITY",
                                "MEASURE",
                                "PHASE",
                                "ROLE",
                                "WORKFLOW",
                                "WORKPRODUCT",
                                "WORKPRODUCT STATE",
                                "GLOSSARY ENTRY",
                                "DOMAIN",
                                "QUALITY CRITERIA",
                                "--- Group ---",
                                "GENERAL PROCEDURE GROUP",
                                "ROLE GROUP",
                                "WORKPRODUCT GROUP",
                                "--- View ---",
                                "PROCESS OVERVIEW",
                                "TEMPLATE ACCESS",
                                "WORKPRODUCT OVERVIEW",
                                "GLOSSARY",
                                "SITE MAP"})
        m_classKeywords->append(new CString(keyword));

    ItemWorkProduct::loadWorkProductTypes();
    m_exporter = new XmlExporter(this);

    m_linksNeedRefresh = 1;
    if (!deferred)
        updateLinks(0, 0);

    showWindowTitle();
}

void ProcessManager::showWindowTitle() {
    if (!m_mainWindow)
        return;
    CString title = loadString(61448) + " - " + loadString(61449);
    const CString siteName = StdOption::instance().getSiteName();
    if (!siteName.IsEmpty())
        title += "  - " + siteName;
    m_mainWindow->setWindowTitle(title);
}

ProcessManager::~ProcessManager() {
    for (CStringListePlus* list : {m_projectKinds, m_roleResponsibilities, m_wpRoleResponsibilities}) {
        list->deleteAll();
        delete list;
    }
    m_itemLinks->deleteAll();
    delete m_itemLinks;
    ItemWorkProduct::freeWorkProductTypes();
    m_classKeywords->deleteAll();
    delete m_classKeywords;
    delete m_exporter;
    // The items go before the lists of links they point into.
    m_itemList->deleteAll();
    if (g_manager == this)
        g_manager = nullptr;
}

ProcessManager* ProcessManager::getInstance() {
    return g_manager;
}

void ProcessManager::guarded(const char* operation, const std::function<void()>& work, bool underWaitCursor) {
    try {
        work();
    } catch (const std::exception& error) {
        if (underWaitCursor)
            ui::current().endWaitCursor();
        ui::AfxMessageBox(error.what());
        if (underWaitCursor)
            ui::current().beginWaitCursor();
    } catch (...) {
        reportUnknownFailure(CString("ProcessManager::") + operation);
    }
}

Item* ProcessManager::createItem(Item* parent, const CString& name, const CString& url, int blankTarget,
                                 const CString& icon, const CString& openIcon, int level, int frame,
                                 const CString& description) {
    return new ProcessItem(parent, name, url, blankTarget, icon, openIcon, level, this, frame, description);
}

int ProcessManager::deleteItem(Item* item, int refreshTree, int keepShortcuts, int removeMarkedShortcuts,
                               int withSubtree, int multiUser) {
    if (!(classKindOf(item) == kNoProcessClass && !changesSharedTree()))
        m_linksNeedRefresh = 1;
    return Project::deleteItem(item, refreshTree, keepShortcuts, removeMarkedShortcuts, withSubtree,
                               multiUser);
}

void ProcessManager::onItemRenamed(Item*, const CString&, const CString&) {
    updateLinks(0, 0);
}

int ProcessManager::canMoveItem(Item* from, Item* to, int mode) {
    if (!Project::canMoveItem(from, to, mode))
        return 0;
    Item* newParent = Item::parentForInsertion(to, mode);
    if (!isAllowedChildItemOf(from, newParent)) {
        ui::AfxMessageBox(loadString(33055));
        return 0;
    }
    return 1;
}

int ProcessManager::checkItemClassAllowed(const CString& classKeyword, Item* parent) {
    if (!isAllowedChildClassOf(getProcessClassFromKeyword(classKeyword), parent)) {
        ui::AfxMessageBox(loadString(33055));
        return 0;
    }
    return 1;
}

Item* ProcessManager::addProcessItem(Item* anchor, const CString& name, int blankTarget, const CString& icon,
                                     const CString& openIcon, int mode, const CString& description,
                                     const CString& url, int refreshTree, int saveTree, int frame,
                                     int visible, const CString& nameL2, int multiUser, const CString&,
                                     Item* shortcutTarget) {
    if (changesSharedTree())
        m_linksNeedRefresh = 1;
    return addItem(anchor, name, blankTarget, icon, openIcon, mode, description, url, refreshTree, saveTree,
                   frame, visible, nameL2, multiUser, "", shortcutTarget);
}

void ProcessManager::checkDataVersion(const CString& stored, const CString& program) {
    CString message;
    message.Format(loadString(33047), stored.GetString(), program.GetString());
    ui::AfxMessageBox(message);
    StdOption::instance().setDataVersion(program);
}

void ProcessManager::updateLinks(int force, int doubledProgress) {
    if (!m_linksNeedRefresh && !force)
        return;
    // The refresh only reads: each item folder is listed and the settings
    // checked once, not once per item.
    ReadPass pass;
    const int count = getItemCount();
    setProgressRange(1, doubledProgress ? 2 * count : count);
    setProgressStep(10);
    // The items' files, in the order they are loaded, are read ahead by
    // other threads while the items load here one after the other: each
    // data file, and the description files that its class says.
    std::vector<ReadAhead::Files> files;
    std::vector<ProcessItem*> loaded;
    files.reserve(static_cast<size_t>(count));
    loaded.reserve(static_cast<size_t>(count));
    forEachItem(m_itemList, [&](ProcessItem* i) {
        i->getPhaseList()->deleteAll();
        if (i->getKind() == kShortcut || (!force && i->isLoaded()))
            return;
        files.push_back({i->getDataFilePath().str(), i->getItemFolderPath().str()});
        loaded.push_back(i);
    });
    // The description files of each class, the same for the whole run of the program.
    static const auto descriptions = [] {
        std::array<std::vector<std::string>, kSiteMapClass + 1> byKind;
        for (int kind = kNoProcessClass; kind <= kSiteMapClass; ++kind)
            byKind[kind] = ProcessItemExtension::descriptionFilesOf(kind);
        return byKind;
    }();
    const std::string section = ProcessItem::getSectionName().str();
    ReadAhead ahead(std::move(files), [&section](const ProfileFile* data) -> const std::vector<std::string>* {
        const auto keyword = data ? data->get(section, "Class") : std::nullopt;
        if (!keyword || keyword->empty())
            return nullptr;
        return &descriptions[getProcessClassFromKeyword(CString(*keyword))];
    });
    size_t aheadPosition = 0;
    int position = 0;
    ItemIterateur* it = m_itemList->ItemListe::createIterator();
    while (!it->isAtEnd()) {
        auto* current = dynamic_cast<ProcessItem*>(it->current());
        it->next();
        setProgressPos(++position);
        if (!current || current->getKind() == kShortcut)
            continue;
        if (aheadPosition < loaded.size() && loaded[aheadPosition] == current)
            ahead.reached(aheadPosition++);
        current->load(force);
        if (ItemRole* role = current->getItemRole()) {
            role->clearActingGroups();
            role->clearGroupMembers();
        }
        if (current->getClassKind() == kPhaseClass) {
            // Everything below the phase, shortcuts expanded, belongs to it.
            CStringListePlus* phases = current->getPhaseList();
            forEachBelow(current, [phases](Item* below, bool) {
                auto* belowItem = dynamic_cast<ProcessItem*>(below);
                for (int p = 1; belowItem && p <= phases->count(); ++p)
                    if (!belowItem->getPhaseList()->find(*phases->at(p), ""))
                        belowItem->addPhase(*phases->at(p));
            });
        }
    }
    delete it;

    // Acting role groups.
    ProcessItem* group = nullptr;
    forEachItem(m_itemList, [&](ProcessItem* current) {
        if (group && current->getLevel() <= group->getLevel())
            group = nullptr;
        if (!group) {
            if (ItemRole* role = current->getItemRole(); role && role->m_actingRoleGroup)
                group = current;
            return;
        }
        ProcessItem* member = current;
        if (current->getKind() == kShortcut)
            member = dynamic_cast<ProcessItem*>(findShortcutTarget(current));
        if (ItemRole* role = member ? member->getItemRole() : nullptr) {
            role->addActingGroup(group);
            group->getItemRole()->addGroupMember(member);
        }
    });

    m_linksNeedRefresh = 0;
    // What page runs hold of the items' data is stale now.
    ++m_refreshCount;
    if (!doubledProgress)
        setProgressPos(1);
}

void ProcessManager::rebuildClassIndex() {
    const TreeStamp stamp = treeStamp();
    if (stamp == m_classIndexStamp)
        return;
    m_classNameIndex.clear();
    forEachItem(m_itemList, [this](ProcessItem* item) {
        m_classNameIndex.emplace(classIndexKey(item->getClassKind(), item->getName()), item);
    });
    m_classIndexStamp = stamp;
}

ProcessItem* ProcessManager::findItemByNameAndClass(const CString& name, int classKind) {
    rebuildClassIndex();
    const auto hit = m_classNameIndex.find(classIndexKey(classKind, name));
    return hit == m_classNameIndex.end() ? nullptr : hit->second;
}

ProcessItem* ProcessManager::findRole(const CString& reference) {
    return findItemByNameAndClass(getReferenceDisplayName(reference, 0), kRoleClass);
}

ProcessItem* ProcessManager::findWorkProduct(const CString& reference) {
    return findItemByNameAndClass(getWorkProductReferenceName(reference, 0), kWorkProductClass);
}

void ProcessManager::getRoles(ProcessItemListe* list) {
    forEachItem(m_itemList, [list](ProcessItem* item) {
        if (item->getClassKind() == kRoleClass)
            list->append(item);
    });
}

void ProcessManager::getWorkProducts(ProcessItemListe* list) {
    forEachItem(m_itemList, [list](ProcessItem* item) {
        if (item->getClassKind() == kWorkProductClass)
            list->append(item);
    });
}

void ProcessManager::linkWorkProducts() {
    TextOutStream* log = openLog();
    forEachItem(m_itemList, [](ProcessItem* item) {
        if (ItemWorkProduct* product = item->getItemWorkProduct()) {
            product->getProducingActivities()->removeAll();
            product->getUsingActivities()->removeAll();
        }
    });
    int missing = 0;
    forEachItem(m_itemList, [&](ProcessItem* activity) {
        const ItemActivity* extension = activity->getItemActivity();
        if (!extension)
            return;
        for (int input = 0; input <= 1; ++input) {
            CStringListePlus* references =
                input ? extension->getInWorkProducts() : extension->getOutWorkProducts();
            for (int i = 1; i <= references->count(); ++i) {
                ProcessItem* product = findWorkProduct(*references->at(i));
                ItemWorkProduct* productExtension = product ? product->getItemWorkProduct() : nullptr;
                if (!productExtension) {
                    if (log)
                        *log << "Work product " << *references->at(i) << " referenced in "
                             << activity->getName() << " not found\n";
                    ++missing;
                    continue;
                }
                ItemListe* list = input ? productExtension->getUsingActivities()
                                        : productExtension->getProducingActivities();
                if (list->indexOf(activity))
                    continue;
                if (input)
                    productExtension->addUsingActivity(activity);
                else
                    productExtension->addProducingActivity(activity);
            }
        }
    });
    if (missing)
        ui::AfxMessageBox(loadString(32998));
    closeLog(log);
}

void ProcessManager::linkRoles() {
    TextOutStream* log = openLog();
    forEachItem(m_itemList, [](ProcessItem* item) {
        if (ItemRole* role = item->getItemRole())
            role->clearActivityLinks();
        if (ItemRoleGroup* group = item->getItemRoleGroup())
            group->clearActivityLinks();
    });
    m_itemLinks->deleteAll();
    int missing = 0;
    forEachItem(m_itemList, [&](ProcessItem* activity) {
        const ItemActivity* extension = activity->getItemActivity();
        if (!extension)
            return;
        CStringListePlus* roles = extension->getRoles();
        for (int i = 1; i <= roles->count(); ++i) {
            ProcessItem* roleItem = findRole(*roles->at(i));
            if (ItemRole* role = roleItem ? roleItem->getItemRole() : nullptr) {
                role->addActivityLink(activity, getReferenceName(*roles->at(i)), m_itemLinks);
            } else {
                if (log)
                    *log << "Role " << *roles->at(i) << " referenced in " << activity->getName()
                         << " not found\n";
                ++missing;
            }
        }
    });
    // A member role performs the activities of the groups it belongs to.
    forEachItem(m_itemList, [this](ProcessItem* item) {
        ItemRole* member = item->getItemRole();
        if (!member)
            return;
        ProcessItemListe* groups = member->getActingGroups();
        for (int g = 1; g <= groups->count(); ++g) {
            ItemRole* groupRole = groups->at(g)->getItemRole();
            if (!groupRole)
                continue;
            ItemExtensionListe* links = groupRole->getActivityLinks();
            // The group's links as they stood before this member added any.
            std::vector<ItemLink*> snapshot;
            for (int l = 1; l <= links->count(); ++l)
                snapshot.push_back(links->at(l));
            // The manager's list owns these records too, so they are freed with the others.
            for (ItemLink* link : snapshot)
                member->addActivityLink(link->getItem(), link->getText(), m_itemLinks);
        }
    });
    if (missing)
        ui::AfxMessageBox(loadString(32999));
    closeLog(log);
}

CStringListePlus* ProcessManager::getActivityWorkProductLists() {
    auto* names = new CStringListePlus;
    // The names met so far, lower-cased: each name is looked up once, not
    // compared with the whole list.
    std::unordered_set<CString> met;
    forEachItem(m_itemList, [&](ProcessItem* activity) {
        const ItemActivity* extension = activity->getItemActivity();
        if (!extension)
            return;
        for (CStringListePlus* references : {extension->getInWorkProducts(), extension->getOutWorkProducts()})
            for (int i = 1; i <= references->count(); ++i) {
                const CString name = getWorkProductReferenceName(*references->at(i), 0);
                CString folded = name;
                folded.MakeLower();
                if (met.insert(folded).second)
                    names->append(new CString(name));
            }
    });
    return names;
}

ProcessItemListe* ProcessManager::getWorkProductStates(Item* item) {
    updateLinks(0, 0);
    auto* states = new ProcessItemListe;
    forEachChild(item, [states](Item* child) {
        if (classKindOf(child) == kWorkProductStateClass)
            states->append(static_cast<ProcessItem*>(child));
    });
    return states;
}

ProcessItemListe* ProcessManager::getQualityCriteria(Item* workProduct) {
    updateLinks(0, 0);
    // The sources' criteria first, then each work product's own: its
    // children of class quality criteria, a shortcut counting as its target.
    auto* result = new ProcessItemListe;
    for (Item* product : criteriaOrder(workProduct))
        forEachChild(product, [&](Item* child) {
            Item* criterion = child->getKind() == kShortcut ? findShortcutTarget(child) : child;
            if (criterion && classKindOf(criterion) == kQualityCriteriaClass)
                result->append(static_cast<ProcessItem*>(criterion));
        });
    return result;
}

void ProcessManager::forEachChild(Item* item, const std::function<void(Item* child)>& f) {
    // The walk starts at the item's own node, found through the list's index,
    // and ends with its subtree.
    ItemIterateur* it = m_itemList->ItemListe::createIterator();
    it->seek(item);
    if (!it->isAtEnd())
        it->next();
    for (; !it->isAtEnd() && it->current()->getLevel() > item->getLevel(); it->next())
        if (it->current()->getLevel() == item->getLevel() + 1)
            f(it->current());
    delete it;
}

std::vector<Item*> ProcessManager::criteriaOrder(Item* workProduct) const {
    struct Visit {
        Item* item;
        int nextSource;
    };
    std::vector<Item*> order;
    std::unordered_set<const Item*> met{workProduct};
    std::vector<Visit> stack{{workProduct, 0}};
    while (!stack.empty()) {
        Visit& visit = stack.back();
        auto* processItem = dynamic_cast<ProcessItem*>(visit.item);
        const ItemWorkProduct* product = processItem ? processItem->getItemWorkProduct() : nullptr;
        if (product && product->m_derived && visit.nextSource < 2) {
            const CString uid =
                visit.nextSource++ == 0 ? product->getDerivedFrom() : product->getDerivedFrom2();
            Item* source = uid.IsEmpty() ? nullptr : findItemByUid(uid);
            if (source && met.insert(source).second)
                stack.push_back({source, 0});
            continue;
        }
        order.push_back(visit.item);
        stack.pop_back();
    }
    return order;
}

ProcessItemListe* ProcessManager::getSubtreeQualityCriteria(Item* item) {
    updateLinks(0, 0);
    auto* result = new ProcessItemListe;
    forEachBelow(item, [&](Item* below, bool inShortcut) {
        auto* criterion = dynamic_cast<ProcessItem*>(below);
        if (!criterion || criterion->getClassKind() != kQualityCriteriaClass)
            return;
        const ItemQualityCriteria* extension = criterion->getItemQualityCriteria();
        if (below->getLevel() == item->getLevel() + 1 || (extension && extension->isMain()) || inShortcut)
            result->append(criterion);
    });
    return result;
}

void ProcessManager::forEachBelow(Item* item, const std::function<void(Item* below, bool inShortcut)>& f) {
    // A page run walks its subtrees through its tables, one step per item met.
    if (m_generating) {
        pageRunTables()->forEachBelow(item, f);
        return;
    }
    ItemIteratorPlus* walk = m_itemList->createIterator();
    walk->seek(item);
    if (!walk->isAtEnd())
        walk->next();
    while (!walk->isAtEnd()) {
        Item* below = walk->current();
        const bool inShortcut = walk->isInShortcut() != 0;
        if ((inShortcut ? walk->getShortcutLevel() : below->getLevel()) <= item->getLevel())
            break;
        f(below, inShortcut);
        walk->next();
    }
    delete walk;
}

void ProcessManager::getDescendantActivities(Item* item, ProcessItemListe* list) {
    forEachBelow(item, [list](Item* below, bool) {
        if (classKindOf(below) == kActivityClass)
            list->append(static_cast<ProcessItem*>(below));
    });
}

void ProcessManager::forEachProducedWorkProduct(Item* item, const ProducedWorkProductVisitor& f) {
    forEachBelow(item, [&](Item* below, bool) {
        const ItemActivity* activity = classKindOf(below) == kActivityClass
                                           ? static_cast<ProcessItem*>(below)->getItemActivity()
                                           : nullptr;
        if (!activity)
            return;
        CStringListePlus* outputs = activity->getOutWorkProducts();
        for (int r = 1; r <= outputs->count(); ++r)
            if (ProcessItem* product = findWorkProduct(*outputs->at(r)))
                f(*activity, *outputs->at(r), product);
    });
}

void ProcessManager::getChildWorkElements(Item* item, ProcessItemListe* list, int useTargets) {
    forEachChild(item, [&](Item* child) {
        Item* resolved = child->getKind() == kShortcut ? findShortcutTarget(child) : child;
        const int kind = resolved ? classKindOf(resolved) : 0;
        if (kind == kActivityClass || kind == kMacroActivityClass || kind == kPhaseClass ||
            kind == kWorkflowClass)
            list->append(static_cast<ProcessItem*>(useTargets ? resolved : child));
    });
}

CString ProcessManager::findWorkProductStateUid(Item* item, const CString& stateName) {
    updateLinks(0, 0);
    CString uid;
    const int position = m_itemList->indexOf(item);
    for (int i = position + 1; position > 0 && i <= m_itemList->count(); ++i) {
        Item* next = m_itemList->at(i);
        if (next->getLevel() <= item->getLevel())
            break;
        if (classKindOf(next) == kWorkProductStateClass && next->getName() == stateName)
            uid = next->getUid();
    }
    return uid;
}

CString ProcessManager::getNameInLanguage(const CString& name, int classKind, int language,
                                          const CString& whenNone) {
    if (language == 0)
        return name;
    ProcessItem* named = findItemByNameAndClass(name, classKind);
    return named ? named->getNameL2() : whenNone;
}

CString ProcessManager::getPhaseName(const CString& name, int language) {
    return getNameInLanguage(name, kPhaseClass, language, name);
}

void ProcessManager::changeItemClass(Item* item, const CString& classKeyword) {
    guarded("changeItemClass", [&] {
        auto* processItem = dynamic_cast<ProcessItem*>(item);
        if (!processItem)
            return;
        if (TextOutStream* log = openLog()) {
            *log << "Changing item " << item->getName() << " from class "
                 << getProcessClassKeyword(processItem->getClassKind(), 1) << " to class " << classKeyword
                 << "\n";
            closeLog(log);
        }
        processItem->changeClass(classKeyword);
    });
}

void ProcessManager::relinkUid(Item* item, const CString& oldUid, const CString& newUid) {
    TextOutStream* log = openLog();
    if (log)
        *log << "Changing uid  from " << oldUid << " to " << newUid << "\n";
    // Every item folder of the tree, each once, has its references to the
    // old uid rewritten: roles, work products and states in activities,
    // authors, procedures, measures, derivations, "[@uid]" in texts and
    // clickable areas.
    UidReferences references;
    references.add(oldUid, newUid);
    CString failed;
    std::unordered_set<CString> folders;
    forEachItem(m_itemList, [&](ProcessItem* each) {
        if (each->getKind() != kDual)
            return;
        const CString folder = each->getItemFolderPath();
        if (!folder.IsEmpty() && folders.insert(folder).second)
            references.relinkFolder(folder, failed);
    });
    // The item's own pages name it where they were written once.
    if (auto* processItem = dynamic_cast<ProcessItem*>(item); processItem && item->getKind() == kDual)
        UidReferences::relinkOwnPages(processItem->getItemFolderPath(), oldUid, newUid, failed);
    // The banner's clickable areas lie in the home folder, whatever the tree holds.
    const CString home = getPathInSite("Home/");
    if (!home.IsEmpty() && folders.insert(home).second)
        references.relinkFolder(home, failed);
    if (!failed.IsEmpty()) {
        if (log)
            *log << "Files whose references to " << oldUid << " could not be changed:\n" << failed;
        const int kind = classKindOf(item);
        ui::AfxMessageBox(loadString(kind == kRoleClass                                            ? 33000
                                     : kind == kWorkProductClass || kind == kWorkProductStateClass ? 33001
                                                                                                   : 33445));
    }
    closeLog(log);
    // The items read their data files again, as they now stand.
    updateLinks(1, 0);
}
