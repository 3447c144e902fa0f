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
