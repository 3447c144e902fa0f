#include "HtmlText.h"

CString textToHtml(const CString& text, int escapeMode) {
    CString out = text;
    if (escapeMode) {
        for (const char* tag : {"<b>", "</b>", "<B>", "</B>"})
            out.Replace(tag, "");
        out.Replace("\x92", "&rsquo;");
        out.Replace("`", "&lsquo;");
        out.Replace('"', '\'');
    } else {
        out.Replace("&", "&amp;");
        out.Replace("\"", "&quot;");
    }
    return out;
}

CString escapeHtml(const CString& text) {
    CString out = text;
    out.Replace("&", "&amp;");
    out.Replace("<", "&lt;");
    out.Replace(">", "&gt;");
    return out;
}
