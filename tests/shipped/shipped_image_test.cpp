// The executables the build ships run elevated, often from a folder anyone may write
// to. Windows takes a library the image imports from beside the program first unless
// it is one the system always takes from its own directory: only those may be
// imported. Common controls are the exception the manifest makes safe, by binding them
// to the signed side-by-side assembly.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>

#include "tests/shipped/pe_imports.h"

namespace {

std::string windows_path(const char* unix_path) {
    std::string path = "Z:";
    for (const char* c = unix_path; *c; ++c) path += *c == '/' ? '\\' : *c;
    return path;
}

// Every executable the build ships.
const std::vector<std::string>& shipped_executables() {
    static const std::vector<std::string> all = {windows_path(TRIVANE_EXE_UNIX_PATH)};
    return all;
}

// Windows 7 to 11 list these as known libraries: always loaded from the system.
const char* const kKnownLibraries[] = {
    "advapi32", "clbcatq", "combase", "comdlg32", "coml2",    "difxapi",  "gdi32",    "gdiplus", "imagehlp",
    "imm32",    "kernel32", "msctf",  "msvcrt",   "normaliz", "nsi",      "ole32",    "oleaut32", "psapi",
    "rpcrt4",   "sechost",  "setupapi", "shcore", "shell32",  "shlwapi",  "user32",   "wldap32", "ws2_32",
};

std::string base_name(const std::string& library) {
    std::string name = library;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dll") == 0) name.resize(name.size() - 4);
    return name;
}

bool known(const std::string& name) {
    return std::find(std::begin(kKnownLibraries), std::end(kKnownLibraries), name) != std::end(kKnownLibraries);
}

// The program's manifest, resource 1 of type RT_MANIFEST; empty when there is none.
std::string manifest_of(const std::string& exe) {
    HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!image) return "";
    std::string text;
    if (HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)))
        if (HGLOBAL loaded = LoadResource(image, found))
            text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(image, found));
    FreeLibrary(image);
    return text;
}

TEST(ShippedImage, ImportsOnlyLibrariesTheSystemAlwaysTakesFromItsOwnDirectory) {
    for (const std::string& exe : shipped_executables()) {
        const shipped::ImportList imports = shipped::read_imports(exe);
        ASSERT_TRUE(imports.readable) << exe;
        std::vector<std::string> names;
        for (const std::string& library : imports.libraries) names.push_back(base_name(library));
        // Every program imports these: the reader found the table.
        for (const char* always : {"kernel32", "user32"})
            EXPECT_NE(std::find(names.begin(), names.end(), always), names.end()) << exe << " " << always;
        for (const std::string& name : names)
            EXPECT_TRUE(known(name) || name == "comctl32") << exe << " imports " << name;
    }
}

// Windows 10 1607 and later then take the libraries they load for the image's imports
// (and for those libraries' own) from the system directory only.
TEST(ShippedImage, TheLoadConfigurationKeepsDependentLoadsInTheSystemDirectory) {
    for (const std::string& exe : shipped_executables()) {
        const shipped::LoadConfiguration configuration = shipped::read_load_configuration(exe);
        ASSERT_TRUE(configuration.present) << exe;
        EXPECT_EQ(configuration.directory_size, configuration.size) << exe;
        EXPECT_GE(configuration.size, 56u) << exe << ": the field lies past the structure's end";
        EXPECT_EQ(configuration.dependent_load_flags, 0x800u) << exe;
        // A table of safe exception handlers that is present but empty would make the
        // loader refuse every handler the program installs.
        EXPECT_EQ(configuration.safe_handler_table, 0u) << exe;
        EXPECT_EQ(configuration.safe_handler_count, 0u) << exe;
    }
}

TEST(ShippedImage, TheManifestAsksForAdministratorRightsAndBindsCommonControls) {
    for (const std::string& exe : shipped_executables()) {
        const std::string manifest = manifest_of(exe);
        ASSERT_FALSE(manifest.empty()) << exe << " carries no manifest";
        EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos) << manifest;
        const size_t controls = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
        ASSERT_NE(controls, std::string::npos) << manifest;
        const std::string identity = manifest.substr(controls, manifest.find("/>", controls) - controls);
        EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos) << identity;
        EXPECT_NE(identity.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos) << identity;
    }
}

}  // namespace
