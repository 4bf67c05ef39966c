#pragma once
// One conversation with WMI's local root\cimv2 namespace, for one query, on the user-interface
// thread. Only one conversation is open at a time. A failing opening step shows its own message
// box; nothing after the opening reports failure but running out of memory, in the program or in
// WMI's answers, which throws std::bad_alloc (CloseConversation still releases everything).
#include <optional>
#include <string>
#include <vector>

// Enters COM, connects and issues the statement. False when a step failed (its box was shown).
bool OpenConversation(const std::string& statement);

// Asks for the next object, waiting without a time limit. False when none was returned.
bool NextObject();

// The current object's property names in array order, system properties included. An element
// that holds no name is empty (std::nullopt), unlike a name that is the empty text.
std::vector<std::optional<std::string>> PropertyNames();

// The current object's value of that property as text: strings as they are, 32-bit integers in
// decimal, anything else (and a value that cannot be read) as the empty text.
std::string ValueText(const std::string& name);

// Lets go of the current object once its rows are written.
void ReleaseObject();

// Releases whatever the conversation obtained and leaves COM. Runs after a failed opening too.
void CloseConversation();
