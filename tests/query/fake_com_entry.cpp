#include "tests/query/fake_com_entry.h"

#include "query/com_entry.h"

namespace {

FakeCom state;

std::string Number(long long n) { return std::to_string(n); }

void Log(const std::string& line) { state.log.push_back(line); }

std::string GuidText(REFGUID guid) {
    if (IsEqualGUID(guid, CLSID_WbemLocator)) return "CLSID_WbemLocator";
    if (IsEqualGUID(guid, IID_IWbemLocator)) return "IID_IWbemLocator";
    return "other";
}

}  // namespace

FakeCom& FakeComLibrary() { return state; }

void ResetFakeCom() { state = FakeCom(); }

std::string LogName(const void* pointer) {
    if (pointer == nullptr) return "null";
    const auto found = state.names.find(pointer);
    return found == state.names.end() ? "pointer" : found->second;
}

std::string LogText(const wchar_t* text) {
    if (text == nullptr) return "null";
    std::string narrow;
    for (; *text; ++text) narrow.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
    return narrow;
}

HRESULT ComInitializeEx(LPVOID reserved, DWORD coInit) {
    Log("CoInitializeEx " + LogName(reserved) + " " + Number(coInit));
    return state.passThrough ? CoInitializeEx(reserved, coInit) : S_OK;
}

HRESULT ComInitializeSecurity(PSECURITY_DESCRIPTOR securityDescriptor, LONG authServiceCount,
                              SOLE_AUTHENTICATION_SERVICE* authServices, void* reserved1, DWORD authnLevel,
                              DWORD impLevel, void* authList, DWORD capabilities, void* reserved3) {
    Log("CoInitializeSecurity " + LogName(securityDescriptor) + " " + Number(authServiceCount) + " " +
        LogName(authServices) + " " + LogName(reserved1) + " " + Number(authnLevel) + " " + Number(impLevel) + " " +
        LogName(authList) + " " + Number(capabilities) + " " + LogName(reserved3));
    HRESULT result = S_OK;
    if (state.passThrough)
        result = CoInitializeSecurity(securityDescriptor, authServiceCount, authServices, reserved1, authnLevel,
                                      impLevel, authList, capabilities, reserved3);
    return state.securityAnswer ? *state.securityAnswer : result;
}

HRESULT ComCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* object) {
    Log("CoCreateInstance " + GuidText(clsid) + " " + LogName(outer) + " " + Number(context) + " " + GuidText(iid));
    if (state.passThrough) return CoCreateInstance(clsid, outer, context, iid, object);
    *object = nullptr;
    if (state.createAnswer != S_OK) return state.createAnswer;
    state.locator->AddRef();
    *object = state.locator;
    return S_OK;
}

HRESULT ComSetProxyBlanket(IUnknown* proxy, DWORD authnService, DWORD authzService, OLECHAR* serverPrincipalName,
                           DWORD authnLevel, DWORD impLevel, RPC_AUTH_IDENTITY_HANDLE authInfo, DWORD capabilities) {
    Log("CoSetProxyBlanket " + LogName(proxy) + " " + Number(authnService) + " " + Number(authzService) + " " +
        LogName(serverPrincipalName) + " " + Number(authnLevel) + " " + Number(impLevel) + " " + LogName(authInfo) +
        " " + Number(capabilities));
    const size_t call = static_cast<size_t>(state.blanketCalls++);
    const HRESULT answer = call < state.blanketAnswers.size() ? state.blanketAnswers[call] : S_OK;
    if (state.passThrough) {
        const HRESULT result = CoSetProxyBlanket(proxy, authnService, authzService, serverPrincipalName, authnLevel,
                                                 impLevel, authInfo, capabilities);
        return answer != S_OK ? answer : result;
    }
    return answer;
}

void ComUninitialize() {
    Log("CoUninitialize");
    if (state.passThrough) CoUninitialize();
}
