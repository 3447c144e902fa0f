#pragma once

// The data integrity report ("Report.csv"): the inconsistencies of the
// process model, section by section: pages missing, paths too long for
// Windows, broken shortcuts, work products produced but not used (and the
// reverse), references to roles and work products that do not exist, work
// products nobody uses, work products whose authors are not the roles
// responsible for producing them, activities without roles, inputs,
// outputs or steps, procedures without document, work products without
// roles, overviews without workflow, and items placed under a parent of a
// class that may not hold them.

class ProcessManager;

class IntegrityReport {
public:
    explicit IntegrityReport(ProcessManager& manager) : m_manager(manager) {}

    void generateIntegrityReport();

    // A path longer than this is listed: Windows cannot open it.
    static constexpr int kMaxPathLength = 255;

private:
    ProcessManager& m_manager;
};
