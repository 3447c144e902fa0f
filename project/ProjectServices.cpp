// Services of the project that the import/export and tools dialogs, the
// new-item writers and the page editor call: the item list file, the site
// file list, default pages, document copies, and the kind and shortcut
// commands of the tree.

#include "CStringListePlus.h"
#include "CTime.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessRunner.h"
#include "Project.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextInStream.h"
#include "TextOutStream.h"
#include "TooltipScript.h"
#include "ui/UserInterface.h"

#include <climits>
#include <exception>

namespace {

void showGenerated(const char* fileName) {
    CString message;
    message.Format(loadString(32963), fileName, "<site root>/tmp");
    ui::AfxMessageBox(message);
}

} // namespace

Item* Project::findNextItemByName(const CString& text, int* position, int language) const {
    CString wanted = text;
    wanted.MakeLower();
    ItemIterateur* it = getItemIterator();
    Item* found = nullptr;
    for (int number = 1; !it->isAtEnd() && !found; it->next(), ++number) {
        if (number < *position)
            continue;
        CString name = it->current()->getNameByLanguage(language);
        name.MakeLower();
        if (name.Find(wanted) >= 0) {
            *position = number;
            found = it->current();
        }
    }
    delete it;
    return found;
}

void Project::changeItemKind(Item* item, const CString& kindText) {
    if (item->getKind() == kDual)
        deleteShortcutsTo(item->getUrl(), 0);
    item->initForKind(kindFromName(kindText), "");
}

void Project::createShortcut(Item* item) {
    const CString name = CString(kShortcutPrefix) + item->getName();
    const CString nameL2 = StdOption::instance().getTwoLanguages() ? CString(kShortcutPrefix) + item->getNameL2()
                                                                   : CString();
    // The target is the item itself, never another item of the same name.
    Item* shortcut = addItem(item, name, item->isBlankTarget(), item->getIcon(), item->getOpenIcon(), 0, "", "", 1, 1,
                             item->isFrame(), item->isVisible(), nameL2, 1, "", item);
    if (auto* processItem = dynamic_cast<ProcessItem*>(shortcut))
        processItem->load(1);
}

void Project::exportItems() {
    try {
        TextOutStream out(m_projectFolder + "tmp/items.csv");
        out << "uid;name;nameL2;icon;iconOpen\n";
        ItemIterateur* it = getItemIterator();
        for (; !it->isAtEnd(); it->next()) {
            Item* item = it->current();
            out << item->getUid() << ";" << item->getName() << ";" << item->getNameL2() << ";" << item->getIcon() << ";"
                << item->getOpenIcon() << ";\n";
        }
        delete it;
        if (!out.close())
            throw std::runtime_error("items.csv");
        showGenerated("items.csv");
        openExportFolder();
    } catch (...) {
        ui::AfxMessageBox("Error in method Project::exportItems");
    }
}

void Project::importItems(const CString& path) {
    TextInStream in(path);
    if (!in.is_open()) {
        CString message;
        message.Format(loadString(32984), platform::shownPath(path).GetString());
        ui::AfxMessageBox(message);
        return;
    }
    CString line;
    if (!in.getline(line, INT_MAX)) {
        reportUnknownFailure("Project::importItems");
        return;
    }
    // The names and icons go into the tree as another copy of the program
    // may have saved it meanwhile.
    const bool shared = changesSharedTree();
    if (shared && !beginSharedChange({}))
        return;
    int count = 0;
    while (in.getline(line, INT_MAX)) {
        CStringListePlus pieces;
        pieces.split(line, ";", 0);
        Item* item = pieces.count() >= 2 ? findItemByUid(*pieces.at(1)) : nullptr;
        if (item) {
            if (pieces.count() >= 3)
                item->setNameL2(*pieces.at(3));
            if (pieces.count() >= 4 && !pieces.at(4)->IsEmpty())
                item->setIcon(*pieces.at(4));
            if (pieces.count() >= 5 && !pieces.at(5)->IsEmpty())
                item->setOpenIcon(*pieces.at(5));
            ++count;
        }
        pieces.deleteAll();
    }
    saveMenuTree();
    if (shared)
        endSharedChange(false);
    CString message;
    message.Format(loadString(32983), std::to_string(count).c_str());
    ui::AfxMessageBox(message);
    rebuildTreeView();
}

void Project::listHtmlFiles(CStringListe* list, const CString& folder) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(folder + "*.htm*", &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                list->append(new CString(folder + data.cFileName));
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    search = FindFirstFileA(folder + "*", &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const CString name = data.cFileName;
        // A linked folder is never entered: a link to "." would list the site
        // over and over, one to another place would list what is not the site.
        const bool realFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                                !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        if (realFolder && name != "." && name != ".." && name[0] != '_')
            listHtmlFiles(list, folder + name + "\\");
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

void Project::listSiteFiles(CStringListe* list) {
    try {
        listHtmlFiles(list, m_siteRoot);
    } catch (const std::exception& error) {
        ui::AfxMessageBox(error.what());
    }
}

void Project::writeHtmlFileList() {
    try {
        CStringListe files;
        listSiteFiles(&files);
        TextOutStream out(m_projectFolder + "tmp/htmlFileList.csv");
        for (int i = 1; i <= files.count(); ++i)
            out << platform::shownPath(*files.at(i)) << "\n";
        out << "\n" << files.count() << " files\n";
        files.deleteAll();
        if (!out.close())
            throw std::runtime_error(
                ("File " + platform::shownPath(m_projectFolder + "tmp/htmlFileList.csv") + " writing error").str());
        showGenerated("htmlFileList.csv");
        openExportFolder();
    } catch (const std::exception& error) {
        ui::AfxMessageBox(error.what());
    }
}

int Project::createItemFolder(Item* item) {
    const CString folder = getPathInSite(item->getFolder(1, 0));
    if (!folder.IsEmpty() && CreateDirectoryA(folder, nullptr))
        return 1;
    // A folder outside the project is named as the url gives it.
    CString message;
    message.Format(loadString(32965), platform::shownPath(m_siteRoot + item->getFolder(1, 0)).GetString());
    ui::AfxMessageBox(message);
    return 0;
}

void Project::createItemPage(Item* item, int overwrite, TextOutStream* givenLog, int createFolder, int writeHeader,
                             int language) {
    TextOutStream* log = givenLog ? givenLog : openLog();
    auto closeOwnLog = [&] {
        if (!givenLog)
            closeLog(log);
    };
    if (createFolder && language == 0 && !createItemFolder(item)) {
        closeOwnLog();
        return;
    }
    const CString path = getItemPagePath(item, language);
    if (!overwrite && platform::fileExists(path)) {
        if (log)
            *log << "-- " << item->getName() << " already exist. Generation skiped\n";
    } else {
        if (writeHeader)
            createItemHeader(item, language);
        const CString prefix = upPrefix(item->getLevel() + 2);
        // A page outside the project folder has an empty path: it is not
        // opened, and reported as a failed write.
        TextOutStream page(path);
        page << kTransitionalDocType << "\n"
             << "<html>\n"
             << "<head>\n"
             << writeHeadMetaTags() << "<title>" << item->getNameByLanguage(language) << "</title>\n"
             << "<link rel=\"stylesheet\" href=\"" << prefix << "css/project.css\" type=\"text/css\">\n"
             << "<script language=\"JavaScript1.2\" src=\"" << prefix
             << "JScript/Tooltip.js\" type=\"text/javascript\"></script>\n"
             << "</head>\n\n"
             << "<body>\n";
        writeTooltipScript(page, 500);
        page << getPageBanner(item->getNameByLanguage(language), prefix, item->getPageHeaderImage(), 1, "")
             << "<br>\n";
        writePageUidFooter(item, page, language, "");
        page << "</body>\n"
             << "</html>\n";
        if (page.is_open() && page.close()) {
            if (log)
                *log << "> Generating " << item->getName() << " file\n";
        } else {
            // Told, and not logged as generated.
            CString message;
            message.Format(loadString(32964), platform::shownPath(path).GetString(),
                           platform::shownPath(m_siteRoot + item->getFolder(1, 0)).GetString());
            ui::AfxMessageBox(message);
        }
    }
    if (m_sourceControl && log) {
        // The source-control program this hook was made for is called "ss";
        // here that name belongs to an unrelated system tool, so the
        // commands are never run, and the log says what was skipped.
        const CString folder =
            "$/" + m_vssProjectName + "/" +
            (item->getParent() ? item->getParent()->getFolder(1, 1) : CString(kSiteFolderName) + "/");
        *log << "Source-control commands skipped (ss Cp " << folder << " -Y" << m_vssUser << "; ss Create "
             << toFileName(item->getName(), 1) << " -Y" << m_vssUser
             << "): no source-control program is run here\n";
    }
    closeOwnLog();
}

void Project::createMissingPages(int overwrite) {
    TextOutStream* log = openLog();
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    const int useFrame = StdOption::instance().getUseFrame();
    ItemIterateur* it = getItemIterator();
    for (; !it->isAtEnd(); it->next()) {
        createItemPage(it->current(), overwrite, log, 0, useFrame, 0);
        if (twoLanguages)
            createItemPage(it->current(), overwrite, log, 0, useFrame, 1);
    }
    delete it;
    closeLog(log);
}

CString Project::copyDocumentIntoItem(const CString& sourcePath, Item* item, int addDate, CTime* modificationTime,
                                      CString* fileName) {
    CString name = fileNameOfPath(sourcePath);
    if (fileName)
        *fileName = name;
    std::time_t written = 0;
    if (!platform::lastWriteTime(sourcePath, written)) {
        ui::AfxMessageBox(loadString(32978));
        return CString();
    }
    const CTime time(written);
    if (modificationTime)
        *modificationTime = time;
    if (addDate) {
        CString stamp;
        stamp.Format("%d_%d_%d_%d_%d_%d", time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(),
                     time.GetMinute(), time.GetSecond());
        const int dot = name.ReverseFind('.');
        name = dot < 0 ? "." + stamp + name : name.Left(dot) + "." + stamp + name.Mid(dot);
    }
    const CString target = getPathInSite(item->getFolder(1, 0) + toFileName(name, 1));
    if (target.IsEmpty()) {
        CString message;
        message.Format(loadString(32976), platform::shownPath(sourcePath).GetString());
        ui::AfxMessageBox(message);
        return CString();
    }
    if (platform::pathExists(target)) {
        ui::AfxMessageBox(loadString(32955));
        return CString();
    }
    if (!CopyFileA(sourcePath, target, TRUE)) {
        CString message;
        message.Format(loadString(32976), platform::lastErrorText().GetString());
        ui::AfxMessageBox(message);
        return CString();
    }
    return name;
}

CString Project::makeDocumentTable(const CString& fileName, const CString& description, int newWindow,
                                   int paragraphForm, const CTime* modificationTime, const CString& linkText,
                                   int convertFileName, int dateKnown) {
    CString date = "Na";
    if (dateKnown && modificationTime)
        date.Format("%d/%d/%d", modificationTime->GetDay(), modificationTime->GetMonth(), modificationTime->GetYear());
    // A copy is stored under the name the project makes of it; a reference
    // (a path or a web address) is linked as it was given, in either form.
    const CString link = convertFileName ? toFileName(fileName, 1) : fileName;
    const CString target = newWindow ? " target=_blank" : "";
    if (paragraphForm)
        return "<hr>\n<p>file: <a href=\"" + link + "\"" + target + "> " + linkText + "</a> </p>\n" +
               "<p>Modification date: " + date + "</p><br>\n" + "<p>Description: " + description + "</p><br>\n";
    return CString("<br>\n") + "<table border=\"1\" width=\"100%\">\n" + "  <tr>\n" +
           "    <td width=\"24%\" bgcolor=\"#CCFF99\" align=\"center\"><b>File</b></td>\n" +
           "    <td width=\"23%\" bgcolor=\"#CCFF99\" align=\"center\"><b>Date</b></td>\n" +
           "    <td width=\"53%\" bgcolor=\"#CCFF99\" align=\"center\"><b>Description</b></td>\n" + "  </tr>\n" +
           "  <tr>\n" + "  <td width=\"24%\"> <a href=\"" + link + "\"" + target + "> " + linkText + "</a> </td>\n" +
           "    <td width=\"23%\">" + date + "</td>\n" + "    <td width=\"53%\">" + description + "</td>\n" +
           "  </tr>\n" + "</table>\n";
}

void Project::openItemFolder(Item* item) {
    if (item->getKind() == kExternal) {
        ui::AfxMessageBox("Not available on external items");
        return;
    }
    // The folder as the project holds it, never one outside the project.
    const CString folder = getPathInProject(item->getFolder(0, 1));
    if (!folder.IsEmpty())
        process::openWithDesktop(folder);
}

void Project::openExportFolder() {
    process::openWithDesktop(m_projectFolder + "tmp\\");
}
