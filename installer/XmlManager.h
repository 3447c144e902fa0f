#pragma once

// Drives the deferred side of Tarnwick: the unpacked action data become the
// update model, and each target file is handled in turn. A missing file is
// written new (when its row asks for it), an existing one is copied to a
// backup, recorded (XmlBookkeeping) and patched in place, and at removal a
// file that the installation created is deleted. A file whose handling
// fails stops the run (the installation then rolls back), or, when its row
// asks to continue (0x20), is put back at once while the run goes on.
// Rollback and commit act on what the runs of this installation recorded,
// and nothing else.

#include "Msi.h"
#include "XmlBookkeeping.h"
#include "XmlUpdateModel.h"

#include <string>

class XmlUpdateDataReader;
struct XmlFileRecord;

class XmlManager {
public:
    // FW_XmlFile.Flags handled here.
    static constexpr std::int32_t kCreateMissing = 0x08;
    static constexpr std::int32_t kDeleteCreated = 0x10;
    static constexpr std::int32_t kContinueOnError = 0x20;
    static constexpr std::int32_t kKeepOnCommit = 0x40;

    explicit XmlManager(MSIHANDLE install) : m_install(install), m_bookkeeping(u"") {}
    XmlManager(const XmlManager&) = delete;
    XmlManager& operator=(const XmlManager&) = delete;

    // The properties (the bookkeeping key is "ProductCode", followed by "."
    // and "FW_XML_MODULE_ID" when that is set; "REMOVE" equal to "ALL"
    // removes everything) and the rows of the three tables.
    void load(const XmlUpdateDataReader& data);

    // Handles every file in mode (1 install, 2 uninstall): 0, or 1603 when a
    // file failed without asking to continue. Uninstall ends with its own
    // commit and, when removing everything, deletes the bookkeeping key;
    // when it fails, its entries stay, as those of a finished installation.
    UINT run(int mode);
    // Puts back every file that the installation's runs changed and deletes
    // the backups they made; the bookkeeping key goes once it holds nothing.
    void rollback();
    // Deletes the installation's backups (but those of files flagged 0x40)
    // and their entries; files created stay recorded as created.
    void commit();

    // Handles one file; false, after reporting the error, when it failed.
    bool processFile(XmlFileRecord& file, int mode);
    // Backs up, records and patches an existing file.
    void updateFile(XmlFileRecord& file, int mode);
    // Patches an existing file in place with the model's records in mode:
    // reads it, checks its root element (4117), edits it and writes it back
    // once, only when an edit was made. Nothing is written before that.
    static void patchFile(XmlUpdateModel& model, XmlFileRecord& file, int mode);
    // Puts the file back as it was before the installation: deletes it when
    // the installation created it, else copies its first backup over it.
    void restoreFile(const XmlFileRecord& file);

    const XmlBookkeeping& bookkeeping() const { return m_bookkeeping; }
    const XmlUpdateModel& model() const { return m_model; }

private:
    MSIHANDLE m_install;
    XmlBookkeeping m_bookkeeping;
    XmlUpdateModel m_model;
    bool m_removeAll = false;
};
