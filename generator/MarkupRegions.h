#pragma once

// Which part of an HTML text each character belongs to, as far as glossary
// terms are concerned: the text a reader sees, markup (tags with their
// attribute values, comments, style sheets) or a script. The text is fed in
// pieces as a description is converted; a character keeps the region it was
// given, whatever comes after it, because a tag, comment or script that is
// not closed runs to the end of what has been fed so far. Only a '<' that
// ends the text waits for the next character to tell whether it opens a tag.

#include <string>
#include <string_view>
#include <vector>

class MarkupRegions {
public:
    enum class Region : unsigned char { Text, Markup, Script };

    // Classifies lower-cased text appended to what was fed before.
    void append(std::string_view lowerText);
    Region at(size_t index) const { return m_regions[index]; }
    size_t size() const { return m_regions.size(); }
    // True when the characters from index, count of them, are all text.
    bool isText(size_t index, size_t count) const;

private:
    enum class State {
        Text,
        TagStart,   // after '<'
        TagName,    // the name of a tag
        Tag,        // attributes, up to '>'
        ValueStart, // after '=' in a tag
        Quoted,     // an attribute value in quotes
        Bang,       // after "<!"
        BangDash,   // after "<!-"
        Comment,    // after "<!--", up to "-->"
        RawContent, // the content of a script or style element
        RawEnd,     // its closing tag, up to '>'
    };
    void take(char c);
    void endTag();

    std::vector<Region> m_regions;
    State m_state = State::Text;
    std::string m_tagName;
    bool m_closingTag = false;
    char m_quote = 0;
    int m_dashes = 0;
    // The closing tag that ends the raw element, the part of it matched so
    // far, and the region of the element's content.
    std::string_view m_rawEnd;
    size_t m_rawMatched = 0;
    Region m_rawRegion = Region::Markup;
};
