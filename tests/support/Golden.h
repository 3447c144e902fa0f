#pragma once

// Compares a text with a golden file of tests/fixtures/golden byte for byte
// and names the first line that differs. With TOLVANE_UPDATE_GOLDEN=1 in the
// environment the golden file is (re)written instead, to be reviewed by hand.

#include <string>

// Empty when equal; otherwise a description of the first difference.
std::string compareWithGolden(const std::string& actual, const std::string& goldenName);
// The same comparison between two texts; name heads the description.
std::string describeDifference(const std::string& expected, const std::string& actual,
                               const std::string& name);

// Every file below a folder, in path order, each behind a "== path ==" line:
// a whole folder as one text to compare.
std::string dumpFolder(const std::string& folder);
