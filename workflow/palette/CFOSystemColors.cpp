#include "CFOSystemColors.h"

namespace {

CFOSystemColors::Reader& installedReader() {
    static CFOSystemColors::Reader reader;
    return reader;
}

} // namespace

CFOSystemColors& CFOSystemColors::colors() {
    static CFOSystemColors instance = read();
    return instance;
}

void CFOSystemColors::refresh() {
    colors() = read();
}

CFOSystemColors CFOSystemColors::read() {
    if (installedReader())
        return installedReader()();
    return CFOSystemColors();
}

void CFOSystemColors::setReader(Reader reader) {
    installedReader() = std::move(reader);
}

bool CFOSystemColors::hasReader() {
    return static_cast<bool>(installedReader());
}
