// The one-page document of a plain site: every item of the tree but the
// first as a heading at its depth, followed by the body of its page, for a
// word processor to open and print.

#include "FileSystem.h"
#include "HtmlText.h"
#include "ItemListePlus.h"
#include "PageText.h"
#include "Project.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <memory>
#include <vector>

void Project::exportOnePageProcess(int language) {
    const char* fileName = language == 0 ? "/process.htm" : "/processL2.htm";
    const CString path = m_projectFolder + "tmp" + fileName;
    try {
        TextOutStream out(path);
        // The document's head comes from the site template, each of its
        // lines whole; without it, a head of its own.
        std::vector<CString> head;
        if (readPageTextLines(m_projectFolder + "tolvane" + "/Templates/Word/WordHeader.htm", head)) {
            for (const CString& line : head)
                out << line << "\n";
        } else {
            out << "<html><head><title>Site</title>\n"
                << "</head>\n\n";
        }
        out << "<body>\n";
        const std::unique_ptr<ItemIterateur> it(getItemIterator());
        // The first item, the top of the tree, is left out.
        if (!it->isAtEnd())
            it->next();
        for (; !it->isAtEnd(); it->next()) {
            Item* item = it->current();
            CString depth;
            depth.Format("%d", item->getLevel() + 1);
            out << "<H" << depth << ">" << item->getNameByLanguage(language) << "</H" << depth << ">\n";
            extractPageSections(getItemPagePath(item, language), out, item, language);
        }
        out << "</body>\n"
            << "</html>\n";
        // A document that could not be written is told as such, never as generated.
        if (!out.is_open() || !out.close()) {
            ui::AfxMessageBox("File " + platform::shownPath(path) + " writing error");
            return;
        }
        CString message;
        message.Format(loadString(32985), (CString("<site root>") + "tmp" + fileName).GetString());
        ui::AfxMessageBox(message);
    } catch (...) {
        reportUnknownFailure("Project::exportOnePageProcess");
    }
}
