#include "TempDir.h"
#include "TextInStream.h"
#include "TextOutStream.h"

#include <csignal>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct LineCase {
    const char* name;
    std::string bytes;
    int limit;
    std::vector<std::string> lines;
};

const LineCase kLineCases[] = {
    {"crlf", "one\r\ntwo\r\n", 1000, {"one", "two"}},
    {"lf", "one\ntwo\n", 1000, {"one", "two"}},
    {"last line without end", "one\r\ntwo", 1000, {"one", "two"}},
    {"empty lines kept", "\r\n\r\nx\r\n", 1000, {"", "", "x"}},
    {"lone cr stays", "a\rb\r\n", 1000, {"a\rb"}},
    {"cr of a doubled end stays", "a\r\r\n", 1000, {"a\r"}},
    {"over the limit in pieces", "abcdefgh\r\nxy\r\n", 4, {"abc", "def", "gh", "xy"}},
    {"exactly the limit", "abc\r\nd\r\n", 4, {"abc", "d"}},
    {"empty file", "", 1000, {}},
};

TEST(TextInStreamTest, ReadsLinesInTextMode) {
    TempDir dir;
    for (const auto& c : kLineCases) {
        dir.write("f.txt", c.bytes);
        TextInStream in((dir / "f.txt").c_str());
        ASSERT_TRUE(in.is_open()) << c.name;
        std::vector<std::string> lines;
        CString line;
        while (in.getline(line, c.limit))
            lines.push_back(line.str());
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

TEST(TextInStreamTest, MissingFileDoesNotOpen) {
    TempDir dir;
    TextInStream in((dir / "none.txt").c_str());
    EXPECT_FALSE(in.is_open());
    CString line;
    EXPECT_FALSE(in.getline(line, 100));
}

TEST(TextOutStreamTest, WritesCrLfInTextModeAndBytesInBinaryMode) {
    TempDir dir;
    {
        TextOutStream out((dir / "t.txt").c_str());
        out << "a\n" << CString("b") << '\n' << 42 << "\n" << 0.5;
    }
    EXPECT_EQ(dir.read("t.txt"), "a\r\nb\r\n42\r\n0.5");
    {
        TextOutStream out((dir / "b.bin").c_str(), TextOutStream::Mode::Replace, true);
        out << "a\nb";
        EXPECT_TRUE(out.close());
    }
    EXPECT_EQ(dir.read("b.bin"), "a\nb");
}

TEST(TextOutStreamTest, AppendsToTheEnd) {
    TempDir dir;
    dir.write("log.txt", "old\r\n");
    {
        TextOutStream out((dir / "log.txt").c_str(), TextOutStream::Mode::Append);
        out << "new\n";
    }
    EXPECT_EQ(dir.read("log.txt"), "old\r\nnew\r\n");
}

TEST(TextOutStreamTest, ReplacesTheFileOnlyWhenClosed) {
    TempDir dir;
    dir.write("page.htm", "old page");
    TextOutStream out((dir / "page.htm").c_str());
    out << std::string(200000, 'x'); // more than one buffer's worth reaches the disk
    EXPECT_EQ(dir.read("page.htm"), "old page");
    EXPECT_TRUE(out.close());
    EXPECT_EQ(dir.read("page.htm").size(), 200000u);
}

TEST(TextOutStreamTest, AnExceptionDropsTheHalfWrittenFile) {
    TempDir dir;
    dir.write("page.htm", "old page");
    try {
        TextOutStream out((dir / "page.htm").c_str());
        out << "new head\n";
        throw std::runtime_error("failure while writing");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(dir.read("page.htm"), "old page");
    TextOutStream discarded((dir / "page.htm").c_str());
    discarded << "abandoned";
    discarded.discard();
    EXPECT_EQ(dir.read("page.htm"), "old page");
}

TEST(TextOutStreamTest, AKilledWriterLeavesTheOldFileWhole) {
    TempDir dir;
    dir.write("MenuTreeV2.dat", "the whole old tree\r\n");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TextOutStream out((dir / "MenuTreeV2.dat").c_str());
        out << std::string(300000, 'n'); // written to disk, not yet in place
        const char go = 'w';
        (void)!write(ready[1], &go, 1);
        pause(); // killed here, before the stream closes
        _exit(0);
    }
    char go;
    ASSERT_EQ(read(ready[0], &go, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    EXPECT_EQ(dir.read("MenuTreeV2.dat"), "the whole old tree\r\n");
}

// The child holds the lock file open with write sharing denied until told to stop.
pid_t holdLockInChild(const std::string& path, int toParent[2], int fromParent[2]) {
    const pid_t child = fork();
    if (child == 0) {
        TextOutStream lock(path.c_str(), TextOutStream::Mode::InPlace, false, TextOutStream::Share::DenyWrite);
        const char state = lock.is_open() ? 'y' : 'n';
        (void)!write(toParent[1], &state, 1);
        char stop;
        (void)!read(fromParent[0], &stop, 1);
        _exit(0);
    }
    return child;
}

TEST(TextOutStreamTest, SharingLockRefusesASecondWriterInAnotherProcess) {
    TempDir dir;
    const std::string lockFile = dir / "lock.data";
    dir.write("lock.data", "stale content");
    int toParent[2], fromParent[2];
    ASSERT_EQ(pipe(toParent), 0);
    ASSERT_EQ(pipe(fromParent), 0);
    const pid_t child = holdLockInChild(lockFile, toParent, fromParent);
    ASSERT_GE(child, 0);
    char state;
    ASSERT_EQ(read(toParent[0], &state, 1), 1);
    ASSERT_EQ(state, 'y');
    EXPECT_EQ(dir.read("lock.data"), ""); // emptied when opened

    TextOutStream second(lockFile.c_str(), TextOutStream::Mode::InPlace, false, TextOutStream::Share::DenyWrite);
    EXPECT_FALSE(second.is_open());
    TextOutStream plainWriter(lockFile.c_str(), TextOutStream::Mode::Append);
    EXPECT_FALSE(plainWriter.is_open());
    TextInStream reader(lockFile.c_str()); // readers are let in
    EXPECT_TRUE(reader.is_open());

    const char stop = 's';
    ASSERT_EQ(write(fromParent[1], &stop, 1), 1);
    waitpid(child, nullptr, 0);
    TextOutStream afterwards(lockFile.c_str(), TextOutStream::Mode::InPlace, false,
                             TextOutStream::Share::DenyWrite);
    EXPECT_TRUE(afterwards.is_open());
    for (int fd : {toParent[0], toParent[1], fromParent[0], fromParent[1]})
        close(fd);
}

TEST(TextOutStreamTest, SharingLockRefusesASecondHandleInTheSameProcess) {
    TempDir dir;
    TextOutStream first((dir / "lock.data").c_str(), TextOutStream::Mode::InPlace, false,
                        TextOutStream::Share::DenyWrite);
    ASSERT_TRUE(first.is_open());
    TextOutStream second((dir / "lock.data").c_str(), TextOutStream::Mode::InPlace, false,
                         TextOutStream::Share::DenyWrite);
    EXPECT_FALSE(second.is_open());
    first.close();
    EXPECT_TRUE(second.open((dir / "lock.data").c_str(), TextOutStream::Mode::InPlace, false,
                            TextOutStream::Share::DenyWrite));
}

TEST(TextOutStreamTest, OpeningInAMissingFolderFails) {
    TempDir dir;
    TextOutStream out((dir / "missing/file.txt").c_str());
    EXPECT_FALSE(out.is_open());
    out << "ignored";
    EXPECT_FALSE(out.good());
}

// A stream that never opened has written nothing, and its close says so,
// however often it is asked; an opening that succeeds starts afresh.
TEST(TextOutStreamTest, AStreamThatNeverOpenedClosesWithAFailure) {
    TempDir dir;
    for (TextOutStream::Mode mode :
         {TextOutStream::Mode::Replace, TextOutStream::Mode::Append, TextOutStream::Mode::InPlace}) {
        TextOutStream out((dir / "missing/file.txt").c_str(), mode);
        out << "lost";
        EXPECT_FALSE(out.close());
        EXPECT_FALSE(out.close());
        EXPECT_FALSE(dir.exists("missing/file.txt"));
        ASSERT_TRUE(out.open((dir / "file.txt").c_str(), mode));
        out << "kept";
        EXPECT_TRUE(out.close());
        EXPECT_TRUE(out.close());
    }
    EXPECT_EQ(dir.read("file.txt").substr(0, 4), "kept");

    TextOutStream unnamed;
    EXPECT_FALSE(unnamed.open(""));
    EXPECT_FALSE(unnamed.close());

    // Abandoned: nothing reached the file.
    TextOutStream dropped((dir / "dropped.txt").c_str());
    dropped << "x";
    dropped.discard();
    EXPECT_FALSE(dropped.close());
    EXPECT_FALSE(dir.exists("dropped.txt"));
}

} // namespace
