#pragma once

// A user interface for tests: keeps every message and progress call, and
// answers message boxes from a queue (the default button once it is empty).
// It installs itself for its lifetime.

#include "UserInterface.h"

#include <deque>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class RecordingUserInterface : public UserInterface {
public:
    struct Message {
        CString text;
        CString caption;
        UINT style = 0;
    };

    RecordingUserInterface() { ui::install(this); }
    ~RecordingUserInterface() override { ui::install(nullptr); }

    int messageBox(const CString& text, const CString& caption, UINT style) override {
        messages.push_back({text, caption, style});
        if (answers.empty())
            return defaultAnswer(style);
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beginWaitCursor() override { ++waitCursorDepth, ++waitCursorCount; }
    void endWaitCursor() override { --waitCursorDepth; }
    void setProgressRange(int lower, int upper) override { progressRanges.emplace_back(lower, upper); }
    void setProgressPos(int position) override { progressPositions.push_back(position); }
    // Messages of other threads are kept apart, under a lock.
    void postMessageBox(const CString& text, const CString& caption, UINT style) override {
        const std::lock_guard<std::mutex> lock(m_postedLock);
        m_posted.push_back({text, caption, style});
    }
    // The texts of the messages shown since the last call, which are then forgotten.
    std::vector<std::string> takeMessageTexts() {
        std::vector<std::string> texts;
        for (const Message& message : messages)
            texts.push_back(message.text.str());
        messages.clear();
        return texts;
    }
    std::vector<Message> postedMessages() const {
        const std::lock_guard<std::mutex> lock(m_postedLock);
        return m_posted;
    }

    std::vector<Message> messages;
    std::deque<int> answers;
    int waitCursorDepth = 0;
    int waitCursorCount = 0;
    std::vector<std::pair<int, int>> progressRanges;
    std::vector<int> progressPositions;

private:
    mutable std::mutex m_postedLock;
    std::vector<Message> m_posted;
};
