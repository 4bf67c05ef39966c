#pragma once
// A stand-in for the COM library calls of the conversation (query/com_entry.h). It writes each
// call with its arguments into a log that the COM test doubles share, and answers as set up:
// either on its own (with test doubles) or by passing the call on to the real COM library.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>
#include <wbemidl.h>

struct FakeCom {
    bool passThrough = false;               // call the real library, then apply the answers below
    std::optional<HRESULT> securityAnswer;  // what CoInitializeSecurity returns instead
    HRESULT createAnswer = S_OK;            // CoCreateInstance, when not passing through
    IWbemLocator* locator = nullptr;        // handed out by CoCreateInstance when not passing through
    std::vector<HRESULT> blanketAnswers;    // CoSetProxyBlanket, call by call; S_OK after the list
    std::map<const void*, std::string> names;  // how the log names an interface pointer
    std::vector<std::string> log;
    int blanketCalls = 0;
};

FakeCom& FakeComLibrary();
void ResetFakeCom();

// A pointer as the log shows it: "null", the name given in FakeCom::names, or "pointer".
std::string LogName(const void* pointer);
// A wide string as the log shows it: ASCII kept, anything else as '?', "null" for a null pointer.
std::string LogText(const wchar_t* text);
