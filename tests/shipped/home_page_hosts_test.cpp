// The home page templates name the hosts the client talks to once its system.yaml is
// replaced, tokens included. Only names nobody can register or answer may appear: the
// reserved top-level names and the example domains. The loopback address is no such
// name: any program on the machine can listen there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "data/home_page_templates.h"

namespace {

bool ends_with(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool reserved_host(std::string host) {
    std::transform(host.begin(), host.end(), host.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const char* top : {".example", ".invalid", ".test"})
        if (ends_with(host, top)) return true;
    for (const std::string domain : {"example.com", "example.net", "example.org"})
        if (host == domain || ends_with(host, "." + domain)) return true;
    return false;
}

// The host of every URL in the text: what follows "://" up to a port, path or line end.
std::vector<std::string> hosts_in(const std::string& text) {
    std::vector<std::string> hosts;
    for (size_t at = text.find("://"); at != std::string::npos; at = text.find("://", at + 3)) {
        const size_t start = at + 3;
        const size_t end = text.find_first_of(":/\r\n \t'\"", start);
        hosts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    }
    return hosts;
}

TEST(HomePageTemplates, NameOnlyHostsNobodyCanHold) {
    EXPECT_FALSE(reserved_host("support.example.cn"));
    EXPECT_FALSE(reserved_host("notexample.com"));
    EXPECT_FALSE(reserved_host("127.0.0.1"));
    EXPECT_FALSE(reserved_host("localhost"));

    const struct {
        const char* name;
        std::string text;
    } templates[] = {
        {"blank", std::string(reinterpret_cast<const char*>(home_page_blank()), home_page_blank_length())},
        {"publisher", std::string(reinterpret_cast<const char*>(home_page_publisher()), home_page_publisher_length())},
    };
    for (const auto& t : templates) {
        const std::vector<std::string> hosts = hosts_in(t.text);
        EXPECT_EQ(hosts.size(), 7u) << t.name;  // every URL of the template
        for (const std::string& host : hosts) EXPECT_TRUE(reserved_host(host)) << t.name << ": " << host;
    }
    // The blank page's landing host never resolves, so the page stays blank.
    const std::string blank = templates[0].text;
    const size_t landing = blank.find("custom_landing_url: ");
    ASSERT_NE(landing, std::string::npos);
    const std::vector<std::string> landing_host = hosts_in(blank.substr(landing, blank.find('\n', landing) - landing));
    ASSERT_EQ(landing_host.size(), 1u);
    EXPECT_TRUE(ends_with(landing_host[0], ".invalid")) << landing_host[0];
}

}  // namespace
