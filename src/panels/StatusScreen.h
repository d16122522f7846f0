#pragma once
// The one panel widget: a titled, scrolling list of labels, boxes and buttons laid
// out in a 100 x 100 space over the window.
#include <glm/glm.hpp>

#include <SDL2/SDL_events.h>

#include <functional>
#include <list>
#include <map>
#include <string>

using glm::vec3;

class SLabel {
public:
    int dispMode;  // 0 integers, 1 floats, 2 bar, other: caption only
    std::string name;
    int* num1;
    int* num2;
    SLabel(std::string name, int* num1, int* num2, int dispMode)
        : dispMode(dispMode), name(name), num1(num1), num2(num2) {}
    // Float fields are shown through the same pointers in display mode 1.
    SLabel(std::string name, float* num1, float* num2, int dispMode)
        : dispMode(dispMode), name(name), num1(reinterpret_cast<int*>(num1)),
          num2(reinterpret_cast<int*>(num2)) {}
};

class SNumBox {
public:
    std::string name;
    std::string text;
    bool mode;  // false numeric, true text
    std::string hint;  // what the number means, written beside the box
    // Why the text cannot be taken, shown beside the box instead of the hint;
    // empty when fine.
    std::string problem;
    SNumBox(std::string name, std::string text, bool mode, std::string hint = "")
        : name(name), text(text), mode(mode), hint(hint) {}
    // What fits in the box: the last 11 characters.
    std::string shown() const { return text.size() < 11 ? text : text.substr(text.size() - 11); }
};

using ButtonAction = std::function<void(int, int)>;

class SButton {
public:
    int mode;  // 0 plain toggle, 1 action button with a time display
    std::map<int, std::string> tex;
    std::string name;
    int* toggle;
    int num;
    int callnum;
    ButtonAction callBack;
    unsigned int* times;
    std::string buttonTex;

    SButton(std::string name, std::map<int, std::string> tex, int* toggle, int num, int mode)
        : mode(mode), tex(tex), name(name), toggle(toggle), num(num), callnum(0), times(nullptr) {}
    SButton(std::string name, std::map<int, std::string> tex, int* toggle, int num, int callnum,
            ButtonAction callBack, unsigned int* times, std::string buttonTex, int mode)
        : mode(mode), tex(tex), name(name), toggle(toggle), num(num), callnum(callnum),
          callBack(callBack), times(times), buttonTex(buttonTex) {}
    void activate() { *toggle = (*toggle + 1) % num; }
};

class StatusScreen {
public:
    std::string name;
    vec3 source;
    std::list<SLabel> labels;
    std::list<SButton> buttons;
    std::list<SNumBox> boxes;
    SNumBox* selected;
    unsigned int vao, vbo[2];
    int offset;

    StatusScreen(std::string name, vec3 source);
    ~StatusScreen();
    StatusScreen(const StatusScreen&) = delete;
    StatusScreen& operator=(const StatusScreen&) = delete;

    void addLabel(SLabel l) { labels.push_back(l); }
    void addBox(SNumBox b) { boxes.push_back(b); }
    void addButton(SButton b) { buttons.push_back(b); }
    void render();
    void input(SDL_Event& e);
    void keyInput(SDL_Event& e);
    void setOffset(int d);
    // Layout shared by drawing and hit-testing: row k (labels first, then boxes,
    // then buttons) hangs ROW_HEIGHT below its top, ROW_STEP under row k - 1.
    static constexpr int FIRST_ROW = 83, ROW_STEP = 5, ROW_HEIGHT = 3;
    int rowCount() const { return int(labels.size() + boxes.size() + buttons.size()); }
    int rowTop(int row) const { return offset - ROW_STEP * row; }
    // Whether every row shows at the resting offset; when not, the wheel
    // scrolls up to maxOffset, where the last row sits just above the bottom.
    bool rowsFit() const;
    int maxOffset() const;
    std::string getText(std::string name);
    // A panel that asks for a name or a line of text takes the keyboard as it
    // opens; number boxes wait for a click (a stray digit must not change them).
    void focusFirstTextBox();

    // "Best Time: h:m:s" for a count of ticks (60 ticks a second).
    static std::string bestTime(unsigned int ticks);
    // Width of one character of a row caption: the usual 1.8, narrowed for a
    // long caption so that it ends before the value column instead of running
    // into it ("Energy Storage", long map names).
    static float captionCharWidth(const std::string& caption);
    // The value column of a label in display mode 0 or 1: "a" or "a/b".
    static std::string labelText(const SLabel& l);

private:
    // GL side, in StatusScreenRender.cpp; only used when a GL context exists.
    void createGL();
    void destroyGL();
};
