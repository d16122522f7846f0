// Any byte string as settings.ini, parsed, read through every getter and written back.
#include "../unit/WorldFixture.h"
#include "shell/GameOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeBytes("fuzz_settings.ini", std::string(reinterpret_cast<const char*>(data), size));
    GameOptions o("fuzz_settings.ini");
    for (auto& kv : o.properties) {
        o.getInt(kv.first, 1);
        o.getFloat(kv.first, 1.0f);
        o.getBool(kv.first, false);
        o.getKey(kv.first, 0);
    }
    o.writeOptions("fuzz_settings_out.ini");
    // Writing and reading back keeps every non-empty entry that has no line break.
    GameOptions back("fuzz_settings_out.ini");
    for (auto& kv : o.properties) {
        if (kv.second.empty() || kv.first.find('\n') != std::string::npos ||
            kv.second.find('\n') != std::string::npos || kv.first.find('=') != std::string::npos ||
            (!kv.first.empty() && kv.first[0] == '#'))
            continue;
        if (back.properties[kv.first] != kv.second) __builtin_trap();
    }
    return 0;
}
