#pragma once
// The words of a map source: tokens, numbers, block names, and errors that
// carry the place they came from.
#include <stdexcept>
#include <string>
#include <vector>

namespace mapsource {

// A mistake in a source line; the interpreter adds the file and line.
struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A SourceError that already names its file and line.
struct LocatedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& what);

std::string lower(std::string s);
std::string trim(const std::string& s);
// Splits on blanks; "double quotes" keep blanks inside one token; # starts a comment.
std::vector<std::string> tokenize(const std::string& line);
long long parseInteger(const std::string& s);
float parseFloat(const std::string& s);
// A block type from its name (the texture names of the block table, a few
// plain words) or its number.
int blockType(const std::string& word);
// The same, refusing the types that only actors and the vask command may write.
int placeableBlock(const std::string& word);
bool isOrganic(int t);
bool isGrassy(int t);

// The dialog box holds 27 characters a row (50 units of 1.8) and ten rows of 3
// units; the last row touches the "press any key" hint, so lines get nine.
constexpr int DIALOG_COLUMNS = 27;
constexpr int DIALOG_ROWS = 9;
// Rows a text takes when wrapped at word boundaries.
int dialogRows(const std::string& text);

}  // namespace mapsource
