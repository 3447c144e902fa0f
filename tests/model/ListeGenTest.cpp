#include "ListeGen.h"
#include "CStringListe.h"
#include "IterateurGen.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

// Elements are addresses of these ints; identity, never contents, counts.
int a = 1, b = 2, c = 3, absent = 4;

std::vector<int*> contents(ListeGen& list) {
    std::vector<int*> out;
    IterateurGen it(&list);
    while (!it.isAtEnd()) {
        out.push_back(static_cast<int*>(it.current()));
        it.next();
    }
    return out;
}

TEST(ListeGenTest, PositionsAreOneBasedWithZeroForNone) {
    ListeGen list;
    EXPECT_EQ(list.at(1), nullptr);
    EXPECT_EQ(list.removeLast(), nullptr);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.append(&a), 1);
    EXPECT_EQ(list.append(&b), 2);
    EXPECT_EQ(list.append(&a), 3);
    EXPECT_EQ(list.at(0), nullptr);
    EXPECT_EQ(list.at(1), &a);
    EXPECT_EQ(list.at(3), &a);
    EXPECT_EQ(list.at(4), nullptr);
    EXPECT_EQ(list.indexOf(&a), 1); // the first of two
    EXPECT_EQ(list.indexOf(&absent), 0);
    EXPECT_EQ(list.remove(&a), 1); // the first node only
    EXPECT_EQ(contents(list), (std::vector<int*>{&b, &a}));
    EXPECT_EQ(list.remove(&absent), 0);
    EXPECT_EQ(list.removeLast(), &a);
    list.removeAll();
    EXPECT_EQ(list.count(), 0);
}

TEST(ListeGenTest, InsertNextToAnExistingElement) {
    struct Case {
        const char* name;
        bool before;
        int* anchor;
        int result;
        std::vector<int*> after;
    } cases[] = {
        {"before first", true, &a, 1, {&c, &a, &b}},
        {"after last", false, &b, 1, {&a, &b, &c}},
        {"after first", false, &a, 1, {&a, &c, &b}},
        {"before absent", true, &absent, 0, {&a, &b}},
        {"after absent", false, &absent, 0, {&a, &b}},
    };
    for (const auto& k : cases) {
        ListeGen list;
        list.append(&a);
        list.append(&b);
        EXPECT_EQ(k.before ? list.insertBefore(&c, k.anchor) : list.insertAfter(&c, k.anchor), k.result) << k.name;
        EXPECT_EQ(contents(list), k.after) << k.name;
        EXPECT_EQ(list.count(), static_cast<int>(k.after.size())) << k.name;
        // The ends stay linked: walking backwards gives the reverse.
        IterateurGen it(&list);
        it.previous(); // off the front
        std::vector<int*> backwards;
        for (it.previous(); !it.isAtEnd(); it.previous())
            backwards.push_back(static_cast<int*>(it.current()));
        EXPECT_EQ(backwards, std::vector<int*>(k.after.rbegin(), k.after.rend())) << k.name;
    }
}

TEST(ListeGenTest, PositionsStayRightInAnyOrderAndAfterChanges) {
    int values[12];
    ListeGen list;
    for (int& value : values)
        list.append(&value);
    // Forwards, backwards and jumping about: at() remembers where it was.
    for (int n : {1, 2, 3, 12, 11, 6, 7, 5, 9, 1, 12})
        EXPECT_EQ(list.at(n), &values[n - 1]) << n;
    // A change moves the positions: what at() remembered no longer holds.
    EXPECT_EQ(list.at(8), &values[7]);
    list.remove(&values[2]);
    EXPECT_EQ(list.at(8), &values[8]);
    EXPECT_EQ(list.at(7), &values[7]);
    list.insertBefore(&values[2], &values[0]);
    EXPECT_EQ(list.at(8), &values[7]);
    EXPECT_EQ(list.at(1), &values[2]);
    list.removeLast();
    EXPECT_EQ(list.at(11), &values[10]);
    EXPECT_EQ(list.at(12), nullptr);
}

// The list against a plain vector through a long run of changes: positions,
// the first node of an element held several times, and seek must agree with
// a walk from the head at every step, for a short list (walked) and for long
// ones (answered from the index and the position order).
TEST(ListeGenTest, LongListsAgreeWithAWalkThroughEveryChange) {
    int pool[60];
    for (const int size : {6, 40, 400}) {
        std::mt19937 random(static_cast<unsigned>(size));
        auto anyElement = [&] { return &pool[random() % 60]; };
        ListeGen list;
        std::vector<int*> model;
        for (int i = 0; i < size; ++i) {
            int* e = anyElement(); // elements recur: each may sit in several nodes
            list.append(e);
            model.push_back(e);
        }
        auto firstOf = [&](int* e) { return std::find(model.begin(), model.end(), e); };
        for (int step = 0; step < 3000; ++step) {
            int* e = anyElement();
            int* anchor = anyElement();
            const auto where = firstOf(anchor);
            const bool present = where != model.end();
            switch (random() % 6) {
            case 0:
                EXPECT_EQ(list.append(e), static_cast<int>(model.size()) + 1);
                model.push_back(e);
                break;
            case 1:
                EXPECT_EQ(list.insertBefore(e, anchor), present ? 1 : 0);
                if (present)
                    model.insert(where, e);
                break;
            case 2:
                EXPECT_EQ(list.insertAfter(e, anchor), present ? 1 : 0);
                if (present)
                    model.insert(where + 1, e);
                break;
            case 3:
                EXPECT_EQ(list.remove(anchor), present ? 1 : 0);
                if (present)
                    model.erase(where);
                break;
            case 4:
                if (!model.empty()) {
                    EXPECT_EQ(list.removeLast(), model.back());
                    model.pop_back();
                }
                break;
            default:
                break; // a step of lookups only
            }
            ASSERT_EQ(list.count(), static_cast<int>(model.size())) << "size " << size << " step " << step;
            // Lookups in an order that is neither the list's nor its reverse.
            const int probe = static_cast<int>(random() % (model.size() + 2));
            EXPECT_EQ(list.at(probe),
                      probe >= 1 && probe <= static_cast<int>(model.size()) ? model[probe - 1] : nullptr)
                << "size " << size << " step " << step << " at " << probe;
            const auto first = firstOf(e);
            const int expected = first == model.end() ? 0 : static_cast<int>(first - model.begin()) + 1;
            EXPECT_EQ(list.indexOf(e), expected) << "size " << size << " step " << step;
            IterateurGen it(&list);
            it.seek(e);
            if (expected == 0) {
                EXPECT_EQ(it.isAtEnd(), 1);
            } else {
                // On the first node holding it: the walk goes on from there.
                EXPECT_EQ(it.current(), e);
                it.next();
                EXPECT_EQ(it.current(),
                          expected < static_cast<int>(model.size()) ? model[expected] : nullptr);
            }
        }
        EXPECT_EQ(contents(list), model) << "size " << size;
        list.removeAll();
        EXPECT_EQ(list.indexOf(&pool[0]), 0);
        EXPECT_EQ(list.at(1), nullptr);
    }
}

// Each list has its own nodes: an element's position in one list is not
// disturbed by what happens to it in another.
TEST(ListeGenTest, AnElementInTwoListsKeepsItsPlaceInEach) {
    int values[50];
    ListeGen first, second;
    for (int& value : values)
        first.append(&value);
    for (int i = 49; i >= 0; --i)
        second.append(&values[i]);
    EXPECT_EQ(first.indexOf(&values[10]), 11);
    EXPECT_EQ(second.indexOf(&values[10]), 40);
    EXPECT_EQ(first.remove(&values[10]), 1);
    EXPECT_EQ(first.indexOf(&values[10]), 0);
    EXPECT_EQ(first.indexOf(&values[11]), 11);
    EXPECT_EQ(second.indexOf(&values[10]), 40);
    EXPECT_EQ(second.insertBefore(&values[10], &values[49]), 1); // now also first in the second list
    EXPECT_EQ(second.indexOf(&values[10]), 1);
    EXPECT_EQ(second.indexOf(&values[9]), 42);
    EXPECT_EQ(second.at(41), &values[10]);    // its second node
    EXPECT_EQ(second.remove(&values[10]), 1); // the first node only
    EXPECT_EQ(second.indexOf(&values[10]), 40);
    EXPECT_EQ(first.at(11), &values[11]);
    EXPECT_EQ(first.count(), 49);
    EXPECT_EQ(second.count(), 50);
}

TEST(IterateurGenTest, EmptyListIsAtEndFromTheStart) {
    ListeGen list;
    IterateurGen it(&list);
    EXPECT_EQ(it.first(), 1);
    EXPECT_EQ(it.current(), nullptr);
    EXPECT_EQ(it.isAtEnd(), 1);
    EXPECT_EQ(it.next(), nullptr);
    EXPECT_EQ(it.isAtEnd(), 1);
}

TEST(IterateurGenTest, RunningOffAnEndWrapsAround) {
    ListeGen list;
    list.append(&a);
    list.append(&b);
    IterateurGen it(&list);
    EXPECT_EQ(it.current(), &a);
    EXPECT_NE(it.next(), nullptr);
    EXPECT_EQ(it.current(), &b);
    EXPECT_EQ(it.next(), nullptr);
    EXPECT_EQ(it.isAtEnd(), 1);
    EXPECT_EQ(it.current(), nullptr);
    it.next(); // from nowhere to the first element again
    EXPECT_EQ(it.isAtEnd(), 0);
    EXPECT_EQ(it.current(), &a);
    it.previous(); // off the front
    EXPECT_EQ(it.isAtEnd(), 1);
    it.previous(); // and on to the last
    EXPECT_EQ(it.current(), &b);
}

TEST(IterateurGenTest, MarksAndSeek) {
    ListeGen list;
    list.append(&a);
    list.append(&b);
    list.append(&c);
    IterateurGen it(&list);
    it.gotoMark(); // no mark set yet
    EXPECT_EQ(it.isAtEnd(), 1);
    it.first();
    it.next();
    it.setMark();
    it.next();
    it.setSecondMark();
    it.first();
    it.gotoMark();
    EXPECT_EQ(it.current(), &b);
    it.gotoSecondMark();
    EXPECT_EQ(it.current(), &c);
    it.seek(&a);
    EXPECT_EQ(it.current(), &a);
    it.seek(&absent);
    EXPECT_EQ(it.isAtEnd(), 1);
}

TEST(IterateurGenTest, TheElementJustTakenMayBeRemoved) {
    ListeGen list;
    for (int* e : {&a, &b, &c})
        list.append(e);
    IterateurGen it(&list);
    std::vector<int*> seen;
    while (!it.isAtEnd()) {
        int* e = static_cast<int*>(it.current());
        it.next();
        seen.push_back(e);
        list.remove(e);
    }
    EXPECT_EQ(seen, (std::vector<int*>{&a, &b, &c}));
    EXPECT_EQ(list.count(), 0);
}

TEST(CStringListeTest, DeleteAllFreesTheStrings) {
    CStringListe list;
    list.append(new CString("x"));
    list.append(new CString("y"));
    CStringIterateur* it = list.createIterator();
    EXPECT_EQ(*it->current(), "x");
    delete it;
    list.deleteAll(); // leak checkers see the strings freed
    EXPECT_EQ(list.count(), 0);
}

} // namespace
