#include "ui/visual_styles.h"

#include <shlwapi.h>
#include <uxtheme.h>

#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/window_state.h"

namespace {

// What the library says of itself.
DWORD ReportedVersion() {
    const HMODULE comctl = GetModuleHandleA("comctl32.dll");
    if (comctl == nullptr) return 0;
    // Through a plain function pointer, the sanctioned way between unrelated function types.
    const auto getVersion =
        reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void (*)()>(GetProcAddress(comctl, "DllGetVersion")));
    if (getVersion == nullptr) return 0;
    DLLVERSIONINFO version = {};
    version.cbSize = sizeof version;
    return SUCCEEDED(getVersion(&version)) ? version.dwMajorVersion : 0;
}

// The version of the common-controls assembly that supplies comctl32 to this process through the
// manifest's dependency, or 0 when comctl32 is not redirected to one. Wine's side-by-side
// version-6 library reports itself as 5.81, so its assembly is asked as well.
DWORD SideBySideVersion() {
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof data;
    if (!FindActCtxSectionStringA(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr,
                                  ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, "comctl32.dll", &data))
        return 0;
    // Kept in a vector and read through a view: std::wstring would link the C++ library's whole
    // wide-string instantiation (35 KB) for these few lines.
    std::vector<WCHAR> identity;
    SIZE_T needed = 0;
    QueryActCtxW(0, data.hActCtx, &data.ulAssemblyRosterIndex, AssemblyDetailedInformationInActivationContext,
                 nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed >= sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION) &&
        QueryActCtxW(0, data.hActCtx, &data.ulAssemblyRosterIndex, AssemblyDetailedInformationInActivationContext,
                     buffer.data(), needed, nullptr)) {
        const auto& info = *reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
        const PCWSTR encoded = info.lpAssemblyEncodedAssemblyIdentity;
        if (encoded != nullptr) identity.assign(encoded, encoded + info.ulEncodedAssemblyIdentityLength / sizeof(WCHAR));
    }
    ReleaseActCtx(data.hActCtx);

    // Microsoft.Windows.Common-Controls,processorArchitecture="x86",...,version="6.0.2600.2982"
    const std::wstring_view text(identity.data(), identity.size());
    const std::wstring_view name = L"Microsoft.Windows.Common-Controls,";
    const std::wstring_view key = L"version=\"";
    if (text.compare(0, name.size(), name) != 0) return 0;
    const std::wstring_view::size_type at = text.find(key);
    if (at == std::wstring_view::npos) return 0;
    DWORD major = 0;
    for (std::wstring_view::size_type i = at + key.size(); i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        major = major * 10 + static_cast<DWORD>(text[i] - L'0');
    return major;
}

}  // namespace

bool VisualStylesAvailable() {
    return IsAppThemed() && (ReportedVersion() >= 6 || SideBySideVersion() >= 6);
}

LRESULT OnControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    const int number = ControlNumberOf(control);
    if (Window().visualStyles && (number == CustomHint || number == ExecuteButton)) {
        SetBkMode(dc, TRANSPARENT);
        DrawThemeParentBackground(control, dc, nullptr);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
