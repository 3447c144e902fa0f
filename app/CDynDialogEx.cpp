#include "CDynDialogEx.h"

#include "WxText.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/gbsizer.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>

using namespace DynStyle;

namespace {

// The part of the screen's height the rows may take before they scroll.
constexpr double kMostScreenHeight = 0.7;

UINT g_nextAutomaticId = 1024;

// The rows' part of the dialog: as large as its rows ask, up to the part of
// the screen they may take; past that they scroll.
class RowsArea : public wxScrolledWindow {
public:
    explicit RowsArea(wxWindow* parent) : wxScrolledWindow(parent, wxID_ANY) { SetScrollRate(0, 10); }

protected:
    wxSize DoGetBestSize() const override {
        if (!GetSizer())
            return wxScrolledWindow::DoGetBestSize();
        wxSize size = GetSizer()->GetMinSize();
        const int most = static_cast<int>(wxDisplay(this).GetClientArea().height * kMostScreenHeight);
        if (size.y > most) {
            size.y = most;
            size.x += wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
        }
        return size;
    }
};

} // namespace

UINT CDynDialogEx::nextAutomaticId() {
    if (g_nextAutomaticId >= static_cast<UINT>(wxID_LOWEST) &&
        g_nextAutomaticId <= static_cast<UINT>(wxID_HIGHEST))
        g_nextAutomaticId = wxID_HIGHEST + 1;
    return g_nextAutomaticId++;
}

CDynDialogEx::CDynDialogEx(wxWindow* parent) : TolvaneDialog(parent, ""), m_parentWindow(parent) {
    Bind(wxEVT_BUTTON, &CDynDialogEx::forwardCommand, this);
    Bind(wxEVT_CHECKBOX, &CDynDialogEx::forwardCommand, this);
    Bind(wxEVT_RADIOBUTTON, &CDynDialogEx::forwardCommand, this);
}

CDynDialogEx::~CDynDialogEx() {
    // The controls' descriptions go last added first; their windows are the dialog's.
    while (!m_controls.empty())
        m_controls.pop_back();
}

void CDynDialogEx::setTitle(const CString& caption) {
    SetTitle(toWx(caption));
}

UINT CDynDialogEx::addControl(const CString& className, const CString& caption, DWORD style, DWORD exStyle,
                              const DynRect* rect, DynData data, UINT id) {
    return addItem(className, 0, false, caption, style, exStyle, rect, data, id, false);
}

UINT CDynDialogEx::addControlOfKind(int kind, const CString& caption, DWORD style, DWORD exStyle,
                                    const DynRect* rect, DynData data, UINT id) {
    return addItem(CString(), kind, true, caption, style, exStyle, rect, data, id, false);
}

UINT CDynDialogEx::addTemplateControl(const CString& className, const CString& caption, DWORD style,
                                      DWORD exStyle, const DynRect* rect, UINT id) {
    ++m_templateItems;
    return addItem(className, 0, false, caption, style, exStyle, rect, DynData(), id, true);
}

UINT CDynDialogEx::addItem(const CString& className, int kind, bool byKind, const CString& caption,
                           DWORD style, DWORD exStyle, const DynRect* rect, DynData data, UINT id,
                           bool inTemplate) {
    DynRect place;
    if (rect) {
        place = *rect;
        if (!inTemplate)
            m_nextRow = std::min(m_nextRow, rect->bottom);
    } else {
        place = {10, m_nextRow, byKind ? 120 : 270, m_nextRow + 12};
    }
    m_nextRow += 12;
    m_x = std::min(m_x, place.left);
    m_y = std::min(m_y, place.top);
    if (place.right > m_cx)
        m_cx = place.right + 5;
    if (place.bottom > m_cy)
        m_cy = place.bottom + 5;
    if (id == 0)
        id = nextAutomaticId();
    auto item = std::make_unique<CDynDialogItemEx>();
    if (byKind)
        item->setFromKind(kind, caption, style, exStyle, place, data, id, inTemplate);
    else
        item->setFromClassName(className, caption, style, exStyle, place, data, id, inTemplate);
    m_controls.push_back(std::move(item));
    return id;
}

void CDynDialogEx::createControls() {
    if (m_created)
        return;
    m_created = true;
    if (m_addButtons) {
        const int row = m_nextRow + 6;
        const DynRect ok{10, row, 60, row + 14};
        const DynRect cancel{65, row, 115, row + 14};
        addControlOfKind(CDynDialogItemEx::kButton, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, &ok,
                         DynData(), 1);
        addControlOfKind(CDynDialogItemEx::kButton, "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, &cancel,
                         DynData(), 2);
    }
    m_area = new RowsArea(this);
    layoutControls();
}

void CDynDialogEx::layoutControls() {
    // Rows: controls in order of their tops; a control joins the row above
    // when it shares its height and none of its columns is taken there.
    // Columns: the distinct left edges; a control spans the columns that
    // start inside it.
    std::vector<int> lefts;
    std::vector<CDynDialogItemEx*> placed;
    auto* buttons = new wxStdDialogButtonSizer;
    bool anyDialogButton = false;
    for (const auto& item : m_controls) {
        if (item->isDialogButton()) {
            auto* button = dynamic_cast<wxButton*>(item->createWindow(this));
            buttons->AddButton(button);
            anyDialogButton = true;
            continue;
        }
        if (!item->createWindow(m_area))
            continue; // a control that cannot be made here is left out
        placed.push_back(item.get());
        lefts.push_back(item->getRect().left);
    }
    std::sort(lefts.begin(), lefts.end());
    lefts.erase(std::unique(lefts.begin(), lefts.end()), lefts.end());
    std::stable_sort(placed.begin(), placed.end(), [](const CDynDialogItemEx* a, const CDynDialogItemEx* b) {
        return a->getRect().top != b->getRect().top ? a->getRect().top < b->getRect().top
                                                    : a->getRect().left < b->getRect().left;
    });

    auto* grid = new wxGridBagSizer(4, 8);
    int row = -1;
    int rowTop = 0, rowBottom = 0;
    std::vector<bool> taken;
    for (CDynDialogItemEx* item : placed) {
        const DynRect& r = item->getRect();
        const int first =
            static_cast<int>(std::lower_bound(lefts.begin(), lefts.end(), r.left) - lefts.begin());
        int last = first;
        while (last + 1 < static_cast<int>(lefts.size()) && lefts[last + 1] < r.right)
            ++last;
        const bool sharesHeight = row >= 0 && r.top < rowBottom && r.bottom > rowTop;
        bool free = sharesHeight;
        for (int c = first; free && c <= last; ++c)
            free = !taken[c];
        if (!free) {
            ++row;
            rowTop = r.top;
            rowBottom = r.bottom;
            taken.assign(lefts.size(), false);
        } else {
            rowTop = std::min(rowTop, r.top);
            rowBottom = std::max(rowBottom, r.bottom);
        }
        for (int c = first; c <= last; ++c)
            taken[c] = true;
        // The rectangle's width where it is more than the control needs;
        // the height is the control's own, so no text is ever cut.
        wxWindow* window = item->getWindow();
        const int wanted = ConvertDialogToPixels(wxSize(r.right - r.left, 0)).x;
        if (wanted > window->GetBestSize().x)
            window->SetMinSize(wxSize(wanted, -1));
        const bool text = item->getKind() == CDynDialogItemEx::kStatic;
        grid->Add(window, wxGBPosition(row, first), wxGBSpan(1, last - first + 1),
                  text ? wxALIGN_CENTER_VERTICAL : wxEXPAND);
    }
    auto* areaSizer = new wxBoxSizer(wxVERTICAL);
    areaSizer->Add(grid, 0, wxALL, 4);
    m_area->SetSizer(areaSizer);

    auto* window = new wxBoxSizer(wxVERTICAL);
    window->Add(m_area, 1, wxEXPAND | wxALL, 6);
    if (anyDialogButton) {
        buttons->Realize();
        window->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    } else {
        delete buttons;
    }
    SetSizerAndFit(window);
    SetMinSize(GetSize());
    if (wxWindow* ok = FindWindow(wxID_OK))
        static_cast<wxButton*>(ok)->SetDefault();
}

int CDynDialogEx::DoModal() {
    createControls();
    return TolvaneDialog::DoModal();
}

bool CDynDialogEx::OnInitDialog() {
    createControls();
    TolvaneDialog::OnInitDialog();
    exchangeData(false);
    CentreOnParent();
    return true;
}

void CDynDialogEx::OnOK() {
    exchangeData(true);
    endDialog(wxID_OK);
}

void CDynDialogEx::exchangeData(bool save) {
    for (auto item = m_controls.rbegin(); item != m_controls.rend(); ++item)
        if ((*item)->getKind() >= CDynDialogItemEx::kButton &&
            (*item)->getKind() <= CDynDialogItemEx::kComboBoxEx)
            (*item)->exchange(save);
}

void CDynDialogEx::forwardCommand(wxCommandEvent& event) {
    const int id = event.GetId();
    if (id == wxID_OK || id == wxID_CANCEL || id == 0) {
        event.Skip();
        return;
    }
    if (m_parentWindow) {
        wxCommandEvent forwarded(event);
        m_parentWindow->GetEventHandler()->ProcessEvent(forwarded);
    }
    event.Skip();
}
