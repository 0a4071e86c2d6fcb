// The built Trivane.exe seen from outside, as Windows sees it: the version its
// file properties show, and the manifest the loader reads before it starts.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "data/version.h"
#include "tests/e2e/program_path.h"

namespace {

// The file's version block, read back the way the properties dialog reads it.
class VersionResource : public testing::Test {
protected:
    void SetUp() override {
        const std::string exe = e2e::trivane_exe();
        DWORD unused = 0;
        const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &unused);
        ASSERT_NE(size, 0u) << exe << " carries no version resource";
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block_.data()));
    }

    const void* value(const std::string& path, UINT* length) {
        void* found = nullptr;
        if (!VerQueryValueA(block_.data(), path.c_str(), &found, length)) return nullptr;
        return found;
    }

    // A string of the table the translation list names: a table under any other
    // name is one that Windows never shows.
    std::string text(const char* name) {
        UINT length = 0;
        auto* translation = static_cast<const WORD*>(value("\\VarFileInfo\\Translation", &length));
        if (!translation || length < 2 * sizeof(WORD)) return "<no translation>";
        char table[64];
        std::snprintf(table, sizeof table, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
        auto* found = static_cast<const char*>(value(std::string(table) + name, &length));
        return found ? std::string(found) : "<missing " + std::string(table) + name + ">";
    }

    std::vector<char> block_;
};

TEST_F(VersionResource, FileAndProductAre151) {
    UINT length = 0;
    auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value("\\", &length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(5, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(5, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(text("FileVersion"), TRIVANE_VERSION_TEXT);
    EXPECT_EQ(text("ProductVersion"), TRIVANE_VERSION_TEXT);
}

TEST_F(VersionResource, NamesAreSimplifiedChineseInCodePage936) {
    UINT length = 0;
    auto* translation = static_cast<const WORD*>(value("\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_GE(length, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 936);
    EXPECT_EQ(text("ProductName"), "Trivane");
    EXPECT_EQ(text("OriginalFilename"), "Trivane.exe");
    // Read back through the ANSI code page: mojibake here means the resource
    // compiler read the Chinese source text in the wrong code page.
    EXPECT_EQ(text("FileDescription"), "英雄联盟国服客户端优化工具");
    EXPECT_EQ(text("LegalCopyright").rfind("版权所有 (C) ", 0), 0u) << text("LegalCopyright");
}

// The manifest as the platform parses it into an activation context.
class Manifest : public testing::Test {
protected:
    void SetUp() override {
        const std::string exe = e2e::trivane_exe();
        ACTCTXA request = {};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = exe.c_str();
        request.lpResourceName = MAKEINTRESOURCEA(1);
        context_ = CreateActCtxA(&request);
        ASSERT_NE(context_, INVALID_HANDLE_VALUE) << "the manifest does not parse, error " << GetLastError();
    }
    void TearDown() override {
        if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
    }

    HANDLE context_ = INVALID_HANDLE_VALUE;
};

// The element layout of current Windows (and Wine); older headers lack the last field.
struct CompatibilityElement {
    GUID id;
    ACTCTX_COMPATIBILITY_ELEMENT_TYPE type;
    ULONGLONG max_version_tested;
};
static_assert(sizeof(CompatibilityElement) == 32);

TEST_F(Manifest, DeclaresEveryWindowsFromVistaTo11) {
    alignas(8) unsigned char buffer[512];
    SIZE_T size = 0;
    ASSERT_TRUE(QueryActCtxW(0, context_, nullptr, CompatibilityInformationInActivationContext, buffer,
                             sizeof buffer, &size));
    const DWORD count = *reinterpret_cast<const DWORD*>(buffer);
    ASSERT_GE(size, 8 + count * sizeof(CompatibilityElement));
    std::set<std::string> declared;
    for (DWORD i = 0; i < count; ++i) {
        const auto* element = reinterpret_cast<const CompatibilityElement*>(buffer + 8) + i;
        if (element->type != ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) continue;
        const GUID& g = element->id;
        char text[40];
        std::snprintf(text, sizeof text, "%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x", g.Data1, g.Data2,
                      g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
                      g.Data4[7]);
        declared.insert(text);
    }
    const std::set<std::string> every_version = {
        "e2011457-1546-43c5-a5fe-008deee3d3f0",  // Vista
        "35138b9a-5d96-4fbd-8e2d-a2440225f93a",  // 7
        "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",  // 8
        "1f676c76-80e1-4239-95bb-83d0f6d0da78",  // 8.1
        "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a",  // 10 and 11
    };
    EXPECT_EQ(declared, every_version);
}

TEST_F(Manifest, StillAsksForAdministratorRights) {
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level = {};
    SIZE_T size = 0;
    ASSERT_TRUE(QueryActCtxW(0, context_, nullptr, RunlevelInformationInActivationContext, &level, sizeof level,
                             &size));
    EXPECT_EQ(level.RunLevel, ACTCTX_RUN_LEVEL_REQUIRE_ADMIN);
    EXPECT_EQ(level.UiAccess, 0u);
}

}  // namespace
