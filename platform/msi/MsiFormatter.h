#pragma once

// Formats a record as the installer does: the template in field 0, where
// [n] is field n, [NAME] a property, [%NAME] an environment variable, [\c]
// the character c, [~] a NUL character and [[NAME]] the property named by
// another; [#file], [!file] and [$component] are paths that the stand-in
// does not lay out (empty). A group {...} that holds references appears
// without its braces when each reference has a value and disappears
// otherwise; a group without references stays as it is, braces included.
// A record without a template reads "1: [1] 2: [2] ...".

#include <string>

class MsiRecord;
class MsiValueSource;

class MsiFormatter {
public:
    // Without a source (no installation), property references are empty.
    static std::u16string format(const MsiRecord& record, const MsiValueSource* source);
    // The template of a record without one.
    static std::u16string defaultTemplate(const MsiRecord& record);
};
