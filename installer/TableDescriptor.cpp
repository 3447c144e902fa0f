#include "TableDescriptor.h"

namespace {

ColumnDescriptor plain(const char16_t* name) {
    return {name, false, false};
}
ColumnDescriptor formatted(const char16_t* name) {
    return {name, true, false};
}
ColumnDescriptor property(const char16_t* name) {
    return {name, false, true};
}

} // namespace

const TableDescriptor& TableDescriptor::xmlFile() {
    static const TableDescriptor table{u"FW_XmlFile",
                                       {plain(u"XmlFile"), plain(u"FileName"), property(u"DirProperty"),
                                        plain(u"Component"), plain(u"RootElement"), plain(u"Flags"),
                                        plain(u"Version"), plain(u"Encoding"), plain(u"IndentUnits"),
                                        plain(u"BackupFileName")},
                                       u"Component"};
    return table;
}

const TableDescriptor& TableDescriptor::xmlElement() {
    static const TableDescriptor table{u"FW_XmlElement",
                                       {plain(u"XmlElement"), plain(u"ParentElement"), plain(u"Name"),
                                        plain(u"Order"), plain(u"Flags"), formatted(u"Text")},
                                       u""};
    return table;
}

const TableDescriptor& TableDescriptor::xmlAttribute() {
    static const TableDescriptor table{u"FW_XmlAttribute",
                                       {plain(u"XmlAttribute"), plain(u"XmlElement"), plain(u"Name"),
                                        plain(u"Flags"), plain(u"Order"), formatted(u"Value")},
                                       u""};
    return table;
}

const TableDescriptor& TableDescriptor::xmlLocatorElement() {
    static const TableDescriptor table{u"FW_XmlLocatorElement",
                                       {plain(u"XmlElement"), formatted(u"XmlFile"), plain(u"ParentElement"),
                                        plain(u"Name"), plain(u"Order")},
                                       u""};
    return table;
}

const TableDescriptor& TableDescriptor::xmlLocator() {
    static const TableDescriptor table{u"FW_XmlLocator",
                                       {plain(u"XmlLocator"), plain(u"XmlElement"), plain(u"Property"),
                                        plain(u"Type"), plain(u"Value"), plain(u"ResultType"),
                                        plain(u"Order")},
                                       u""};
    return table;
}

std::vector<TableDescriptor> TableDescriptor::updateTables() {
    return {xmlFile(), xmlElement(), xmlAttribute()};
}

std::vector<TableDescriptor> TableDescriptor::locatorTables() {
    return {xmlLocatorElement(), xmlLocator()};
}
