// Files read ahead by other threads in a read pass are what the reader
// would have read itself: in their exact case, in another case, missing,
// and as the reader itself rewrote them meanwhile.

#include "ReadAhead.h"
#include "FileSystem.h"
#include "FolderListingCache.h"
#include "PrivateProfile.h"
#include "TempDir.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::vector<std::string> kDescriptions{"Description.txt"};

// Items whose profile files tell a description file: a third have it as
// named, a third in another case, a third none at all.
struct Items {
    static constexpr int kCount = 240;
    TempDir dir;

    Items() {
        for (int n = 0; n < kCount; ++n) {
            const std::string item = "Item" + std::to_string(n) + "/";
            dir.write(item + "process.data", "[S]\r\nk=" + std::to_string(n) + "\r\n");
            if (n % 3 == 1)
                dir.write(item + "Description.txt", "d" + std::to_string(n));
            else if (n % 3 == 2)
                dir.write(item + "description.TXT", "d" + std::to_string(n));
        }
    }
    std::string folder(int n) const { return dir / ("Item" + std::to_string(n) + "/"); }
    std::string profile(int n) const { return folder(n) + "process.data"; }
    std::string description(int n) const { return folder(n) + "Description.txt"; }
    std::vector<ReadAhead::Files> files() const {
        std::vector<ReadAhead::Files> files;
        for (int n = 0; n < kCount; ++n)
            files.push_back({profile(n), folder(n)});
        return files;
    }
    static ReadAhead::OtherFiles others() {
        return [](const ProfileFile* profile) { return profile ? &kDescriptions : nullptr; };
    }
};

// The value as the program's own reader finds it, which takes the parsed
// file read ahead of the item it has come to.
std::string parsedValue(const std::string& profile) {
    const auto file = platform::readProfile(profile.c_str());
    const auto found = file ? file->get("S", "k") : std::nullopt;
    return found.value_or("");
}

std::string value(const std::string& profile) {
    char buffer[64];
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, profile.c_str());
    return buffer;
}

struct Read {
    std::string parsed;
    std::string value;
    bool hasDescription = false;
    std::string description;
};

// What the reader reads of item n, told ahead where it has come to: its
// profile file parsed, as an item loads it, then one value through the
// profile calls, and its description.
Read readItem(const Items& items, ReadAhead& ahead, int n) {
    ahead.reached(static_cast<size_t>(n));
    Read read;
    const auto profile = platform::readProfile(items.profile(n).c_str());
    read.parsed = profile ? profile->get("S", "k").value_or("(no key)") : "(no file)";
    read.value = value(items.profile(n));
    read.hasDescription = platform::readFileBytes(items.description(n).c_str(), read.description);
    return read;
}

void expectAsWritten(const Read& read, int n, const std::string& value, const std::string& description,
                     const char* when) {
    EXPECT_EQ(read.parsed, value) << n << " " << when;
    EXPECT_EQ(read.value, value) << n << " " << when;
    EXPECT_EQ(read.hasDescription, n % 3 != 0) << n << " " << when;
    EXPECT_EQ(read.description, n % 3 == 0 ? "" : description) << n << " " << when;
}

TEST(ReadAheadTest, TheReaderFindsWhatItWouldHaveReadItself) {
    for (const bool inPass : {false, true}) {
        platform::clearProfileCache();
        FolderListingCache::instance().clear();
        Items items;
        std::optional<ReadPass> pass;
        if (inPass)
            pass.emplace();
        ReadAhead ahead(items.files(), Items::others());
        if (!inPass) {
            EXPECT_EQ(ahead.threadCount(), 0u);
        }
        for (int n = 0; n < Items::kCount; ++n)
            expectAsWritten(readItem(items, ahead, n), n, std::to_string(n), "d" + std::to_string(n),
                            inPass ? "in pass" : "outside");
    }
}

// The reader rewrites the later items' files while threads read ahead,
// which may have read them before: it finds them as it wrote them.
TEST(ReadAheadTest, WhatTheReaderChangesMeanwhileIsReadAsChanged) {
    platform::clearProfileCache();
    FolderListingCache::instance().clear();
    Items items;
    ReadPass pass;
    ReadAhead ahead(items.files(), Items::others());
    constexpr int kHalf = Items::kCount / 2;
    for (int n = 0; n < kHalf; ++n)
        expectAsWritten(readItem(items, ahead, n), n, std::to_string(n), "d" + std::to_string(n), "before");
    for (int n = kHalf; n < Items::kCount; ++n) {
        ASSERT_TRUE(platform::writeFileReplacing(items.profile(n).c_str(),
                                                 "[S]\r\nk=new" + std::to_string(n) + "\r\n"));
        if (n % 3 == 1) {
            ASSERT_TRUE(platform::writeFileReplacing(items.description(n).c_str(), "new"));
        } else if (n % 3 == 2) {
            ASSERT_TRUE(platform::writeFileReplacing((items.folder(n) + "description.TXT").c_str(), "new"));
        }
    }
    for (int n = kHalf; n < Items::kCount; ++n)
        expectAsWritten(readItem(items, ahead, n), n, "new" + std::to_string(n), "new", "after");
}

// The program changes what it knows of the profile files while threads
// reading ahead wait for the profile cache, that another thread holds: it
// forgets every file parsed (as it does once other programs may have
// changed them), or rewrites the file of the item after those the threads
// wait on. The reader then finds the files as they are on disk, never as
// they were parsed before.
TEST(ReadAheadTest, ProfilesChangedMeanwhileAreParsedAgain) {
    if (std::thread::hardware_concurrency() < 2)
        GTEST_SKIP() << "no thread reads ahead on one processor";
    const auto changed = [](int n) { return "[S]\r\nk=other" + std::to_string(n) + "\r\n"; };
    for (const bool forgotten : {true, false}) {
        for (int round = 0; round < 10; ++round) {
            platform::clearProfileCache();
            FolderListingCache::instance().clear();
            Items items;
            ReadPass pass;
            for (int n = 0; n < Items::kCount; ++n)
                ASSERT_EQ(parsedValue(items.profile(n)), std::to_string(n));
            // Changed behind the program's back: the pass holds them as parsed.
            for (int n = 0; forgotten && n < Items::kCount; ++n)
                items.dir.write("Item" + std::to_string(n) + "/process.data", changed(n));
            std::atomic<int> stage{0};
            std::thread holder([&] {
                platform::updateProfile((items.dir / "held.data").c_str(), [&](ProfileFile&) {
                    stage = 1;
                    while (stage != 2)
                        std::this_thread::yield();
                    // Held a moment longer, so that the change waits for it too.
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                    return false;
                });
            });
            while (stage != 1)
                std::this_thread::yield();
            ReadAhead ahead(items.files(), {});
            // Each thread waits on one item; the next one is read as the change is made.
            const int first = forgotten ? 0 : static_cast<int>(ahead.threadCount());
            stage = 2;
            if (forgotten)
                platform::clearProfileCache();
            else
                EXPECT_TRUE(platform::writeFileReplacing(items.profile(first).c_str(), changed(first)));
            holder.join();
            for (int n = 0; n < Items::kCount; ++n) {
                ahead.reached(static_cast<size_t>(n));
                ASSERT_EQ(parsedValue(items.profile(n)),
                          forgotten || n == first ? "other" + std::to_string(n) : std::to_string(n))
                    << (forgotten ? "forgotten" : "rewritten") << ", round " << round;
            }
        }
    }
}

} // namespace
