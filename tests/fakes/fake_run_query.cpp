#include "tests/fakes/fake_run_query.h"

std::vector<std::string>& RunQueryTexts() {
    static std::vector<std::string> texts;
    return texts;
}

std::function<void()>& WhileRunQueryRuns() {
    static std::function<void()> action;
    return action;
}

void RunQuery(const std::string& text) {
    RunQueryTexts().push_back(text);
    if (WhileRunQueryRuns()) WhileRunQueryRuns()();
}

void ShowNotEnoughMemory() {}
