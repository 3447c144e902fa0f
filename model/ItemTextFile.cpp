#include "ItemTextFile.h"

#include "HtmlText.h"
#include "TextInStream.h"

#include <vector>

bool ItemTextFile::read(const CString& path, Join join, int noCarriageReturn, int convertMode,
                        CString& text) {
    text.Empty();
    std::vector<CString> lines;
    if (!TextInStream::readLinesUntilEof(path, lines))
        return false;
    for (const CString& line : lines) {
        if (!text.IsEmpty()) {
            const bool endsWithCr = text[text.GetLength() - 1] == '\r';
            switch (join) {
            case Join::Html:
                if (endsWithCr)
                    text.Delete(text.GetLength() - 1);
                text += "<br>\n";
                break;
            case Join::HtmlKeepCr:
                text += "<br>\n";
                break;
            case Join::Escaped:
                text += "\n";
                break;
            case Join::Plain:
                if (!endsWithCr && !noCarriageReturn)
                    text += "\r";
                text += "\n";
                break;
            }
        }
        text += convertMode >= 0 ? textToHtml(line, convertMode) : line;
    }
    return true;
}

bool ItemTextFile::holds(const CString& path, const CString& text) {
    CString current;
    return read(path, Join::Plain, 0, -1, current) && current == text;
}
