#include "WxUserInterface.h"

#include "WxText.h"

#include <wx/app.h>
#include <wx/gauge.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

int WxUserInterface::messageBox(const CString& text, const CString& caption, UINT style) {
    long flags = 0;
    const UINT type = style & MB_TYPEMASK;
    const UINT defaultButton = style & MB_DEFMASK;
    switch (type) {
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
        flags = wxOK | wxCANCEL | (defaultButton == MB_DEFBUTTON2 ? wxCANCEL_DEFAULT : 0);
        break;
    case MB_YESNO:
        flags = wxYES_NO | (defaultButton == MB_DEFBUTTON2 ? wxNO_DEFAULT : 0);
        break;
    case MB_YESNOCANCEL:
    case MB_ABORTRETRYIGNORE:
        flags = wxYES_NO | wxCANCEL | (defaultButton == MB_DEFBUTTON2 ? wxNO_DEFAULT : 0);
        break;
    default:
        flags = wxOK;
    }
    switch (style & MB_ICONMASK) {
    case MB_ICONSTOP:
        flags |= wxICON_ERROR;
        break;
    case MB_ICONQUESTION:
        flags |= wxICON_QUESTION;
        break;
    case MB_ICONWARNING:
        flags |= wxICON_WARNING;
        break;
    case MB_ICONINFORMATION:
        flags |= wxICON_INFORMATION;
        break;
    default:
        break;
    }
    wxMessageDialog box(wxTheApp ? wxTheApp->GetTopWindow() : nullptr, toWx(text), toWx(caption), flags);
    if (type == MB_RETRYCANCEL)
        box.SetOKCancelLabels("&Retry", "Cancel");
    if (type == MB_ABORTRETRYIGNORE)
        box.SetYesNoCancelLabels("&Abort", "&Retry", "&Ignore");
    const int answer = box.ShowModal();
    switch (answer) {
    case wxID_OK:
        return type == MB_RETRYCANCEL ? IDRETRY : IDOK;
    case wxID_YES:
        return type == MB_ABORTRETRYIGNORE ? IDABORT : IDYES;
    case wxID_NO:
        return type == MB_ABORTRETRYIGNORE ? IDRETRY : IDNO;
    case wxID_CANCEL:
        return type == MB_ABORTRETRYIGNORE ? IDIGNORE : IDCANCEL;
    default:
        return defaultAnswer(style);
    }
}

void WxUserInterface::beginWaitCursor() {
    wxBeginBusyCursor();
}

void WxUserInterface::endWaitCursor() {
    if (wxIsBusy())
        wxEndBusyCursor();
}

void WxUserInterface::setProgressRange(int lower, int upper) {
    m_lower = lower;
    if (m_gauge)
        m_gauge->SetRange(upper > lower ? upper - lower : 1);
}

void WxUserInterface::setProgressPos(int position) {
    if (!m_gauge)
        return;
    const int value = position - m_lower;
    m_gauge->SetValue(value < 0 ? 0 : (value > m_gauge->GetRange() ? m_gauge->GetRange() : value));
    // Long operations run on the GUI thread: let the bar repaint.
    m_gauge->Update();
}
