#pragma once

// Rewrites the references to items whose uid changed in the files of item
// folders, so that every reader finds the same items afterwards: the list
// keys of "process.data" that name items by uid (roles, work products and
// their states, authors, procedures, measures, derivations, targets,
// traceability links), the "[@uid]" references of step texts,
// descriptions, tailoring guidelines, notes and pages, and the first field
// of the clickable-area files "map.data" and "banner.data", and the item keys
// of the nodes in the diagram files "workflow.ar" and "banner.ar".
//
// Uids are compared ignoring case (lookups upper-case them, lists are read
// lower-cased) and only where a uid stands whole in its place: "N12" never
// matches inside "N123", and a text part of a reference is never touched.

#include "CString.h"

#include <functional>
#include <unordered_map>

class UidReferences {
public:
    // Records that references to oldUid must name newUid instead.
    void add(const CString& oldUid, const CString& newUid);
    bool isEmpty() const { return m_renames.empty(); }
    // The new uid for a uid (any case), or an empty text when it keeps its own.
    CString renamed(const CString& uid) const;

    // One value of a key of "process.data", with the references renamed.
    CString relinkDataValue(const CString& key, const CString& value) const;
    // Every "[@uid]" of the text whose uid was renamed names the new one.
    CString relinkText(const CString& text) const;
    // The lines of a clickable-area file whose first field was renamed.
    CString relinkAreaFile(const CString& text) const;
    // The records of a diagram file ("workflow.ar", "banner.ar") whose item
    // key was renamed: activity, work product, role, swimlane and picture nodes.
    CString relinkDiagramFile(const CString& text) const;

    // Rewrites the files of one folder (not its subfolders) that hold
    // references; each changed file is replaced whole. False when a file
    // could not be rewritten: its path is added to failed, one a line.
    bool relinkFolder(const CString& folder, CString& failed) const;

    // The pages of an item's own folder name the item by its uid where
    // they were written once (the page id footer, the identifier meta tag):
    // there the old uid becomes the new one. False when a page could not
    // be rewritten (added to failed).
    static bool relinkOwnPages(const CString& folder, const CString& oldUid, const CString& newUid,
                               CString& failed);
    // The page with the uid renamed in its identifier meta tag and its page
    // id footer only: the same letters in the page's own text stay.
    static CString relinkPageIdentity(const CString& page, const CString& oldUid, const CString& newUid);

private:
    // Calls f with the path and name of every plain file of the folder
    // itself (no subfolder, no link); false when f answers false for one.
    static bool forEachFile(const CString& folder,
                            const std::function<bool(const CString&, const CString&)>& f);

    // A list piece "~uid/..." (or "uid/..." when headIsUid): its head, and
    // its second part when stateIsUid, renamed.
    CString relinkPiece(const CString& piece, bool headIsUid, bool stateIsUid) const;

    std::unordered_map<CString, CString> m_renames; // upper-cased old uid -> new uid
};
