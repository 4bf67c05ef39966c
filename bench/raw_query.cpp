#include "bench/raw_query.h"

#include <commctrl.h>
#include <wbemidl.h>

namespace {

std::string Narrow(const wchar_t* text) {
    if (text == nullptr) return std::string();
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return std::string();
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], bytes, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

BSTR Wide(const std::string& text) {
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(units), L'\0');
    if (units > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], units);
    return SysAllocString(wide.c_str());
}

IEnumWbemClassObject* Issue(const std::string& statement, IWbemLocator*& locator, IWbemServices*& services) {
    const HRESULT security = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_CONNECT,
                                                  RPC_C_IMP_LEVEL_IDENTIFY, nullptr, EOAC_NONE, nullptr);
    if (security != S_OK && security != RPC_E_TOO_LATE) return nullptr;
    if (CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                         reinterpret_cast<void**>(&locator)) != S_OK)
        return nullptr;
    BSTR resource = SysAllocString(L"root\\cimv2");
    const HRESULT connected = locator->ConnectServer(resource, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services);
    SysFreeString(resource);
    if (connected != S_OK) return nullptr;
    IUnknown* base = nullptr;
    services->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&base));
    CoSetProxyBlanket(services, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    CoSetProxyBlanket(base, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (base != nullptr) base->Release();
    BSTR language = SysAllocString(L"WQL");
    BSTR query = Wide(statement);
    IEnumWbemClassObject* enumerator = nullptr;
    services->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr, &enumerator);
    SysFreeString(query);
    SysFreeString(language);
    return enumerator;
}

void Keep(const std::string& row, void* rows) { static_cast<std::vector<std::string>*>(rows)->push_back(row); }

void Write(const std::string& row, void* list) {
    const size_t feed = row.find('\n');
    std::string name = row.substr(0, feed);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(SendMessageA(static_cast<HWND>(list), LVM_GETITEMCOUNT, 0, 0));
    item.pszText = &name[0];
    const int at = static_cast<int>(SendMessageA(static_cast<HWND>(list), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (at < 0 || feed == std::string::npos) return;
    std::string value = row.substr(feed + 1);
    LVITEMA sub = {};
    sub.iSubItem = 1;
    sub.pszText = &value[0];
    SendMessageA(static_cast<HWND>(list), LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&sub));
}

}  // namespace

int EnumerateRaw(const std::string& statement, RowSink sink, void* context) {
    const bool showAll = statement.find('*') != std::string::npos;
    int rows = 0;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IWbemLocator* locator = nullptr;
    IWbemServices* services = nullptr;
    IEnumWbemClassObject* enumerator = Issue(statement, locator, services);
    if (enumerator != nullptr) {
        VARIANT value;
        VariantInit(&value);
        enumerator->Reset();
        for (int item = 1;; ++item) {
            IWbemClassObject* object = nullptr;
            ULONG returned = 0;
            enumerator->Next(static_cast<long>(WBEM_INFINITE), 1, &object, &returned);
            if (returned == 0) break;
            sink("", context);
            sink("Item #" + std::to_string(item), context);
            rows += 2;
            SAFEARRAY* names = nullptr;
            object->GetNames(nullptr, WBEM_FLAG_ALWAYS, nullptr, &names);
            LONG lower = 0;
            LONG upper = -1;
            SafeArrayGetLBound(names, 1, &lower);
            SafeArrayGetUBound(names, 1, &upper);
            for (LONG i = lower; i <= upper; ++i) {
                BSTR name = nullptr;
                SafeArrayGetElement(names, &i, static_cast<void*>(&name));
                if (name == nullptr) continue;
                object->Get(name, 0, &value, nullptr, nullptr);
                std::string text;
                if (value.vt == VT_BSTR) text = Narrow(value.bstrVal);
                if (value.vt == VT_I4) text = std::to_string(value.lVal);
                VariantClear(&value);
                const std::string narrowName = Narrow(name);
                SysFreeString(name);
                if (showAll || narrowName.compare(0, 1, "_") != 0) {
                    // Joined as RunQuery joins its rows, so that the two are compared on equal terms.
                    // NOLINTNEXTLINE(performance-inefficient-string-concatenation)
                    sink(narrowName + "\n" + text, context);
                    ++rows;
                }
            }
            SafeArrayDestroy(names);
            object->Release();
        }
        enumerator->Release();
    }
    if (services != nullptr) services->Release();
    if (locator != nullptr) locator->Release();
    CoUninitialize();
    return rows;
}

std::vector<std::string> RawRows(const std::string& statement) {
    std::vector<std::string> rows;
    EnumerateRaw(statement, Keep, &rows);
    return rows;
}

HWND MakeFloorList() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = "OstrevoBenchFloor";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, "OstrevoBenchFloor", "floor", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0,
                                        806, 529, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS,
                                      310, 10, 480, 480, window, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, LVS_EX_DOUBLEBUFFER);
    const char* headers[] = {"Property", "Value"};
    const int widths[] = {200, 400};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNA heading = {};
        heading.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        heading.cx = widths[column];
        heading.pszText = const_cast<char*>(headers[column]);
        heading.iSubItem = column;
        SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&heading));
    }
    return list;
}

int RawRowsIntoList(HWND list, const std::string& statement) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    const int rows = EnumerateRaw(statement, Write, list);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    return rows;
}
