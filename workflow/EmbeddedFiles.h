#pragma once

// Files the build embeds in the program: the pictures of the diagram nodes
// that scripts/make-icons draws (workflow/nodes/pictures/).

#include <span>
#include <string_view>

struct EmbeddedFile {
    const char* name;
    const unsigned char* data;
    unsigned long size;
};

std::span<const EmbeddedFile> embeddedFiles();

// The bytes of the embedded file of that name; empty when there is none.
inline std::span<const unsigned char> embeddedFile(std::string_view name) {
    for (const EmbeddedFile& file : embeddedFiles())
        if (name == file.name)
            return {file.data, file.size};
    return {};
}
