// The WMI conversation through COM: the opening steps with their messages, the enumeration and
// the clean-up. Everything obtained is released by the end of the conversation.
#include "query/conversation.h"

#include <cstdint>
#include <new>

#include <windows.h>
#include <wbemidl.h>

#include "query/bstr_text.h"
#include "query/com_entry.h"
#include "query/com_owned.h"
#include "query/number_text.h"
#include "query/variant_text.h"
#include "ui/controls.h"

namespace {

// What one conversation holds, in the order the opening obtains it; CloseConversation releases
// it in an order of its own.
struct Conversation {
    OwnedReference<IWbemLocator> locator;
    OwnedReference<IWbemServices> services;
    OwnedReference<IUnknown> servicesBase;  // held only while its proxy blanket is set
    OwnedReference<IEnumWbemClassObject> enumerator;
    OwnedReference<IWbemClassObject> object;  // the one most recently returned
    VARIANT value{};  // reused for every property of every object
};

Conversation conversation;

// Both proxy blankets take the same values: NTLM, no authorisation service, authentication on
// every call, impersonation.
HRESULT SetBlanket(IUnknown* proxy) {
    return ComSetProxyBlanket(proxy, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                              RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
}

// Statuses are not looked at once the query is issued, but for running out of memory: the answer
// would then look whole when it is not.
void ThrowIfOutOfMemory(HRESULT result) {
    if (result == E_OUTOFMEMORY || result == static_cast<HRESULT>(WBEM_E_OUT_OF_MEMORY)) throw std::bad_alloc();
}

// A step fails when it returns anything but zero; the box names the step.
bool Failed(HRESULT result, const char* text) {
    if (result == S_OK) return false;
    ShowMessage("ERROR", text);
    return true;
}

}  // namespace

bool OpenConversation(const std::string& statement) {
    Conversation& c = conversation;
    c = Conversation();

    // The thread may already be in an apartment of another kind; the answer does not matter.
    ComInitializeEx(nullptr, COINIT_MULTITHREADED);

    HRESULT security = ComInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_CONNECT,
                                             RPC_C_IMP_LEVEL_IDENTIFY, nullptr, EOAC_NONE, nullptr);
    // Windows accepts process security once while COM stays initialised; "too late" means an
    // earlier query already set it, and it still stands.
    if (security == RPC_E_TOO_LATE) security = S_OK;
    if (Failed(security, "unable to call CoInitializeSecurity")) return false;

    const HRESULT created = ComCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                              __uuidof(IWbemLocator), OutPtr(c.locator));
    if (Failed(created, "unable to call CoCreateInstance")) return false;

    const HRESULT connected = c.locator->ConnectServer(OwnedBstr(ToBstr("root\\cimv2")).get(), nullptr, nullptr,
                                                       nullptr, 0, nullptr, nullptr, OutPtr(c.services));
    if (connected != S_OK) {
        // This one box is captioned with the status itself, and its text has a capital T.
        ShowMessage(HexText(static_cast<std::int32_t>(connected)), "unable To call IWbemLocator::ConnectServer");
        return false;
    }

    c.services->QueryInterface(__uuidof(IUnknown), OutPtr(c.servicesBase));
    if (Failed(SetBlanket(c.services.get()), "unable to call CoSetProxyBlanket")) return false;
    if (Failed(SetBlanket(c.servicesBase.get()), "unable to call CoSetProxyBlanket")) return false;
    c.servicesBase.reset();

    const HRESULT issued =
        c.services->ExecQuery(OwnedBstr(ToBstr("WQL")).get(), OwnedBstr(ToBstr(statement)).get(),
                              WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr, OutPtr(c.enumerator));
    if (Failed(issued, "unable to call IWbemServices::ExecQuery")) return false;

    ZeroMemory(&c.value, sizeof c.value);
    c.enumerator->Reset();
    return true;
}

bool NextObject() {
    Conversation& c = conversation;
    if (c.enumerator == nullptr) return false;
    ReleaseObject();
    ULONG returned = 0;
    // Whatever the status, the enumeration has ended when nothing was returned; for want of memory,
    // cut short.
    const HRESULT next = c.enumerator->Next(static_cast<long>(WBEM_INFINITE), 1, OutPtr(c.object), &returned);
    if (returned == 0) ThrowIfOutOfMemory(next);
    return returned != 0;
}

std::vector<std::optional<std::string>> PropertyNames() {
    std::vector<std::optional<std::string>> names;
    IWbemClassObject* object = conversation.object.get();
    if (object == nullptr) return names;
    OwnedArray array;  // destroyed on every way out
    ThrowIfOutOfMemory(object->GetNames(nullptr, WBEM_FLAG_ALWAYS, nullptr, OutPtr(array)));
    if (array == nullptr) return names;
    // Only an array of BSTRs can be read element by element into a BSTR.
    if (array->cDims >= 1 && (array->fFeatures & FADF_BSTR) != 0) {
        LONG lower = 0;
        LONG upper = -1;
        SafeArrayGetLBound(array.get(), 1, &lower);
        SafeArrayGetUBound(array.get(), 1, &upper);
        for (LONG i = lower; i <= upper; ++i) {
            BSTR copy = nullptr;
            const HRESULT got = SafeArrayGetElement(array.get(), &i, static_cast<void*>(&copy));
            const OwnedBstr name(copy);
            ThrowIfOutOfMemory(got);
            if (name == nullptr) {
                names.emplace_back(std::nullopt);
            } else {
                names.emplace_back(FromBstr(name.get()));
            }
            if (i == upper) break;  // no overflow past the largest index
        }
    }
    return names;
}

std::string ValueText(const std::string& name) {
    Conversation& c = conversation;
    if (c.object == nullptr) return std::string();
    VariantClear(&c.value);
    // A failed request leaves the value empty, which shows as the empty text.
    ThrowIfOutOfMemory(c.object->Get(OwnedBstr(ToBstr(name)).get(), 0, &c.value, nullptr, nullptr));
    std::string text = VariantText(c.value);
    VariantClear(&c.value);
    return text;
}

void ReleaseObject() {
    conversation.object.reset();
}

void CloseConversation() {
    Conversation& c = conversation;
    // The services' base is left over only when a proxy blanket could not be set.
    c.servicesBase.reset();
    c.services.reset();
    c.locator.reset();
    c.enumerator.reset();
    c.object.reset();
    VariantClear(&c.value);
    ComUninitialize();
}
