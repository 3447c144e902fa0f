// The files of a new item: its folder, its class, its "process.data" with
// the empty keys its class reads, its description file and its default
// pages in each language. Nothing that exists already is overwritten (but
// for an activity's description); what is skipped is logged.

#include "FileSystem.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemMeasure.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextInStream.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <climits>
#include <vector>

namespace {

CString topLink(const CString& prefix) {
    return "<a href=\"#Top\"><IMG alt=\"To top of page\" src=\"" + prefix + "images/top.gif\" border=0></a>";
}

void writeLines(TextOutStream& out, std::initializer_list<CString> lines) {
    for (const CString& line : lines)
        out << line << "\n";
}

void writeSections(TextOutStream& out, Project* project, int language, std::initializer_list<const char*> keys) {
    out << "<table border=\"0\" width=\"100%\"><tr><td width=\"100%\">\n"
        << "<p> Insert Workflow image here </p>\n"
        << "<hr><!--DESCRIPTION_START-->\n";
    for (const char* key : keys)
        out << "<b>" << project->getLabel(language, key) << "</b>\n<br>\n <p>insert text here </p>\n";
    out << "</tr></table>\n";
}

void writeActivitySkeleton(TextOutStream& out, const CString& prefix) {
    const CString top = topLink(prefix);
    writeLines(out, {"<TABLE cellSpacing=0 cellPadding=0 width=\"100%\" border=0>", "<tbody>", "<tr>", "<td vAlign=top>",
                     "<div align=center>", "<CENTER>", "<TABLE cellPadding=4 width=\"100%\" border=0>", "<tbody>", "<tr>",
                     "<td vAlign=top width=\"15%\" bgColor=#c0c0c0>",
                     "<H5><font size=\"1\"><a name=\"Top\">Status</a>:<br>",
                     "<font color=\"#FFFF00\"><!--STATUS_START-->Draft<!--STATUS_END--></font></font></H5>",
                     "<H5 align=\"left\"><font size=\"1\">Version</font><font size=\"1\">: <font "
                     "color=\"#FFFF00\"><!--VERSION_START-->1.0<!--VERSION_END--></font><br>",
                     "</font><br>Topics</H5>", "<p><A href=\"#Purpose\">Purpose</A></p>",
                     "<p><A href=\"#Work Guidelines\">Work Guidelines</A></p>",
                     "<p><A href=\"#Activity summary\">Activity Summary</A></p>", "<p><A href=\"#Example\">Example</A></p>",
                     "</td>", "<td vAlign=top width=\"85%\">", "<p></p></td></tr></tbody></TABLE></CENTER></div>",
                     "<H4><A name=Purpose>Purpose</A>  " + top + "</H4>", "<!--DESCRIPTION_START-->",
                     "< enter description here >", "<!--DESCRIPTION_END-->",
                     "<H4><A name=\"Work Guidelines\">Work Guidelines</A>  " + top + "</H4>",
                     "<H4><A name=\"Activity summary\">Activity summary</A>  " + top + "</H4>", "<table width=\"100%\" border=1>",
                     "<tbody>", "<tr>", "<td width=\"32%\">", "<p align=center><b>Activity</b></p></td>", "<td width=\"68%\">",
                     "<p align=center><B>Activity summary</b></p></td></tr>"});
    for (int row = 0; row < 3; ++row)
        out << "<tr><td width=\"32%\">&nbsp;</td>\n<td width=\"68%\">&nbsp;</td></tr>\n";
    CString example = top;
    example.Replace("<IMG", "<img");
    writeLines(out, {"</tbody></table>", "<H4><A name=Example>Example</A>  " + example + "</H4>", "<p>No example yet.</p>",
                     "</td>", "<td vAlign=top width=24></td>", "<td vAlign=top width=\"1%\"></td></tr></tbody></table>"});
}

} // namespace

bool ProcessManager::isItemFolderFree(Item* anchor, const CString& name, int mode) const {
    const CString folder = getPathInSite(Item::defaultFolder(Item::parentForInsertion(anchor, mode), name));
    return !folder.IsEmpty() && !platform::pathExists(folder);
}

int ProcessManager::createItemFiles(Item* newItem, const CString& classKeyword, const CString&, int frame) {
    auto* item = dynamic_cast<ProcessItem*>(newItem);
    if (!item)
        return 0;
    if (auto* parent = dynamic_cast<ProcessItem*>(item->getParent())) {
        if (!parent->getDiscipline().IsEmpty())
            item->setDiscipline(parent->getDiscipline());
        if (parent->getPhaseList()->count() > 0) {
            item->getPhaseList()->deleteAll();
            for (int i = 1; i <= parent->getPhaseList()->count(); ++i)
                item->addPhase(*parent->getPhaseList()->at(i));
        }
    }
    const CString description = item->Item::getDescription(0);
    m_folderRefused = false;
    if (classKeyword == "WORKPRODUCT")
        createWorkProductFiles(item, description, frame);
    else if (classKeyword == "ACTIVITY")
        createActivityFiles(item, description, frame);
    else if (classKeyword == "ROLE")
        createRoleFiles(item, description, frame);
    else if (classKeyword == "MACRO-ACTIVITY")
        createMacroActivityFiles(item, description, 0, frame);
    else if (classKeyword == "PHASE")
        createMacroActivityFiles(item, description, 1, frame);
    else if (classKeyword == "WORKFLOW")
        createWorkflowFiles(item, description, frame);
    else
        createGenericItemFiles(item, description, getProcessClassFromKeyword(classKeyword), frame);
    if (m_folderRefused) {
        // No half-made item stays in the tree: without its folder it leaves it.
        deleteItem(item, 1, 1, 0, 1, 1);
        return 0;
    }
    if (classKeyword == "MEASURE" && item->getExtension()) {
        for (int language = 0; language <= 1; ++language)
            item->getExtension()->writeDescription(ItemMeasure::getStandardDescription(language), language);
    }
    return 1;
}

bool ProcessManager::beginClassFiles(ProcessItem* item, TextOutStream* log, int kind) {
    if (kind == kWorkProductClass)
        item->setClassKind(kind);
    if (!createItemFolder(item)) {
        m_folderRefused = true;
        return false;
    }
    item->setClassKind(kind);
    (void)log;
    return true;
}

void ProcessManager::writeNewFile(ProcessItem* item, const CString& fileName, const CString& text,
                                  TextOutStream* log) {
    const CString path = getPathInSite(item->getFolder(1, 0) + fileName);
    if (path.IsEmpty())
        return;
    if (platform::pathExists(path)) {
        if (log)
            *log << "-- " << fileName << " of " << item->getUrl() << " already exist. Generation skiped\n";
        return;
    }
    TextOutStream out(path);
    out << text;
}

CString ProcessManager::dataFileText(ProcessItem* item, int kind, const std::vector<const char*>& lines) const {
    CString text = "[PROCESSUS]\nClass=" + getProcessClassKeyword(kind, 0) + "\n";
    for (const char* line : lines)
        text += CString(line) + "\n";
    return text + (item->isFrame() ? "Frame=yes" : "Frame=no");
}

void ProcessManager::writeDefaultPage(ProcessItem* item, const CString&, int useFrame, int language, TextOutStream* log,
                                      const std::function<void(TextOutStream&, const CString&)>& body,
                                      bool titleInFirstLanguage, bool logUrl) {
    const CString path = getItemPagePath(item, language);
    if (path.IsEmpty())
        return;
    if (useFrame)
        createItemHeader(item, language);
    const CString shown = logUrl ? item->getUrl() : path;
    if (platform::pathExists(path)) {
        if (log)
            *log << "-- " << shown << " already exist. Generation skiped\n";
        return;
    }
    if (log)
        *log << "> Generating " << shown << " file\n";
    const CString prefix = upPrefix(item->getLevel() + 2);
    TextOutStream page(path);
    page << kTransitionalDocType << "\n"
         << "<html>\n"
         << "<head>\n"
         << writeMetaTags(item) << "<title>"
         << (titleInFirstLanguage ? item->getName() : item->getNameByLanguage(language)) << "</title>\n"
         << "<link rel=\"stylesheet\" href=\"" << prefix << "css/project.css\" type=\"text/css\">\n"
         << "</head>\n\n"
         << "<body>\n"
         << getPageBanner(item->getNameByLanguage(language), prefix, item->getPageHeaderImage(), 1, "");
    body(page, prefix);
    page << "</body>\n"
         << "</html>\n";
}

void ProcessManager::createRoleFiles(ProcessItem* item, const CString& description, int useFrame) {
    TextOutStream* log = openLog();
    if (log)
        *log << "Create Role " << item->getName() << "\n";
    if (beginClassFiles(item, log, kRoleClass)) {
        for (int language = 0; language <= (StdOption::instance().getTwoLanguages() ? 1 : 0); ++language)
            writeDefaultPage(item, description, useFrame, language, log,
                             [&](TextOutStream& page, const CString&) {
                                 page << "<p><b>" << getLabel(language, "Responsibility") << "</b></p>\n\n"
                                      << description << "<br>\n"
                                      << "<p><b>" << getLabel(language, "Activities") << "</b></p>\n"
                                      << "To generate... <br>\n";
                             },
                             true, true);
        writeNewFile(item, "RoleDescription.txt", description + "\n", log);
        writeNewFile(item, "process.data", dataFileText(item, kRoleClass, {}), log);
    }
    closeLog(log);
}

void ProcessManager::createWorkflowFiles(ProcessItem* item, const CString& description, int useFrame) {
    TextOutStream* log = openLog();
    if (log)
        *log << "Create Workflow " << item->getName() << "\n";
    if (beginClassFiles(item, log, kWorkflowClass)) {
        for (int language = 0; language <= (StdOption::instance().getTwoLanguages() ? 1 : 0); ++language)
            writeDefaultPage(item, description, useFrame, language, log,
                             [&](TextOutStream& page, const CString&) {
                                 writeSections(page, this, language,
                                               {"Purpose", "KeyPoints", "EntryCriteria", "ExitCriteria", "MeasuresToUse",
                                                "ProcessPerformanceObjectives", "Interfaces"});
                             },
                             false, false);
        writeNewFile(item, "Description.txt", description + "\n", log);
        writeNewFile(item, "process.data", dataFileText(item, kWorkflowClass, {"fullyGenerated=yes"}), log);
    }
    closeLog(log);
}

void ProcessManager::createMacroActivityFiles(ProcessItem* item, const CString& description, int isPhase,
                                              int useFrame) {
    TextOutStream* log = openLog();
    if (log)
        *log << (isPhase ? "Create phase " : "Create macro activity ") << item->getName() << "\n";
    const int kind = isPhase ? kPhaseClass : kMacroActivityClass;
    if (beginClassFiles(item, log, kind)) {
        const ProcessOption& option = ProcessOption::instance();
        for (int language = 0; language <= (StdOption::instance().getTwoLanguages() ? 1 : 0); ++language)
            writeDefaultPage(item, language == 0 ? description : CString(), useFrame, language, log,
                             [&](TextOutStream& page, const CString&) {
                                 struct Cell {
                                     bool on;
                                     CString content;
                                     const char* closing;
                                 };
                                 const Cell cells[] = {
                                     {isPhase != 0, getLabel(language, "Milestone"), "</b></td>\n"},
                                     {option.getGenerateActivitiesByRoleByMA(),
                                      "<a href=\"activities.htm\">" + getLabel(language, "ActivitiesByRole"),
                                      "</a></b></td>\n"},
                                     {option.getGenerateTemplateAccessByMA(),
                                      "<a href=\"templates.htm\">" + getLabel(language, "Template"), "</a></b></td>\n"},
                                     {option.getGenerateActivityAccessByStateByMA(),
                                      "<a href=\"activitiesByState.htm\">" + getLabel(language, "ValidatedActivities"),
                                      "</a></b></td>\n"},
                                 };
                                 int n = 0;
                                 for (const Cell& cell : cells)
                                     n += cell.on;
                                 if (n > 0) {
                                     const int width = 100 / n;
                                     const int last = 100 - (n - 1) * width;
                                     page << "<table border=\"1\" width=\"100%\">\n"
                                          << "<tr>\n";
                                     int written = 0;
                                     for (const Cell& cell : cells) {
                                         if (!cell.on)
                                             continue;
                                         ++written;
                                         page << "<td width=\"" << (written == n ? last : width)
                                              << "%\"align=\"center\"><b>" << cell.content << cell.closing;
                                     }
                                     page << "</tr>\n"
                                          << "</table>\n";
                                 }
                                 writeSections(page, this, language, {"MainObjectives", "KeyPoints"});
                             },
                             false, false);
        writeNewFile(item, "process.data",
                     dataFileText(item, kind, {"fullyGenerated=yes", "State=", "Version="}), log);
    }
    closeLog(log);
}

void ProcessManager::writeActivityDefaultPage(ProcessItem* item, int useFrame, int language, TextOutStream* log,
                                              int separated) {
    const CString path = getItemPagePath(item, language);
    if (path.IsEmpty())
        return;
    if (useFrame)
        createItemHeader(item, language);
    if (platform::pathExists(path)) {
        if (log)
            *log << "-- " << item->getUrl() << " already exist. Generation skiped\n";
        return;
    }
    if (log)
        *log << "> Generating " << item->getUrl() << " file\n";
    const CString prefix = upPrefix(item->getLevel() + 2);
    auto head = [&](TextOutStream& page) {
        page << kTransitionalDocType << "\n"
             << "<html>\n"
             << "<head>\n"
             << writeMetaTags(item) << "<title>" << item->getNameByLanguage(language) << "</title>\n"
             << "<link rel=\"stylesheet\" href=\"" << prefix << "css/project.css\" type=\"text/css\">\n"
             << "</head>\n\n"
             << "<body>\n"
             << getPageBanner(item->getNameByLanguage(language), prefix, item->getPageHeaderImage(), 1, "");
    };
    TextOutStream page(path);
    head(page);
    std::unique_ptr<TextOutStream> procedure;
    if (separated) {
        const CString procedurePath =
            getPathInProject(item->getFolder(1, 1) + ItemActivity::getProcedurePageName(language));
        if (!procedurePath.IsEmpty() && !platform::pathExists(procedurePath)) {
            procedure = std::make_unique<TextOutStream>(procedurePath);
            // The same head and banner as the main page, images under the same prefix.
            head(*procedure);
        }
    }
    const CString templateName = ProcessOption::instance().getTemplateActivity();
    TextInStream templateFile;
    const CString templatePath = getPathInProject(CString("tolvane") + "/templates/activity/" + templateName);
    if (!templateName.IsEmpty() && !templatePath.IsEmpty())
        templateFile.open(templatePath);
    if (!templateFile.is_open()) {
        ui::AfxMessageBox(loadString(33048));
        writeActivitySkeleton(page, prefix);
    } else {
        TextOutStream& target = separated ? (procedure ? *procedure : page) : page;
        const bool toNowhere = separated && !procedure;
        CString line;
        while (templateFile.getline(line, 10000)) {
            line.Replace("@TOP@", topLink(prefix));
            // Each line keeps its line end.
            if (!toNowhere)
                target << line << "\n";
        }
    }
    page << "</body>\n"
         << "</html>\n";
    if (procedure)
        *procedure << "</body>\n"
                   << "</html>\n";
}

void ProcessManager::createActivityFiles(ProcessItem* item, const CString& description, int useFrame) {
    TextOutStream* log = openLog();
    if (log)
        *log << "Create activity " << item->getName() << "\n";
    if (beginClassFiles(item, log, kActivityClass)) {
        int separated = ProcessOption::instance().getActivityProcedureInSeparatedPage() == 1;
        if (ProcessOption::instance().getActivityProcedureInSeparatedPage() == 2)
            separated = ui::AfxMessageBox(loadString(33049), MB_YESNO | MB_ICONQUESTION) == IDYES;
        if (ItemActivity* activity = item->getItemActivity())
            activity->setSeparatedProcedureText(separated);
        if (item->getExtension())
            item->getExtension()->writeDescription(description, 0);
        for (int language = 0; language <= (StdOption::instance().getTwoLanguages() ? 1 : 0); ++language)
            writeActivityDefaultPage(item, useFrame, language, log, separated);
        writeNewFile(item, "process.data",
                     dataFileText(item, kActivityClass,
                                  {"Roles=", "InWorkProducts=", "OutWorkProducts=", "Step=", "State=", "Version=",
                                   "ActivityType="}) +
                         "\n" + (separated ? "SeparatedProcedureText=yes" : "SeparatedProcedureText=no"),
                     log);
    }
    closeLog(log);
}

void ProcessManager::createWorkProductFiles(ProcessItem* item, const CString& description, int useFrame) {
    TextOutStream* log = openLog();
    if (log)
        *log << "Create Work Product " << item->getName() << "\n";
    if (beginClassFiles(item, log, kWorkProductClass)) {
        const CString archive = getPathInSite(item->getFolder(1, 0) + "ar/");
        if (archive.IsEmpty() || !CreateDirectoryA(archive, nullptr)) {
            CString message;
            message.Format(loadString(32965), platform::shownPath(archive).GetString());
            ui::AfxMessageBox(message);
        } else if (!platform::pathExists(archive + "_keep")) {
            TextOutStream keep(archive + "_keep");
        }
        for (int language = 0; language <= (StdOption::instance().getTwoLanguages() ? 1 : 0); ++language)
            writeDefaultPage(item, language == 0 ? description : CString(), useFrame, language, log,
                             [&](TextOutStream& page, const CString&) {
                                 page << "<p><b>Description:</b></p>\n"
                                      << (language == 0 ? description : CString()) << "<br>\n"
                                      << "<p><b>" << getLabel(language, "ReadingActivities") << "</b></p>\n"
                                      << "To generate... <br>\n"
                                      << "<p><b>Creating/updating activities:</b></p>\n"
                                      << "To generate... <br>\n";
                             },
                             false, true);
        writeNewFile(item, "ArtefactDescription.txt", description + "\n", log);
        std::vector<const char*> keys = {"TemplateNameL1F1=", "TemplateNameL1F2=", "AlternativeTemplateNameL1F1=",
                                         "AlternativeTemplateNameL1F2=", "ExampleNameL1F1=", "ExampleNameL1F2=",
                                         "AlternativeExampleNameL1F1=", "AlternativeExampleNameL1F2="};
        if (ProcessOption::instance().getTemplatesIn2Languages())
            for (const char* key : {"TemplateNameL2F1=", "TemplateNameL2F2=", "AlternativeTemplateNameL2F1=",
                                    "AlternativeTemplateNameL2F2=", "ExampleNameL2F1=", "ExampleNameL2F2=",
                                    "AlternativeExampleNameL2F1=", "AlternativeExampleNameL2F2="})
                keys.push_back(key);
        for (const char* key : {"TemplateNameF1Extension=", "TemplateNameF2Extension=", "Comment=", "Author="})
            keys.push_back(key);
        writeNewFile(item, "process.data", dataFileText(item, kWorkProductClass, keys), log);
    }
    closeLog(log);
}

void ProcessManager::createGenericItemFiles(ProcessItem* item, const CString&, int kind, int useFrame) {
    // The folder comes first: one that exists already belongs to another
    // item, whose pages of either language must stay as they are.
    if (!createItemFolder(item)) {
        m_folderRefused = true;
        return;
    }
    createItemPage(item, 1, nullptr, 0, useFrame, 0);
    if (StdOption::instance().getTwoLanguages())
        createItemPage(item, 1, nullptr, 0, useFrame, 1);
    item->setClassKind(kind);
    TextOutStream* log = openLog();
    if (log)
        *log << "Create " << getProcessClassKeyword(kind, 1) << " " << item->getName() << "\n";
    writeNewFile(item, "process.data", dataFileText(item, kind, {}), log);
    closeLog(log);
}
