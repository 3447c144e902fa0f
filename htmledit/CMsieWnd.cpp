#include "CMsieWnd.h"

#include "CHtmlEditor.h"
#include "cHtmlDocument.h"

#include <wx/webview.h>

namespace {

// The page side of the hooks. Keys are taken before the browser sees them;
// Enter in a paragraph leaves each paragraph as a DIV line (the clean-up
// does the same to pages), and empty FONT elements left behind go.
const char* const kHookScript = R"JS(
(function () {
  if (window.__tolvaneHooks) return 'installed';
  window.__tolvaneHooks = true;
  function post(message) {
    try { window.webkit.messageHandlers.tolvane.postMessage(message); } catch (e) {}
  }
  function editing() { return document.designMode === 'on'; }
  function trimmed(text) { return text.replace(/^[\r\n \t]+|[\r\n \t]+$/g, ''); }
  function enterFixups() {
    var paragraphs = Array.prototype.slice.call(document.getElementsByTagName('p'));
    if (!paragraphs.length) return;
    var selection = window.getSelection();
    var range = selection.rangeCount ? selection.getRangeAt(0) : null;
    var start = range ? range.startContainer : null, offset = range ? range.startOffset : 0;
    for (var i = paragraphs.length - 1; i >= 0; --i) {
      var paragraph = paragraphs[i], line = document.createElement('div');
      if (paragraph.innerHTML === '') line.innerHTML = '&nbsp;';
      while (paragraph.firstChild) line.appendChild(paragraph.firstChild);
      paragraph.parentNode.insertBefore(line, paragraph);
      paragraph.parentNode.removeChild(paragraph);
      if (start === paragraph) start = line;
    }
    var fonts = document.getElementsByTagName('font');
    for (var k = fonts.length - 1; k >= 0; --k)
      if (trimmed(fonts[k].innerHTML) === '') fonts[k].parentNode.removeChild(fonts[k]);
    if (start && document.documentElement.contains(start)) {
      try {
        var caret = document.createRange();
        caret.setStart(start, Math.min(offset, start.childNodes.length || (start.length || 0)));
        caret.collapse(true);
        selection.removeAllRanges();
        selection.addRange(caret);
      } catch (e) {}
    }
  }
  document.addEventListener('keydown', function (e) {
    if (!editing() || !e.ctrlKey || e.shiftKey || e.altKey) return;
    // The key's letter as the keyboard gives it, whatever the layout.
    var key = e.keyCode ? String.fromCharCode(e.keyCode) : (e.key || '').toUpperCase();
    if (key.length !== 1 || 'HNORST'.indexOf(key) < 0) return;
    e.preventDefault();
    e.stopPropagation();
    post('key:' + key);
  }, true);
  document.addEventListener('keyup', function (e) {
    if (editing() && (e.keyCode === 13 || e.key === 'Enter')) enterFixups();
  }, true);
  document.addEventListener('contextmenu', function (e) {
    if (editing()) e.preventDefault();
  }, true);
  document.addEventListener('paste', function () {
    if (editing()) post('paste');
  }, true);
  document.addEventListener('mousedown', function (e) {
    if (editing() && e.target && (e.target.nodeName === 'IMG' || e.target.nodeName === 'HR') && window.__tolvane) {
      e.preventDefault();
      window.__tolvane.selectControl(e.target);
    }
  }, true);
  var pending = false;
  document.addEventListener('selectionchange', function () {
    if (pending) return;
    pending = true;
    setTimeout(function () { pending = false; post('selection'); }, 250);
  });
  window.addEventListener('blur', function () { post('blur'); });
  return 'installed';
})()
)JS";

} // namespace

bool CMsieWnd::attach(wxWebView* view) {
    if (!view->AddScriptMessageHandler(kMessageHandler))
        return false;
    view->Bind(wxEVT_WEBVIEW_SCRIPT_MESSAGE_RECEIVED, &CMsieWnd::OnScriptMessage, this);
    return true;
}

bool CMsieWnd::install() {
    wxString result;
    return m_editor->runScript(kHookScript, &result) && result == "installed";
}

void CMsieWnd::OnScriptMessage(wxWebViewEvent& event) {
    const wxString message = event.GetString();
    m_editor->whenIdle([this, message] { WindowProc(message); });
}

void CMsieWnd::WindowProc(const wxString& message) {
    if (message.StartsWith("key:") && message.length() == 5)
        PreTranslateMessage(static_cast<char>(message[4].GetValue()));
    else if (message == "paste")
        m_editor->scheduleReady();
    else if (message == "selection")
        m_editor->notifyHost(CHtmlEditor::kNotifyRefresh, 1);
    else if (message == "blur")
        m_editor->notifyHost(CHtmlEditor::kNotifyFocusLost, 0);
}

bool CMsieWnd::PreTranslateMessage(char key) {
    if (m_editor->getMode() != CHtmlEditor::kEditMode)
        return false;
    switch (key) {
    case 'H':
        m_editor->execCommand(CHtmlEditor::IDM_HORIZONTALLINE);
        return true;
    case 'N':
        return true;
    case 'O':
        m_editor->changeDocument([](cHtmlDocument& document) { return document.insertColumnAt(1); });
        return true;
    case 'R':
        m_editor->changeDocument([](cHtmlDocument& document) { return document.insertRowAt(1); });
        return true;
    case 'S':
        m_editor->save();
        return true;
    case 'T':
        m_editor->pasteHtml(cHtmlDocument::tableHtml(2, 2));
        return true;
    default:
        return false;
    }
}
