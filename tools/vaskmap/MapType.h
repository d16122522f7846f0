#pragma once
// The map type byte sits after the variable-length cell section, so finding it
// means walking the cells.
#include <string>

// Offset of the type byte in a map file's bytes, or -1 when the file is too
// damaged to tell (bad header, or the file ends before the byte).
long long mapTypeOffset(const std::string& bytes);
