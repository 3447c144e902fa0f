#include "ProcessAssetLibraryPage.h"

#include "CStringListe.h"
#include "DiskLinks.h"
#include "ItemWorkProduct.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"
#include "TwoStringListe.h"

namespace {

const char* const kPageName = "overview.htm";

} // namespace

void ProcessAssetLibraryPage::writeGrid(TextOutStream& out, DiskLinks& links, TwoStringListe& subfolders,
                                        CStringListe& files, const CString& stylePrefix, const CString& icon,
                                        const CString& hrefPrefix, const CString& folder,
                                        const CString& title, ProcessManager& manager, int language) {
    int i = 0;
    auto cell = [&](const CString& picture, const CString& href, const char* target, const CString& name) {
        if (i % 3 == 0)
            out << "<tr>\n";
        out << "<td width=\"33%\"><center><img alt=\"\" border=\"0\" src=\"" << links.get(picture)
            << "\"><br>"
            << "<a href=\"" << links.get(href) << "\" " << target << ">" << name
            << "</a></center><br></td>\n";
        if (i % 3 == 2)
            out << "</tr>\n";
        ++i;
    };
    for (int n = 1; n <= subfolders.count(); ++n) {
        const TwoStringElement& record = *subfolders.at(n);
        // A real subfolder has a page of its own; a record of a state or
        // element leads to that item's library.
        if (record.getNumber() == 1)
            writeFolderPage(manager, folder + record.getSecond(), title + "/" + record.getFirst(),
                            stylePrefix + "../", "../" + icon, language);
        cell(stylePrefix + "images/dir.gif", hrefPrefix + record.getSecond() + kPageName, "",
             record.getFirst());
    }
    for (int f = 1; f <= files.count(); ++f)
        cell(icon, hrefPrefix + *files.at(f), " target=\"_blank\" ", *files.at(f));
    if (i % 3 != 0) {
        for (int rest = 3 - i % 3; rest > 0; --rest)
            out << "<td width=\"33%\"></td>\n";
        out << "</tr>\n";
    }
}

void ProcessAssetLibraryPage::writeLibraryPage(ProcessManager& manager, ProcessItem& product, int language) {
    ItemWorkProduct& library = *product.getItemWorkProduct();
    const CString title = manager.getLabel(language, "ProcessAssetLibrary") + " " + product.getName();
    const CString folder = manager.getPathInSite(product.getFolder(1, 0) + "ar/");
    const CString up = upPrefix(product.getLevel() + 3);
    const CString icon = up + library.getImagePath();
    DiskLinks links(folder);
    TextOutStream out(folder + (language == 0 ? "overview.htm" : "overviewL2.htm"));
    out << styledPageHeadStart(manager, &product, title, links, up) << "</head>\n\n"
        << "<body>\n"
        << manager.getPageBanner(title, up, product.getPageHeaderImage(), 1, "", &links)
        << "<br><table border=\"0\" width=\"100%\">\n";
    const CString elementPath = library.getAdditionalElementPath();
    const CString elementName = library.getAdditionalElementName();
    if (!elementPath.IsEmpty() && !elementName.IsEmpty())
        out << "<tr><td width=\"33%\"></td>"
            << "<td width=\"33%\"><center><img alt=\"\" border=\"0\" src=\"" << links.get(icon) << "\"><br>"
            << "<a href=\"" << elementPath << "\" "
            << ">" << elementName << "</a></center><br></td>"
            << "<td width=\"33%\"></td></tr>";
    const CString hrefPrefix = library.m_defaultExampleLibrary ? CString() : library.getExampleLibraryPath();
    writeGrid(out, links, *library.getExampleLibraryList(), *library.getArchiveFiles(), up, icon, hrefPrefix,
              folder, title, manager, language);
    out << "</table>\n"
        << "</body>\n</html>\n";
    // A page that cannot be written is passed over without a word.
    out.close();
}

void ProcessAssetLibraryPage::writeFolderPage(ProcessManager& manager, const CString& folder,
                                              const CString& title, const CString& stylePrefix,
                                              const CString& icon, int language) {
    CStringListe files;
    TwoStringListe subfolders;
    ItemWorkProduct::listArchive(folder, &files, &subfolders);
    DiskLinks links(folder);
    TextOutStream out(folder + kPageName);
    out << styledPageHeadStart(manager, nullptr, title, links, stylePrefix) << "</head>\n\n"
        << "<body>\n"
        << "<h1 class=\"banner\">" << title << "</h1>\n"
        << "<br><table border=\"0\" width=\"100%\">\n";
    writeGrid(out, links, subfolders, files, stylePrefix, icon, "", folder, title, manager, language);
    out << "</table>\n"
        << "</body>\n</html>\n";
    out.close();
    files.deleteAll();
    subfolders.deleteAll();
}
