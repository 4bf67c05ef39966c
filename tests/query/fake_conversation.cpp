#include "tests/query/fake_conversation.h"

#include <cstdlib>

#include "query/conversation.h"
#include "tests/fakes/fake_controls.h"
#include "ui/controls.h"

namespace {

FakeConversation state;

void Log(const std::string& line) { Fake().log.push_back(line); }

// Calls out of order are faults of the code under test: stop at once.
void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

FakeConversation& FakeWmi() { return state; }

void ResetFakeWmi() { state = FakeConversation(); }

FakeObject MakeObject(const std::vector<std::pair<std::string, std::string>>& properties) {
    FakeObject object;
    for (const auto& property : properties) {
        object.names.emplace_back(property.first);
        object.values[property.first] = property.second;
    }
    return object;
}

bool OpenConversation(const std::string& statement) {
    Log("OpenConversation " + statement);
    Require(!state.open);
    state.statements.push_back(statement);
    state.open = true;
    state.nextPosition = 0;
    if (state.failure) {
        ShowMessage(state.failure->first, state.failure->second);
        return false;
    }
    return true;
}

bool NextObject() {
    Log("NextObject");
    Require(state.open && !state.objectHeld);
    if (state.nextPosition >= static_cast<int>(state.objects.size())) return false;
    ++state.nextPosition;
    state.objectHeld = true;
    return true;
}

std::vector<std::optional<std::string>> PropertyNames() {
    Log("PropertyNames");
    Require(state.objectHeld);
    return state.objects[state.nextPosition - 1].names;
}

std::string ValueText(const std::string& name) {
    Log("ValueText " + name);
    Require(state.objectHeld);
    const auto& values = state.objects[state.nextPosition - 1].values;
    const auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

void ReleaseObject() {
    Log("ReleaseObject");
    Require(state.objectHeld);
    state.objectHeld = false;
}

void CloseConversation() {
    Log("CloseConversation");
    Require(state.open);
    state.open = false;
    state.objectHeld = false;
}
