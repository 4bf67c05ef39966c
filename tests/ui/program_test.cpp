// The built program: its embedded manifest, and a real start and close in a process of its own.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/tools/resource_list.h"
#include "tests/tools/window_search.h"

#ifndef OSTREVO_EXE
#error "OSTREVO_EXE names the built program"
#endif

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(Program, CarriesTheManifestAsResourceOneInEnglish) {
    const HMODULE program = LoadLibraryExA(OSTREVO_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << OSTREVO_EXE;

    const ResourceList list = ListResources(program, 24);
    EXPECT_EQ(list.names, std::vector<std::string>{"1"}) << "one manifest only";
    EXPECT_EQ(list.languages, std::vector<WORD>{1033});
    EXPECT_EQ(FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr) << "no icon resource";

    const HRSRC resource = FindResourceExA(program, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1),
                                           MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(resource, nullptr);
    const HGLOBAL loaded = LoadResource(program, resource);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    ASSERT_NE(bytes, nullptr);
    const std::string manifest(bytes, SizeofResource(program, resource));

    EXPECT_TRUE(Contains(manifest, "<assemblyIdentity version=\"1.0.0.0\" processorArchitecture=\"X86\" name=\"Ostrevo\" type=\"win32\"/>"));
    EXPECT_TRUE(Contains(manifest, "<description></description>"));
    EXPECT_TRUE(Contains(manifest, "type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_TRUE(Contains(manifest, "processorArchitecture=\"X86\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\""));
    EXPECT_TRUE(Contains(manifest, "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v2\">"));
    EXPECT_TRUE(Contains(manifest, "<requestedPrivileges xmlns=\"urn:schemas-microsoft-com:asm.v3\">"));
    EXPECT_TRUE(Contains(manifest, "<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>"));
    FreeLibrary(program);
}

namespace {

// The program started for a test; ended by force if the test stops early.
struct RunningProgram {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
    DWORD error = 0;

    bool Start() {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = std::string("\"") + OSTREVO_EXE + "\"";
        if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return true;
        error = GetLastError();
        return false;
    }

    // Waits up to 30 seconds for the main window to exist and its message loop to answer.
    bool WaitUntilAnswering() {
        HWND found = nullptr;
        DWORD_PTR answer = 0;
        for (int i = 0; i < 600; ++i) {
            if (found == nullptr) found = TopLevelWindowOf(process.dwProcessId, "WindowClass_0", false);
            if (found != nullptr && SendMessageTimeoutA(found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer)) {
                window = found;
                return true;
            }
            if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) return false;
        }
        return false;
    }

    // The exit code once the process has ended within 30 seconds, or -1.
    long ExitCode() {
        if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) return -1;
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        return static_cast<long>(code);
    }

    ~RunningProgram() {
        if (process.hProcess == nullptr) return;
        if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

// ERROR_ELEVATION_REQUIRED, which not every SDK's headers define: on Windows an unelevated test
// cannot start a program that requires administrator rights.
constexpr DWORD ElevationRequired = 740;

#define START_OR_SKIP(program)                                                           \
    if (!(program).Start()) {                                                            \
        if ((program).error == ElevationRequired) GTEST_SKIP() << "needs an elevated run"; \
        FAIL() << "CreateProcess failed: " << (program).error;                           \
    }

}  // namespace

TEST(Program, StartsShowsItsWindowAndEndsWithCodeZeroWhenClosed) {
    RunningProgram program;
    const auto start = std::chrono::steady_clock::now();
    START_OR_SKIP(program);
    // The elevation request does not hold the start up.
    ASSERT_TRUE(program.WaitUntilAnswering()) << "no main window answering in its loop";
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("the program answered in its loop %.0f ms after it was started\n", ms);

    char title[64] = {};
    GetWindowTextA(program.window, title, sizeof title);
    EXPECT_STREQ(title, "Ostrevo");
    RECT client;
    GetClientRect(program.window, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 500);
    EXPECT_TRUE(IsWindowVisible(program.window));

    PostMessageA(program.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(), 0);
}

TEST(Program, AWmClosePostedToItsThreadEndsItToo) {
    RunningProgram program;
    START_OR_SKIP(program);
    ASSERT_TRUE(program.WaitUntilAnswering());
    PostThreadMessageA(program.process.dwThreadId, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(), 0);
}

TEST(Program, AWmQuitPostedToItsThreadEndsNothingAndTheCloseBoxEndsIt) {
    RunningProgram program;
    START_OR_SKIP(program);
    ASSERT_TRUE(program.WaitUntilAnswering());
    PostThreadMessageA(program.process.dwThreadId, WM_QUIT, 0, 0);
    PostMessageA(program.window, WM_QUIT, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.process.hProcess, 1500), static_cast<DWORD>(WAIT_TIMEOUT)) << "it ended";
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(program.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer))
        << "its loop goes on answering";
    // The close box sends WM_CLOSE from the default handling of this command.
    PostMessageA(program.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.ExitCode(), 0);
}

TEST(Program, ACloseDuringAQueryTakesEffectOnceTheQueryIsDoneAndEndsWithCodeZero) {
    RunningProgram program;
    START_OR_SKIP(program);
    ASSERT_TRUE(program.WaitUntilAnswering());
    const HWND field = ControlOf(program.window, "Edit", 5);
    const HWND button = ControlOf(program.window, "Button", 6);
    const HWND list = ControlOf(program.window, WC_LISTVIEWA, 0);
    ASSERT_TRUE(field != nullptr && button != nullptr && list != nullptr);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("SELECT * FROM Win32_Process"),
                                    SMTO_ABORTIFHUNG, 10000, &answer));
    PostMessageA(button, BM_CLICK, 0, 0);

    // The close box's WM_CLOSE, posted while the title says the query runs.
    const std::string running = "Ostrevo  -  retrieving data from SELECT * FROM Win32_Process";
    char title[128] = {};
    const auto start = std::chrono::steady_clock::now();
    while (running != title && std::chrono::steady_clock::now() - start < std::chrono::seconds(20))
        GetWindowTextA(program.window, title, sizeof title);
    ASSERT_EQ(std::string(title), running);
    PostMessageA(program.window, WM_CLOSE, 0, 0);

    // A message sent now is handled at the loop's next wait, after the query and before the close.
    DWORD_PTR rows = 0;
    ASSERT_TRUE(SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 30000, &rows));
    EXPECT_GT(rows, 2u) << "the query wrote its rows first";
    GetWindowTextA(program.window, title, sizeof title);
    EXPECT_STREQ(title, "Ostrevo");
    EXPECT_EQ(program.ExitCode(), 0);
}

TEST(Program, TwentyStartsAndClosesEachEndWithCodeZeroAndLeaveNothingRunning) {
    for (int cycle = 0; cycle < 20; ++cycle) {
        SCOPED_TRACE(cycle);
        RunningProgram program;
        START_OR_SKIP(program);
        ASSERT_TRUE(program.WaitUntilAnswering());
        PostMessageA(program.window, WM_CLOSE, 0, 0);
        ASSERT_EQ(program.ExitCode(), 0);
        EXPECT_FALSE(IsWindow(program.window)) << "its window went with it";
    }
    EXPECT_EQ(TopLevelWindowOf(0, "WindowClass_0", false), nullptr) << "no Ostrevo window is left on the desktop";
}
