#pragma once

// Plays the user in the modal windows that the code under test opens: one
// step per window, in the order they open. A step gets the window as the
// class it expects and answers its return code; a window that no step
// expects fails the test and is cancelled.

#include "TolvaneDialog.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class ModalScript {
public:
    ModalScript() {
        TolvaneDialog::setModalRunner([this](wxDialog& window) {
            opened.push_back(window.GetTitle().utf8_string());
            if (m_steps.empty()) {
                ADD_FAILURE() << "unexpected window \"" << opened.back() << "\"";
                return static_cast<int>(wxID_CANCEL);
            }
            auto step = std::move(m_steps.front());
            m_steps.pop_front();
            return step(window);
        });
    }
    ~ModalScript() {
        TolvaneDialog::setModalRunner(nullptr);
        EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " expected window(s) never opened";
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    template <typename Window> ModalScript& then(std::function<int(Window&)> step) {
        m_steps.push_back([step = std::move(step)](wxDialog& window) {
            auto* expected = dynamic_cast<Window*>(&window);
            if (!expected) {
                ADD_FAILURE() << "the window \"" << window.GetTitle().utf8_string() << "\" opened instead";
                return static_cast<int>(wxID_CANCEL);
            }
            return step(*expected);
        });
        return *this;
    }

    // The titles of the windows opened so far.
    std::vector<std::string> opened;

private:
    std::deque<std::function<int(wxDialog&)>> m_steps;
};

// What a dialog that ran a handler answers its opener: the code it ended
// with, or Cancel when it stayed open (the user then gives up).
inline int answerOf(const TolvaneDialog& dialog) {
    return dialog.hasEnded() ? dialog.GetReturnCode() : static_cast<int>(wxID_CANCEL);
}
