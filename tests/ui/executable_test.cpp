// The built program's file: a 32-bit GUI executable with address-space layout randomisation and
// a non-executable stack and heap, and the version resource that Explorer shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/tools/resource_list.h"

#ifndef OSTREVO_EXE
#error "OSTREVO_EXE names the built program"
#endif
#if !defined(OSTREVO_VERSION_MAJOR) || !defined(OSTREVO_VERSION_MINOR) || !defined(OSTREVO_VERSION_PATCH) || \
    !defined(OSTREVO_VERSION_TEXT)
#error "the project's version is given to the test by the build"
#endif

namespace {

std::vector<char> FileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The headers of a PE image, copied out of its bytes; `valid` is false when the bytes are not one.
struct PeHeaders {
    bool valid = false;
    IMAGE_FILE_HEADER file = {};
    IMAGE_OPTIONAL_HEADER32 optional = {};
};

PeHeaders ReadPeHeaders(const std::vector<char>& bytes) {
    PeHeaders headers;
    IMAGE_DOS_HEADER dos = {};
    if (bytes.size() < sizeof dos) return headers;
    std::memcpy(&dos, bytes.data(), sizeof dos);
    if (dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0) return headers;
    const std::size_t at = static_cast<std::size_t>(dos.e_lfanew);
    const std::size_t fileAt = at + sizeof(DWORD);
    const std::size_t optionalAt = fileAt + sizeof(IMAGE_FILE_HEADER);
    if (bytes.size() < optionalAt + sizeof(IMAGE_OPTIONAL_HEADER32)) return headers;
    DWORD signature = 0;
    std::memcpy(&signature, bytes.data() + at, sizeof signature);
    if (signature != IMAGE_NT_SIGNATURE) return headers;
    std::memcpy(&headers.file, bytes.data() + fileAt, sizeof headers.file);
    std::memcpy(&headers.optional, bytes.data() + optionalAt, sizeof headers.optional);
    headers.valid = true;
    return headers;
}

// The program's version resource, loaded as the system reads it.
struct VersionInfo {
    std::vector<BYTE> block;

    bool Load(const char* path) {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeA(path, &handle);
        if (size == 0) return false;
        block.assign(size, 0);
        return GetFileVersionInfoA(path, 0, size, block.data()) != FALSE;
    }

    const VS_FIXEDFILEINFO* Fixed() {
        void* data = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(block.data(), "\\", &data, &length) || length < sizeof(VS_FIXEDFILEINFO)) return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(data);
    }

    // A value of the English (United States), UTF-16 string table; "<none>" when it is missing.
    std::string Text(const std::string& name) {
        void* data = nullptr;
        UINT length = 0;
        const std::string path = "\\StringFileInfo\\040904B0\\" + name;
        if (!VerQueryValueA(block.data(), path.c_str(), &data, &length) || data == nullptr) return "<none>";
        return std::string(static_cast<const char*>(data));
    }
};

}  // namespace

TEST(ProgramFile, IsA32BitGuiExecutableWithAddressRandomisationAndNoExecuteData) {
    const std::vector<char> bytes = FileBytes(OSTREVO_EXE);
    ASSERT_FALSE(bytes.empty()) << OSTREVO_EXE;
    const PeHeaders pe = ReadPeHeaders(bytes);
    ASSERT_TRUE(pe.valid) << "no PE headers in " << OSTREVO_EXE;

    EXPECT_EQ(pe.file.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(pe.optional.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(pe.optional.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_NE(pe.optional.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, 0) << "no ASLR";
    EXPECT_NE(pe.optional.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT, 0) << "no DEP";
    EXPECT_NE(pe.file.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE, 0) << "2 GB of address space, not 4";
    // Without its relocations the image cannot be moved, and stays at its preferred base whatever
    // the flag says.
    EXPECT_EQ(pe.file.Characteristics & IMAGE_FILE_RELOCS_STRIPPED, 0) << "relocations stripped";
    EXPECT_GT(pe.optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size, 0u) << "no relocation table";
}

TEST(ProgramFile, CarriesTheProjectVersionInItsVersionResource) {
    VersionInfo version;
    ASSERT_TRUE(version.Load(OSTREVO_EXE)) << "no version resource in " << OSTREVO_EXE;

    const VS_FIXEDFILEINFO* fixed = version.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD high = MAKELONG(OSTREVO_VERSION_MINOR, OSTREVO_VERSION_MAJOR);
    const DWORD low = MAKELONG(0, OSTREVO_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "not a debug, pre-release or patched build";
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(version.Text("FileVersion"), OSTREVO_VERSION_TEXT);
    EXPECT_EQ(version.Text("ProductVersion"), OSTREVO_VERSION_TEXT);
    EXPECT_EQ(version.Text("ProductName"), "Ostrevo");
    EXPECT_EQ(version.Text("FileDescription"), "Ostrevo - WMI class browser");
    EXPECT_EQ(version.Text("OriginalFilename"), "Ostrevo.exe");

    // The table that the string table's name announces: English (United States), UTF-16.
    void* data = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(version.block.data(), "\\VarFileInfo\\Translation", &data, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(data);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}

TEST(ProgramFile, HasOneVersionResourceInEnglish) {
    const HMODULE program = LoadLibraryExA(OSTREVO_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << OSTREVO_EXE;
    const ResourceList list = ListResources(program, 16);
    FreeLibrary(program);
    EXPECT_EQ(list.names, std::vector<std::string>{"1"});
    EXPECT_EQ(list.languages, std::vector<WORD>{1033});
}
