#include "RoleActivityImport.h"

#include "CStringListePlus.h"
#include "CsvFileReader.h"
#include "ExportRun.h"
#include "FileSystem.h"
#include "ImportTransaction.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProjectLog.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

CString lineLabel(int line) {
    CString label;
    label.Format("Line %d : ", line);
    return label;
}

} // namespace

void RoleActivityImport::ImportRoleActivityLinks(const CString& path) {
    ExportRun run(m_manager);
    ProjectLog log(m_manager);
    log << "Load all roles from formated file\n";
    CsvFileReader reader;
    if (reader.read(path) != CsvFileReader::Result::Read) {
        log.close();
        CString message;
        message.Format(loadString(32984), platform::shownPath(path).GetString());
        ui::AfxMessageBox(message);
        return;
    }
    const auto& records = reader.getRecords();
    if (records.empty())
        throw std::runtime_error("Missing header");
    if (records.size() < 2)
        throw std::runtime_error("Missing Roles row");

    const std::vector<CString> roleNames(records[1].size() > 5 ? records[1].begin() + 5 : records[1].end(),
                                         records[1].end());
    for (const CString& name : roleNames)
        if (!name.IsEmpty() && !m_manager.findRole(name))
            log << "Role " << name << " do not exist\n";
    CStringListePlus& responsibilities = *m_manager.getRoleResponsibilities();
    log << static_cast<int>(roleNames.size()) << " role load\n"
        << " -------- to copy in excel to view it adequately --------\n"
        << "Activities loaded/error;error?;";
    for (int r = 1; r <= responsibilities.count(); ++r)
        log << *responsibilities.at(r) << ";";
    log << "\n";
    if (responsibilities.count() > kMaxResponsibilities) {
        log.close();
        ui::AfxMessageBox(loadString(33002));
        return;
    }

    // The new role lists, by activity; a later line naming an activity again replaces the earlier one.
    std::map<ProcessItem*, std::vector<CString>> newRoles;
    std::vector<ProcessItem*> order;
    const std::vector<int>& lineNumbers = reader.getLineNumbers();
    for (size_t r = 2; r < records.size(); ++r) {
        const std::vector<CString>& fields = records[r];
        const CString label = lineLabel(lineNumbers[r]);
        if (fields.size() < 5) {
            log << label << "number of required elements missing;yes\n";
            continue;
        }
        CString name;
        for (size_t f = 0; f < 5; ++f) {
            if (fields[f].IsEmpty())
                continue;
            if (name.IsEmpty())
                name = fields[f];
            else
                log << label << "2 columns defining activity names -> " << name << ", " << fields[f]
                    << ";yes\n";
        }
        if (name.IsEmpty()) {
            log << label << "empty activity name;yes\n";
            continue;
        }
        ProcessItem* activity = m_manager.findItemByNameAndClass(name, kActivityClass);
        if (!activity) {
            if (!m_manager.findItemByNameAndClass(name, kMacroActivityClass) &&
                !m_manager.findItemByNameAndClass(name, kPhaseClass))
                log << label << "activity " << name << " not found;yes\n";
            continue;
        }
        if (!activity->getItemActivity())
            continue;
        std::vector<CString> references;
        std::vector<CString> results(responsibilities.count());
        for (size_t j = 5; j < fields.size(); ++j) {
            const size_t column = j - 5;
            if (fields[j].IsEmpty() || column >= roleNames.size() || roleNames[column].IsEmpty())
                continue;
            CString cell = fields[j];
            cell.Trim();
            const CString& role = roleNames[column];
            if (cell == "x" || cell == "X") {
                references.push_back(role);
                continue;
            }
            const int position = responsibilities.find(cell, "");
            if (!position) {
                log << label << "role responsibility " << cell << " not found;yes\n";
                continue;
            }
            CString& result = results[position - 1];
            if (!result.IsEmpty())
                result += ",";
            result += role;
            references.push_back(cell.IsEmpty() ? role : role + "/" + cell);
        }
        log << name << ";no;";
        for (const CString& result : results)
            log << result << ";";
        log << "\n";
        if (newRoles.emplace(activity, references).second)
            order.push_back(activity);
        else
            newRoles[activity] = references;
    }
    log << " -------- end of \"to copy in excel to view it adequately\" --------\n";
    log.close();

    // The whole file is read: the activities named get their new roles.
    ImportTransaction transaction;
    for (ProcessItem* activity : order)
        if (!transaction.keep(activity)) {
            ui::AfxMessageBox(loadString(33000));
            return;
        }
    for (ProcessItem* activity : order) {
        ItemActivity* extension = activity->getItemActivity();
        extension->getRoles()->deleteAll();
        for (const CString& reference : newRoles[activity])
            extension->appendRoleReference(reference);
    }
    if (!saveRoleActivityLinks())
        transaction.rollBack();
    // The next link refresh rebuilds the links between roles and activities.
    m_manager.setLinksNeedRefresh();
}

bool RoleActivityImport::saveRoleActivityLinks() {
    ExportRun run(m_manager, ExportRun::Links::Keep);
    bool failed = false;
    {
        ProjectLog log(m_manager);
        log << "Save role-activity links\n";
        for (ProcessItem* item : run.getItemsOfClass(kActivityClass)) {
            ItemActivity* activity = item->getItemActivity();
            if (!activity)
                continue;
            if (activity->saveRoles()) {
                log << "Saving roles on activity : " << item->getName() << ": " << activity->getRolesText()
                    << "\n";
            } else {
                log << "Error saving roles on activity : " << item->getName() << "\n";
                failed = true;
            }
        }
    }
    if (failed)
        ui::AfxMessageBox(loadString(33000));
    return !failed;
}
