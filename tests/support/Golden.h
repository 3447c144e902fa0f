#pragma once

// Compares a text with a golden file of tests/fixtures/golden byte for byte
// and names the first line that differs. With TOLVANE_UPDATE_GOLDEN=1 in the
// environment the golden file is (re)written instead, to be reviewed by hand.

#include <string>

// Empty when equal; otherwise a description of the first difference.
std::string compareWithGolden(const std::string& actual, const std::string& goldenName);
