#pragma once

// The page editor on an item's page, as the main window's "Edit Html" and
// "View page" and the "Html Content" page of a sheet open it: the page of
// the language (Project::getItemPagePath), titled "Edit " or "View " and
// the item's name, with the item's folder for the pictures and documents
// inserted; when editing, links to items are written relative to the page.
// A failure while the editor runs is told ("An unexpected error has
// occured") and ends the command; nothing is passed on.

class ProcessItem;
class Project;
class wxWindow;

void runItemPageEditor(Project* project, ProcessItem* item, bool viewOnly, int language, wxWindow* parent);
