#include "cHtmlImg.h"

#include "EditorText.h"
#include "Encoding.h"
#include "cHtmlDocument.h"

cHtmlImg::cHtmlImg(const cHtmlElement& element)
    : cHtmlElement(element.getTagName() == "IMG" ? element : cHtmlElement()) {}

CString cHtmlImg::getHref() const {
    if (!isValid())
        return CString();
    const CString src = getAttribute("src");
    const std::string page = encoding::cp1252ToUtf8(m_document->getUrl().str());
    const std::string base = folderOf(localPathOf(page, "/"));
    if (base.empty())
        return src;
    const std::string path = localPathOf(encoding::cp1252ToUtf8(src.str()), base);
    return path.empty() ? src : CString(encoding::utf8ToCp1252(pathToFileUrl(path)));
}

int cHtmlImg::setSrc(const CString& src) {
    return setAttribute("src", src);
}
