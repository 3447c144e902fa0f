#pragma once

// The diagram file of an item: "workflow.ar" in its folder for a workflow,
// work-product map or role map, "banner.ar" for the site banner. One line
// per record, CR LF after each, in the Windows-1252 bytes of the diagram's
// texts: the paper, then every entity bottom first, then every link. The
// file holds no item text: nodes name their items by uid.
//
// Besides the file, a save keeps the diagram item's children in step with
// its activity boxes (synchronizeActivities): a box bound to an item that
// is not a child of the diagram item gets a child shortcut to it, and a
// child shortcut to an activity, macro-activity or phase that no box shows
// is deleted. A load adds a box for every child activity, macro-activity
// and phase that has none.
//
// What the file holds is never lost: a line that no class reads is kept
// and written back in its place, a file that cannot be read is told and
// is only replaced once the user agreed, a save replaces the file whole or
// not at all, and in a project that several users share a save over a file
// changed since it was read asks first.

#include "CString.h"
#include "FileSystem.h"

#include <functional>
#include <string>
#include <vector>

class CFlowchartEntityContainer;
class Item;
class Project;

class WorkflowDiagramFile {
public:
    static constexpr const char* kWorkflowFileName = "workflow.ar";
    static constexpr const char* kBannerFileName = "banner.ar";

    // The diagram of the item; with banner set, the banner's (the item is
    // then the project's home item).
    WorkflowDiagramFile(Project* project, Item* item, int banner);

    // The project folder + the item's folder + the file name.
    CString getPath() const;

    // Replaces the container's links and entities by the file's when the
    // file opens (a missing file leaves them), adds boxes for the child
    // activities that have none (not for the banner) and marks the diagram
    // modified. A file that exists but cannot be read is told.
    void loadDiagram(CFlowchartEntityContainer& container);
    // The boxes for the child activities, macro-activities and phases of
    // the item that no box shows, at (50, 50), (100, 100) ...; how many.
    int addBoxesForChildren(CFlowchartEntityContainer& container);

    // Writes the file whole, clears the modified flag, then: the banner's
    // height (banner), the pictures (exportPictures, when given, with the
    // language: 0, then 1 in a project of two languages), the
    // synchronisation (not the banner). FALSE, with the diagram still
    // modified and nothing after the write done, when the user declined to
    // replace the file or it could not be written (told).
    BOOL saveDiagram(CFlowchartEntityContainer& container,
                     const std::function<void(int language)>& exportPictures = {});
    // The file's lines as the save writes them.
    std::string toFileBytes(CFlowchartEntityContainer& container) const;

    // The item's children follow its activity boxes, as one change of the tree.
    void synchronizeActivities(CFlowchartEntityContainer& container);

    // The lines of the file that no class read, in the order read.
    std::vector<CString> unreadLines() const;

private:
    // A line no class reads, with the number of entity and link lines read
    // before it: it is written back after as many.
    struct KeptLine {
        CString line;
        int entitiesBefore = 0;
        int linksBefore = 0;
    };
    void logUnreadLines() const;

    Project* m_project;
    Item* m_item;
    int m_banner;
    std::vector<KeptLine> m_keptLines;
    // The file existed when the diagram was opened but could not be read:
    // the first save over it asks.
    bool m_unreadable = false;
    // The file as it was read or written last (exists false: there was none).
    platform::FileStamp m_stamp;
    bool m_stampKnown = false;
};
