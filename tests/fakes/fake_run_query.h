#pragma once
// A stand-in for RunQuery that keeps the text of every run, in order, and lets a test act while a
// run is in progress (as the user may while a real query holds the thread).
#include <functional>
#include <string>
#include <vector>

#include "query/run_query.h"

std::vector<std::string>& RunQueryTexts();
// Called inside every run, after its text has been kept; empty by default.
std::function<void()>& WhileRunQueryRuns();
