#pragma once
// The message line: failures a player caused or met (a save the disk refused, a
// map that is missing, a texture that could not be read) stay on screen, over
// the menus and over play, until a click or a key dismisses them. Standard
// error gets every message too, for players who started the game from a shell.
#include <SDL2/SDL_events.h>

#include <deque>
#include <string>
#include <vector>

class Notice {
public:
    // Messages queued behind the one shown; more are only written to standard error.
    static constexpr size_t MAX_QUEUED = 8;

    // Writes `text` to standard error and queues it, unless the same text is
    // already waiting (a failure repeated before it was read is one message).
    void show(const std::string& text);
    bool shown() const { return !queue.empty(); }
    // The message on screen now; empty when there is none.
    std::string text() const { return queue.empty() ? std::string() : queue.front(); }
    // How many messages wait behind the one on screen.
    size_t waiting() const { return queue.empty() ? 0 : queue.size() - 1; }
    // A key press or a mouse click while a message is shown dismisses it and is
    // used up doing so (the click that acknowledges a message must not also
    // press a button or fire a tool); true when it was used.
    bool takes(const SDL_Event& e);
    void dismiss();
    void clear() { queue.clear(); }

private:
    std::deque<std::string> queue;
};

// The one message line of the game window.
extern Notice notice;
inline void showNotice(const std::string& text) { notice.show(text); }

// The lines the message line draws for the message shown now: the message
// wrapped to `width`, then how to dismiss it and how many more wait.
std::vector<std::string> noticeLines(const Notice& n, size_t width);

// Draws the message line, if there is one, over whatever the frame holds.
void renderNotice();
