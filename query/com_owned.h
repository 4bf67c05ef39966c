#pragma once
// Owners of what COM hands out: an interface reference, a BSTR, a SAFEARRAY. Each is a
// std::unique_ptr whose deleter is the plain function that lets that kind of thing go; an owner
// frees what it holds when it is reset, assigned or destroyed, and does nothing when empty.
#include <memory>

#include <objbase.h>
#include <oleauto.h>

inline void ReleaseReference(IUnknown* reference) { reference->Release(); }
inline void FreeBstr(BSTR text) { SysFreeString(text); }
inline void FreeArray(SAFEARRAY* array) { SafeArrayDestroy(array); }

// Made empty as {nullptr, ReleaseReference}; takes a reference with reset().
template <typename Interface>
using OwnedReference = std::unique_ptr<Interface, void (*)(IUnknown*)>;

using OwnedBstr = std::unique_ptr<OLECHAR, void (*)(BSTR)>;
inline OwnedBstr OwnBstr(BSTR text) { return OwnedBstr(text, FreeBstr); }

using OwnedArray = std::unique_ptr<SAFEARRAY, void (*)(SAFEARRAY*)>;
inline OwnedArray OwnArray(SAFEARRAY* array) { return OwnedArray(array, FreeArray); }
