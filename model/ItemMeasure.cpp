#include "ItemMeasure.h"

#include "CStringListe.h"
#include "FileFinder.h"
#include "Item.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "Project.h"

#include <utility>

namespace {

constexpr const char* kDataSection = "DATA";

void readInto(const CString& file, const char* key, DWORD size, CString& out) {
    CString value;
    const DWORD n =
        GetPrivateProfileStringA(kDataSection, key, "", value.GetBuffer(static_cast<int>(size)), size, file);
    value.ReleaseBuffer(static_cast<int>(n));
    if (!value.IsEmpty())
        out = value;
}

} // namespace

void ItemMeasure::loadData() {
    ProcessItemExtension::loadData();
    m_calculateAverage = m_item->readValue("CalculateAverage") == "yes";
    m_calculateMedian = m_item->readValue("CalculateMedian") == "yes";
    m_calculateStandardDeviation = m_item->readValue("CalculateStandardDeviation") == "yes";
    m_unit = m_item->readValue("Unit");
    m_includePlannedValue = m_item->readValue("includePlanedValue") == "yes";
    m_hyperlink = m_item->readValue("hyperlink");
    m_picturePath = m_item->readValue("picturePath");
}

int ItemMeasure::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeValue("CalculateAverage", ProcessItem::yesNo(m_calculateAverage));
    ok &= m_item->writeValue("CalculateMedian", ProcessItem::yesNo(m_calculateMedian));
    ok &= m_item->writeValue("CalculateStandardDeviation", ProcessItem::yesNo(m_calculateStandardDeviation));
    ok &= m_item->writeValue("Unit", m_unit);
    ok &= m_item->writeValue("includePlanedValue", ProcessItem::yesNo(m_includePlannedValue));
    ok &= m_item->writeValue("hyperlink", m_hyperlink);
    ok &= m_item->writeValue("picturePath", m_picturePath);
    return reportSaveFailure(ok);
}

CString ItemMeasure::getDataFolder() const {
    return m_item->getItemFolderFile("am/");
}

bool ItemMeasure::writeMeasureData(const CString& projectName, const CString& projectType,
                                   const CString& department, const CString& value, const CString& comment,
                                   const CString& plannedValue) {
    // The project name as typed may hold characters no file name may hold.
    const CString file = m_item->getItemFolderFile("am/" + toFileName(projectName, 1) + ".dat");
    if (file.IsEmpty())
        return false;
    return platform::updateProfile(file, [&](ProfileFile& data) {
        bool changed = false;
        for (const auto& [key, text] : {std::pair<const char*, const CString&>{"ProjectName", projectName},
                                        {"ProjectType", projectType},
                                        {"Department", department},
                                        {"Value", value},
                                        {"Comment", comment},
                                        {"PlannedValue", plannedValue}})
            changed = data.set(kDataSection, key, text.str()) || changed;
        return changed;
    });
}

CStringListe* ItemMeasure::listMeasureDataFiles() {
    auto* names = new CStringListe;
    WIN32_FIND_DATAA data;
    const CString folder = getDataFolder();
    if (folder.IsEmpty())
        return names;
    HANDLE search = FindFirstFileA(folder + "*", &data);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const CString name = data.cFileName;
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != Item::getOverviewPageName(0))
            names->append(new CString(name));
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
}

void ItemMeasure::readMeasureData(const CString& fileName, CString& projectName, CString& projectType,
                                  CString& department, CString& value, CString& comment,
                                  CString& plannedValue) {
    const CString file = m_item->getItemFolderFile("am/" + fileName);
    if (file.IsEmpty())
        return;
    readInto(file, "ProjectName", 999, projectName);
    readInto(file, "ProjectType", 999, projectType);
    readInto(file, "Department", 999, department);
    readInto(file, "Value", 999, value);
    readInto(file, "Comment", 9999, comment);
    readInto(file, "PlannedValue", 999, plannedValue);
}

CString ItemMeasure::getStandardDescription(int language) {
    Project* project = Project::getInstance();
    CString text = project ? project->getLabel(language, "StandardMeasureDescription") : CString();
    text.Replace("\\n", "\n");
    return text;
}
