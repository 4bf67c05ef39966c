#pragma once
// The COM library calls that open and close a WMI conversation, one function each, taking the
// platform's own arguments. The program links com_entry.cpp, which forwards them unchanged;
// tests link stand-ins that record the arguments and can answer with other results.
#include <objbase.h>

HRESULT ComInitializeEx(LPVOID reserved, DWORD coInit);
HRESULT ComInitializeSecurity(PSECURITY_DESCRIPTOR securityDescriptor, LONG authServiceCount,
                              SOLE_AUTHENTICATION_SERVICE* authServices, void* reserved1, DWORD authnLevel,
                              DWORD impLevel, void* authList, DWORD capabilities, void* reserved3);
HRESULT ComCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* object);
HRESULT ComSetProxyBlanket(IUnknown* proxy, DWORD authnService, DWORD authzService, OLECHAR* serverPrincipalName,
                           DWORD authnLevel, DWORD impLevel, RPC_AUTH_IDENTITY_HANDLE authInfo, DWORD capabilities);
void ComUninitialize();
