#include "TooltipScript.h"

#include "TextOutStream.h"

void writeTooltipScript(TextOutStream& out, int) {
    out << "<div id=\"ZQtooltip\"></div>\n"
        << "<script language=\"JavaScript1.2\"  type=\"text/javascript\">\n"
        << "var toolTipDefaultOffsetX=-80;\n"
        << "var toolTipDefaultOffsetY_WTA=5;\n"
        << "var toolTipDefaultOffsetY=20;\n"
        << "var Text = new Array();\n"
        << "var ie=document.all;\n"
        << "var ns6=document.getElementById && !document.all;\n"
        << "var enabletip=false;\n"
        << "if (ie||ns6)\n"
        << "    var tooltipObj=document.all? document.all[\"ZQtooltip\"] : document.getElementById? "
           "document.getElementById(\"ZQtooltip\") : \"\" \n"
        << " document.onmousemove=moveToolTip\n"
        << "</script>\n";
}
