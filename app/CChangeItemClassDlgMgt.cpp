#include "CChangeItemClassDlgMgt.h"

#include "CStringListe.h"
#include "ItemClasses.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CChangeItemClassDlgMgt::CChangeItemClassDlgMgt(ProcessManager* project, ProcessItem* item, wxWindow* parent)
    : TolvaneDialog(parent, "Change item class"), m_name(item->getNameByLanguage(0)),
      m_classText(getProcessClassKeyword(item->getClassKind(), 1)), m_project(project) {
    auto* form = newForm();
    auto* name = newEdit(IDC_NAME, 0, 32);
    name->Disable();
    addFormRow(form, wxID_ANY, "Name", name);
    addFormRow(form, wxID_ANY, "Class", new wxComboBox(this, IDC_CLASS));
    exchangeText(IDC_NAME, &m_name);
    exchangeText(IDC_CLASS, &m_classText);
    finishLayout(form);
}

bool CChangeItemClassDlgMgt::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    auto* classes = static_cast<wxComboBox*>(FindWindow(IDC_CLASS));
    CStringIterateur* it = m_project->getClassKeywords()->createIterator();
    for (; !it->isAtEnd(); it->next())
        classes->Append(toWx(*it->current()));
    delete it;
    return true;
}

void CChangeItemClassDlgMgt::OnOK() {
    updateData(true);
    if (m_classText.Find("---") >= 0) {
        ui::AfxMessageBox(loadString(33014));
        return;
    }
    endDialog(wxID_OK);
}
