#include "PackageBuilder.h"

#include "RunProgram.h"

#include <filesystem>
#include <fstream>

namespace {

std::string line(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i)
        out += (i ? "\t" : "") + fields[i];
    return out + "\r\n";
}

} // namespace

PackageBuilder& PackageBuilder::table(const std::string& name, const std::vector<std::string>& columns,
                                      const std::vector<std::string>& types, const std::vector<Row>& rows,
                                      const std::vector<std::string>& keys) {
    std::vector<std::string> head = {name};
    if (keys.empty())
        head.push_back(columns.front());
    head.insert(head.end(), keys.begin(), keys.end());
    std::string text = line(columns) + line(types) + line(head);
    for (const Row& row : rows)
        text += line(row);
    m_tables.push_back({name, text});
    return *this;
}

PackageBuilder& PackageBuilder::properties(const std::vector<Row>& rows) {
    return table("Property", {"Property", "Value"}, {"s72", "l0"}, rows);
}

PackageBuilder& PackageBuilder::customActions(const std::vector<Row>& rows) {
    return table("CustomAction", {"Action", "Type", "Source", "Target"}, {"s72", "i2", "S72", "S255"}, rows);
}

PackageBuilder& PackageBuilder::executeSequence(const std::vector<Row>& rows) {
    return table("InstallExecuteSequence", {"Action", "Condition", "Sequence"}, {"s72", "S255", "I2"}, rows);
}

PackageBuilder& PackageBuilder::components(const std::vector<std::string>& names) {
    std::vector<Row> rows;
    for (const std::string& name : names)
        rows.push_back({name, "", "TARGETDIR", "0", "", ""});
    return table("Component",
                 {"Component", "ComponentId", "Directory_", "Attributes", "Condition", "KeyPath"},
                 {"s72", "S38", "s72", "i2", "S255", "S72"}, rows);
}

PackageBuilder& PackageBuilder::errors(const std::vector<Row>& rows) {
    return table("Error", {"Error", "Message"}, {"i2", "L0"}, rows);
}

std::string PackageBuilder::build(const std::string& packagePath) const {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::path(packagePath).parent_path() / (fs::path(packagePath).stem().string() + "-idt");
    fs::create_directories(folder);
    std::vector<std::string> argv = {MSIBUILD_PROGRAM, packagePath};
    for (const Table& table : m_tables) {
        const fs::path file = folder / (table.name + ".idt");
        std::ofstream(file, std::ios::binary) << table.text;
        argv.push_back("-i");
        argv.push_back(file.string());
    }
    const ProgramResult result = runProgram(argv);
    if (result.exitCode != 0 || !fs::exists(packagePath))
        return "msibuild failed (" + std::to_string(result.exitCode) + "): " + result.errors + result.output;
    return {};
}
