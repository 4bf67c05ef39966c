#pragma once
// Owners of what COM hands out: an interface reference, a BSTR, a SAFEARRAY. Each is a
// std::unique_ptr whose deleter lets that kind of thing go; an owner frees what it holds when it
// is reset, assigned or destroyed, and does nothing when empty. An owner is declared plainly and
// starts empty, or takes what it is constructed with.
#include <memory>

#include <objbase.h>
#include <oleauto.h>

struct ReleaseReference {
    void operator()(IUnknown* reference) const { reference->Release(); }
};
struct FreeBstr {
    void operator()(BSTR text) const { SysFreeString(text); }
};
struct FreeArray {
    void operator()(SAFEARRAY* array) const { SafeArrayDestroy(array); }
};

template <typename Interface>
using OwnedReference = std::unique_ptr<Interface, ReleaseReference>;
using OwnedBstr = std::unique_ptr<OLECHAR, FreeBstr>;
using OwnedArray = std::unique_ptr<SAFEARRAY, FreeArray>;

// Hands a call an owner's out-parameter, as OutPtr(owner) in its argument list: it converts to
// the pointer's address (or to void**, for calls that take an interface identifier before it),
// and at the end of the full expression the owner takes whatever the call wrote there (what it
// held before is let go, and it is left empty when the call wrote nothing).
template <typename Owner>
class OutPtr {
public:
    explicit OutPtr(Owner& target) : owner(target) {}
    OutPtr(const OutPtr&) = delete;
    OutPtr& operator=(const OutPtr&) = delete;
    ~OutPtr() { owner.reset(written); }

    operator typename Owner::pointer*() { return &written; }
    operator void**() { return reinterpret_cast<void**>(&written); }

private:
    Owner& owner;
    typename Owner::pointer written = nullptr;
};
