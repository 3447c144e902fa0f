#pragma once

// The XML exports of a project: one exporter per open process project, made
// and deleted with it.

class ProcessManager;

class XmlExporter {
public:
    explicit XmlExporter(ProcessManager* manager) : m_manager(manager) {}
    ProcessManager* getManager() const { return m_manager; }

private:
    ProcessManager* m_manager;
};
