#include "SubtreeQualityCriteria.h"

#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessItemExtension.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "TextOutStream.h"

#include <memory>

void writeSubtreeQualityCriteria(ProcessManager& manager, ProcessItem& item, int language, TextOutStream& out,
                                 const CString& topPicture) {
    std::unique_ptr<ProcessItemListe> criteria(manager.getSubtreeQualityCriteria(&item));
    if (criteria->count() > 0) {
        const CString label = manager.getLabel(language, "QualityCriteria");
        out << topOfPageHeading("proc", label, topPicture, false) << "<table width=\"100%\"><tr>"
            << "<td width=\"10%\" bgcolor=\"#E4E4E4\">" << manager.getLabel(language, "ID") << "</td>"
            << "<td width=\"60%\" bgcolor=\"#E4E4E4\">" << label << "</td>"
            << "<td width=\"30%\" bgcolor=\"#E4E4E4\">" << manager.getLabel(language, "Applicability")
            << "</td></tr>";
        for (int i = 1; i <= criteria->count(); ++i) {
            ProcessItem* criterion = criteria->at(i);
            ProcessItemExtension* extension = criterion->getExtension();
            out << "<tr>"
                << "<td width=\"10%\"><font size=\"1\">" << criterion->getNameByLanguage(language)
                << "</font></td>\n"
                << "<td width=\"60%\"><font size=\"1\">" << criterion->getDescription(language)
                << "</font></td>\n"
                << "<td width=\"30%\"><font size=\"1\">"
                << (extension ? extension->readTailoringGuideline(language, 1, 0) : CString())
                << "</font></td>\n"
                << "</tr>\n";
        }
        out << "</table>\n<br><br>\n\n";
    }
    criteria->removeAll();
}
