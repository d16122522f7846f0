#include "panels/Notice.h"

#include "util/WrapText.h"

#include <algorithm>
#include <cstdio>

Notice notice;

void Notice::show(const std::string& text) {
    fprintf(stderr, "%s\n", text.c_str());
    if (text.empty() || std::find(queue.begin(), queue.end(), text) != queue.end()) return;
    if (queue.size() < MAX_QUEUED + 1) queue.push_back(text);
}

bool Notice::takes(const SDL_Event& e) {
    if (queue.empty()) return false;
    // A held key repeats: only a fresh press is the player answering.
    bool press = (e.type == SDL_KEYDOWN && !e.key.repeat) || e.type == SDL_MOUSEBUTTONDOWN;
    if (!press) return false;
    dismiss();
    return true;
}

void Notice::dismiss() {
    if (!queue.empty()) queue.pop_front();
}

std::vector<std::string> noticeLines(const Notice& n, size_t width) {
    if (!n.shown()) return {};
    std::vector<std::string> lines = wrapWords(n.text(), width);
    std::string hint = "Click or press a key to dismiss";
    if (n.waiting() > 0) hint += " (" + std::to_string(n.waiting()) + " more)";
    for (const std::string& l : wrapWords(hint, width)) lines.push_back(l);
    return lines;
}
