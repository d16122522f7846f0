#pragma once
// A loaded map described as one JSON object.
#include <string>

class World;

// A JSON string literal: quotes, backslashes, control characters and bytes that
// are not valid UTF-8 are escaped, so any byte string gives valid JSON.
std::string jsonString(const std::string& bytes);
// A JSON number; null for infinities and NaN, which JSON cannot hold.
std::string jsonNumber(float v);

std::string describeMap(World& w, bool clean);
