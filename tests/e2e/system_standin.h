// A stand-in put in the system directory for the length of a test, under the name of
// a system program; whatever held that name before is put back afterwards. The test
// prefix is shared with the run command, so nothing may stay behind.
#pragma once
#include <string>

namespace e2e {

class SystemStandIn {
public:
    SystemStandIn(const std::string& standin, const char* name);
    ~SystemStandIn();
    SystemStandIn(const SystemStandIn&) = delete;
    SystemStandIn& operator=(const SystemStandIn&) = delete;

    bool installed() const { return installed_; }
    const std::string& path() const { return path_; }  // e.g. C:\windows\system32\powercfg.exe

private:
    std::string path_;
    std::string saved_;  // the earlier file, moved aside; empty when there was none
    bool installed_ = false;
};

// The system directory, as the program under test sees it.
std::string system_directory();

}  // namespace e2e
