#include "EpfLibraryCheck.h"

#include "RunProgram.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <functional>
#include <set>
#include <unordered_set>

namespace {

// The elements whose text is the identifier of another element.
const std::set<std::string> kReferences = {
    "ReferencedMethodPlugin",
    "MethodPluginSelection",
    "MethodPackageSelection",
    "AddedCategory",
    "CategorizedElement",
    "Role",
    "WorkProduct",
    "Task",
    "ReferenceWorkflow",
    "SuperActivity",
    "SupportingMaterial",
    "DefaultContext",
    "ValidContext",
    "Output",
    "MandatoryInput",
    "OptionalInput",
    "PerformedBy",
    "AdditionallyPerformedBy",
    "ResponsibleFor",
    "Whitepaper",
    "Template",
    "Example",
    "Checklist",
};

std::string text(xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    std::string value = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return value;
}

} // namespace

EpfLibraryCheck checkEpfLibrary(const std::string& path) {
    EpfLibraryCheck check;
    const ProgramResult lint = runProgram({"xmllint", "--noout", path});
    if (lint.exitCode != 0)
        check.xmllint = "xmllint " + std::to_string(lint.exitCode) + ": " + lint.errors;
    xmlDoc* document =
        xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!document) {
        const xmlError* error = xmlGetLastError();
        check.parseError = error && error->message ? error->message : "unreadable";
        return check;
    }
    std::unordered_set<std::string> ids;
    std::vector<std::pair<std::string, std::string>> references;
    std::function<void(xmlNode*)> walk = [&](xmlNode* node) {
        for (; node; node = node->next) {
            if (node->type != XML_ELEMENT_NODE)
                continue;
            if (xmlChar* id = xmlGetProp(node, reinterpret_cast<const xmlChar*>("id"))) {
                if (!ids.insert(reinterpret_cast<const char*>(id)).second)
                    check.duplicateIds.emplace_back(reinterpret_cast<const char*>(id));
                xmlFree(id);
            }
            const std::string name = reinterpret_cast<const char*>(node->name);
            if (kReferences.count(name))
                references.emplace_back(name, text(node));
            walk(node->children);
        }
    };
    walk(xmlDocGetRootElement(document));
    xmlFreeDoc(document);
    check.ids = ids.size();
    check.references = references.size();
    for (const auto& [element, id] : references)
        if (!ids.count(id))
            check.unresolved.push_back(element + ": " + id);
    return check;
}
