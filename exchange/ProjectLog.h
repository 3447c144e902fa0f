#pragma once

// The project's log ("ZevoRiruradiruzuz.log") opened for one operation:
// its dated block begins when this is made and ends, closed, when it goes,
// on every way out of the operation. Writing to a log that could not be
// opened does nothing.

#include "CString.h"
#include "Project.h"
#include "TextOutStream.h"

class ProjectLog {
public:
    explicit ProjectLog(const Project& project) : m_log(project.openLog()) {}
    ~ProjectLog() { close(); }
    ProjectLog(const ProjectLog&) = delete;
    ProjectLog& operator=(const ProjectLog&) = delete;

    template <typename T> ProjectLog& operator<<(const T& value) {
        if (m_log)
            *m_log << value;
        return *this;
    }
    void close() {
        Project::closeLog(m_log);
        m_log = nullptr;
    }

private:
    TextOutStream* m_log;
};
