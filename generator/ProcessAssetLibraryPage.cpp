#include "ProcessAssetLibraryPage.h"

#include "CStringListe.h"
#include "DiskLinks.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "ItemWorkProduct.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"
#include "TwoStringListe.h"

namespace {

const char* const kPageName = "overview.htm";

} // namespace

ProcessAssetLibraryPage::ProcessAssetLibraryPage(ProcessManager& manager, ProcessItem& product, int language)
    : m_manager(manager), m_product(product), m_language(language),
      m_pageFolder(manager.getPathInSite(product.getFolder(1, 0) + "ar/")),
      m_listedElsewhere(!product.getItemWorkProduct()->m_defaultExampleLibrary) {
    const ItemWorkProduct& library = *product.getItemWorkProduct();
    // The folder listed, as the work product lists it.
    m_listedFolder = m_listedElsewhere ? library.getExampleLibraryPath() : product.getItemFolderFile("ar/");
    m_within = m_listedElsewhere ? m_listedFolder : manager.getProjectDirectory();
    m_documentPrefix = m_listedElsewhere ? library.getExampleLibraryPath() : CString();
}

void ProcessAssetLibraryPage::writeLibraryPage(ProcessManager& manager, ProcessItem& product, int language) {
    ProcessAssetLibraryPage(manager, product, language).writeLibraryPage();
}

void ProcessAssetLibraryPage::writeGrid(TextOutStream& out, DiskLinks& links, TwoStringListe& subfolders,
                                        CStringListe& files, const Folder& folder) {
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
        // element leads to that item's library page.
        const CString href =
            record.getNumber() == 1 ? subfolderLink(folder, record) : record.getSecond() + kPageName;
        cell(folder.stylePrefix + "images/dir.gif", href, "", record.getFirst());
    }
    const CString documentPrefix = m_listedElsewhere ? m_documentPrefix + folder.relative : CString();
    for (int f = 1; f <= files.count(); ++f)
        cell(folder.icon, documentPrefix + *files.at(f), " target=\"_blank\" ", *files.at(f));
    if (i % 3 != 0) {
        for (int rest = 3 - i % 3; rest > 0; --rest)
            out << "<td width=\"33%\"></td>\n";
        out << "</tr>\n";
    }
}

CString ProcessAssetLibraryPage::subfolderLink(const Folder& folder, const TwoStringElement& record) {
    const CString link = record.getSecond();
    const CString resolved = resolvedPath(folder.listed + link);
    // A folder met again has its page already: beside what it lists, that
    // page is reached through any name of the folder; apart from it, where
    // it was written.
    if (const auto known = m_pages.find(resolved); known != m_pages.end())
        return m_listedElsewhere ? relativeLink(folder.pages, known->second) : link + kPageName;
    // A link to a place of the project outside the library: that place's
    // own page, if it has one.
    if (resolved.IsEmpty() || !isResolvedWithin(resolved, m_resolvedListed))
        return link + kPageName;
    const Folder subfolder{folder.listed + link,       folder.pages + link,
                           folder.relative + link,     folder.title + "/" + record.getFirst(),
                           folder.stylePrefix + "../", "../" + folder.icon};
    // Known before it is walked: a link inside it back to it is not walked again.
    m_pages.emplace(resolved, subfolder.pages + kPageName);
    writeFolderPage(subfolder);
    return link + kPageName;
}

bool ProcessAssetLibraryPage::canHoldPage(const CString& folder) {
    if (m_listedElsewhere && !platform::folderExists(folder))
        CreateDirectoryA(folder, nullptr);
    return isResolvedWithin(resolvedPath(folder), m_resolvedPages);
}

void ProcessAssetLibraryPage::finish(TextOutStream& out, const CString& path) {
    if (!out.close())
        m_manager.tellUnwrittenFile(path);
}

void ProcessAssetLibraryPage::writeLibraryPage() {
    if (m_pageFolder.IsEmpty())
        return;
    const CString path = m_pageFolder + (m_language == 0 ? "overview.htm" : "overviewL2.htm");
    // The pages go into the work product's own "ar" folder, made for a
    // library listed elsewhere; never into a place it leads out to.
    if (m_listedElsewhere && !platform::folderExists(m_pageFolder))
        CreateDirectoryA(m_pageFolder, nullptr);
    m_resolvedPages = resolvedPath(m_pageFolder);
    if (!isResolvedWithin(m_resolvedPages, resolvedPath(m_manager.getProjectDirectory()))) {
        m_manager.tellUnwrittenFile(path);
        return;
    }
    m_resolvedListed = resolvedPath(m_listedFolder);
    if (!m_resolvedListed.IsEmpty())
        m_pages.emplace(m_resolvedListed, path);

    ItemWorkProduct& library = *m_product.getItemWorkProduct();
    const CString title = m_manager.getLabel(m_language, "ProcessAssetLibrary") + " " + m_product.getName();
    const CString up = upPrefix(m_product.getLevel() + 3);
    const Folder folder{m_listedFolder, m_pageFolder, "", title, up, up + library.getImagePath()};
    DiskLinks links(m_pageFolder);
    TextOutStream out(path);
    out << styledPageHeadStart(m_manager, &m_product, title, links, up) << "</head>\n\n"
        << "<body>\n"
        << m_manager.getPageBanner(title, up, m_product.getPageHeaderImage(), 1, "", &links)
        << "<br><table border=\"0\" width=\"100%\">\n";
    const CString elementPath = library.getAdditionalElementPath();
    const CString elementName = library.getAdditionalElementName();
    if (!elementPath.IsEmpty() && !elementName.IsEmpty())
        out << "<tr><td width=\"33%\"></td>"
            << "<td width=\"33%\"><center><img alt=\"\" border=\"0\" src=\"" << links.get(folder.icon)
            << "\"><br>"
            << "<a href=\"" << elementPath << "\" "
            << ">" << elementName << "</a></center><br></td>"
            << "<td width=\"33%\"></td></tr>";
    writeGrid(out, links, *library.getExampleLibraryList(), *library.getArchiveFiles(), folder);
    out << "</table>\n"
        << "</body>\n</html>\n";
    finish(out, path);
}

void ProcessAssetLibraryPage::writeFolderPage(const Folder& folder) {
    const CString path = folder.pages + kPageName;
    if (!canHoldPage(folder.pages)) {
        m_manager.tellUnwrittenFile(path);
        return;
    }
    CStringListe files;
    TwoStringListe subfolders;
    ItemWorkProduct::listArchive(folder.listed, &files, &subfolders, m_within);
    DiskLinks links(folder.pages);
    TextOutStream out(path);
    out << styledPageHeadStart(m_manager, nullptr, folder.title, links, folder.stylePrefix) << "</head>\n\n"
        << "<body>\n"
        << "<h1 class=\"banner\">" << folder.title << "</h1>\n"
        << "<br><table border=\"0\" width=\"100%\">\n";
    writeGrid(out, links, subfolders, files, folder);
    out << "</table>\n"
        << "</body>\n</html>\n";
    finish(out, path);
    files.deleteAll();
    subfolders.deleteAll();
}
