#pragma once

// The page of a measure in one language, always written whole: its
// description, unit, picture and link, then a table of the data points its
// projects archived (one data file each in the folder "am") and the
// average, standard deviation and median of their values, each when the
// measure asks for it.

#include "CString.h"
#include "DiskLinks.h"

#include <vector>

class ProcessItem;
class ProcessManager;
class TextOutStream;

// The statistics over the values of a measure's data points. The median is
// taken over every value, however many there are.
class MeasureStatistics {
public:
    void add(double value) { m_values.push_back(value); }
    int count() const { return static_cast<int>(m_values.size()); }
    double mean() const;
    // The sample standard deviation; 0 for a single value.
    double standardDeviation() const;
    double median() const;

    // A value as a data file holds it, read as the C library reads a number
    // whatever the user's locale: a number prefix gives that prefix, any
    // other text 0.
    static double parse(const CString& text);

private:
    std::vector<double> m_values;
};

class MeasurePage {
public:
    MeasurePage(ProcessManager& manager, ProcessItem& item, int language);

    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();

private:
    struct DataPoint {
        CString projectName, projectType, department, value, comment, plannedValue;
    };
    std::vector<DataPoint> readDataPoints();
    void writeMeasures(TextOutStream& out, const std::vector<DataPoint>& points);
    CString heading(const char* key);
    CString label(const char* key);

    ProcessManager& m_manager;
    ProcessItem& m_item;
    int m_language;
    CString m_rootPrefix;
    DiskLinks m_links;
};
