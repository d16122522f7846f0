#pragma once
#include <string>
#include <vector>

// `text` broken at spaces into lines of at most `width` characters; a word
// longer than a line is cut. A text of only spaces is no line.
std::vector<std::string> wrapWords(const std::string& text, size_t width);
