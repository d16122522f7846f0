#pragma once
// Timed map events and the lines of their conversations.
#include <iosfwd>
#include <list>
#include <string>

class World;

class DialogItem {
public:
    std::string speaker;
    std::string text;
    std::string tex;
    int editButton, saveButton, delButton;

    DialogItem(std::string speaker, std::string text, std::string tex);
    // Reads one record; a string longer than the loader's limit throws
    // std::length_error so a damaged map cannot allocate without bound.
    explicit DialogItem(std::istream& in);
    void write(std::ostream& out);
};

class Event;
using EventAction = void (*)(Event*, World*);

void victory(Event* e, World* w);
void displayDialog(Event* e, World* w);

class Event {
public:
    EventAction activate;
    long long time;  // the frame it fires on; -1 fires on victory
    std::list<DialogItem> items;
    int menuInt, addDialogButton, delButton, backDialogButton;

    Event();
    void read(std::istream& in);
    void write(std::ostream& out);
};

// Longest dialog string a map may carry.
constexpr int MAX_DIALOG_STRING = 64 * 1024;
