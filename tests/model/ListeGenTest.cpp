#include "CStringListe.h"
#include "IterateurGen.h"
#include "ListeGen.h"

#include <gtest/gtest.h>
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
