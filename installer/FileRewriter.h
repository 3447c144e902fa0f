#pragma once

// Gives a target file new bytes and keeps the file itself: its owner, group,
// mode and every name it has (hard links), so that the service that reads a
// configuration still can after a patch or a rollback, whoever runs the
// installation.
//
// The bytes go whole to a stage first, so that a failure while they are
// made (a full disk, a source that can no longer be read) leaves the file
// as it was. At commit the stage takes the file's place by a rename, which
// never leaves half a file, when that keeps everything: the file has one
// name, no extended attributes (an access list, a security label) and the
// stage can be given its owner, group and mode. Otherwise the bytes are
// copied over the file's own. A failure in the middle of that copy leaves
// the file half-written; the run made and recorded a backup before it read
// the file, and puts it back from there.
//
// A file that cannot be opened for writing is refused, and so is one whose
// mode lets nobody write it (read-only) unless the rewrite is asked to
// write those too (a backup put back). A missing file is created with the
// mode that new files get.

#include <string>
#include <string_view>
#include <sys/stat.h>

class FileRewriter {
public:
    enum class ReadOnly { Refuse, Write };

    FileRewriter(const std::u16string& path, ReadOnly readOnly);
    // A rewrite not committed leaves the file as it was.
    ~FileRewriter();
    FileRewriter(const FileRewriter&) = delete;
    FileRewriter& operator=(const FileRewriter&) = delete;

    // False when the file was refused or no stage could be made.
    bool isOpen() const { return m_stage >= 0; }
    bool write(std::string_view bytes);
    // The file takes the bytes written; false when anything failed.
    bool commit();
    // The system's error code of the first failure; 0 without one.
    int error() const { return m_error; }

private:
    bool fail(int error);
    void makeStage();
    // Gives the stage the file's owner, group and mode and renames it over
    // the file; false, with the file untouched, when that would not keep it.
    bool renameOver();
    bool copyOver();
    void closeAll();

    std::string m_path;   // the file, its links resolved
    std::string m_folder; // with its last "/"
    int m_target = -1;    // the existing file, open for writing
    struct stat m_targetStat {};
    int m_stage = -1;
    std::string m_stagePath; // empty for a stage without a name
    off_t m_written = 0;
    int m_error = 0;
};
