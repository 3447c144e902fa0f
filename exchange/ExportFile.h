#pragma once

// One file that an export writes into the project's folder "tmp", replaced
// whole when it is closed. In text mode every "\n" goes out as CR LF, in
// binary mode the bytes go out as they are. A file that cannot be created
// or written is told to the user, and the export then shows no success.

#include "CString.h"
#include "TextOutStream.h"

#include <initializer_list>

class Project;

class ExportFile {
public:
    ExportFile(Project& project, const CString& fileName, bool binary = false);
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    template <typename T> ExportFile& operator<<(const T& value) {
        m_out << value;
        return *this;
    }
    // The stream, for writers that append to it themselves.
    TextOutStream& getStream() { return m_out; }
    // Puts the file in place. False, after message 32964 naming the file and
    // its folder, when it could not be created or written whole.
    bool close();
    // Puts every file in place, each one told when it fails (so no failure
    // hides another, and none is left for the destructor to put in place
    // unreported); true when all were written.
    static bool closeAll(std::initializer_list<ExportFile*> files);
    const CString& getPath() const { return m_path; }

    // A value as a field of a semicolon-separated file: quoted, its quotes
    // doubled, when it holds the separator, a double quote or a line end,
    // so that a spreadsheet reads it back as it was.
    static CString field(const CString& text);
    // Message 32963 (the files named were generated in "<site root>/tmp"),
    // then the folder "tmp" shown in the file manager.
    static void reportGenerated(Project& project, const CString& fileNames);
    // A string-table message with its texts, in a box with an OK button.
    static void showMessage(unsigned id, const char* first, const char* second = "");
    // The path of a file of the project's folder "tmp".
    static CString pathInTmp(Project& project, const CString& fileName);

private:
    Project& m_project;
    CString m_path;
    TextOutStream m_out;
    bool m_closed = false;
};
