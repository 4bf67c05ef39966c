#include "ui/visual_styles.h"

#include <shlwapi.h>
#include <uxtheme.h>

#include <string>
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
    std::wstring identity;
    SIZE_T needed = 0;
    QueryActCtxW(0, data.hActCtx, &data.ulAssemblyRosterIndex, AssemblyDetailedInformationInActivationContext,
                 nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed >= sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION) &&
        QueryActCtxW(0, data.hActCtx, &data.ulAssemblyRosterIndex, AssemblyDetailedInformationInActivationContext,
                     buffer.data(), needed, nullptr)) {
        const auto& info = *reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
        if (info.lpAssemblyEncodedAssemblyIdentity != nullptr)
            identity.assign(info.lpAssemblyEncodedAssemblyIdentity,
                            info.ulEncodedAssemblyIdentityLength / sizeof(WCHAR));
    }
    ReleaseActCtx(data.hActCtx);

    // Microsoft.Windows.Common-Controls,processorArchitecture="x86",...,version="6.0.2600.2982"
    const std::wstring name = L"Microsoft.Windows.Common-Controls,";
    const std::wstring key = L"version=\"";
    if (identity.compare(0, name.size(), name) != 0) return 0;
    const std::wstring::size_type at = identity.find(key);
    if (at == std::wstring::npos) return 0;
    DWORD major = 0;
    for (std::wstring::size_type i = at + key.size(); i < identity.size() && identity[i] >= L'0' && identity[i] <= L'9'; ++i)
        major = major * 10 + static_cast<DWORD>(identity[i] - L'0');
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
