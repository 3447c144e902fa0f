#pragma once

// The tables of Tarnwick's packages, as the tests build them.

#include "PackageBuilder.h"

#include <string>
#include <vector>

inline PackageBuilder& xmlFileTable(PackageBuilder& builder, const std::vector<PackageBuilder::Row>& rows) {
    return builder.table("FW_XmlFile",
                         {"XmlFile", "FileName", "DirProperty", "Component", "RootElement", "Flags",
                          "Version", "Encoding", "IndentUnits", "BackupFileName"},
                         {"s72", "s255", "S72", "S72", "s72", "I4", "S8", "S32", "I2", "S255"}, rows);
}

inline PackageBuilder& xmlElementTable(PackageBuilder& builder,
                                       const std::vector<PackageBuilder::Row>& rows) {
    return builder.table("FW_XmlElement", {"XmlElement", "ParentElement", "Name", "Order", "Flags", "Text"},
                         {"s72", "S72", "s255", "I4", "I4", "S0"}, rows);
}

inline PackageBuilder& xmlAttributeTable(PackageBuilder& builder,
                                         const std::vector<PackageBuilder::Row>& rows) {
    return builder.table("FW_XmlAttribute", {"XmlAttribute", "XmlElement", "Name", "Flags", "Order", "Value"},
                         {"s72", "s72", "s255", "I4", "I4", "S0"}, rows);
}

// The demo product: app.xml exists and is patched (its port changed, a log
// element added), new.xml is created, and removal undoes both: the port
// goes back, the log element goes, and new.xml, which the installation
// created, is deleted.
namespace demo {

const std::string kApp = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                         "<!-- kept as it is -->\r\n"
                         "<config>\r\n"
                         "  <port value=\"80\"/>\r\n"
                         "</config>\r\n";
const std::string kAppInstalled = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                  "<!-- kept as it is -->\r\n"
                                  "<config>\r\n"
                                  "  <port value=\"8080\"/>\r\n"
                                  "  <log level=\"debug\"/>\r\n"
                                  "</config>\r\n";
const std::string kNew = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n"
                         "<settings>\r\n"
                         "  <name>Demo</name>\r\n"
                         "</settings>\r\n";

// FW_XmlFile rows for a folder (a property name in a package, a path in a
// deferred action's data): a file with the given key, name, root and flags.
inline PackageBuilder::Row fileRow(const std::string& key, const std::string& name, const std::string& folder,
                                   const std::string& root, const std::string& flags) {
    return {key, name, folder, "Main", root, flags, "1.0", "UTF-8", "2", ""};
}

// 0x18: created when missing, deleted at removal when it was created.
inline std::vector<PackageBuilder::Row> files(const std::string& folder) {
    return {fileRow("a_app", "app.xml", folder, "cfg", "0"),
            fileRow("c_new", "NEW~1.XML|new.xml", folder, "set", "24")};
}

// port: the first match updated (0x08); log: inserted when missing (0x04),
// removed at removal (0x02); name: inserted when missing.
const std::vector<PackageBuilder::Row> kElements = {
    {"cfg", "", "config", "0", "0", ""},       {"port", "cfg", "port", "1", "8", ""},
    {"log", "cfg", "log", "2", "6", ""},       {"set", "", "settings", "0", "0", ""},
    {"name", "set", "name", "1", "4", "Demo"},
};

// value: overwritten at installation (0x0E) and at removal (0x16); level:
// added at installation (0x0A).
const std::vector<PackageBuilder::Row> kAttributes = {
    {"portIn", "port", "value", "14", "1", "8080"},
    {"portOut", "port", "value", "22", "2", "80"},
    {"level", "log", "level", "10", "1", "debug"},
};

} // namespace demo
