#include "EpfLibraryCheck.h"

#include "RunProgram.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <functional>
#include <map>
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

// The order of the children of a content element: the method element's,
// the describable element's, the content element's guidance references,
// then those of each kind. Names of one rank form a choice: any order
// among them.
const std::vector<std::vector<const char*>> kElementOrder = {
    {"OwnedRule"},     {"MethodElementProperty"},
    {"Presentation"},  {"Fulfill"},
    {"Checklist"},     {"Concept"},
    {"Example"},       {"Guideline"},
    {"ReusableAsset"}, {"SupportingMaterial"},
    {"Whitepaper"},
};
const std::map<std::string, std::vector<std::vector<const char*>>> kKindOrder = {
    {"uma:Task",
     {{"Precondition"},
      {"Postcondition"},
      {"PerformedBy"},
      {"MandatoryInput", "Output", "AdditionallyPerformedBy", "OptionalInput", "Estimate",
       "EstimationConsiderations", "ToolMentor"},
      {"Step"}}},
    {"uma:Artifact",
     {{"Estimate"},
      {"EstimationConsiderations"},
      {"Report"},
      {"Template"},
      {"ToolMentor"},
      {"ContainedArtifact"}}},
    {"uma:Role", {{"ResponsibleFor"}}},
};
// The children of a presentation: the content description's, then those
// of each kind of description.
const std::vector<std::vector<const char*>> kDescriptionOrder = {
    {"Copyright"},
    {"MainDescription"},
    {"KeyConsiderations"},
    {"Section"},
};
const std::map<std::string, std::vector<std::vector<const char*>>> kDescriptionKindOrder = {
    {"uma:TaskDescription", {{"Alternatives"}, {"Purpose"}}},
    {"uma:ArtifactDescription",
     {{"ImpactOfNotHaving"},
      {"Purpose"},
      {"ReasonsForNotNeeding"},
      {"BriefOutline"},
      {"RepresentationOptions"},
      {"Representation"},
      {"Notation"}}},
    {"uma:GuidanceDescription", {{"Attachment"}}},
    {"uma:RoleDescription", {{"Skills"}, {"AssignmentApproaches"}, {"Synonyms"}}},
};

std::string property(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

// Checks the children of the element against the ranks of the orders
// given, one after the other: each child of a rank not below the one
// before, no child of a name the orders leave out, no text between them.
void checkOrder(xmlNode* element, const std::vector<const std::vector<std::vector<const char*>>*>& orders,
                std::vector<std::string>& misordered) {
    std::map<std::string, int> ranks;
    int rank = 0;
    for (const auto* order : orders)
        for (const auto& choice : *order) {
            for (const char* name : choice)
                ranks.emplace(name, rank);
            ++rank;
        }
    const std::string id = property(element, "id");
    int last = -1;
    std::string lastName;
    for (xmlNode* child = element->children; child; child = child->next) {
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
            xmlChar* content = xmlNodeGetContent(child);
            const std::string value = content ? reinterpret_cast<const char*>(content) : "";
            xmlFree(content);
            if (value.find_first_not_of(" \t\r\n") != std::string::npos)
                misordered.push_back(id + ": text " + value.substr(0, 40));
            continue;
        }
        if (child->type != XML_ELEMENT_NODE)
            continue;
        const std::string name = reinterpret_cast<const char*>(child->name);
        const auto found = ranks.find(name);
        if (found == ranks.end()) {
            misordered.push_back(id + ": " + name + " has no place");
        } else if (found->second < last) {
            misordered.push_back(id + ": " + name + " after " + lastName);
        } else {
            last = found->second;
            lastName = name;
        }
    }
}

// The order of a content element's children and of its presentation's.
void checkContentElement(xmlNode* element, std::vector<std::string>& misordered) {
    const auto kind = kKindOrder.find(property(element, "type"));
    std::vector<const std::vector<std::vector<const char*>>*> orders{&kElementOrder};
    if (kind != kKindOrder.end())
        orders.push_back(&kind->second);
    checkOrder(element, orders, misordered);
    for (xmlNode* child = element->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE ||
            std::string(reinterpret_cast<const char*>(child->name)) != "Presentation")
            continue;
        const auto description = kDescriptionKindOrder.find(property(child, "type"));
        std::vector<const std::vector<std::vector<const char*>>*> descriptionOrders{&kDescriptionOrder};
        if (description != kDescriptionKindOrder.end())
            descriptionOrders.push_back(&description->second);
        checkOrder(child, descriptionOrders, misordered);
    }
}

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
            if (name == "ContentElement")
                checkContentElement(node, check.misordered);
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
