#include "query/com_entry.h"

HRESULT ComInitializeEx(LPVOID reserved, DWORD coInit) { return CoInitializeEx(reserved, coInit); }

HRESULT ComInitializeSecurity(PSECURITY_DESCRIPTOR securityDescriptor, LONG authServiceCount,
                              SOLE_AUTHENTICATION_SERVICE* authServices, void* reserved1, DWORD authnLevel,
                              DWORD impLevel, void* authList, DWORD capabilities, void* reserved3) {
    return CoInitializeSecurity(securityDescriptor, authServiceCount, authServices, reserved1, authnLevel, impLevel,
                                authList, capabilities, reserved3);
}

HRESULT ComCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* object) {
    return CoCreateInstance(clsid, outer, context, iid, object);
}

HRESULT ComSetProxyBlanket(IUnknown* proxy, DWORD authnService, DWORD authzService, OLECHAR* serverPrincipalName,
                           DWORD authnLevel, DWORD impLevel, RPC_AUTH_IDENTITY_HANDLE authInfo, DWORD capabilities) {
    return CoSetProxyBlanket(proxy, authnService, authzService, serverPrincipalName, authnLevel, impLevel, authInfo,
                             capabilities);
}

void ComUninitialize() { CoUninitialize(); }
