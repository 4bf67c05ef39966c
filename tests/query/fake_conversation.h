#pragma once
// An in-memory stand-in for the WMI conversation, linked into RunQuery's tests. Its calls are
// written into the fake controls' log, so one log shows both sides in order.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct FakeObject {
    std::vector<std::optional<std::string>> names;  // std::nullopt: an element holding no name
    std::map<std::string, std::string> values;      // value text by name; missing names give ""
};

struct FakeConversation {
    std::vector<FakeObject> objects;  // what the enumeration returns, in order
    // When set, opening fails after showing this box (caption, text).
    std::optional<std::pair<std::string, std::string>> failure;
    std::vector<std::string> statements;  // every statement opened, in order
    int nextPosition = 0;
    bool open = false;
    bool objectHeld = false;
};

FakeConversation& FakeWmi();
void ResetFakeWmi();

// An object whose properties are named and valued in order.
FakeObject MakeObject(const std::vector<std::pair<std::string, std::string>>& properties);
