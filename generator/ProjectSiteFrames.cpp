// The site's framesets ("index.htm" and its twins) and the navigation tree
// shown in their contents frame, in one of three forms: the script tree
// page, the applet's data and page, or the legacy applet's data.

#include "DiskLinks.h"
#include "FileSystem.h"
#include "HtmlText.h"
#include "ItemListePlus.h"
#include "PageText.h"
#include "Project.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "VisibleTree.h"
#include "ui/UserInterface.h"

#include <exception>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* kAppletFolderName = "applet";
constexpr const char* kTreeViewPageName = "treeView.htm";
constexpr const char* kTreeViewPageNameL2 = "treeViewL2.htm";
constexpr const char* kProjectTreePageName = "project_tree.htm";
constexpr const char* kProjectTreePageNameL2 = "project_treeL2.htm";
constexpr const char* kTreeMenuDataName = "TreeMenu.dat";
constexpr const char* kTreeMenuDataNameL2 = "TreeMenuL2.dat";
constexpr const char* kTreeDataName = "tree.dat";
constexpr const char* kTreeDataNameL2 = "treeL2.dat";
// The name the legacy tree's failure message gives, in both languages.
constexpr const char* kTreeDataMessageName = "Tree.dat";
constexpr const char* kEmptyPageName = "empty.htm";

// The legacy tree's data is meant to be packed by the site template's batch
// file "zipper.bat"; this program runs no batch file, and says so in the
// project log (a message box at every generation, tree update and exit
// would only be in the way).
constexpr const char* kBatchFileNotRunLine =
    "The tree data file %s was written, but the batch file zipper.bat was not run: batch files cannot run on "
    "this system.";

const char* byLanguage(int language, const char* first, const char* second) {
    return language == 0 ? first : second;
}

// The page the item opens in the language: external items keep their url in
// both; in the second language the others open their folder's second page.
// An item without url has no page in either language.
CString pageUrl(const Item* item, int language) {
    if (item->getUrl().IsEmpty() || item->getKind() == kExternal)
        return item->getUrl();
    return item->getOverviewUrl(language);
}

const char* targetOf(const Item* item) {
    return item->isBlankTarget() ? "_blank" : "main";
}

// A text between single quotes in the tree script: backslash first, then both
// quote characters escaped; a line break would end the script string, so CR
// and LF become blanks.
CString scriptString(const CString& text) {
    CString escaped = text;
    escaped.Replace("\\", "\\\\");
    escaped.Replace("'", "\\'");
    escaped.Replace("\"", "\\\"");
    escaped.Replace('\r', ' ');
    escaped.Replace('\n', ' ');
    return "'" + escaped + "'";
}

// A frameset page: banner row on top, tree column and page area below. The
// page is written without checking that it could be opened.
// The three frames' pages are links relative to the project folder.
void writeFrameset(const CString& path, const CString& siteName, const CString& metaTags,
                   const CString& bannerPage, const CString& columns, const CString& contentsPage,
                   const char* scrolling, const CString& mainPage) {
    TextOutStream page(path);
    page << kFramesetDocType << "\n"
         << "<html>\n"
         << "<head>\n"
         << "<title>" << escapeHtml(siteName) << "</title>\n"
         << metaTags << "</head>\n"
         << "<frameset rows=\"" << StdOption::instance().getBannerHeight() << ",*\">\n"
         << "<frame name=\"b1\" src=\"" << bannerPage
         << "\" frameborder=\"0\" marginwidth=\"0\" marginheight=\"0\" scrolling=\"no\">\n"
         << "<frameset cols=\"" << columns << ",*\">\n"
         << "<frame name=\"contents\" src=\"" << contentsPage
         << "\" frameborder=\"0\" marginwidth=\"0\"  marginheight=\"0\" scrolling=\"" << scrolling << "\">\n"
         << "<frame name=\"main\" src=\"" << mainPage
         << "\" frameborder=\"0\" marginwidth=\"0\"  marginheight=\"0\" scrolling=\"auto\">\n"
         << "</frameset>\n"
         << "</frameset>\n"
         << "</html>\n";
    page.close();
}

} // namespace

bool Project::ensureAppletFolder() {
    const CString folder = m_projectFolder + kAppletFolderName;
    if (platform::folderExists(folder) || CreateDirectoryA(folder, nullptr)) {
        m_appletFolderReported = false;
        return true;
    }
    // Told once: the tree is written again at every generation, tree update and exit.
    if (!m_appletFolderReported) {
        CString message;
        message.Format(loadString(32965), platform::shownPath(folder).GetString());
        ui::AfxMessageBox(message);
        m_appletFolderReported = true;
    }
    return false;
}

void Project::createSiteFrames() {
    try {
        const StdOption& options = StdOption::instance();
        const bool twoLanguages = options.getTwoLanguages();
        const bool scriptTree = options.getJavaScriptTreeview();
        const int languages = twoLanguages ? 2 : 1;
        if (ensureAppletFolder()) {
            for (int language = 0; language < languages; ++language) {
                if (scriptTree)
                    createTreeViewPage(language);
                else
                    createAppletTreePage(language);
            }
        }

        const char* scrolling = scriptTree ? "auto" : "no";
        const CString metaTags = writeHeadMetaTags();
        const CString width = options.getWidthText();
        DiskLinks links(m_projectFolder);
        const CString applet = CString(kAppletFolderName) + "/";
        for (int language = 0; language < languages; ++language) {
            const CString siteName = language == 0 ? options.getSiteName() : options.getSiteNameL2();
            const char* treePage = scriptTree
                                       ? byLanguage(language, kTreeViewPageName, kTreeViewPageNameL2)
                                       : byLanguage(language, kProjectTreePageName, kProjectTreePageNameL2);
            const CString banner =
                links.get(CString("site/Home/") + byLanguage(language, "topbanner1.htm", "topbanner2.htm"));
            const CString home = links.get(CString("site/Home/") +
                                           byLanguage(language, kOverviewPageName, kOverviewPageNameL2));
            writeFrameset(m_projectFolder + byLanguage(language, "index.htm", "indexL2.htm"), siteName,
                          metaTags, banner, width, links.get(applet + treePage), scrolling, home);
            // The same site without a visible tree.
            writeFrameset(m_projectFolder + byLanguage(language, "indexWF.htm", "indexWFL2.htm"), siteName,
                          metaTags, banner, "0", links.get(applet + kEmptyPageName), scrolling, home);
        }
    } catch (const std::exception& error) {
        ui::AfxMessageBox(error.what());
    } catch (...) {
        reportUnknownFailure("Project::createSiteFrames");
    }
}

void Project::createTreeViewPage(int language) {
    TextOutStream page(m_projectFolder + kAppletFolderName + "\\" +
                       byLanguage(language, kTreeViewPageName, kTreeViewPageNameL2));
    if (!page.is_open())
        return;

    // Every item, shown or not, is numbered by its position in the list.
    std::unordered_map<const Item*, int> numbers;
    for (int i = 1; i <= m_itemList->count(); ++i)
        numbers[m_itemList->at(i)] = i;
    const VisibleTree& shown = visibleTree();
    DiskLinks links(m_projectFolder + kAppletFolderName);

    page << kTransitionalDocType << "\n"
         << "<html>\n"
         << "<head>\n"
         << "<title>tree view</title>\n"
         << writeHeadMetaTags() << "<link rel=\"StyleSheet\" href=\"" << links.get("../css/dtree.css")
         << "\" type=\"text/css\" />\n"
         << "<script type=\"text/javascript\" src=\"" << links.get("../JScript/dtree.js") << "\"></script>\n"
         << "</head>\n"
         << "<body>\n"
         << "<div class=\"dtree\">\n"
         << "  <script type=\"text/javascript\">\n"
         << "    <!--\n"
         << "      d = new dTree('d');\n"
         << "      d.add(0,-1,'', '', '', '', '', '', true, true, true);\n";
    for (Item* item : shown.getShownItems()) {
        const auto parent = item->getParent() ? numbers.find(item->getParent()) : numbers.end();
        const CString name = scriptString(item->getNameByLanguage(language));
        page << "d.add(" << numbers[item] << ", " << (parent == numbers.end() ? 0 : parent->second) << ", "
             << name << ", " << scriptString(links.get(pageUrl(item, language))) << ", " << name << ", "
             << scriptString(targetOf(item)) << ", "
             << scriptString(links.get("IconImages/" + item->getIcon())) << ", "
             << scriptString(links.get("IconImages/" + item->getOpenIcon())) << ", false, "
             << (shown.hasVisibleChildren(item) ? "true" : "false") << ", "
             << (shown.isLastVisibleSibling(item) ? "true" : "false") << ");\n";
    }
    page << "    document.write(d);\n"
         << "    //-->\n"
         << "  </script>\n"
         << "</div>\n"
         << "</body>\n"
         << "</html>\n";
    page.close();
}

void Project::createAppletTreePage(int language) {
    const CString appletFolder = m_projectFolder + kAppletFolderName;
    auto reportNotCreated = [&appletFolder](const CString& file) {
        CString message;
        message.Format(loadString(32964), platform::shownPath(file).GetString(),
                       platform::shownPath(appletFolder).GetString());
        ui::AfxMessageBox(message);
    };
    const std::vector<Item*>& shown = visibleTree().getShownItems();
    DiskLinks links(appletFolder);

    if (!StdOption::instance().getUseStdTreeComponent()) {
        const char* dataName = byLanguage(language, kTreeDataName, kTreeDataNameL2);
        TextOutStream data(appletFolder + "\\" + dataName);
        bool written = data.is_open();
        if (written) {
            data << "img.zip*";
            for (Item* item : shown)
                data << "\n"
                     << item->getLevel() << "*" << item->getNameByLanguage(language) << "*"
                     << links.get(item->getUrl()) << (item->isBlankTarget() ? "*_blank*" : "* *")
                     << item->getIcon() << "*" << item->getOpenIcon() << "*f*";
            written = data.close();
        }
        if (!written) {
            reportNotCreated(kTreeDataMessageName);
            return;
        }
        if (TextOutStream* log = openLog()) {
            CString line;
            line.Format(kBatchFileNotRunLine, dataName);
            *log << line << "\n";
            closeLog(log);
        }
        return;
    }

    const CString dataName = byLanguage(language, kTreeMenuDataName, kTreeMenuDataNameL2);
    const CString dataPath = appletFolder + "\\" + dataName;
    // Image keys in the order met, one per icon file name whatever its case.
    std::vector<CString> imageKeys;
    std::unordered_set<CString> knownKeys;
    auto addImageKey = [&](const CString& key) {
        CString folded = key;
        folded.MakeUpper();
        if (knownKeys.insert(folded).second)
            imageKeys.push_back(key);
    };
    TextOutStream data(dataPath);
    bool written = data.is_open();
    if (written) {
        const CString fontSize = StdOption::instance().getTreeviewFontSizeText();
        for (Item* item : shown) {
            const CString name = item->getNameByLanguage(language);
            data << item->getUid() << "|"
                 << (item->getParent() ? item->getParent()->getUid() : CString("root")) << "|" << name
                 << "|Arial|N|" << fontSize << "|0|0|0|false|" << item->getIcon() << "|"
                 << item->getOpenIcon() << "|point|" << links.get(pageUrl(item, language)) << "|"
                 << targetOf(item) << "|" << name << "\n";
            addImageKey(item->getIcon());
            addImageKey(item->getOpenIcon());
        }
        written = data.close();
    }
    if (!written) {
        reportNotCreated(dataPath);
        return;
    }

    const CString pagePath =
        appletFolder + "\\" + byLanguage(language, kProjectTreePageName, kProjectTreePageNameL2);
    TextOutStream page(pagePath);
    if (!page.is_open()) {
        reportNotCreated(pagePath);
        return;
    }
    page << kTransitionalDocType << "\n"
         << "<html>\n"
         << "<head>\n"
         << "<title>Project TreeBrowser</title>\n"
         << writeHeadMetaTags() << "</head>\n"
         << "<body bgcolor=\"#FFFFFF\">\n"
         << "<applet code=\"TreeApplet\" width=\"" << StdOption::instance().getWidthText() << "\" "
         << " height=\"" << StdOption::instance().getHeightText() << "\" archive=\"Treemenu.jar\">\n"
         << "\n<!-- Tree Properties -->\n"
         << "<param name=\"nodeOffset\" value=\"12\">\n"
         << "<param name=\"backgroundColor\" value=\"255|255|255\">\n"
         << "<param name=\"borderWidth\" value=\"1\">\n"
         << "<param name=\"borderColor\" value=\"175|175|175\">\n"
         << "<param name=\"connectingLines\" value=\"true\">\n"
         << "<param name=\"connectingLinesColor\" value=\"100|100|100\">\n"
         << "<param name=\"connectingLinesStyle\" value=\"2\">\n"
         << "<param name=\"highTextColor\" value=\"255|255|255\">\n"
         << "<param name=\"highBgColor\" value=\"0|100|0\">\n"
         << "<param name=\"scrollBarBgColor\" value=\"175|175|175\">\n"
         << "<param name=\"statusBar\" value=\"true\">\n"
         << "<param name=\"statusBarFont\" value=\"Helvetica|N|12\">\n"
         << "<param name=\"statusBarBgColor\" value=\"240|240|240\">\n"
         << "<param name=\"statusBarTextColor\" value=\"0|100|0\">\n"
         << "\n<!-- Images -->\n";
    int number = 1;
    for (const CString& key : imageKeys)
        page << "<param name=\"image" << number++ << "\" value=\"" << key << "|"
             << links.get("./IconImages/" + key) << "\">\n";
    page << "<param name=\"image" << number << "\" value=\"point|" << links.get("./IconImages/point.gif")
         << "\">\n"
         << "\n<!-- Nodes -->\n"
         << "<param name=\"Nodedata\" value=\"" << dataName << "\">\n"
         << "</applet>\n"
         << "</body>\n"
         << "</html>\n";
    page.close();
}

int Project::hasVisibleChildren(Item* item) const {
    return item && visibleTree().hasVisibleChildren(item) ? 1 : 0;
}

int Project::getLastVisibleSibling(Item* item) const {
    return item && visibleTree().isLastVisibleSibling(item) ? 1 : 0;
}

const VisibleTree& Project::visibleTree() const {
    const TreeStamp stamp = treeStamp();
    if (!m_visibleTree || !(m_visibleTreeStamp == stamp) || m_visibleTreeShape != m_shapeEpoch) {
        m_visibleTree = std::make_unique<VisibleTree>(*m_itemList);
        m_visibleTreeStamp = stamp;
        m_visibleTreeShape = m_shapeEpoch;
    }
    return *m_visibleTree;
}
