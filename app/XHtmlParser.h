#pragma once

// The small HTML that the mini-HTML static shows, read into a list of
// pieces of text and of tags. Tags are matched ignoring case, in the order
// of the table below; a matched tag runs up to and including its '>'. Text
// runs up to the next '<'; a '<' that starts no known tag is text of its
// own. Character entities are turned into placeholders first, so that an
// encoded '<' never starts a tag.
//
//   <B> <I> <U> <STRIKE> <BIG> <SMALL> <SUB> <SUP> and their closing tags,
//   <FONT COLOR="" BGCOLOR="" FACE="" SIZE=""> </FONT>, <CODE> </CODE>,
//   <A HREF=target> </A>, <HR SIZE=n>, <BR>.

#include "CString.h"

#include <vector>

struct XHtmlToken {
    enum Kind {
        Text,
        BoldOn,
        BoldOff,
        ItalicOn,
        ItalicOff,
        UnderlineOn,
        UnderlineOff,
        StrikeOn,
        StrikeOff,
        BigOn,
        BigOff,
        SmallOn,
        SmallOff,
        SubOn,
        SubOff,
        SupOn,
        SupOff,
        Font,
        FontEnd,
        CodeOn,
        CodeOff,
        Link,
        LinkEnd,
        Rule,
        LineBreak,
    };
    Kind kind = Text;
    // Text: the piece, with placeholders; Link: the target as written
    // (quotes included); Font: the face when hasFace.
    CString text;
    // Font attributes, each present only when the tag gave it.
    bool hasColor = false, hasBackground = false, hasFace = false, hasSize = false;
    CString color, background;
    int size = 0;
    // Rule: the thickness when the tag gave one (hasSize).
};

class XHtmlParser {
public:
    // The placeholder of an entity: 0x01 and a code from 2 on, in the
    // order of the entity table.
    static constexpr char kPlaceholder = '\x01';

    static std::vector<XHtmlToken> parse(const CString& text);
    // Every entity ("&amp;", "&lt;", ...: case matters) as its placeholder.
    static CString encodeEntities(const CString& text);
    // The character a placeholder code stands for (Windows-1252); a blank
    // for a code not in the table.
    static char entityCharacter(char code);
};
