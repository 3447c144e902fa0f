#include "TooltipEntry.h"

#include "DescriptionReference.h"
#include "Project.h"

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
