#pragma once

// What a method library must hold to import cleanly, read from the file
// with an XML parser: every element identifier once, and every reference
// to another element (the text of a Task, Role, CategorizedElement,
// SuperActivity ... element) naming an identifier of the library.

#include <string>
#include <vector>

struct EpfLibraryCheck {
    std::string xmllint;    // xmllint's complaints; empty when it found the file well formed
    std::string parseError; // empty when the file parsed
    std::vector<std::string> duplicateIds;
    std::vector<std::string> unresolved; // "Element: id"
    size_t ids = 0;
    size_t references = 0;
};

EpfLibraryCheck checkEpfLibrary(const std::string& path);
