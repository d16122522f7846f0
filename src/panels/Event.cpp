#include "panels/Event.h"

#include "util/BinaryIO.h"
#include "world/World.h"

#include <stdexcept>

DialogItem::DialogItem(std::string s, std::string t, std::string x)
    : speaker(s), text(t), tex(x), editButton(0), saveButton(0), delButton(0) {}

static std::string readString(std::istream& in) {
    int32_t len = readI32(in);
    if (!in) throw std::length_error("dialog string cut short");
    if (len < 0 || len > MAX_DIALOG_STRING)
        throw std::length_error("dialog string of " + std::to_string(len) + " bytes is too long");
    std::string s(size_t(len), '\0');
    in.read(&s[0], len);
    if (in.gcount() != len) throw std::length_error("dialog string cut short");
    return s;
}

static void writeString(std::ostream& out, const std::string& s) {
    writeI32(out, int32_t(s.size()));
    out.write(s.data(), std::streamsize(s.size()));
}

DialogItem::DialogItem(std::istream& in) : editButton(0), saveButton(0), delButton(0) {
    speaker = readString(in);
    text = readString(in);
    tex = readString(in);
}

void DialogItem::write(std::ostream& out) {
    writeString(out, speaker);
    writeString(out, text);
    writeString(out, tex);
}

void victory(Event*, World* w) { w->result = 1; }

Event::Event()
    : activate(nullptr), time(2), menuInt(0), addDialogButton(0), delButton(0), backDialogButton(0) {}

void Event::read(std::istream& in) {
    items.clear();
    time = readI64(in);
    activate = readU8(in) == 1 ? victory : displayDialog;
    int32_t count = readI32(in);
    if (!in) throw std::length_error("event cut short");
    // Every item takes at least 12 bytes, so a count beyond what the rest of the
    // stream could hold is damage, not data.
    std::streampos here = in.tellg();
    in.seekg(0, std::ios::end);
    std::streamoff left = in.tellg() - here;
    in.seekg(here);
    if (count < 0 || std::streamoff(count) * 12 > left)
        throw std::length_error("event with " + std::to_string(count) + " dialog items cannot fit");
    for (int32_t i = 0; i < count; i++) items.emplace_back(in);
}

void Event::write(std::ostream& out) {
    writeI64(out, time);
    writeU8(out, activate == victory ? 1 : 0);
    writeI32(out, int32_t(items.size()));
    for (DialogItem& d : items) d.write(out);
}
