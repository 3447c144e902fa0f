#include "TooltipEntry.h"

#include "Item.h"
#include "Project.h"

CString referencesToNames(const Project& project, const CString& text, int language) {
    CString result = text;
    for (int at = result.Find("[@"); at >= 0; at = result.Find("[@", at)) {
        result.Delete(at, 2);
        const int close = result.Find(']', at);
        if (close < 0)
            continue;
        const Item* item = project.findItemByUid(result.Mid(at, close - at));
        const CString name = item ? item->getNameByLanguage(language) : CString();
        result = result.Left(at) + name + result.Mid(close + 1);
        // A name that holds "[@" itself is text, not another reference.
        at += name.GetLength();
    }
    return result;
}

CString toScriptString(const Project& project, const CString& text, int language) {
    return escapeScriptString(referencesToNames(project, text, language));
}

CString escapeScriptString(const CString& text) {
    CString result = text;
    result.Replace("\\", "\\\\");
    result.Replace("\r", "");
    result.Replace("\"", "&#147");
    result.Replace("</", "<\\/");
    return result;
}

CString takeTooltipNumber(int* tooltipCounter) {
    CString number;
    number.Format("%d", (*tooltipCounter)++);
    return number;
}

CString tooltipSpanOpening(const CString& number) {
    return "<span class=\"ToolTip\" " + Project::getTooltipAttributes(number) + ">";
}

CString tooltipEntry(const CString& number, const CString& title, const CString& content) {
    return "\n<script language=\"JavaScript1.2\"  type=\"text/javascript\">\nText[" + number + "]=[\"" +
           title + "\",\"" + content + "\"]\n</script>\n";
}
