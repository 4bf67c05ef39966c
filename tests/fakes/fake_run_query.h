#pragma once
// A stand-in for RunQuery that keeps the text of every run, in order.
#include <string>
#include <vector>

#include "query/run_query.h"

std::vector<std::string>& RunQueryTexts();
