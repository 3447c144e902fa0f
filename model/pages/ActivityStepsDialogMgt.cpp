#include "ActivityStepsDialogMgt.h"

#include "CTime.h"
#include "FileSystem.h"
#include "ItemActivity.h"
#include "ProcessItem.h"
#include "Project.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <algorithm>

namespace {

const char kSkeletonDocType[] = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                                "\"http://www.w3.org/TR/html4/loose.dtd\">";
const char kToTranslate[] = "To translate";

CString decimal(long value) {
    CString text;
    text.Format("%ld", value);
    return text;
}

CString languageSuffix(int language) {
    return language == 0 ? ".htm" : "L2.htm";
}

} // namespace

ActivityStepsDialogMgt::ActivityStepsDialogMgt(Project* project, ProcessItem* item)
    : PropertyPage(185, "Steps"), m_project(project), m_item(item) {}

CString ActivityStepsDialogMgt::removeLineBreaks(const CString& text) {
    CString cleaned = text;
    cleaned.Replace('\r', ' ');
    cleaned.Replace('\n', ' ');
    return cleaned;
}

int ActivityStepsDialogMgt::stepLevel(const CString& title) {
    return title.GetLength() > 2 && title[0] == '#' ? title[1] - '0' : 0;
}

bool ActivityStepsDialogMgt::acceptTitle(const CString& title, const CString& kept) {
    CString trimmed = title;
    trimmed.Trim();
    if (!trimmed.IsEmpty())
        return true;
    CString message;
    message.Format(loadString(33481), kept.GetString());
    ui::AfxMessageBox(message);
    return false;
}

std::vector<CString> ActivityStepsDialogMgt::ownSteps(int language) const {
    std::vector<CString> titles;
    const ItemActivity* activity = m_item->getItemActivity();
    CStringListePlus* steps = activity ? activity->getOwnSteps(language) : nullptr;
    for (int i = 1; steps && i <= steps->count(); ++i)
        titles.push_back(*steps->at(i));
    return titles;
}

void ActivityStepsDialogMgt::storeSteps(const std::vector<CString>& titles,
                                        const std::vector<CString>* titlesL2) {
    int previous = -1;
    bool incoherent = false;
    for (const CString& title : titles) {
        const int level = stepLevel(title);
        incoherent = incoherent || level > previous + 1;
        previous = level;
    }
    if (incoherent)
        ui::AfxMessageBox(loadString(33011));
    ItemActivity* activity = m_item->getItemActivity();
    if (!activity)
        return;
    activity->getOwnSteps(0)->deleteAll();
    for (const CString& title : titles)
        activity->addStep(title);
    if (titlesL2) {
        activity->getOwnSteps(1)->deleteAll();
        for (const CString& title : *titlesL2)
            activity->addStepL2(title);
    }
    activity->saveSteps();
}

void ActivityStepsDialogMgt::dropKeptTitleL2(int index) {
    ItemActivity* activity = m_item->getItemActivity();
    std::vector<CString> titles = ownSteps(1);
    if (!activity || index < 0 || index >= static_cast<int>(titles.size()))
        return;
    titles.erase(titles.begin() + index);
    activity->getOwnSteps(1)->deleteAll();
    for (const CString& title : titles)
        activity->addStepL2(title);
}

void ActivityStepsDialogMgt::swapKeptTitlesL2(int a, int b) {
    ItemActivity* activity = m_item->getItemActivity();
    std::vector<CString> titles = ownSteps(1);
    const int last = std::max(a, b);
    if (!activity || titles.empty() || std::min(a, b) >= static_cast<int>(titles.size()))
        return;
    // A title moved past the end is followed by fillers, as a second
    // language shorter than the first is shown.
    while (static_cast<int>(titles.size()) <= last)
        titles.push_back(kToTranslate);
    std::swap(titles[static_cast<size_t>(a)], titles[static_cast<size_t>(b)]);
    activity->getOwnSteps(1)->deleteAll();
    for (const CString& title : titles)
        activity->addStepL2(title);
}

CString ActivityStepsDialogMgt::folderFile(const CString& name) const {
    return m_project ? m_project->getProjectDirectory() + m_item->getFolder(1, 1) + name : CString();
}

CString ActivityStepsDialogMgt::stepPagePath(int index, int language) const {
    return folderFile(decimal(index) + languageSuffix(language));
}

void ActivityStepsDialogMgt::renamePage(const CString& from, const CString& to) {
    if (from.IsEmpty() || to.IsEmpty() || !platform::fileExists(from))
        return;
    if (platform::pathExists(to)) {
        CString message;
        message.Format(loadString(33480), platform::shownPath(from).GetString(),
                       platform::shownPath(to).GetString());
        ui::AfxMessageBox(message);
        return;
    }
    if (!MoveFileA(from, to)) {
        CString message;
        message.Format(loadString(32997), platform::shownPath(from).GetString(),
                       platform::shownPath(to).GetString());
        ui::AfxMessageBox(message + " (" + platform::lastErrorText() + ")");
    }
}

CString ActivityStepsDialogMgt::freeStem(const CString& stem) const {
    CString candidate = stem;
    for (int n = 2; platform::pathExists(folderFile(candidate + ".htm")) ||
                    platform::pathExists(folderFile(candidate + "L2.htm"));
         ++n)
        candidate = stem + "_" + decimal(n);
    return candidate;
}

void ActivityStepsDialogMgt::retireStepPages(int deleted, int count) {
    const CString retired = freeStem(
        "deleted_" + decimal(static_cast<long>(CTime::GetCurrentTime().GetTime())) + "_" + decimal(deleted));
    renamePage(stepPagePath(deleted, 0), folderFile(retired + ".htm"));
    renamePage(stepPagePath(deleted, 1), folderFile(retired + "L2.htm"));
    for (int v = deleted + 1; v <= count; ++v) {
        renamePage(stepPagePath(v, 0), stepPagePath(v - 1, 0));
        renamePage(stepPagePath(v, 1), stepPagePath(v - 1, 1));
    }
}

void ActivityStepsDialogMgt::swapStepPages(int a, int b) {
    const CString parked = freeStem(decimal(a) + "_TMP");
    renamePage(stepPagePath(a, 0), folderFile(parked + ".htm"));
    renamePage(stepPagePath(a, 1), folderFile(parked + "L2.htm"));
    renamePage(stepPagePath(b, 0), stepPagePath(a, 0));
    renamePage(stepPagePath(b, 1), stepPagePath(a, 1));
    renamePage(folderFile(parked + ".htm"), stepPagePath(b, 0));
    renamePage(folderFile(parked + "L2.htm"), stepPagePath(b, 1));
}

CString ActivityStepsDialogMgt::prepareStepPage(int index, int language) {
    const CString path = stepPagePath(index, language);
    if (!path.IsEmpty() && !platform::fileExists(path)) {
        const CString skeleton = CString(kSkeletonDocType) +
                                 "\r\n<html>\r\n<head>\r\n<title>Step of activity " + m_item->getName() +
                                 "</title>\r\n</head>\r\n\r\n<body>\r\n</body>\r\n</html>\r\n";
        platform::writeFileReplacing(path, std::string_view(skeleton.GetString(), skeleton.GetLength()));
    }
    return path;
}

CString ActivityStepsDialogMgt::stepPageTitle(int index, int language) const {
    return "Edit step " + decimal(index) + " of activity " +
           (language == 0 ? m_item->getName() : m_item->getNameByLanguage(1));
}

CString ActivityStepsDialogMgt::stepPageFolder() const {
    return m_project ? m_project->getSiteDirectory() + m_item->getFolder(1, 0) : CString();
}
