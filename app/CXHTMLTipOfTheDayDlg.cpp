#include "CXHTMLTipOfTheDayDlg.h"

#include "CXGlyphButton.h"
#include "CXHTMLStatic.h"
#include "FileSystem.h"
#include "ProgramResource.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextInStream.h"
#include "WxText.h"

#include <memory>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>

namespace {

// A tips file line is read in pieces of at most this many characters.
constexpr int kTipLineLimit = 9998;

bool isTip(const CString& line) {
    return !line.IsEmpty() && line[0] != '\t' && line[0] != ' ' && line[0] != ';';
}

// The bulb on the grey band: a lit glass over a screwed base, on a
// transparent ground.
wxBitmap bulbBitmap(int size) {
    wxImage image(size, size);
    image.InitAlpha();
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y)
            image.SetAlpha(x, y, 0);
    {
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        const double s = size / 32.0;
        gc->SetPen(wxPen(wxColour(150, 110, 0), std::max(1.0, s)));
        gc->SetBrush(gc->CreateRadialGradientBrush(13 * s, 9 * s, 16 * s, 12 * s, 12 * s,
                                                   wxColour(255, 255, 220), wxColour(250, 200, 30)));
        gc->DrawEllipse(6 * s, 1 * s, 20 * s, 20 * s);
        gc->DrawRectangle(11 * s, 18 * s, 10 * s, 4 * s);
        gc->SetPen(wxPen(wxColour(70, 70, 70), std::max(1.0, s)));
        gc->SetBrush(wxBrush(wxColour(170, 170, 170)));
        gc->DrawRoundedRectangle(11 * s, 22 * s, 10 * s, 7 * s, 1.5 * s);
        gc->StrokeLine(11 * s, 24.5 * s, 21 * s, 24.5 * s);
        gc->StrokeLine(11 * s, 27 * s, 21 * s, 27 * s);
        gc->SetBrush(wxBrush(wxColour(70, 70, 70)));
        gc->DrawEllipse(14 * s, 29 * s, 4 * s, 2.5 * s);
    }
    return wxBitmap(image);
}

} // namespace

CXHTMLTipOfTheDayDlg::CXHTMLTipOfTheDayDlg(const CString& fileName, wxWindow* parent, UINT fallbackResource)
    : TolvaneDialog(parent, "Tip of the Day"), m_fileName(fileName), m_fallbackResource(fallbackResource),
      m_startup(StdOption::instance().getTipsActivated()) {
    buildControls();
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnNext(); }, IDC_NEXTTIP);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnPrevious(); }, IDC_PREVTIP);
}

CXHTMLTipOfTheDayDlg::~CXHTMLTipOfTheDayDlg() {
    OnDestroy();
}

void CXHTMLTipOfTheDayDlg::buildControls() {
    // The band, the heading and the tip sit in one sunken frame on white.
    auto* frame = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN);
    frame->SetBackgroundColour(*wxWHITE);
    auto* side = new wxPanel(frame, IDC_SIDE, wxDefaultPosition, ConvertDialogToPixels(wxSize(36, 122)));
    side->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
    const wxPoint bulbAt = ConvertDialogToPixels(wxPoint(8, 8));
    const int bulbSize = ConvertDialogToPixels(wxSize(20, 20)).y;
    new wxStaticBitmap(side, IDC_LIGHTBULB, bulbBitmap(bulbSize), bulbAt);

    m_header = new CXHTMLStatic(frame, IDC_HEADER, ConvertDialogToPixels(wxSize(228, 36)));
    m_tip = new CXHTMLStatic(frame, IDC_TIPSTRING, ConvertDialogToPixels(wxSize(228, 86)));
    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(m_header, 0, wxEXPAND);
    texts->Add(m_tip, 1, wxEXPAND);
    auto* inside = new wxBoxSizer(wxHORIZONTAL);
    inside->Add(side, 0, wxEXPAND);
    inside->Add(texts, 1, wxEXPAND);
    frame->SetSizer(inside);

    m_startupBox = new wxCheckBox(this, IDC_STARTUP, "&Show tips at startup");
    m_previous = new CXGlyphButton(this, IDC_PREVTIP);
    m_next = new CXGlyphButton(this, IDC_NEXTTIP);
    m_previous->SetToolTip("Previous tip");
    m_next->SetToolTip("Next tip");
    auto* close = new wxButton(this, wxID_OK, "&Close");
    close->SetDefault();
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(m_startupBox, 0, wxALIGN_CENTER_VERTICAL);
    buttons->AddStretchSpacer();
    buttons->Add(m_previous, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    buttons->Add(m_next, 0, wxALIGN_CENTER_VERTICAL);
    buttons->AddStretchSpacer();
    buttons->Add(close, 0, wxALIGN_CENTER_VERTICAL);

    auto* window = new wxBoxSizer(wxVERTICAL);
    window->Add(frame, 1, wxEXPAND | wxALL, 10);
    window->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(window);
    SetMinSize(GetSize());
}

std::vector<CString> CXHTMLTipOfTheDayDlg::readTips(std::string bytes) {
    TextInStream stream;
    stream.openBytes(std::move(bytes));
    std::vector<CString> tips;
    CString line;
    while (stream.getline(line, kTipLineLimit))
        if (isTip(line))
            tips.push_back(line);
    return tips;
}

bool CXHTMLTipOfTheDayDlg::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    m_previous->setFont(16, "Wingdings", 239);
    m_next->setFont(16, "Wingdings", 240);
    m_show = m_startup != 0;
    m_startupBox->SetValue(m_startup != 0);

    const CString path =
        getApplicationFolder() + "\\" + (m_fileName.IsEmpty() ? CString("Tips.txt") : m_fileName);
    std::string bytes;
    if (platform::readFileBytes(path, bytes)) {
        m_tipsOpen = true;
    } else if (const std::string_view resource = findProgramResource(m_fallbackResource, "TIPS");
               m_fallbackResource && !resource.empty()) {
        // The program folder could not take the tips file: the tips the
        // program carries are the same.
        bytes.assign(resource);
        m_tipsOpen = true;
    }
    if (m_tipsOpen) {
        m_tips = readTips(std::move(bytes));
        m_highestIndex = countTips();
        m_tipIndex = 0;
        getTip(m_tipIndex, TRUE);
    } else {
        // The path as the file system names it (its case matters here),
        // shortened in its middle to the tip's width.
        CString shown = platform::shownPath(path);
        wxClientDC dc(m_tip);
        dc.SetFont(m_tip->GetFont());
        shown =
            fromWx(wxControl::Ellipsize(toWx(shown), dc, wxELLIPSIZE_MIDDLE, m_tip->GetClientSize().x - 4));
        m_tipText.Format(loadString(32816), shown.GetString());
        m_previous->Disable();
        m_next->Disable();
    }

    m_header->setMargins(10, 10);
    setHeading(FALSE);
    m_tip->setMargins(10, 20);
    XHtmlFont font = CXHTMLStatic::fontOf(GetFont());
    font.height += font.height < 0 ? -2 : 2;
    m_tip->setLogFont(font);
    m_tip->setWindowText(m_tipText);
    return true;
}

int CXHTMLTipOfTheDayDlg::DoModal() {
    if (!ensureInitialised())
        return 0;
    // Switched off: the dialog closes before it ever shows.
    if (!m_show) {
        OnDestroy();
        return IDCANCEL;
    }
    const int result = TolvaneDialog::DoModal();
    OnDestroy();
    return result;
}

void CXHTMLTipOfTheDayDlg::OnDestroy() {
    if (m_destroyed)
        return;
    m_destroyed = true;
    if (m_tipsOpen)
        StdOption::instance().setTipsActivated(m_startupBox->GetValue() ? 1 : 0);
}

void CXHTMLTipOfTheDayDlg::setHeading(BOOL didYouKnow) {
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    CString heading;
    heading.Format("<br><b><font size=\"+8\" face=\"Times New Roman\">%s</font></b><br><font "
                   "color=\"%d,%d,%d\"><hr size=1></font>",
                   loadString(didYouKnow ? 32817 : 32818).GetString(), shadow.Red(), shadow.Green(),
                   shadow.Blue());
    m_header->setWindowText(heading);
}

int CXHTMLTipOfTheDayDlg::countTips() {
    return m_tips.empty() ? 0 : static_cast<int>(m_tips.size()) - 1;
}

BOOL CXHTMLTipOfTheDayDlg::getTip(int& index, BOOL first) {
    if (!first && index <= 0)
        index = 1;
    const int count = static_cast<int>(m_tips.size());
    CString text;
    if (index < count) {
        text = m_tips[index];
    } else {
        // Past the last tip: back to the first tip after the welcome.
        index = 1;
        for (int i = 0; i < 2 && i < count; ++i)
            text = m_tips[i];
    }
    m_tipText = text;
    return !text.IsEmpty();
}

void CXHTMLTipOfTheDayDlg::OnNext() {
    if (m_tipIndex == 0)
        setHeading(TRUE);
    if (++m_tipIndex > m_highestIndex)
        m_tipIndex = 0;
    if (getTip(m_tipIndex, FALSE))
        m_tip->setWindowText(m_tipText);
}

void CXHTMLTipOfTheDayDlg::OnPrevious() {
    if (m_tipIndex == 0)
        setHeading(TRUE);
    if (--m_tipIndex < 1)
        m_tipIndex = m_highestIndex;
    if (getTip(m_tipIndex, FALSE))
        m_tip->setWindowText(m_tipText);
}
