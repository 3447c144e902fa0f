#include "MarkupRegions.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Tag names are ASCII letters; the text is lower-cased already.
bool isTagLetter(char c) {
    return c >= 'a' && c <= 'z';
}

// Long enough to tell "script" and "style" from every other name.
constexpr size_t kTagNameKept = 8;

} // namespace

void MarkupRegions::append(std::string_view lowerText) {
    for (const char c : lowerText)
        take(c);
}

bool MarkupRegions::isText(size_t index, size_t count) const {
    for (size_t i = index; i < index + count; ++i)
        if (i >= m_regions.size() || m_regions[i] != Region::Text)
            return false;
    return true;
}

void MarkupRegions::take(char c) {
    switch (m_state) {
    case State::TagStart:
        // A '<' opens a tag only before a letter, '/', '!' or '?'; else it is text.
        if (isTagLetter(c) || c == '/' || c == '!' || c == '?') {
            m_regions.back() = Region::Markup;
            m_regions.push_back(Region::Markup);
            m_tagName = c == '/' || c == '!' || c == '?' ? std::string() : std::string(1, c);
            m_closingTag = c == '/';
            m_state = c == '!' ? State::Bang : c == '?' ? State::Tag : State::TagName;
            return;
        }
        m_state = State::Text;
        take(c);
        return;
    case State::Text:
        // The '<' is text until the next character makes it a tag.
        m_regions.push_back(Region::Text);
        if (c == '<')
            m_state = State::TagStart;
        return;
    case State::TagName:
        m_regions.push_back(Region::Markup);
        if (isBlank(c) || c == '/')
            m_state = State::Tag;
        else if (c == '=')
            m_state = State::ValueStart;
        else if (c == '>')
            endTag();
        else if (m_tagName.size() < kTagNameKept)
            m_tagName += c;
        return;
    case State::Tag:
        m_regions.push_back(Region::Markup);
        if (c == '=')
            m_state = State::ValueStart;
        else if (c == '>')
            endTag();
        return;
    case State::ValueStart:
        if (isBlank(c)) {
            m_regions.push_back(Region::Markup);
        } else if (c == '"' || c == '\'') {
            m_regions.push_back(Region::Markup);
            m_quote = c;
            m_state = State::Quoted;
        } else {
            // An unquoted value runs on like the rest of the tag.
            m_state = State::Tag;
            take(c);
        }
        return;
    case State::Quoted:
        m_regions.push_back(Region::Markup);
        if (c == m_quote)
            m_state = State::Tag;
        return;
    case State::Bang:
    case State::BangDash:
        if (c == '-') {
            m_regions.push_back(Region::Markup);
            m_state = m_state == State::Bang ? State::BangDash : State::Comment;
            m_dashes = 0;
            return;
        }
        // "<!" not followed by "--": a declaration, read as a tag.
        m_state = State::Tag;
        take(c);
        return;
    case State::Comment:
        m_regions.push_back(Region::Markup);
        if (c == '>' && m_dashes >= 2)
            m_state = State::Text;
        m_dashes = c == '-' ? m_dashes + 1 : 0;
        return;
    case State::RawContent:
        m_regions.push_back(m_rawRegion);
        // "</script" closes the element only before a blank, '/' or '>', as
        // a browser reads it: "</scripts>" is still the script's content.
        if (m_rawMatched == m_rawEnd.size()) {
            if (isBlank(c) || c == '/' || c == '>') {
                m_state = c == '>' ? State::Text : State::RawEnd;
                return;
            }
            m_rawMatched = 0;
        }
        if (c == m_rawEnd[m_rawMatched])
            ++m_rawMatched;
        else
            m_rawMatched = c == '<' ? 1 : 0;
        return;
    case State::RawEnd:
        m_regions.push_back(m_rawRegion);
        if (c == '>')
            m_state = State::Text;
        return;
    }
}

// A script's content and its closing tag are the script; a style sheet's
// are markup. Every other tag is followed by text.
void MarkupRegions::endTag() {
    m_state = State::Text;
    if (m_closingTag)
        return;
    if (m_tagName == "script") {
        m_rawEnd = "</script";
        m_rawRegion = Region::Script;
    } else if (m_tagName == "style") {
        m_rawEnd = "</style";
        m_rawRegion = Region::Markup;
    } else {
        return;
    }
    m_rawMatched = 0;
    m_state = State::RawContent;
}
