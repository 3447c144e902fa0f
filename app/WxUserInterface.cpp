#include "WxUserInterface.h"

#include "WxText.h"

#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/gauge.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace {

// The window a message belongs to: the modal dialog on top while one runs,
// so that the message is modal for it and stays above it; otherwise the
// program's main window.
wxWindow* messageOwner() {
    wxWindow* owner = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<wxDialog*>(window);
            dialog && dialog->IsModal() && dialog->IsShown() && dialog->IsEnabled())
            owner = dialog;
    if (!owner && wxTheApp)
        owner = wxTheApp->GetTopWindow();
    return owner;
}

} // namespace

WxUserInterface::WxUserInterface() = default;

WxUserInterface::~WxUserInterface() = default;

void WxUserInterface::setProgressBar(wxGauge* gauge) {
    acceptInput();
    m_gauge = gauge;
    m_shownPixels = -1;
}

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
    wxMessageDialog box(messageOwner(), toWx(text), toWx(caption), flags);
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

void WxUserInterface::postMessageBox(const CString& text, const CString& caption, UINT style) {
    // The box is shown by whatever user interface is installed by then.
    if (wxTheApp)
        wxTheApp->CallAfter([text, caption, style] { ui::MessageBox(text, caption, style); });
}

void WxUserInterface::beginWaitCursor() {
    ++m_waitDepth;
    wxBeginBusyCursor();
}

void WxUserInterface::endWaitCursor() {
    if (wxIsBusy())
        wxEndBusyCursor();
    if (m_waitDepth > 0 && --m_waitDepth == 0)
        acceptInput();
}

void WxUserInterface::refuseInput() {
    if (m_refusingInput)
        return;
    m_refusingInput = true;
    wxWindow* window = wxGetTopLevelParent(m_gauge);
    m_otherWindows = std::make_unique<wxWindowDisabler>(window);
    for (wxWindow* control : window->GetChildren())
        if (control != m_gauge && !control->IsTopLevel() && control->IsThisEnabled()) {
            control->Disable();
            m_disabledControls.push_back(control);
        }
}

void WxUserInterface::acceptInput() {
    for (wxWindow* control : m_disabledControls)
        control->Enable();
    m_disabledControls.clear();
    m_otherWindows.reset();
    m_refusingInput = false;
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
    showProgress();
}

void WxUserInterface::showProgress() {
    const int width = m_gauge->GetClientSize().GetWidth();
    const int pixels = static_cast<int>(static_cast<long long>(m_gauge->GetValue()) * width /
                                        (m_gauge->GetRange() > 0 ? m_gauge->GetRange() : 1));
    if (pixels == m_shownPixels)
        return;
    m_shownPixels = pixels;
    // Inside a long operation (under the wait cursor) the windows refuse
    // input, and what came meanwhile is taken in and dropped; outside one
    // (the deferred link refresh) input waits for the end, as in any
    // blocking call, and only the drawing is done now.
    if (m_waitDepth > 0)
        refuseInput();
    m_gauge->Update();
    if (m_yielding || !wxTheApp)
        return;
    m_yielding = true;
    std::unique_ptr<wxEventLoopBase> temporary;
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if (!loop) {
        temporary.reset(wxTheApp->GetTraits()->CreateEventLoop());
        loop = temporary.get();
    }
    loop->YieldFor(m_refusingInput ? wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT : wxEVT_CATEGORY_UI);
    m_yielding = false;
}
