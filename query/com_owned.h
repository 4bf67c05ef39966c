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
