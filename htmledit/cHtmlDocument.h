#pragma once

// The page the editor shows, as a tree: the browser hands over its document
// as HTML, with the element of the selection marked; the tree is read and
// changed here, and handed back to the browser when a change touched it.
// Everything that reads or rewrites the page's structure works here and
// runs without a browser: the clean-up of unsupported markup, the style
// sheet of the page's defaults, tables, font sizes, and the picture
// addresses written on save.

#include "CString.h"
#include "HtmlTree.h"
#include "cHtmlDomNode.h"
#include "cHtmlElement.h"

#include <string>
#include <string_view>
#include <vector>

class cHtmlStyleSheet;
class cHtmlTableCell;

class cHtmlDocument : public cHtmlDomNode {
public:
    // The editor that shows the document, told of the notifications the
    // document raises (5003: apply the page defaults).
    class Host {
    public:
        virtual ~Host() = default;
        virtual void notifyHost(int code) = 0;
    };

    enum class SelectionKind {
        None,    // no selection in the document
        Caret,   // a text selection holding no text
        Text,    // a text selection: its element is the one that holds it whole
        Control, // one picture selected as an object
    };

    // The attribute that marks the selection's element in the HTML the
    // browser hands over and takes back; its value is the selection kind.
    static constexpr const char* kSelectionMark = "data-tolvane-selection";
    // META elements the editor adds for its own use, never part of the page.
    static constexpr const char* kEditorElementMark = "data-tolvane-editor";
    // The marker of the generated part of item pages.
    static constexpr const char* kGeneratedMarker = "<!--PROCESS_HYPERLINK-->";

    cHtmlDocument();
    ~cHtmlDocument() override;
    cHtmlDocument(const cHtmlDocument&) = delete;
    cHtmlDocument& operator=(const cHtmlDocument&) = delete;

    // Takes in the page (UTF-8 HTML) found at url: the marked element
    // becomes the selection and loses its mark, elements of the editor's own
    // are dropped. False when nothing could be parsed.
    bool attach(std::string_view html, const CString& url);
    // Replaces the page by the text (the source view's); a text without a
    // document type keeps the page's.
    bool loadHtml(std::string_view html);
    bool isValid() const { return m_tree != nullptr; }
    void setHost(Host* host) { m_host = host; }
    const CString& getUrl() const { return m_url; }

    cHtmlElement getRootElement();
    // The root element's HTML, as the source view shows it.
    CString getHtml();
    cHtmlElement getHead();
    // The BODY; an empty one (blanks and line ends aside) is given "<DIV></DIV>".
    cHtmlElement getBody();
    std::vector<cHtmlElement> getElementsByTagName(const CString& tag);

    // The selected picture, or the element holding the selected text; for a
    // mere caret the element around it only with allowEmpty.
    cHtmlElement getSelectionElement(int allowEmpty);
    SelectionKind getSelectionKind() const { return m_selectionKind; }
    // Makes the element the selection (used where the browser is not).
    void select(const cHtmlElement& element, SelectionKind kind);

    // The first embedded style sheet; a STYLE element is added to HEAD
    // when there is none. Empty without HEAD.
    cHtmlStyleSheet findStyleSheet();
    int setStyleRule(const CString& selector, int property, const CString& value);
    // The page defaults: BODY and TABLE in 14 pixels Arial, the BODY's margins.
    void applyPageDefaults();

    // The clean-up: everything outside the subset the editor keeps is removed
    // or rewritten, the page defaults are applied again through the host, and
    // the removed tags are reported. The generated part below the marker is
    // left alone: it is written back from the page file as it was.
    void removeUnsupportedTags();
    void cleanElement(cHtmlElement element, CString& report);
    int convertHeading(const CString& tag, cHtmlElement element);
    int convertParagraph(cHtmlElement element);

    // The cell of the caret; empty after a message when the selection spans
    // cells or lies outside every cell.
    cHtmlTableCell getCurrentCell();
    int insertRowAt(int after);
    int insertColumnAt(int right);
    // The HTML of a new table: rows of columns cells, each "<DIV>&nbsp;</DIV>".
    static CString tableHtml(int rows, int columns);
    // The table that the toolbar inserts: one row of two cells.
    static CString defaultTableHtml();
    static CString imageHtml(const CString& address);

    // After the browser's font-size command made size-7 FONT elements: they
    // take the size in pixels as a style. 0 without a usable element.
    int applyFontSizePx(int pixels);
    int getFontSizePx();
    int getDefaultFontSizePx();
    // What the size is made of, shared with the browser's answer for the
    // font-size box: the pixels a FONT element gives its text, from its
    // style and size attributes (0 when it gives none, and the search goes
    // on upwards), and the page's default size from the text of its first
    // embedded style sheet. UTF-8 texts.
    static int fontElementSizePx(const std::string& styleAttribute, const std::string& sizeAttribute);
    static int defaultFontSizePxOf(const std::string& styleSheet);

    // Pictures in the page's own folder are addressed by their name, relative
    // to the page, as its links are; every other address stays as written.
    void localizeImages();
    // The whole page as HTML (document type and root), UTF-8; with
    // markSelection the selection's element carries kSelectionMark.
    std::string getDocumentHtml(bool markSelection) const;
    // The page as HTML above its generated part: up to the marker, or, when
    // the edit lost the marker, up to its body's end tag. cut tells whether
    // the page was cut there; without marker and body it is written whole.
    std::string getEditedHtml(bool& cut) const;
    // The document type declaration as the page gave it; empty when none.
    const std::string& getDoctype() const { return m_doctype; }
    // Removes every META that refreshes or redirects the page; whether there was one.
    bool removeRefresh();
    // A META that refreshes or redirects the page: "refresh" in its HTML, in any case.
    static bool isRefresh(const cHtmlElement& meta);

    // Messages of the document layer: the text, caption "Error", stop icon.
    static void reportError(const char* text);

    // For the wrappers: the tree changed; a removed node is kept until the
    // next page is taken in.
    void changed() { ++m_changes; }
    int getChangeCount() const { return m_changes; }
    void discard(xmlNode* node);
    xmlDoc* getTree() const { return m_tree.get(); }

private:
    void release();
    void takeMarks(xmlNode* node);
    class CleanupWalk;

    htmltree::Document m_tree;
    // The document type as written in the page taken in: the parser keeps
    // only part of a system identifier that holds characters beyond ASCII.
    std::string m_doctype;
    CString m_url;
    Host* m_host = nullptr;
    xmlNode* m_selection = nullptr;
    SelectionKind m_selectionKind = SelectionKind::None;
    std::vector<xmlNode*> m_discarded;
    int m_changes = 0;
    int m_defaultFontSize = -1;
};
