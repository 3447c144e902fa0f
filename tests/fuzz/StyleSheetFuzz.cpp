// The text of a page's style sheet as the page editor reads and writes it:
// written without an edit it is the same text; a value read and set again
// changes nothing; a new value for one rule rewrites that rule only, reads
// back as set, and leaves UTF-8 valid.

#include "CssText.h"
#include "Encoding.h"
#include "FuzzProperty.h"
#include "HtmlTree.h"
#include "RecordingUserInterface.h"
#include "cHtmlDocument.h"
#include "cHtmlStyle.h"
#include "cHtmlStyleSheet.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RecordingUserInterface ui;
    const std::string text(fuzzBytes(data, size));
    const std::vector<css::Rule> rules = css::parseSheet(text);
    fuzzRequire(css::writeSheet(rules) == text, "a sheet written without an edit is the text read");

    // The sheet as the STYLE element of a page, which holds UTF-8 and no NUL.
    if (text.find('\0') != std::string::npos || !encoding::isValidUtf8(text))
        return 0;
    cHtmlDocument document;
    fuzzRequire(
        document.attach("<html><head><style></style></head><body></body></html>", "file:///p/page.htm"),
        "the page of the sheet can be read");
    cHtmlStyleSheet sheet = document.findStyleSheet();
    fuzzRequire(sheet.isValid(), "the page has its sheet");
    xmlNode* style = sheet.getElement().getNode();
    htmltree::setText(style, text);

    // Every property of the first rules, read and set to what it is.
    constexpr size_t kRules = 16;
    for (size_t r = 0; r < rules.size() && r < kRules; ++r) {
        // The first rule of a selector is the one its style stands for.
        bool first = rules[r].raw.empty() && !rules[r].selector.empty();
        for (size_t before = 0; before < r && first; ++before)
            first = !css::hasSelector(rules[before], rules[r].selector);
        if (!first)
            continue;
        const CString selector(encoding::utf8ToCp1252(rules[r].selector));
        cHtmlStyle rule = sheet.getRuleStyle(selector);
        if (!rule.isValid())
            continue;
        for (int property = 0; property < 10; ++property) {
            const CString value = rule.getProperty(property);
            const std::string wanted =
                css::getValue(rules[r].declarations, cHtmlStyle::propertyName(property));
            // A value beyond Windows-1252 is not one the program can hold.
            if (encoding::cp1252ToUtf8(value.str()) != wanted && !wanted.empty())
                continue;
            rule.setProperty(property, value);
            fuzzRequire(htmltree::textOf(style) == text,
                        "a value set to what it is leaves the sheet as it was", htmltree::textOf(style));
        }
    }

    // A new value for the first rule.
    for (const css::Rule& rule : rules) {
        if (!rule.raw.empty() || rule.selector.empty())
            continue;
        const CString selector(encoding::utf8ToCp1252(rule.selector));
        if (encoding::cp1252ToUtf8(selector.str()) != rule.selector)
            break;
        fuzzRequire(sheet.setRule(selector, 5, "13px") == 1, "a rule's value can be set");
        fuzzRequire(sheet.getRuleStyle(selector).getProperty(5) == "13px", "a value set reads back",
                    htmltree::textOf(style));
        const std::string edited = htmltree::textOf(style);
        fuzzRequire(encoding::isValidUtf8(edited), "an edit keeps UTF-8 valid", edited);
        fuzzRequire(css::writeSheet(css::parseSheet(edited)) == edited,
                    "an edited sheet reads back as written", edited);
        break;
    }
    return 0;
}
