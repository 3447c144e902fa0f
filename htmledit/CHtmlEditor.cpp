#include "CHtmlEditor.h"

#include "CDHtmlEditDlg.h"
#include "CUniRichEdit.h"
#include "EditorText.h"
#include "Encoding.h"
#include "FileSystem.h"
#include "WxText.h"

#include <algorithm>
#include <cstdio>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/webview.h>

namespace {

// The page side of the document exchange. pull hands over the document
// type, the comments around the root element and the root element's HTML
// with the selection's element marked (and
// keeps where the selection lies inside that element); push puts a page in
// place of the document's content and sets the selection again, exactly
// where it was when the element kept its content, else at the element's start.
const char* const kEditorScript = R"JS(
(function () {
  if (window.__tolvane) return 'installed';
  var T = window.__tolvane = { control: null, saved: null };
  var MARK = 'data-tolvane-selection';
  function index(node) { var i = 0; while ((node = node.previousSibling)) ++i; return i; }
  function pathFrom(top, node) {
    var path = [];
    while (node && node !== top) { path.unshift(index(node)); node = node.parentNode; }
    return node === top ? path : null;
  }
  function nodeAt(top, path) {
    var node = top;
    for (var i = 0; node && i < path.length; ++i) node = node.childNodes[path[i]];
    return node || null;
  }
  T.selectControl = function (picture) {
    var range = document.createRange();
    range.selectNode(picture);
    var selection = window.getSelection();
    selection.removeAllRanges();
    selection.addRange(range);
    T.control = picture;
  };
  T.isControl = function (range) {
    var c = T.control;
    return !!(c && c.parentNode && range.startContainer === c.parentNode && range.endContainer === c.parentNode &&
              range.startOffset === index(c) && range.endOffset === range.startOffset + 1);
  };
  T.pull = function () {
    var selection = window.getSelection(), mark = null, kind = 'none';
    T.saved = null;
    if (selection.rangeCount) {
      var range = selection.getRangeAt(0);
      if (T.isControl(range)) {
        mark = T.control;
        kind = 'control';
      } else {
        mark = range.commonAncestorContainer;
        if (mark.nodeType !== 1) mark = mark.parentNode;
        kind = range.toString() === '' ? 'caret' : 'text';
        T.saved = { start: pathFrom(mark, range.startContainer), startOffset: range.startOffset,
                    end: pathFrom(mark, range.endContainer), endOffset: range.endOffset };
      }
    }
    if (mark && mark.nodeType === 1) mark.setAttribute(MARK, kind); else mark = null;
    try {
      var html = '', node;
      for (node = document.firstChild; node; node = node.nextSibling) {
        if (node.nodeType === 10)
          html += '<!DOCTYPE ' + node.name + (node.publicId ? ' PUBLIC "' + node.publicId + '"' : (node.systemId ? ' SYSTEM' : '')) +
                  (node.systemId ? ' "' + node.systemId + '"' : '') + '>';
        else if (node.nodeType === 8)
          html += '<!--' + node.data + '-->';
        else if (node === document.documentElement)
          html += node.outerHTML;
      }
      return html;
    } finally { if (mark) mark.removeAttribute(MARK); }
  };
  T.push = function (html) {
    var parsed = new DOMParser().parseFromString(html, 'text/html');
    var root = document.documentElement, source = parsed.documentElement, i;
    while (root.attributes.length) root.removeAttribute(root.attributes[0].name);
    for (i = 0; i < source.attributes.length; ++i) root.setAttribute(source.attributes[i].name, source.attributes[i].value);
    while (root.firstChild) root.removeChild(root.firstChild);
    while (source.firstChild) root.appendChild(document.adoptNode(source.firstChild));
    var marks = document.querySelectorAll('[' + MARK + ']'), mark = marks.length ? marks[0] : null;
    var kind = mark ? mark.getAttribute(MARK) : 'none', selection = window.getSelection();
    for (i = 0; i < marks.length; ++i) marks[i].removeAttribute(MARK);
    T.control = null;
    selection.removeAllRanges();
    if (!mark) return 'none';
    if (kind === 'control') { T.selectControl(mark); return kind; }
    var range = document.createRange(), saved = T.saved;
    try {
      range.setStart(nodeAt(mark, saved.start), saved.startOffset);
      range.setEnd(nodeAt(mark, saved.end), saved.endOffset);
    } catch (e) {
      range = document.createRange();
      range.selectNodeContents(mark);
      range.collapse(true);
    }
    selection.addRange(range);
    return kind;
  };
  // What the font-size box needs of the page, without the page: the word
  // "size", the text of its first style sheet, then the style and size
  // attributes of each FONT element around the selection, the innermost
  // first; each encoded as an address part, all separated by blanks.
  T.fontSize = function () {
    var selection = window.getSelection(), node = null;
    if (selection.rangeCount) {
      var range = selection.getRangeAt(0);
      node = T.isControl(range) ? T.control : range.commonAncestorContainer;
      if (node && node.nodeType !== 1) node = node.parentNode;
    }
    var sheet = document.getElementsByTagName('style')[0], fields = [sheet ? sheet.textContent : ''];
    for (; node && node.nodeType === 1; node = node.parentNode)
      if (node.nodeName.toUpperCase() === 'FONT')
        fields.push(node.getAttribute('style') || '', node.getAttribute('size') || '');
    return ['size'].concat(fields.map(encodeURIComponent)).join(' ');
  };
  T.exec = function (name, value) {
    try { return document.execCommand(name, false, value) ? 1 : 0; } catch (e) { return 0; }
  };
  T.query = function (name) {
    try {
      var value = document.queryCommandValue(name);
      return value === undefined || value === null ? '' : String(value);
    } catch (e) { return ''; }
  };
  T.paste = function (html) {
    if (!window.getSelection().rangeCount) return 0;
    return T.exec('insertHTML', html);
  };
  T.setDesign = function (on) {
    document.designMode = on ? 'on' : 'off';
    if (on) document.execCommand('styleWithCSS', false, false);
    return document.designMode;
  };
  return 'installed';
})()
)JS";

const char* const kStartDocument = "<HTML><HEAD></HEAD><BODY><DIV></DIV></BODY></HTML>";

// The content policy that keeps the page's own scripts from running in the
// editor; the editor's scripts, run by the browser for it, are not affected.
const char* const kPolicy = "<meta data-tolvane-editor=\"\" http-equiv=\"Content-Security-Policy\" "
                            "content=\"script-src 'unsafe-eval'\">";

// A JavaScript string literal of UTF-8 text.
wxString jsString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return wxString::FromUTF8(out.data(), out.size());
}

// The page with the policy in its head (where a page without one gets it).
std::string withPolicy(const std::string& page) {
    const std::string lower = encoding::toLower(page);
    size_t at = std::string::npos;
    for (const char* tag : {"<head", "<html", "<!doctype"}) {
        const size_t open = lower.find(tag);
        if (open != std::string::npos) {
            const size_t close = lower.find('>', open);
            at = close == std::string::npos ? std::string::npos : close + 1;
            break;
        }
    }
    if (at == std::string::npos)
        at = 0;
    return page.substr(0, at) + kPolicy + page.substr(at);
}

// The browser's name of an editing command; null for one it does not know.
const char* commandName(int id) {
    switch (id) {
    case CHtmlEditor::IDM_FONTNAME:
        return "fontName";
    case CHtmlEditor::IDM_FONTSIZE:
        return "fontSize";
    case CHtmlEditor::IDM_BACKCOLOR:
        return "backColor";
    case CHtmlEditor::IDM_BOLD:
        return "bold";
    case CHtmlEditor::IDM_FORECOLOR:
        return "foreColor";
    case CHtmlEditor::IDM_ITALIC:
        return "italic";
    case CHtmlEditor::IDM_JUSTIFYCENTER:
        return "justifyCenter";
    case CHtmlEditor::IDM_JUSTIFYLEFT:
        return "justifyLeft";
    case CHtmlEditor::IDM_JUSTIFYRIGHT:
        return "justifyRight";
    case CHtmlEditor::IDM_UNDERLINE:
        return "underline";
    case CHtmlEditor::IDM_HYPERLINK:
        return "createLink";
    case CHtmlEditor::IDM_UNLINK:
        return "unlink";
    case CHtmlEditor::IDM_HORIZONTALLINE:
        return "insertHorizontalRule";
    case CHtmlEditor::IDM_ORDERLIST:
        return "insertOrderedList";
    case CHtmlEditor::IDM_UNORDERLIST:
        return "insertUnorderedList";
    case CHtmlEditor::IDM_INDENT:
        return "indent";
    case CHtmlEditor::IDM_OUTDENT:
        return "outdent";
    default:
        return nullptr;
    }
}

std::string utf8Of(const wxString& text) {
    const wxScopedCharBuffer buffer = text.utf8_str();
    return std::string(buffer.data(), buffer.length());
}

// Whether two addresses name one page; the browser reports a file's address
// with its "." and ".." steps resolved.
bool sameAddress(const std::string& a, const std::string& b) {
    return a == b || (!fileUrlToPath(a).empty() && !fileUrlToPath(b).empty() &&
                      localPathOf(a, "/") == localPathOf(b, "/"));
}

} // namespace

CHtmlEditor::CHtmlEditor(wxWindow* parent)
    : wxPanel(parent, wxID_ANY), m_browserWindow(this), m_readyTimer(this, kReadyTimer) {
    Bind(wxEVT_TIMER, &CHtmlEditor::OnTimer, this);
}

CHtmlEditor::~CHtmlEditor() {
    m_readyTimer.Stop();
}

int CHtmlEditor::create(wxWindow* placeholder, CDHtmlEditDlg* host, int bodyOnly) {
    m_host = host;
    m_placeholder = placeholder;
    m_bodyOnly = bodyOnly;
    m_firstReadyDone = m_cleanupPending = 0;
    m_url = "about:blank";
    if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault))
        return 0;
    m_sourcePane = new CUniRichEdit(this, this);
    m_view = wxWebView::New();
    if (!m_view || !m_view->Create(this, kViewId, wxWebViewDefaultURLStr)) {
        delete m_view;
        m_view = nullptr;
        return 0;
    }
    m_view->SetName("DHtmlEditor");
    if (!m_browserWindow.attach(m_view))
        return 0;
    m_view->Bind(wxEVT_WEBVIEW_LOADED, &CHtmlEditor::OnNavigateComplete2, this);
    m_view->Bind(wxEVT_WEBVIEW_NAVIGATING, &CHtmlEditor::OnBeforeNavigate2, this);
    auto* panes = new wxBoxSizer(wxVERTICAL);
    panes->Add(m_view, 1, wxEXPAND);
    panes->Add(m_sourcePane, 1, wxEXPAND);
    SetSizer(panes);
    if (placeholder) {
        if (wxSizer* sizer = placeholder->GetContainingSizer())
            sizer->Replace(placeholder, this);
        placeholder->Hide();
    }
    showPanes(1);
    // The blank start document: its readiness starts the page's loading.
    m_loading = toWx(m_url);
    m_view->SetPage(kStartDocument, m_loading);
    return 1;
}

void CHtmlEditor::OnBeforeNavigate2(wxWebViewEvent& event) {
    // The editor loads the pages it shows itself; a page being edited never
    // goes elsewhere, nor loads again (what was typed would be lost).
    if (m_pageScripts || sameAddress(utf8Of(event.GetURL()), utf8Of(m_loading)))
        return;
    event.Veto();
}

void CHtmlEditor::OnNavigateComplete2(wxWebViewEvent&) {
    if (isBusy()) {
        whenIdle([this] {
            wxWebViewEvent later;
            OnNavigateComplete2(later);
        });
        return;
    }
    m_navigating = false;
    m_loading.clear();
    wxString installed;
    m_hooked = runScript(kEditorScript, &installed) && installed == "installed" && m_browserWindow.install();
    if (m_design)
        runScript("window.__tolvane.setDesign(true)");
    m_readyTimer.Start(100);
}

void CHtmlEditor::OnTimer(wxTimerEvent& event) {
    if (event.GetId() != kReadyTimer || isBusy() || !m_view || m_view->IsBusy())
        return;
    if (!changeDocument([](cHtmlDocument& document) { return document.getBody().isValid(); }))
        return;
    m_readyTimer.Stop();
    if (!m_firstReadyDone) {
        m_firstReadyDone = 1;
        notifyHost(kNotifyLoadPage, 0);
        notifyHost(kNotifyDefaults, 0);
    }
    if (m_cleanupPending) {
        m_cleanupPending = 0;
        changeDocument([](cHtmlDocument& document) {
            document.removeUnsupportedTags();
            return 0;
        });
    }
    notifyHost(kNotifyReady, 1);
}

int CHtmlEditor::navigateTo(const CString& path) {
    if (m_sourceView || !m_view)
        return 0;
    setMode(0, 0);
    m_page = EditedPage(path);
    std::string text;
    m_page.read(text);
    m_url = CString(encoding::utf8ToCp1252(pathToFileUrl(platform::diskPath(path.str()))));
    m_navigating = true;
    m_hooked = false;
    const wxString url = wxString::FromUTF8(encoding::cp1252ToUtf8(m_url.str()));
    m_loading = url;
    if (m_pageScripts) {
        m_view->LoadURL(url);
    } else {
        // A page that refreshes itself or goes to another is shown without
        // its refresh, which would leave the page being edited.
        cHtmlDocument shown;
        if (shown.attach(text, m_url) && shown.removeRefresh())
            text = shown.getDocumentHtml(false);
        const std::string page = withPolicy(text);
        m_view->SetPage(wxString::FromUTF8(page.data(), page.size()), url);
    }
    return 1;
}

void CHtmlEditor::setMode(int source, int design) {
    if (source != m_sourceView) {
        if (source) {
            changeDocument([](cHtmlDocument& document) {
                document.removeUnsupportedTags();
                return 0;
            });
            m_sourceView = 1;
            const xmlNode* shownNode =
                m_bodyOnly ? m_document.getBody().getNode() : m_document.getRootElement().getNode();
            std::string text = m_bodyOnly ? htmltree::innerHtml(shownNode) : htmltree::outerHtml(shownNode);
            std::string shown;
            for (size_t i = 0; i < text.size(); ++i) {
                if (text.compare(i, 3, "<br") == 0 && (i + 3 == text.size() || !std::isalpha(text[i + 3])))
                    shown += "\n";
                shown += text[i];
            }
            m_sourcePane->ChangeValue(wxString::FromUTF8(shown.data(), shown.size()));
        } else {
            m_sourceView = 0;
            const std::string text = utf8Of(m_sourcePane->GetValue());
            if (m_bodyOnly) {
                changeDocument([&text](cHtmlDocument& document) {
                    document.getBody().setInnerHtml(CString(encoding::utf8ToCp1252(text)));
                    document.removeUnsupportedTags();
                    return 0;
                });
            } else {
                ++m_changeDepth;
                m_document.loadHtml(text);
                push();
                --m_changeDepth;
                scheduleReady();
            }
        }
    } else if (!m_sourceView && m_design != (design != 0)) {
        m_design = design != 0;
        runScript(m_design ? "window.__tolvane.setDesign(true)" : "window.__tolvane.setDesign(false)");
        if (m_design)
            scheduleReady();
    }
    showPanes(m_panesVisible);
    notifyHost(kNotifyRefresh, 1);
}

int CHtmlEditor::getMode() const {
    if (m_sourceView)
        return kSourceMode;
    return m_design ? kEditMode : kBrowseMode;
}

int CHtmlEditor::execCommand(int id, long value) {
    if (id == kFontSizePx)
        return setFontSizePx(static_cast<int>(value));
    if (id == IDM_SAVE)
        return save();
    const char* name = commandName(id);
    if (!name)
        return 0;
    // No value: the browser's own default, never a text such as "null" (a
    // separator would take it as its id).
    wxString argument = "undefined";
    if (id == IDM_FORECOLOR || id == IDM_BACKCOLOR)
        argument = wxString::Format("\"#%02X%02X%02X\"", static_cast<unsigned>(value & 0xFF),
                                    static_cast<unsigned>((value >> 8) & 0xFF),
                                    static_cast<unsigned>((value >> 16) & 0xFF));
    wxString result;
    return runScript(wxString::Format("window.__tolvane.exec(\"%s\", %s)", name, argument), &result) &&
                   result == "1"
               ? 1
               : 0;
}

int CHtmlEditor::execCommand(int id, const CString& text) {
    const char* name = commandName(id);
    if (!name)
        return 0;
    wxString result;
    return runScript(wxString::Format("window.__tolvane.exec(\"%s\", %s)", name,
                                      jsString(encoding::cp1252ToUtf8(text.str()))),
                     &result) &&
                   result == "1"
               ? 1
               : 0;
}

int CHtmlEditor::queryCommandValue(int id, CString& value) {
    value.Empty();
    if (id == kFontSizePx) {
        // Asked at every caret move: the browser answers with what the size
        // is made of, not with the page.
        wxString answer;
        if (!runScript("window.__tolvane ? window.__tolvane.fontSize() : \"\"", &answer))
            return 0;
        std::vector<std::string> fields;
        const std::string text = utf8Of(answer);
        for (size_t start = 0; start <= text.size();) {
            const size_t end = std::min(text.find(' ', start), text.size());
            fields.push_back(percentDecoded(std::string_view(text).substr(start, end - start)));
            start = end + 1;
        }
        if (fields.size() < 2 || fields[0] != "size")
            return 0;
        int pixels = 0;
        for (size_t i = 2; pixels == 0 && i + 1 < fields.size(); i += 2)
            pixels = cHtmlDocument::fontElementSizePx(fields[i], fields[i + 1]);
        value.Format("%d", pixels != 0 ? pixels : cHtmlDocument::defaultFontSizePxOf(fields[1]));
        return 1;
    }
    const char* name = commandName(id);
    wxString result;
    if (!name || !runScript(wxString::Format("window.__tolvane.query(\"%s\")", name), &result))
        return 0;
    value = CString(encoding::utf8ToCp1252(utf8Of(result)));
    return 1;
}

int CHtmlEditor::setFontSizePx(int pixels) {
    if (!execCommand(IDM_FONTSIZE, CString("7")))
        return 0;
    return changeDocument([pixels](cHtmlDocument& document) { return document.applyFontSizePx(pixels); });
}

int CHtmlEditor::save(int clean) {
    bool saved = false;
    if (m_changeDepth == 0 && pull()) {
        // What is written is the page as taken in: the clean-up's changes,
        // and the page defaults the host applies meanwhile, go into the file
        // without being handed back to the browser, which would lay out the
        // whole page again only to be closed.
        ++m_changeDepth;
        if (clean)
            m_document.removeUnsupportedTags();
        m_document.localizeImages();
        saved = m_page.write(m_page.compose(m_document));
        // A page that stays open shows what the clean-up made of it.
        if (!saved && clean && m_document.getChangeCount() != 0)
            push();
        --m_changeDepth;
        scheduleDeferred();
    }
    if (!saved) {
        cHtmlDocument::reportError("Error saving the file");
        return 0;
    }
    return 1;
}

void CHtmlEditor::showPanes(int visible) {
    m_panesVisible = visible;
    if (m_placeholder)
        m_placeholder->Show(!visible);
    if (m_sourcePane)
        m_sourcePane->Show(visible && m_sourceView);
    if (m_view)
        m_view->Show(visible && !m_sourceView);
    Layout();
}

int CHtmlEditor::isReady() const {
    return m_view && m_sourcePane && m_hooked && !m_navigating ? 1 : 0;
}

void CHtmlEditor::notifyHost(int code, int post) {
    if (!m_host)
        return;
    if (post)
        CallAfter([this, code] { whenIdle([this, code] { m_host->OnEditorNotify(code); }); });
    else
        m_host->OnEditorNotify(code);
}

void CHtmlEditor::scheduleReady() {
    m_cleanupPending = 1;
    m_readyTimer.Start(100);
}

int CHtmlEditor::pasteHtml(const CString& html) {
    wxString result;
    return runScript("window.__tolvane.paste(" + jsString(encoding::cp1252ToUtf8(html.str())) + ")",
                     &result) &&
                   result == "1"
               ? 1
               : 0;
}

cHtmlDocument& CHtmlEditor::getDocument() {
    if (m_changeDepth == 0)
        pull();
    return m_document;
}

bool CHtmlEditor::runScript(const wxString& script, wxString* result) {
    if (!m_view)
        return false;
    // A script that fails is answered by the caller; no log window for it.
    wxLogNull quiet;
    ++m_busy;
    const bool done = m_view->RunScript(script, result);
    --m_busy;
    scheduleDeferred();
    return done;
}

void CHtmlEditor::whenIdle(std::function<void()> work) {
    if (isBusy()) {
        m_deferred.push_back(std::move(work));
        return;
    }
    work();
}

void CHtmlEditor::scheduleDeferred() {
    if (isBusy() || m_deferred.empty())
        return;
    CallAfter([this] {
        std::vector<std::function<void()>> waiting;
        waiting.swap(m_deferred);
        for (auto& work : waiting)
            whenIdle(std::move(work));
    });
}

bool CHtmlEditor::pull() {
    wxString html;
    m_document.setHost(this);
    if (!runScript("window.__tolvane ? window.__tolvane.pull() : \"\"", &html) || html.empty()) {
        m_document.attach("", m_url);
        return false;
    }
    return m_document.attach(utf8Of(html), m_url);
}

void CHtmlEditor::push() {
    if (m_document.isValid())
        runScript("window.__tolvane.push(" + jsString(m_document.getDocumentHtml(true)) + ")");
}
