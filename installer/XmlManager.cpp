#include "XmlManager.h"

#include "Exception.h"
#include "FileOps.h"
#include "InstallerMessages.h"
#include "XmlBackup.h"
#include "XmlFileRecord.h"
#include "XmlFlags.h"
#include "XmlTableElementRecord.h"
#include "XmlTargetDatabase.h"
#include "XmlUpdateDataReader.h"

namespace {

const std::u16string kSource = u"xml\\XmlManager";
constexpr int kNoRootRecordLine = 370;
constexpr int kRootMismatchLine = 378;

} // namespace

void XmlManager::load(const XmlUpdateDataReader& data) {
    std::u16string keyName = data.property(u"ProductCode");
    const std::u16string moduleId = data.property(u"FW_XML_MODULE_ID");
    if (!moduleId.empty())
        keyName += u"." + moduleId;
    m_bookkeeping = XmlBookkeeping(keyName);
    m_removeAll = data.property(u"REMOVE") == u"ALL";
    m_model.load(data);
}

UINT XmlManager::run(int mode) {
    // The entries of this run add to those of any run before it in the same
    // installation (the install action may run twice), so that the
    // installation's rollback and commit act on them all.
    bool failed = false;
    for (const auto& file : m_model.files()) {
        if (processFile(*file, mode))
            continue;
        failed = !(file->flags & kContinueOnError) ||
                 !messages::runGuarded(m_install, [&] { restoreFile(*file); });
        if (failed)
            break;
    }
    if (mode != xmlflags::kModeUninstall)
        return failed ? ERROR_INSTALL_FAILURE : ERROR_SUCCESS;
    // No rollback or commit action follows a removal: it ends its hold on
    // the files itself, committing when it succeeded.
    if (failed) {
        for (const auto& file : m_model.files())
            m_bookkeeping.forgetRun(file->fullPath());
        return ERROR_INSTALL_FAILURE;
    }
    const bool done = messages::runGuarded(m_install, [&] {
        commit();
        if (m_removeAll)
            m_bookkeeping.deleteBookkeepingKey();
    });
    return done ? ERROR_SUCCESS : ERROR_INSTALL_FAILURE;
}

bool XmlManager::processFile(XmlFileRecord& file, int mode) {
    return messages::runGuarded(m_install, [&] {
        const std::u16string path = file.fullPath();
        messages::sendActionData(m_install, path);
        const bool exists = XmlFileRecord::pathExists(path);
        if (mode == xmlflags::kModeInstall) {
            if (exists) {
                updateFile(file, mode);
            } else if (file.flags & kCreateMissing) {
                file.writeNewDocument(m_model, mode);
                // Only a file that is there now was created by the installation.
                if (XmlFileRecord::pathExists(path))
                    m_bookkeeping.recordEntry(XmlBookkeeping::kCreated, path);
            }
            return;
        }
        if (!exists)
            return;
        const bool deleteCreated = (file.flags & kDeleteCreated) && (file.flags & kCreateMissing);
        if (deleteCreated && m_bookkeeping.lookupEntry(path) == XmlBookkeeping::kCreated)
            files::deleteFile(path);
        else
            updateFile(file, mode);
    });
}

void XmlManager::updateFile(XmlFileRecord& file, int mode) {
    m_bookkeeping.recordEntry(XmlBackup::makeBackup(file), file.fullPath());
    patchFile(m_model, file, mode);
}

void XmlManager::patchFile(XmlUpdateModel& model, XmlFileRecord& file, int mode) {
    const std::u16string path = file.fullPath();
    XmlTargetDatabase database(path);
    // A document element that lacks the key attributes of every record of
    // its path can be no match, no parent and no ancestor of one.
    std::vector<XmlTargetDatabase::Wanted> wanted;
    for (const XmlTableElementRecord* record : model.fileElements(file))
        wanted.push_back({record->namePath(), XmlUpdateModel::matchAttributes(*record, false)});
    database.keepOnly(wanted);
    database.load();
    if (!file.root)
        throw Exception(kSource, kNoRootRecordLine, u"Unexpected exception.");
    const XmlDocumentElementRecord* root = database.rootElement();
    if (!root || root->name() != file.root->name())
        throw Exception(kSource, kRootMismatchLine, messages::kRootMismatch,
                        {root ? root->name() : std::u16string(), path});
    model.updateDocument(database, file, mode);
    database.save();
}

void XmlManager::restoreFile(const XmlFileRecord& file) {
    const std::u16string path = file.fullPath();
    const std::vector<std::u16string> entries = m_bookkeeping.runEntries(path);
    if (entries.empty())
        return;
    const bool restored = entries.front() == XmlBookkeeping::kCreated
                              ? files::deleteFile(path) || !files::exists(path)
                              : XmlBackup::restoreFromBackup(entries.front(), file);
    // A backup that could not be copied back stays, with its entry, for
    // whoever puts the file right by hand.
    if (restored) {
        for (const std::u16string& entry : entries) {
            if (entry != XmlBookkeeping::kCreated)
                files::deleteFile(entry);
            m_bookkeeping.removeEntry(entry, path);
        }
    }
    m_bookkeeping.forgetRun(path);
}

void XmlManager::rollback() {
    for (const auto& file : m_model.files())
        restoreFile(*file);
    m_bookkeeping.deleteKeyWhenEmpty();
}

void XmlManager::commit() {
    for (const auto& file : m_model.files()) {
        const std::u16string path = file->fullPath();
        if (!(file->flags & kKeepOnCommit)) {
            for (const std::u16string& entry : m_bookkeeping.runEntries(path)) {
                if (entry == XmlBookkeeping::kCreated)
                    continue;
                files::deleteFile(entry);
                m_bookkeeping.removeEntry(entry, path);
            }
        }
        m_bookkeeping.forgetRun(path);
    }
    m_bookkeeping.deleteKeyWhenEmpty();
}
