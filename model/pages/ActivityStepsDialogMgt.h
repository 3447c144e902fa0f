#pragma once

// "Steps": the activity's own steps, a title per language, and their pages.
// The page acts at once: each command stores the titles into the activity
// and its data file, and deleting or moving a step renames its page files
// so that every page stays with its step. A step's page in a language is
// the file named after the step's zero-based position ("2.htm", "2L2.htm")
// in the activity's folder; a step gets it the first time it is edited.
//
// The titles are kept whole on disk: a title that would be stored empty is
// refused (the data file's lists drop empty elements, which would shift the
// steps after it away from their pages), and in a project of one language
// the second-language titles stay as they were, following the steps that
// are deleted or moved. A page rename never replaces a file: when the new
// name is taken, the page stays where it is and the user is told.

#include "PropertyPage.h"

#include <vector>

class ProcessItem;
class Project;

class ActivityStepsDialogMgt : public PropertyPage {
public:
    ActivityStepsDialogMgt(Project* project, ProcessItem* item);

    // The title with every carriage return and line feed made a space.
    static CString removeLineBreaks(const CString& text);
    // 0, or for a title longer than two characters that starts with "#" the
    // value of its second character.
    static int stepLevel(const CString& title);
    // Whether a title can be stored; otherwise message 33481 names the title kept.
    static bool acceptTitle(const CString& title, const CString& kept);

    // The activity's own titles of a language.
    std::vector<CString> ownSteps(int language) const;
    // Stores the titles into the activity and writes "Step" and "StepL2";
    // without second-language titles (one language) StepL2 is kept. Warns
    // once (33011) when a step is more than one level deeper than the one
    // before it, the first step counting after level -1.
    void storeSteps(const std::vector<CString>& titles, const std::vector<CString>* titlesL2);
    // With one language, the kept second-language titles follow a step
    // deleted at index, or two steps exchanged.
    void dropKeptTitleL2(int index);
    void swapKeptTitlesL2(int a, int b);

    // Project folder + the activity's folder + index + ".htm" / "L2.htm".
    CString stepPagePath(int index, int language) const;
    // The pages of the deleted step are retired under "deleted_" names (made
    // unique), then the pages of the steps after it, up to `count` (the
    // number of steps left), move down by one.
    void retireStepPages(int deleted, int count);
    // Exchanges the pages of two steps, through a free parking name.
    void swapStepPages(int a, int b);
    // The page of the step, its skeleton written first when it is missing.
    CString prepareStepPage(int index, int language);
    // "Edit step " + index + " of activity " + the activity's name in the language.
    CString stepPageTitle(int index, int language) const;
    // Project folder + "site/" + the activity's url folder: the editor's page folder.
    CString stepPageFolder() const;

    Project* m_project;
    ProcessItem* m_item;

private:
    CString folderFile(const CString& name) const;
    // Renames a page: nothing when it does not exist; never over another
    // file, which is told (33480).
    void renamePage(const CString& from, const CString& to);
    // A name of the folder, made of the stem and a counter when needed, free in both languages.
    CString freeStem(const CString& stem) const;
};
