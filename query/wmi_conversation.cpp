// The WMI conversation through COM: the opening steps with their messages, the enumeration and
// the clean-up. Everything obtained is released by the end of the conversation.
#include "query/conversation.h"

#include <cstdint>

#include <windows.h>
#include <wbemidl.h>

#include "query/bstr_text.h"
#include "query/com_entry.h"
#include "query/number_text.h"
#include "query/variant_text.h"
#include "ui/controls.h"

namespace {

struct Conversation {
    IWbemLocator* locator = nullptr;
    IWbemServices* services = nullptr;
    IUnknown* servicesBase = nullptr;  // held only while its proxy blanket is set
    IEnumWbemClassObject* enumerator = nullptr;
    IWbemClassObject* object = nullptr;  // the object most recently returned
    VARIANT value{};                     // reused for every property of every object
};

Conversation conversation;

// Both proxy blankets take the same values: NTLM, no authorisation service, authentication on
// every call, impersonation.
HRESULT SetBlanket(IUnknown* proxy) {
    return ComSetProxyBlanket(proxy, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                              RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
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

    if (Failed(ComCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                 reinterpret_cast<void**>(&c.locator)),
               "unable to call CoCreateInstance"))
        return false;

    BSTR resource = ToBstr("root\\cimv2");
    const HRESULT connected =
        c.locator->ConnectServer(resource, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &c.services);
    SysFreeString(resource);
    if (connected != S_OK) {
        // This one box is captioned with the status itself, and its text has a capital T.
        ShowMessage(HexText(static_cast<std::int32_t>(connected)), "unable To call IWbemLocator::ConnectServer");
        return false;
    }

    c.services->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&c.servicesBase));
    if (Failed(SetBlanket(c.services), "unable to call CoSetProxyBlanket")) return false;
    if (Failed(SetBlanket(c.servicesBase), "unable to call CoSetProxyBlanket")) return false;
    if (c.servicesBase != nullptr) c.servicesBase->Release();
    c.servicesBase = nullptr;

    BSTR language = ToBstr("WQL");
    BSTR query = ToBstr(statement);
    const HRESULT issued = c.services->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                                 nullptr, &c.enumerator);
    SysFreeString(query);
    SysFreeString(language);
    if (Failed(issued, "unable to call IWbemServices::ExecQuery")) return false;

    ZeroMemory(&c.value, sizeof c.value);
    c.enumerator->Reset();
    return true;
}

bool NextObject() {
    Conversation& c = conversation;
    if (c.enumerator == nullptr) return false;
    if (c.object != nullptr) ReleaseObject();
    ULONG returned = 0;
    // Whatever the status, the enumeration has ended when nothing was returned.
    c.enumerator->Next(static_cast<long>(WBEM_INFINITE), 1, &c.object, &returned);
    return returned != 0;
}

std::vector<std::optional<std::string>> PropertyNames() {
    std::vector<std::optional<std::string>> names;
    IWbemClassObject* object = conversation.object;
    if (object == nullptr) return names;
    SAFEARRAY* array = nullptr;
    object->GetNames(nullptr, WBEM_FLAG_ALWAYS, nullptr, &array);
    if (array == nullptr) return names;
    // Only an array of BSTRs can be read element by element into a BSTR.
    if (array->cDims >= 1 && (array->fFeatures & FADF_BSTR) != 0) {
        LONG lower = 0;
        LONG upper = -1;
        SafeArrayGetLBound(array, 1, &lower);
        SafeArrayGetUBound(array, 1, &upper);
        for (LONG i = lower; i <= upper; ++i) {
            BSTR name = nullptr;
            SafeArrayGetElement(array, &i, &name);  // a copy, freed below
            if (name == nullptr) {
                names.emplace_back(std::nullopt);
            } else {
                names.emplace_back(FromBstr(name));
                SysFreeString(name);
            }
            if (i == upper) break;  // no overflow past the largest index
        }
    }
    SafeArrayDestroy(array);
    return names;
}

std::string ValueText(const std::string& name) {
    Conversation& c = conversation;
    if (c.object == nullptr) return std::string();
    BSTR property = ToBstr(name);
    VariantClear(&c.value);
    // A failed request leaves the value empty, which shows as the empty text.
    c.object->Get(property, 0, &c.value, nullptr, nullptr);
    SysFreeString(property);
    std::string text = VariantText(c.value);
    VariantClear(&c.value);
    return text;
}

void ReleaseObject() {
    Conversation& c = conversation;
    if (c.object != nullptr) c.object->Release();
    c.object = nullptr;
}

void CloseConversation() {
    Conversation& c = conversation;
    // Left over only when a proxy blanket could not be set.
    if (c.servicesBase != nullptr) c.servicesBase->Release();
    if (c.services != nullptr) c.services->Release();
    if (c.locator != nullptr) c.locator->Release();
    if (c.enumerator != nullptr) c.enumerator->Release();
    if (c.object != nullptr) c.object->Release();
    VariantClear(&c.value);
    c = Conversation();
    ComUninitialize();
}
