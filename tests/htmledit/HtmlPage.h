#pragma once

// A page of a few elements for the page editor's document tests: the body
// is given as HTML, the selection by the mark the browser would set.

#include "HtmlTree.h"
#include "RecordingUserInterface.h"
#include "cHtmlDocument.h"

#include <gtest/gtest.h>
#include <string>

class HtmlPage {
public:
    static constexpr const char* kUrl = "file:///proj/site/Item/overview.htm";

    explicit HtmlPage(const std::string& body, const std::string& head = "") {
        document.attach("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html><head>" +
                            head + "</head><body>" + body + "</body></html>",
                        kUrl);
    }
    // The body's content as the document writes it.
    std::string body() const { return htmltree::innerHtml(find("body")); }
    std::string head() const { return htmltree::innerHtml(find("head")); }

    cHtmlDocument document;

private:
    const xmlNode* find(const char* name, const xmlNode* node = nullptr) const {
        for (const xmlNode* child =
                 (node ? node : reinterpret_cast<const xmlNode*>(document.getTree()))->children;
             child; child = child->next) {
            if (htmltree::hasName(child, name))
                return child;
            if (const xmlNode* found = find(name, child))
                return found;
        }
        return nullptr;
    }
};

// The mark of a selection, as an attribute to write into a test page.
inline std::string selected(const char* kind) {
    return std::string(" ") + cHtmlDocument::kSelectionMark + "=\"" + kind + "\"";
}

// The one message the user was shown, or none when text is empty.
inline void expectMessage(const RecordingUserInterface& ui, const CString& text, const char* caption,
                          UINT style, const char* context) {
    if (text.IsEmpty()) {
        EXPECT_TRUE(ui.messages.empty()) << context << ": " << ui.messages[0].text;
        return;
    }
    ASSERT_EQ(ui.messages.size(), 1u) << context;
    EXPECT_EQ(ui.messages[0].text, text) << context;
    EXPECT_EQ(ui.messages[0].caption, caption) << context;
    EXPECT_EQ(ui.messages[0].style, style) << context;
}
