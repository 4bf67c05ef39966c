#include "tests/fakes/fake_run_query.h"

std::vector<std::string>& RunQueryTexts() {
    static std::vector<std::string> texts;
    return texts;
}

void RunQuery(const std::string& text) { RunQueryTexts().push_back(text); }
