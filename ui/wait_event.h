#pragma once
#include "ui/events.h"

// Blocks until the next event: the oldest in the EventQueue, else what the next message of the
// thread raises, else that message's number as the kind.
Event WaitEvent();
