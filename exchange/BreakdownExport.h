#pragma once

// The tables for project planning: the work breakdown of every workflow
// ("wbs.csv", the same with the steps of its activities in "wbs2.csv", and
// "schedule.csv" for a scheduling tool), and the activity-work product
// matrix ("aam.csv") with the activity table of inputs and outputs
// ("aat.csv").

class ProcessManager;

class BreakdownExport {
public:
    explicit BreakdownExport(ProcessManager& manager) : m_manager(manager) {}

    void exportWBS();
    void exportActivityArtefactMatrix();

private:
    ProcessManager& m_manager;
};
