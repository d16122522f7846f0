#include "util/WrapText.h"

std::vector<std::string> wrapWords(const std::string& text, size_t width) {
    std::vector<std::string> lines;
    if (width == 0) return lines;
    std::string line;
    size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ') {
            pos++;
            continue;
        }
        size_t end = text.find(' ', pos);
        std::string word = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos += word.size();
        if (!line.empty() && line.size() + 1 + word.size() <= width) {
            line += ' ' + word;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        while (word.size() > width) {
            lines.push_back(word.substr(0, width));
            word.erase(0, width);
        }
        line = word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}
