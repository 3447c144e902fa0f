#pragma once

// A fuzz target states the properties a sound reader must have; a broken one
// stops the run with a message on standard error, so that libFuzzer keeps
// the input and the replay of the seeds fails.

#include <string>
#include <string_view>

[[noreturn]] void fuzzFail(std::string_view property, std::string_view detail = {});

inline void fuzzRequire(bool condition, std::string_view property, std::string_view detail = {}) {
    if (!condition)
        fuzzFail(property, detail);
}

// The bytes of an input, as text.
inline std::string_view fuzzBytes(const unsigned char* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The two parts of an input that feeds two files: the part before the first
// line "%%%%" and the part after it (empty when there is no such line).
struct FuzzParts {
    std::string_view first;
    std::string_view second;
    bool hasSecond = false;
};
FuzzParts fuzzSplit(std::string_view bytes);
