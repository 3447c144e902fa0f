#include "CIdentificationDialogMgt.h"

#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "Project.h"
#include "TreeChecks.h"

namespace {

const char* const kApprovalTexts[] = {"Not defined", "Approval not required", "To approve", "Approved", "Refused"};

} // namespace

int approvalIndexFromText(const CString& text) {
    for (int i = 1; i <= 4; ++i)
        if (text == kApprovalTexts[i])
            return i;
    return 0;
}

CString approvalTextFromIndex(int index) { return index >= 1 && index <= 4 ? kApprovalTexts[index] : kApprovalTexts[0]; }

CIdentificationDialogMgt::CIdentificationDialogMgt(ProcessItem* item)
    : PropertyPage(159, "Identification"), m_item(item) {
    m_notes = item->readNotes();
    m_stateText = item->getStateText();
    m_version = item->getVersion();
    m_versionMinor = item->getVersionMinor();
    m_isGlossaryEntry = item->isGlossaryEntry();
    m_editor = item->getEditor();
    for (int n = 1; n <= 6; ++n) {
        m_approDate[n - 1] = CTime::GetCurrentTime();
        m_approDateKnown[n - 1] = readDayMonthYear(item->getApproDate(n), &m_approDate[n - 1]);
        m_approIndex[n - 1] = approvalIndexFromText(item->getAppro(n));
    }
    m_name = item->getName();
    m_nameL2 = item->getNameL2();
}

CString CIdentificationDialogMgt::approText(int n) const { return approvalTextFromIndex(m_approIndex[n - 1]); }

void CIdentificationDialogMgt::onSelchangeApproval(int n, int index) {
    m_approIndex[n - 1] = index;
    if (index >= 2 && index <= 4)
        setApproDate(n, CTime::GetCurrentTime());
}

void CIdentificationDialogMgt::setApproDate(int n, const CTime& date) {
    m_approDate[n - 1] = date;
    m_approDateKnown[n - 1] = true;
}

bool CIdentificationDialogMgt::onKillActive() {
    Project* project = m_item->getProject();
    return checkItemNameInParent(m_name, "", nullptr, 1, m_item, project ? project->getItemList() : nullptr) != 0;
}

void CIdentificationDialogMgt::storeInto(ProcessItem* item) const {
    item->setVersion(m_version);
    item->setVersionMinor(m_versionMinor);
    item->setStateFromText(m_stateText);
    item->setGlossaryEntry(m_isGlossaryEntry);
    for (int n = 1; n <= 6; ++n)
        item->setAppro(n, approText(n));
    item->setEditor(m_editor);
    for (int n = 1; n <= 6; ++n)
        if (m_approDateKnown[n - 1])
            item->setApproDateFromTime(n, m_approDate[n - 1]);
}

int CIdentificationDialogMgt::writeNotes(ProcessItem* item) const { return item->writeNotes(m_notes); }

void CIdentificationDialogMgt::renameWhenChanged(ProcessItem* item) const {
    if (m_name == item->getName() && m_nameL2 == item->getNameL2())
        return;
    if (Project* project = item->getProject())
        project->changeItem(item, m_name, item->isBlankTarget(), item->getIcon(), item->getOpenIcon(), 1,
                            item->getUrl(), item->isVisible(), m_nameL2, item->getPageHeaderImage());
}
