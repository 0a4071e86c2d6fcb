// A symbolic link made on the Linux side below a folder Wine maps as a drive: the
// platform reports it as a reparse point. Removed (the link alone, never what it names)
// when the owner goes out of scope, before a TempDir's removal could walk through it.
#pragma once
#include <string>

namespace testing_support {

class UnixLink {
public:
    // `link` names the new link, `target` what it points at; both Windows paths. A link
    // to a file never shows as a reparse point: for one, made() only says it is there.
    UnixLink(const std::string& link, const std::string& target, bool to_file = false);
    ~UnixLink();
    UnixLink(const UnixLink&) = delete;
    UnixLink& operator=(const UnixLink&) = delete;

    // The platform reports the link as a reparse point (or, to a file, as present).
    bool made() const { return made_; }

private:
    std::string link_;
    std::string unix_link_;
    bool made_ = false;
};

// Starts `command` in the host's shell and returns at once: Wine hands back nothing
// to wait on, so the caller looks for its effect.
void run_host_shell(const std::string& command);
// A Linux path as one word of such a command, whatever characters it holds.
std::string host_word(const std::string& unix_path);

// The Linux path Wine keeps `windows_path` at; empty when it cannot tell.
std::string unix_path_of(const std::string& windows_path);

}  // namespace testing_support
