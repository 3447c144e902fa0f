#include "ExportFile.h"

#include "FileSystem.h"
#include "Project.h"
#include "StringTable.h"
#include "WorkProductCsv.h"
#include "ui/UserInterface.h"

ExportFile::ExportFile(Project& project, const CString& fileName, bool binary)
    : m_project(project), m_path(pathInTmp(project, fileName)),
      m_out(m_path, TextOutStream::Mode::Replace, binary) {}

bool ExportFile::close() {
    if (m_closed)
        return true;
    m_closed = true;
    const bool written = m_out.is_open() && m_out.good() && m_out.close();
    if (!written) {
        m_out.discard();
        CString message;
        message.Format(loadString(32964), platform::shownPath(m_path).GetString(),
                       platform::shownPath(m_project.getProjectDirectory() + "tmp").GetString());
        ui::AfxMessageBox(message, MB_OK | MB_ICONSTOP);
    }
    return written;
}

bool ExportFile::closeAll(std::initializer_list<ExportFile*> files) {
    bool all = true;
    for (ExportFile* file : files)
        all = file->close() && all;
    return all;
}

CString ExportFile::field(const CString& text) {
    return WorkProductCsv::field(text);
}

void ExportFile::reportGenerated(Project& project, const CString& fileNames) {
    showMessage(32963, fileNames, "<site root>/tmp");
    project.openExportFolder();
}

void ExportFile::showMessage(unsigned id, const char* first, const char* second) {
    CString message;
    message.Format(loadString(id), first, second);
    ui::AfxMessageBox(message);
}

CString ExportFile::pathInTmp(Project& project, const CString& fileName) {
    return project.getProjectDirectory() + "tmp/" + fileName;
}
