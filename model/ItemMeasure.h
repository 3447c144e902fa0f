#pragma once

// A measure: its unit, the statistics its page shows, a picture and a link;
// projects archive their values as one data file each in its folder "am".

#include "ProcessItemExtension.h"

class CStringListe;

class ItemMeasure : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "MEASURE"; }
    static CString getClassKeyword() { return "MEASURE"; }
    void loadData() override;
    int saveData() override;
    CString getDescriptionFileName(int language) override {
        return descriptionFile("MeasureDescription.txt", language);
    }

    // Writes the data file of a project into the folder "am", replacing the
    // project's earlier data point; its name is the project name made safe
    // for the file system. Whether it was written.
    bool writeMeasureData(const CString& projectName, const CString& projectType, const CString& department,
                          const CString& value, const CString& comment, const CString& plannedValue);
    // The names of the files of the folder "am" (the caller owns the list).
    CStringListe* listMeasureDataFiles();
    // Reads a listed file; an output keeps its value when its key is empty.
    void readMeasureData(const CString& fileName, CString& projectName, CString& projectType,
                         CString& department, CString& value, CString& comment, CString& plannedValue);
    // The label "StandardMeasureDescription" with its backslash-n pairs made line breaks.
    static CString getStandardDescription(int language);
    // The folder "am/" of the item folder that holds the measure's data
    // files; an empty text when it lies outside the project folder.
    CString getDataFolder() const;

    const CString& getUnit() const { return m_unit; }
    void setUnit(const CString& unit) { m_unit = unit; }
    const CString& getHyperlink() const { return m_hyperlink; }
    void setHyperlink(const CString& link) { m_hyperlink = link; }
    const CString& getPicturePath() const { return m_picturePath; }
    void setPicturePath(const CString& path) { m_picturePath = path; }
    int m_calculateAverage = 0;
    int m_calculateMedian = 0;
    int m_calculateStandardDeviation = 0;
    int m_includePlannedValue = 0;

private:
    CString m_unit;
    CString m_hyperlink;
    CString m_picturePath;
};
