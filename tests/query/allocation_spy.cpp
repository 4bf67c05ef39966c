#include "tests/query/allocation_spy.h"

#include <windows.h>
#include <objidl.h>

namespace {

// Counts without allocating, so that it can watch while the program's own allocations are made to
// fail: COM says whether a block being freed was allocated while the spy watched.
class Spy : public IMallocSpy {
public:
    int live = 0;
    int seen = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMallocSpy)) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T cbRequest) override { return cbRequest; }
    void* STDMETHODCALLTYPE PostAlloc(void* pActual) override {
        if (pActual != nullptr) {
            ++live;
            ++seen;
        }
        return pActual;
    }
    void* STDMETHODCALLTYPE PreFree(void* pRequest, BOOL fSpyed) override {
        if (pRequest != nullptr && fSpyed) --live;
        return pRequest;
    }
    void STDMETHODCALLTYPE PostFree(BOOL) override {}
    SIZE_T STDMETHODCALLTYPE PreRealloc(void* pRequest, SIZE_T cbRequest, void** ppNewRequest, BOOL fSpyed) override {
        if (pRequest != nullptr && fSpyed) --live;
        *ppNewRequest = pRequest;
        return cbRequest;
    }
    void* STDMETHODCALLTYPE PostRealloc(void* pActual, BOOL) override {
        if (pActual != nullptr) {
            ++live;
            ++seen;
        }
        return pActual;
    }
    void* STDMETHODCALLTYPE PreGetSize(void* pRequest, BOOL) override { return pRequest; }
    SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T cbActual, BOOL) override { return cbActual; }
    void* STDMETHODCALLTYPE PreDidAlloc(void* pRequest, BOOL) override { return pRequest; }
    int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int fActual) override { return fActual; }
    void STDMETHODCALLTYPE PreHeapMinimize() override {}
    void STDMETHODCALLTYPE PostHeapMinimize() override {}
};

Spy spy;

}  // namespace

bool StartWatchingAllocations() {
    // Freed BSTRs would otherwise wait in oleaut32's cache instead of reaching the allocator.
    using SetOaNoCacheFunction = void(WINAPI*)();
    // GetProcAddress's type stands for any function; g++ warns of a direct cast to another.
    const auto setOaNoCache = reinterpret_cast<SetOaNoCacheFunction>(
        // NOLINTNEXTLINE(bugprone-casting-through-void)
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("oleaut32.dll"), "SetOaNoCache")));
    if (setOaNoCache != nullptr) setOaNoCache();
    spy.live = 0;
    spy.seen = 0;
    // A spy whose revocation waits for its last blocks to be freed is still this one.
    const HRESULT registered = CoRegisterMallocSpy(&spy);
    return registered == S_OK || registered == CO_E_OBJISREG;
}

int LiveAllocations() { return spy.live; }

int AllocationsSeen() { return spy.seen; }

void StopWatchingAllocations() { CoRevokeMallocSpy(); }
