#pragma once
#include <string>

void RunQuery(const std::string& text);
