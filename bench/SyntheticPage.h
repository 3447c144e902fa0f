#pragma once

// A large item page as users make them by pasting from office documents and
// web pages: a body of many lines side by side (the shape that made the
// clean-up slow), with paragraphs, headings, tables with heading cells,
// styled and empty formatting, unknown tags, script events, named anchors
// and pictures, followed by the generated part below the marker. The same
// size gives the same page.

#include <cstddef>
#include <string>

// The page as the browser hands it over: UTF-8, at least the given size.
std::string syntheticPage(std::size_t bytes);
