// The benchmark's window calls when the control operations are the in-memory fakes: there is
// no window, so nothing is made or painted.
#include "bench/bench_controls.h"
#include "tests/fakes/fake_controls.h"

bool MakeBenchWindow() { return true; }
// The fakes log every call; the log is emptied here so that 1,000 queries do not grow it.
void PumpBenchMessages() {
    Fake().log.clear();
    Fake().titles.clear();
}
int BenchMessagesShown() { return static_cast<int>(Fake().messages.size()); }
