#include "CDynDialogItemEx.h"

#include "WxText.h"

#include <wx/animate.h>
#include <wx/button.h>
#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/gauge.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/scrolbar.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timectrl.h>
#include <wx/treectrl.h>

#include <cstring>
#include <strings.h>
#include <vector>

using namespace DynStyle;

namespace {

// The window classes of the kinds, from kind 128 on.
const char* const kClassNames[] = {
    "BUTTON",
    "EDIT",
    "STATIC",
    "LISTBOX",
    "SCROLLBAR",
    "COMBOBOX",
    "msctls_updown32",
    "msctls_progress32",
    "msctls_trackbar32",
    "msctls_hotkey32",
    "SysListView32",
    "SysTreeView32",
    "SysTabControl32",
    "SysAnimate32",
    "RICHEDIT",
    "SysDateTimePick32",
    "SysMonthCal32",
    "SysIPAddress32",
    "ComboBoxEx32",
};
constexpr int kFirstKind = CDynDialogItemEx::kButton;
constexpr int kKindCount = sizeof kClassNames / sizeof kClassNames[0];

bool isRadio(DWORD style) {
    return (style & BS_AUTORADIOBUTTON) == BS_AUTORADIOBUTTON;
}
bool isCheck(DWORD style) {
    return (style & BS_AUTOCHECKBOX) == BS_AUTOCHECKBOX;
}

CTime timeOf(const wxDateTime& value) {
    return value.IsValid() ? CTime(static_cast<std::time_t>(value.GetTicks())) : CTime();
}
wxDateTime wxTimeOf(const CTime& value) {
    return wxDateTime(static_cast<time_t>(value.GetTime()));
}

} // namespace

CString CDynDialogItemEx::classNameOfKind(int kind) {
    if (kind < kFirstKind || kind >= kFirstKind + kKindCount)
        return CString();
    return kClassNames[kind - kFirstKind];
}

int CDynDialogItemEx::kindOfClassName(const CString& className) {
    for (int i = 0; i < kKindCount; ++i)
        if (strncasecmp(className, kClassNames[i], std::strlen(kClassNames[i])) == 0)
            return kFirstKind + i;
    return kNone;
}

UINT CDynDialogItemEx::setFromKind(int kind, const CString& caption, DWORD style, DWORD exStyle,
                                   const DynRect& rect, DynData data, UINT id, bool inTemplate) {
    m_kind = kind;
    m_className = classNameOfKind(kind);
    m_caption = caption;
    m_style = style;
    m_exStyle = exStyle;
    m_rect = rect;
    m_data = data;
    m_id = id;
    m_inTemplate = inTemplate;
    return id;
}

UINT CDynDialogItemEx::setFromClassName(const CString& className, const CString& caption, DWORD style,
                                        DWORD exStyle, const DynRect& rect, DynData data, UINT id,
                                        bool inTemplate) {
    setFromKind(kindOfClassName(className), caption, style, exStyle, rect, data, id, inTemplate);
    m_className = className;
    return id;
}

bool CDynDialogItemEx::isDialogButton() const {
    return m_kind == kButton && (m_id == 1 || m_id == 2) && (m_style & 0xF) <= BS_DEFPUSHBUTTON;
}

int CDynDialogItemEx::windowId() const {
    if (isDialogButton())
        return m_id == 1 ? wxID_OK : wxID_CANCEL;
    return static_cast<int>(m_id);
}

wxWindow* CDynDialogItemEx::createWindow(wxWindow* parent) {
    const int id = windowId();
    const wxString caption = toWx(m_caption);
    wxWindow* window = nullptr;
    switch (m_kind) {
    case kButton:
        switch (m_style & 0xF) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            window = new wxCheckBox(parent, id, caption);
            break;
        case BS_3STATE:
        case BS_AUTO3STATE:
            window = new wxCheckBox(parent, id, caption, wxDefaultPosition, wxDefaultSize,
                                    wxCHK_3STATE | wxCHK_ALLOW_3RD_STATE_FOR_USER);
            break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            window = new wxRadioButton(parent, id, caption, wxDefaultPosition, wxDefaultSize,
                                       (m_style & WS_GROUP) ? wxRB_GROUP : 0);
            break;
        case BS_GROUPBOX:
            // A group's caption heads its rows.
            window = new wxStaticText(parent, id, caption);
            window->SetFont(window->GetFont().Bold());
            break;
        default:
            window = new wxButton(parent, id, caption);
            break;
        }
        break;
    case kEdit:
    case kRichEdit:
    case kHotKey:
    case kIpAddress: {
        long style = 0;
        if ((m_style & ES_MULTILINE) || m_kind == kRichEdit)
            style |= wxTE_MULTILINE;
        if (m_kind == kRichEdit)
            style |= wxTE_RICH2;
        if (m_style & ES_READONLY)
            style |= wxTE_READONLY;
        if (m_style & ES_PASSWORD)
            style |= wxTE_PASSWORD;
        window = new wxTextCtrl(parent, id, m_kind == kEdit || m_kind == kRichEdit ? caption : wxString(),
                                wxDefaultPosition, wxDefaultSize, style);
        break;
    }
    case kStatic: {
        long style = (m_style & 0x3) == SS_CENTER  ? wxALIGN_CENTER_HORIZONTAL
                     : (m_style & 0x3) == SS_RIGHT ? wxALIGN_RIGHT
                                                   : wxALIGN_LEFT;
        window = new wxStaticText(parent, id, caption, wxDefaultPosition, wxDefaultSize, style);
        break;
    }
    case kListBox:
        window = new wxListBox(parent, id, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                               (m_style & LBS_SORT) ? wxLB_SORT : 0);
        break;
    case kScrollBar:
        window = new wxScrollBar(parent, id, wxDefaultPosition, wxDefaultSize,
                                 (m_style & SBS_VERT) ? wxSB_VERTICAL : wxSB_HORIZONTAL);
        static_cast<wxScrollBar*>(window)->SetScrollbar(0, 1, 100, 10);
        break;
    case kComboBox:
    case kComboBoxEx: {
        long style = (m_style & 0x3) == CBS_DROPDOWNLIST ? wxCB_READONLY : 0;
        if (m_style & CBS_SORT)
            style |= wxCB_SORT;
        window = new wxComboBox(parent, id, wxString(), wxDefaultPosition, wxDefaultSize, 0, nullptr, style);
        break;
    }
    case kUpDown:
        window = new wxSpinButton(parent, id);
        break;
    case kProgress:
        window = new wxGauge(parent, id, 100);
        break;
    case kTrackBar:
        window = new wxSlider(parent, id, 0, 0, 100, wxDefaultPosition, wxDefaultSize,
                              (m_style & TBS_VERT) ? wxSL_VERTICAL : wxSL_HORIZONTAL);
        break;
    case kListView:
        window = new wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize, wxLC_REPORT);
        break;
    case kTreeView:
        window = new wxTreeCtrl(parent, id);
        break;
    case kTabControl:
        window = new wxNotebook(parent, id);
        break;
    case kAnimate:
        window = new wxAnimationCtrl(parent, id, wxNullAnimation);
        break;
    case kDateTimePick:
        if ((m_style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT)
            window = new wxTimePickerCtrl(parent, id);
        else
            window = new wxDatePickerCtrl(parent, id);
        break;
    case kMonthCalendar:
        window = new wxCalendarCtrl(parent, id);
        break;
    default:
        // A class only a control container of the Windows desktop could make.
        return nullptr;
    }
    if (!(m_style & WS_VISIBLE))
        window->Hide();
    if (m_style & WS_DISABLED)
        window->Disable();
    m_window = window;
    if (m_data.window)
        *m_data.window = window;
    return window;
}

void CDynDialogItemEx::exchange(bool save) {
    if (!m_window || m_data.isEmpty())
        return;
    switch (m_kind) {
    case kButton:
        if (isRadio(m_style) && m_data.number) {
            // The index of the checked button of the group this one starts
            // (the radio buttons that follow it up to the next group), -1
            // for none.
            std::vector<wxRadioButton*> group;
            for (wxWindow* sibling = m_window; sibling; sibling = sibling->GetNextSibling()) {
                auto* radio = dynamic_cast<wxRadioButton*>(sibling);
                if (!radio || (sibling != m_window && radio->HasFlag(wxRB_GROUP)))
                    break;
                group.push_back(radio);
            }
            if (save) {
                *m_data.number = -1;
                for (size_t i = 0; i < group.size(); ++i)
                    if (group[i]->GetValue())
                        *m_data.number = static_cast<int>(i);
            } else {
                for (size_t i = 0; i < group.size(); ++i)
                    group[i]->SetValue(static_cast<int>(i) == *m_data.number);
            }
        } else if (isCheck(m_style) && m_data.number) {
            if (auto* box = dynamic_cast<wxCheckBox*>(m_window)) {
                if (save)
                    *m_data.number = static_cast<int>(box->Get3StateValue());
                else
                    box->Set3StateValue(static_cast<wxCheckBoxState>(*m_data.number));
            }
        }
        break;
    case kEdit:
    case kStatic:
        if (m_data.text) {
            if (auto* entry = dynamic_cast<wxTextEntry*>(m_window)) {
                if (save)
                    *m_data.text = fromWx(entry->GetValue());
                else
                    entry->ChangeValue(toWx(*m_data.text));
            } else if (save) {
                *m_data.text = fromWx(m_window->GetLabel());
            } else {
                m_window->SetLabel(toWx(*m_data.text));
            }
        }
        break;
    case kScrollBar:
        if (auto* bar = dynamic_cast<wxScrollBar*>(m_window); bar && m_data.number) {
            if (save)
                *m_data.number = bar->GetThumbPosition();
            else
                bar->SetThumbPosition(*m_data.number);
        }
        break;
    case kTrackBar:
        if (auto* slider = dynamic_cast<wxSlider*>(m_window); slider && m_data.number) {
            if (save)
                *m_data.number = slider->GetValue();
            else
                slider->SetValue(*m_data.number);
        }
        break;
    case kDateTimePick:
        if (!m_data.time)
            break;
        if (auto* picker = dynamic_cast<wxTimePickerCtrl*>(m_window)) {
            if (save)
                *m_data.time = timeOf(picker->GetValue());
            else
                picker->SetValue(wxTimeOf(*m_data.time));
        } else if (auto* date = dynamic_cast<wxDatePickerCtrl*>(m_window)) {
            if (save)
                *m_data.time = timeOf(date->GetValue());
            else
                date->SetValue(wxTimeOf(*m_data.time));
        }
        break;
    case kMonthCalendar:
        if (auto* calendar = dynamic_cast<wxCalendarCtrl*>(m_window); calendar && m_data.time) {
            if (save)
                *m_data.time = timeOf(calendar->GetDate());
            else
                calendar->SetDate(wxTimeOf(*m_data.time));
        }
        break;
    default:
        break;
    }
}
