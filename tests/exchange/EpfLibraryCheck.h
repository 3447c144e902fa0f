#pragma once

// What a method library must hold to import cleanly, read from the file
// with an XML parser: every element identifier once, every reference to
// another element (the text of a Task, Role, CategorizedElement,
// SuperActivity ... element) naming an identifier of the library, and the
// children of each content element and of its presentation in the order
// the interchange schema (UMA 1.0.5) gives them, with no text between them.

#include <string>
#include <vector>

struct EpfLibraryCheck {
    std::string xmllint;    // xmllint's complaints; empty when it found the file well formed
    std::string parseError; // empty when the file parsed
    std::vector<std::string> duplicateIds;
    std::vector<std::string> unresolved; // "Element: id"
    // "id: Child after Other" for a child out of the schema's order, "id:
    // text" for text standing between the children of an element
    std::vector<std::string> misordered;
    size_t ids = 0;
    size_t references = 0;
};

EpfLibraryCheck checkEpfLibrary(const std::string& path);
