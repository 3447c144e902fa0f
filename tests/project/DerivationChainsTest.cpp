#include "ItemActivity.h"
#include "ItemListePlus.h"
#include "ItemWorkProduct.h"
#include "ListTexts.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <pthread.h>
#include <string>
#include <vector>

namespace {

// The long chains are walked on a thread with a small stack of its own: a
// walk taking one call frame per link would need several times that stack
// for this many links, whatever the system's own stack limit is.
constexpr int kLongChain = 20000;
constexpr size_t kSmallStack = 256 * 1024;

void onSmallStack(const std::function<void()>& work) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, kSmallStack);
    pthread_t thread;
    const auto run = [](void* f) -> void* {
        (*static_cast<const std::function<void()>*>(f))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

// Items made in memory in a project without files, the links already
// refreshed, so that the walks alone are tested.
class DerivationChainsTest : public testing::Test {
protected:
    DerivationChainsTest() { m_manager.updateLinks(0, 0); }

    ProcessItem* add(const std::string& uid, int kind, int level = 0,
                     const std::string& url = "../site/Chain/overview.htm") {
        auto* item = static_cast<ProcessItem*>(
            m_manager.createItem(nullptr, uid.c_str(), url.c_str(), 0, "", "", level, 0, ""));
        item->setUid(uid.c_str());
        item->setClassKind(kind);
        m_manager.getItemList()->append(item);
        return item;
    }
    // An activity with one step, its uid, derived from the activity named.
    ItemActivity* addActivity(const std::string& uid, const std::string& base) {
        ItemActivity* activity = add(uid, 4)->getItemActivity();
        activity->addStep(uid.c_str());
        activity->setDerived(1);
        activity->setDerivedFrom(base.c_str());
        return activity;
    }
    // A work product derived from the ones named, with one criterion below
    // it named "q" + its uid.
    void addWorkProduct(const std::string& uid, const std::string& first, const std::string& second = "") {
        ItemWorkProduct* product = add(uid, 7)->getItemWorkProduct();
        product->m_derived = 1;
        product->setDerivedFrom(first.c_str());
        product->setDerivedFrom2(second.c_str());
        add("q" + uid, 23, 1);
    }
    std::vector<std::string> criteriaOf(const char* uid) {
        ProcessItemListe* criteria = m_manager.getQualityCriteria(m_manager.findItemByUid(uid));
        std::vector<std::string> names;
        for (int i = 1; i <= criteria->count(); ++i)
            names.push_back(criteria->at(i)->getName().str());
        delete criteria;
        return names;
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    ProcessManager m_manager{(m_dir / "site.tvx").c_str(), nullptr, 1, 0};
};

TEST_F(DerivationChainsTest, ActivitiesInACycleInheritEachActivityOnce) {
    ItemActivity* a = addActivity("A", "B");
    addActivity("B", "C");
    addActivity("C", "A");
    m_dir.write("site/Chain/ActivityDescription.txt", "d");
    EXPECT_EQ(texts(a->getSteps(1)), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(a->readDescription(0, 1, 0, 0), "d<br>\nd<br>\nd");
    EXPECT_EQ(a->readDescription(0, 0, 0, 1), "d\nd\nd");
    EXPECT_EQ(a->readDescription(0, 0, 0, 0), "d"); // plain: its own alone
}

TEST_F(DerivationChainsTest, ALongActivityChainIsFollowedToItsEnd) {
    ItemActivity* head = nullptr;
    for (int i = 0; i < kLongChain; ++i) {
        ItemActivity* activity = addActivity("A" + std::to_string(i), "A" + std::to_string(i + 1));
        head = head ? head : activity;
    }
    m_dir.write("site/Chain/ActivityDescription.txt", "d");
    CStringListePlus* steps = nullptr;
    CString description;
    onSmallStack([&] {
        steps = head->getSteps(1);
        description = head->readDescription(0, 0, 0, 1);
    });
    ASSERT_EQ(steps->count(), kLongChain);
    EXPECT_EQ(*steps->at(1), "A" + std::to_string(kLongChain - 1)); // the farthest base first
    EXPECT_EQ(*steps->at(kLongChain), "A0");
    std::string descriptions = "d";
    for (int i = 1; i < kLongChain; ++i)
        descriptions += "\nd";
    EXPECT_EQ(description, descriptions);
}

TEST_F(DerivationChainsTest, CriteriaOfDerivedWorkProductsComeDepthFirstEachOnce) {
    // A derives from B and C, which both derive from D.
    addWorkProduct("A", "B", "C");
    addWorkProduct("B", "D");
    addWorkProduct("C", "D");
    addWorkProduct("D", "");
    EXPECT_EQ(criteriaOf("A"), (std::vector<std::string>{"qD", "qB", "qC", "qA"}));
    // E and F derive from each other.
    addWorkProduct("E", "F");
    addWorkProduct("F", "E");
    EXPECT_EQ(criteriaOf("E"), (std::vector<std::string>{"qF", "qE"}));
    EXPECT_EQ(criteriaOf("F"), (std::vector<std::string>{"qE", "qF"}));
    // A source that names no item, or only itself, adds nothing.
    addWorkProduct("G", "nowhere", "G");
    EXPECT_EQ(criteriaOf("G"), std::vector<std::string>{"qG"});
}

TEST_F(DerivationChainsTest, CriteriaAreTheDirectChildrenOfEachWorkProductShortcutsTakenAsTheirTargets) {
    add("before", 23); // a criterion outside every work product
    ItemWorkProduct* base = add("B", 7)->getItemWorkProduct();
    base->m_derived = 0;
    add("qB", 23, 1);
    add("group", 0, 1);
    add("deep", 23, 2); // a grandchild: not the work product's own
    add("-> shared", 0, 1, "../site/Shared/overview.htm");
    add("shared", 23, 0, "../site/Shared/overview.htm");
    ItemWorkProduct* derived = add("A", 7)->getItemWorkProduct();
    derived->m_derived = 1;
    derived->setDerivedFrom("B");
    add("qA", 23, 1);
    add("after", 0);
    add("qAfter", 23, 1); // below the next top item
    EXPECT_EQ(criteriaOf("A"), (std::vector<std::string>{"qB", "shared", "qA"}));
    EXPECT_EQ(criteriaOf("B"), (std::vector<std::string>{"qB", "shared"}));
}

TEST_F(DerivationChainsTest, ALongWorkProductChainIsFollowedToItsEnd) {
    for (int i = 0; i < kLongChain; ++i) {
        ItemWorkProduct* product = add("W" + std::to_string(i), 7)->getItemWorkProduct();
        product->m_derived = 1;
        product->setDerivedFrom(("W" + std::to_string(i + 1)).c_str());
        product->setDerivedFrom2(("W" + std::to_string(i == 0 ? kLongChain - 1 : i - 1)).c_str());
    }
    add("first", 23, 1); // below the last work product of the chain
    std::vector<std::string> criteria;
    onSmallStack([&] { criteria = criteriaOf("W0"); });
    EXPECT_EQ(criteria, std::vector<std::string>{"first"});
}

} // namespace
