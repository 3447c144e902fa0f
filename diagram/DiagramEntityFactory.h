#pragma once

// Turns one line of a diagram file into the entity it describes, trying the
// entity classes in a fixed order; the first that reads the line wins. The
// order is a table: each row names the class's record keywords and its
// createFromRecord. Rows of the notation's classes are filled as those
// classes come; until then their lines give no entity.

#include "CDiagramEntity.h"
#include "CString.h"

#include <memory>
#include <span>

class Item;

// A new entity read from the line, its owner set to owner; null when no
// class reads the line (the paper record and link records among them).
std::unique_ptr<CDiagramEntity> createDiagramEntityFromRecord(const CString& record, Item* owner);

// Whether a line of that type keyword gives an entity (some class of the
// table is built and reads the keyword).
bool isBuiltByFactory(const CString& type);

struct DiagramEntityClass {
    using Create = std::unique_ptr<CDiagramEntity> (*)(const CString& record);
    const char* className;
    // Every keyword the class's isOfType accepts (most have one), up to the
    // first null.
    const char* keywords[7];
    // Null while the class is not built.
    Create create;

    bool accepts(const CString& type) const;
};

// The rows in the order they are tried.
std::span<const DiagramEntityClass> diagramEntityClasses();
