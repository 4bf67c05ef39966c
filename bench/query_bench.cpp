// Times RunQuery against the raw enumeration of the same statement through the same COM calls
// (the floor: rows kept in memory, no controls), and watches memory and GDI/USER objects over
// 1,000 queries in a row. Prints figures; it is not a test.
//
//   query_bench [runs]       (default 15 runs per statement; query_bench_fake likewise)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>
#include <psapi.h>
#include <wbemidl.h>

#include "bench/bench_controls.h"
#include "query/run_query.h"
#include "query/statement.h"
#include "ui/controls.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Narrow(const wchar_t* text) {
    if (text == nullptr) return std::string();
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return std::string();
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], bytes, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

// The floor: the same COM calls in the same order, every row kept in memory.
std::vector<std::string> RawRows(const std::string& statement) {
    std::vector<std::string> rows;
    const bool showAll = statement.find('*') != std::string::npos;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IWbemLocator* locator = nullptr;
    IWbemServices* services = nullptr;
    IEnumWbemClassObject* enumerator = nullptr;
    HRESULT security = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_CONNECT,
                                            RPC_C_IMP_LEVEL_IDENTIFY, nullptr, EOAC_NONE, nullptr);
    if ((security == S_OK || security == RPC_E_TOO_LATE) &&
        CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                         reinterpret_cast<void**>(&locator)) == S_OK) {
        BSTR resource = SysAllocString(L"root\\cimv2");
        const HRESULT connected =
            locator->ConnectServer(resource, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services);
        SysFreeString(resource);
        if (connected == S_OK) {
            IUnknown* base = nullptr;
            services->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&base));
            CoSetProxyBlanket(services, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                              RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
            CoSetProxyBlanket(base, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                              RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
            if (base != nullptr) base->Release();
            const int units = MultiByteToWideChar(CP_ACP, 0, statement.data(), static_cast<int>(statement.size()),
                                                  nullptr, 0);
            std::wstring wide(static_cast<size_t>(units), L'\0');
            if (units > 0)
                MultiByteToWideChar(CP_ACP, 0, statement.data(), static_cast<int>(statement.size()), &wide[0], units);
            BSTR language = SysAllocString(L"WQL");
            BSTR query = SysAllocString(wide.c_str());
            services->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                &enumerator);
            SysFreeString(query);
            SysFreeString(language);
        }
    }
    if (enumerator != nullptr) {
        VARIANT value;
        VariantInit(&value);
        enumerator->Reset();
        for (int item = 1;; ++item) {
            IWbemClassObject* object = nullptr;
            ULONG returned = 0;
            enumerator->Next(static_cast<long>(WBEM_INFINITE), 1, &object, &returned);
            if (returned == 0) break;
            rows.push_back("");
            rows.push_back("Item #" + std::to_string(item));
            SAFEARRAY* names = nullptr;
            object->GetNames(nullptr, WBEM_FLAG_ALWAYS, nullptr, &names);
            LONG lower = 0;
            LONG upper = -1;
            SafeArrayGetLBound(names, 1, &lower);
            SafeArrayGetUBound(names, 1, &upper);
            for (LONG i = lower; i <= upper; ++i) {
                BSTR name = nullptr;
                SafeArrayGetElement(names, &i, &name);
                if (name == nullptr) continue;
                object->Get(name, 0, &value, nullptr, nullptr);
                std::string text;
                if (value.vt == VT_BSTR) text = Narrow(value.bstrVal);
                if (value.vt == VT_I4) text = std::to_string(value.lVal);
                VariantClear(&value);
                const std::string narrowName = Narrow(name);
                // Joined as RunQuery joins its rows, so that the two are compared on equal terms.
                // NOLINTNEXTLINE(performance-inefficient-string-concatenation)
                if (showAll || narrowName.compare(0, 1, "_") != 0) rows.push_back(narrowName + "\n" + text);
                SysFreeString(name);
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

// Bytes in busy blocks of every heap of the process: what the program holds, whatever the
// platform's own accounting reports.
double HeapBytesInUse() {
    std::vector<HANDLE> heaps(256);
    const DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    double bytes = 0;
    for (DWORD h = 0; h < count && h < heaps.size(); ++h) {
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
        HeapUnlock(heaps[h]);
    }
    return bytes;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(window, CountWindow, counter);
    return TRUE;
}

int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

struct Usage {
    PROCESS_MEMORY_COUNTERS_EX counters;
    double heapBytes;
    DWORD gdiObjects;
    DWORD userObjects;
    int windows;
};

Usage CurrentUsage() {
    Usage usage = {};
    usage.counters.cb = sizeof usage.counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&usage.counters),
                         sizeof usage.counters);
    usage.heapBytes = HeapBytesInUse();
    usage.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    usage.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    usage.windows = ThreadWindows();
    return usage;
}

void PrintUsage(const char* when, const Usage& usage) {
    std::printf("  %-6s private bytes %7.0f KiB, pagefile %7.0f KiB, working set %7.0f KiB, heap in use %7.1f KiB,\n"
                "         GDI objects %lu, USER objects %lu, windows %d\n",
                when, usage.counters.PrivateUsage / 1024.0, usage.counters.PagefileUsage / 1024.0,
                usage.counters.WorkingSetSize / 1024.0, usage.heapBytes / 1024.0,
                static_cast<unsigned long>(usage.gdiObjects), static_cast<unsigned long>(usage.userObjects),
                usage.windows);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    // The program's start-up: the thread enters a single-threaded apartment.
    CoInitialize(nullptr);
    if (!MakeBenchWindow()) {
        std::fprintf(stderr, "query_bench: cannot make the window\n");
        return 1;
    }
    const std::vector<std::string> texts = {"Win32_BIOS", "Win32_OperatingSystem", "SELECT * FROM Win32_Process",
                                            "Select Name from Win32_Process"};
#ifdef OSTREVO_BENCH_FAKE_CONTROLS
    const char* into = "the in-memory fake controls (no window)";
#else
    const char* into = "a visible report list view (stand-in window, redraw suspended while rows are written)";
#endif
    std::printf("RunQuery into %s\nagainst the floor: the same COM calls, rows kept in memory. Medians of %d runs, "
                "ms.\n\n",
                into, runs);
    std::printf("%-32s %5s %9s %9s %11s %7s %7s\n", "query", "rows", "floor", "RunQuery", "+paint", "ratio",
                "+paint");
    for (const std::string& text : texts) {
        const std::string statement = StatementFor(text);
        RawRows(statement);  // warm-up of both paths
        RunQuery(text);
        PumpBenchMessages();
        std::vector<double> floor;
        std::vector<double> query;
        std::vector<double> painted;
        size_t rawRows = 0;
        for (int r = 0; r < runs; ++r) {
            double start = Now();
            rawRows = RawRows(statement).size();
            floor.push_back(Now() - start);
            start = Now();
            RunQuery(text);
            const double returned = Now();
            PumpBenchMessages();
            query.push_back(returned - start);
            painted.push_back(Now() - start);
        }
        const double f = Median(floor);
        const double q = Median(query);
        const double p = Median(painted);
        std::printf("%-32s %5d %9.2f %9.2f %11.2f %7.2f %7.2f   (raw rows %u)\n", text.c_str(), RowCount(), f, q, p,
                    q / f, p / f, static_cast<unsigned>(rawRows));
    }

    std::printf("\n1,000 queries in a row (the four above in turn), messages handled after each:\n");
    const Usage before = CurrentUsage();
    const double start = Now();
    for (int i = 0; i < 1000; ++i) {
        RunQuery(texts[static_cast<size_t>(i) % texts.size()]);
        PumpBenchMessages();
    }
    const double elapsed = Now() - start;
    const Usage after = CurrentUsage();
    PrintUsage("before", before);
    PrintUsage("after", after);
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr)
        std::printf("  (under Wine, GetGuiResources is a stub and a 0 among the counters means not reported)\n");
    std::printf("  %.0f ms in all, %.2f ms per query; message boxes asked for: %d\n", elapsed, elapsed / 1000,
                BenchMessagesShown());
    return 0;
}
