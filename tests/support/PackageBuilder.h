#pragma once

// Builds an installer package for a test from tables written as .idt files
// (tab-separated: column names, column types, the table name with its key
// columns, then the rows), with msibuild.

#include <string>
#include <vector>

class PackageBuilder {
public:
    using Row = std::vector<std::string>;

    // A table; keys are its first column unless given.
    PackageBuilder& table(const std::string& name, const std::vector<std::string>& columns,
                          const std::vector<std::string>& types, const std::vector<Row>& rows,
                          const std::vector<std::string>& keys = {});

    // The common tables.
    PackageBuilder& properties(const std::vector<Row>& rows);      // Property, Value
    PackageBuilder& customActions(const std::vector<Row>& rows);   // Action, Type, Source, Target
    PackageBuilder& executeSequence(const std::vector<Row>& rows); // Action, Condition, Sequence
    PackageBuilder& components(const std::vector<std::string>& names);
    PackageBuilder& errors(const std::vector<Row>& rows); // Error, Message

    // Writes the tables beside the package and builds it; empty on success,
    // else what went wrong.
    std::string build(const std::string& packagePath) const;

private:
    struct Table {
        std::string name;
        std::string text;
    };
    std::vector<Table> m_tables;
};
