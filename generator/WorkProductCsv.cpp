#include "WorkProductCsv.h"

#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

CString WorkProductCsv::field(const CString& text) {
    if (text.FindOneOf(";\"\r\n") < 0)
        return text;
    CString quoted = text;
    quoted.Replace("\"", "\"\"");
    return "\"" + quoted + "\"";
}

CString WorkProductCsv::headerLine(ProcessManager& manager, int language) {
    auto label = [&](const char* key) { return field(manager.getLabel(language, key)); };
    return label("Name") + ";Domain;Discipline;" + label("CMPolicy") + ";" + label("WPName") + ";" +
           label("Author") + ";" + label("Description") + ";\n";
}

CString WorkProductCsv::line(ProcessManager& manager, ProcessItem& product, int language,
                             int* tooltipCounter) {
    ItemWorkProduct& extension = *product.getItemWorkProduct();
    // The description as its author wrote it, on one line: no glossary
    // tooltips, references as names.
    const CString description = manager.descriptionToHtml(extension.readDescription(language, 0, 1, 0),
                                                          tooltipCounter, &product, language, 1);
    return field(extension.getDisplayName(language)) + ";" + field(product.getDomain()) + ";" +
           field(product.getDiscipline()) + ";" + field(extension.getCMPolicy()) + ";" +
           field(extension.getWPName()) + ";" + field(extension.getAuthorsText()) + ";" + field(description) +
           "\n";
}
