// The resources of one type in a program file, for the checks of what the build embeds.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ResourceList {
    std::vector<std::string> names;  // numbered resources by their number
    std::vector<WORD> languages;     // of resource 1
};

ResourceList ListResources(HMODULE program, WORD type);
