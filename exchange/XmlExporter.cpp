#include "XmlExporter.h"

#include "AssetLibraryXml.h"
#include "ExportFile.h"
#include "ProcessManager.h"
#include "XmlText.h"

CString XmlExporter::toXmlMarkup(const CString& text, int language) const {
    int counter = 0;
    CString markup = m_manager->descriptionToHtml(text, &counter, nullptr, language, 1);
    markup.Replace("\"", "&quot;");
    markup.Replace("\x92", "'");
    markup.Replace("`", "'");
    return markup;
}

CString XmlExporter::toXmlText(const CString& text, int language) const {
    CString plain = toXmlMarkup(text, language);
    for (const char* tag : {"<br>", "<hr>", "<b>", "</b>", "<i>", "</i>"})
        plain.Replace(tag, "");
    plain.Replace("<", "&lt;");
    plain.Replace(">", "&gt;");
    return plain;
}

int XmlExporter::exportProcessAssetLibrary() {
    CString document = AssetLibraryXml(*this, *m_manager).write();
    // Every line end goes out once as CR LF, also those of texts read with CR LF.
    document.Replace("\r\n", "\n");
    const XmlText::Encoded encoded = XmlText::encode(document.str(), m_manager->readCharset());
    ExportFile file(*m_manager, "export.xml");
    file << "<?xml version=\"1.0\" encoding=\"" << encoded.declared << "\"?>\n" << encoded.bytes;
    return file.close() ? 1 : 0;
}
