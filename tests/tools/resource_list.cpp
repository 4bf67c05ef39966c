#include "tests/tools/resource_list.h"

namespace {

// Enumeration callbacks are CALLBACK (stdcall) functions, which a lambda does not convert to on
// every compiler.
BOOL CALLBACK ListName(HMODULE, LPCSTR, LPSTR name, LONG_PTR context) {
    auto& list = *reinterpret_cast<ResourceList*>(context);
    list.names.push_back(IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name));
    return TRUE;
}

BOOL CALLBACK ListLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR context) {
    reinterpret_cast<ResourceList*>(context)->languages.push_back(language);
    return TRUE;
}

}  // namespace

ResourceList ListResources(HMODULE program, WORD type) {
    ResourceList list;
    EnumResourceNamesA(program, MAKEINTRESOURCEA(type), ListName, reinterpret_cast<LONG_PTR>(&list));
    EnumResourceLanguagesA(program, MAKEINTRESOURCEA(type), MAKEINTRESOURCEA(1), ListLanguage,
                           reinterpret_cast<LONG_PTR>(&list));
    return list;
}
