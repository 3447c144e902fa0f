#include "PageRunTables.h"

#include "CStringListePlus.h"
#include "HtmlText.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemReference.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace {

const std::vector<Item*> kNoItems;
const std::vector<ProcessItem*> kNoProcessItems;

CString upperCased(CString text) {
    text.MakeUpper();
    return text;
}

// The key of one use of a work product in a state by an activity.
std::string useKey(const Item* activity, const CString& product, const CString& state, int input) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(activity)) + (input ? "<" : ">") +
           lowerCased(product).str() + "/" + lowerCased(state).str();
}

} // namespace

PageRunTables::PageRunTables(ProcessManager& manager) {
    ItemIterateur* it = manager.getItemList()->ItemListe::createIterator();
    for (; !it->isAtEnd(); it->next())
        m_items.push_back(it->current());
    delete it;

    const int count = static_cast<int>(m_items.size());
    m_spanEnds.assign(count, count);
    m_targets.assign(count, nullptr);
    // The items whose subtree is still open, deepest last: an item closes
    // the subtrees of every open item at its level or deeper.
    std::vector<int> open;
    for (int p = 0; p < count; ++p) {
        Item* item = m_items[p];
        m_positions.emplace(item, p);
        while (!open.empty() && m_items[open.back()]->getLevel() >= item->getLevel()) {
            m_spanEnds[open.back()] = p;
            open.pop_back();
        }
        open.push_back(p);
        if (item->getKind() == kShortcut)
            m_targets[p] = manager.findShortcutTarget(item);
        // An empty uid names no item: items without one refer to nothing
        // and nothing refers to them.
        if (!item->getReferencedUid().IsEmpty())
            m_referring[item->getReferencedUid()].push_back(item);
    }
}

int PageRunTables::position(const Item* item) const {
    const auto found = m_positions.find(item);
    return found == m_positions.end() ? -1 : found->second;
}

void PageRunTables::forEachBelow(const Item* item,
                                 const std::function<void(Item* below, bool inShortcut)>& f) const {
    forEachBelowAtDepth(item, [&f](Item* below, bool inShortcut, int) { f(below, inShortcut); });
}

void PageRunTables::forEachBelowAtDepth(
    const Item* item, const std::function<void(Item* below, bool inShortcut, int depth)>& f) const {
    const int start = position(item);
    if (start < 0 || m_targets[start])
        return;
    for (int p = start + 1; p < m_spanEnds[start]; ++p) {
        Item* target = m_targets[p];
        if (!target) {
            f(m_items[p], false, m_items[p]->getLevel());
            continue;
        }
        const int from = position(target);
        const int shift = m_items[p]->getLevel() - target->getLevel();
        for (int q = from; q >= 0 && q < m_spanEnds[from]; ++q)
            f(m_items[q], true, m_items[q]->getLevel() + shift);
    }
}

std::span<Item* const> PageRunTables::getSubtree(const Item* item) const {
    const int p = position(item);
    if (p < 0)
        return {};
    return std::span<Item* const>(m_items).subspan(p + 1, m_spanEnds[p] - p - 1);
}

std::span<Item* const> PageRunTables::getItemsAfter(const Item* item) const {
    const int p = position(item);
    if (p < 0)
        return {};
    return std::span<Item* const>(m_items).subspan(p + 1);
}

std::span<Item* const> PageRunTables::getItemsToSameLevel(const Item* item) const {
    const int p = position(item);
    if (p < 0)
        return {};
    if (!m_nextAtSameLevel) {
        // From the end of the list back: the last position met at each level.
        const int count = static_cast<int>(m_items.size());
        std::vector<int> next(count, count);
        std::unordered_map<int, int> seen;
        for (int q = count - 1; q >= 0; --q) {
            const auto found = seen.find(m_items[q]->getLevel());
            if (found != seen.end())
                next[q] = found->second;
            seen[m_items[q]->getLevel()] = q;
        }
        m_nextAtSameLevel = std::move(next);
    }
    return std::span<Item* const>(m_items).subspan(p + 1, (*m_nextAtSameLevel)[p] - p - 1);
}

std::vector<ProcessItem*> PageRunTables::getDualItemsOfClass(int classKind) const {
    std::vector<ProcessItem*> items;
    for (Item* item : m_items)
        if (item->getKind() == kDual && classKindOf(item) == classKind)
            items.push_back(static_cast<ProcessItem*>(item));
    return items;
}

std::vector<Item*> PageRunTables::getChildren(const Item* item) const {
    std::vector<Item*> children;
    const int p = position(item);
    if (p < 0)
        return children;
    // From one child to the next over the child's own subtree.
    for (int q = p + 1; q < m_spanEnds[p]; q = m_spanEnds[q])
        if (m_items[q]->getLevel() == item->getLevel() + 1)
            children.push_back(m_items[q]);
    return children;
}

Item* PageRunTables::getShortcutTarget(const Item* item) const {
    const int p = position(item);
    return p < 0 ? nullptr : m_targets[p];
}

Item* PageRunTables::getPreviousItem(const Item* item) const {
    const int p = position(item);
    return p > 0 && m_items[p - 1]->getLevel() == item->getLevel() ? m_items[p - 1] : nullptr;
}

Item* PageRunTables::getNextItem(const Item* item) const {
    const int p = position(item);
    const bool hasNext = p >= 0 && p + 1 < static_cast<int>(m_items.size());
    return hasNext && m_items[p + 1]->getLevel() == item->getLevel() ? m_items[p + 1] : nullptr;
}

const std::vector<Item*>& PageRunTables::getItemsReferring(const CString& uid) const {
    const auto found = m_referring.find(uid);
    return found == m_referring.end() ? kNoItems : found->second;
}

const std::vector<ProcessItem*>& PageRunTables::getDisciplinesOfDomain(const CString& domain) const {
    const auto known = m_disciplines.find(domain);
    if (known != m_disciplines.end())
        return known->second;
    std::vector<ProcessItem*>& disciplines = m_disciplines[domain];
    std::unordered_set<CString> names;
    for (Item* item : m_items) {
        if (classKindOf(item) != kDisciplineClass)
            continue;
        auto* discipline = static_cast<ProcessItem*>(item);
        if (!domain.IsEmpty() && discipline->getDomain() != domain)
            continue;
        CString name = discipline->getName();
        name.MakeLower();
        if (names.insert(name).second)
            disciplines.push_back(discipline);
    }
    return disciplines;
}

const std::vector<ProcessItem*>& PageRunTables::getWorkProducts() const {
    if (!m_workProducts) {
        m_workProducts.emplace();
        for (Item* item : m_items)
            if (classKindOf(item) == kWorkProductClass) {
                auto* product = static_cast<ProcessItem*>(item);
                m_workProducts->push_back(product);
                m_workProductsByDiscipline[product->getDiscipline()].push_back(product);
            }
    }
    return *m_workProducts;
}

const std::vector<ProcessItem*>& PageRunTables::getWorkProductsOfDiscipline(const CString& discipline) const {
    getWorkProducts();
    const auto found = m_workProductsByDiscipline.find(discipline);
    return found == m_workProductsByDiscipline.end() ? kNoProcessItems : found->second;
}

const std::vector<ProcessItem*>& PageRunTables::getAuthoredWorkProducts(const Item* author) const {
    if (!m_authoredWorkProducts) {
        auto& authored = m_authoredWorkProducts.emplace();
        for (ProcessItem* product : getWorkProducts()) {
            const ItemWorkProduct* extension = product->getItemWorkProduct();
            if (!extension)
                continue;
            for (int i = 1; i <= extension->m_authors->count(); ++i) {
                const CString& entry = *extension->m_authors->at(i);
                if (getReferenceName(entry) != "author")
                    continue;
                Item* role = findReferencedItem(entry);
                if (!role)
                    continue;
                // A role named twice as author lists the work product once.
                std::vector<ProcessItem*>& products = authored[role];
                if (products.empty() || products.back() != product)
                    products.push_back(product);
            }
        }
    }
    const auto found = m_authoredWorkProducts->find(author);
    return found == m_authoredWorkProducts->end() ? kNoProcessItems : found->second;
}

const std::vector<ProcessItem*>& PageRunTables::getActivitiesNamingProcedure(const CString& uid) const {
    if (!m_procedureActivities) {
        auto& naming = m_procedureActivities.emplace();
        for (Item* item : m_items) {
            if (item->getKind() != kDual || classKindOf(item) != kActivityClass)
                continue;
            auto* activity = static_cast<ProcessItem*>(item);
            const ItemActivity* extension = activity->getItemActivity();
            if (!extension)
                continue;
            const CStringListePlus& procedures = *extension->getGeneralProcedures();
            for (int i = 1; i <= procedures.count(); ++i)
                naming[*procedures.at(i)].push_back(activity);
        }
    }
    const auto found = m_procedureActivities->find(uid);
    return found == m_procedureActivities->end() ? kNoProcessItems : found->second;
}

const std::vector<ProcessItem*>& PageRunTables::getWorkProductsTracing(const CString& uid) const {
    if (!m_tracingWorkProducts) {
        auto& tracing = m_tracingWorkProducts.emplace();
        for (ProcessItem* product : getWorkProducts()) {
            const ItemWorkProduct* extension = product->getItemWorkProduct();
            if (!extension)
                continue;
            const CStringListePlus& links = *extension->getTraceabilityLinks();
            for (int i = 1; i <= links.count(); ++i)
                tracing[upperCased(*links.at(i))].push_back(product);
        }
    }
    const auto found = m_tracingWorkProducts->find(uid);
    return found == m_tracingWorkProducts->end() ? kNoProcessItems : found->second;
}

bool PageRunTables::isUsedByActivity(const Item* activity, const CString& product, const CString& state,
                                     int input) const {
    if (!m_workProductUses) {
        auto& uses = m_workProductUses.emplace();
        for (Item* item : m_items) {
            if (item->getKind() != kDual || classKindOf(item) != kActivityClass)
                continue;
            const ItemActivity* extension = static_cast<ProcessItem*>(item)->getItemActivity();
            if (!extension)
                continue;
            for (const int in : {1, 0}) {
                const CStringListePlus& references =
                    in ? *extension->getInWorkProducts() : *extension->getOutWorkProducts();
                for (int i = 1; i <= references.count(); ++i)
                    uses.insert(useKey(item, getWorkProductReferenceName(*references.at(i), 0),
                                       getWorkProductReferenceStateName(*references.at(i), 0, 0), in));
            }
        }
    }
    return m_workProductUses->count(useKey(activity, product, state, input)) != 0;
}
