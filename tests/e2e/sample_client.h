// A client install as the tuner finds it on a user's drive, made by code.
#pragma once
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace e2e {

struct SampleClient {
    std::string install;  // the install directory, e.g. T:\Games\英雄联盟
    std::vector<std::string> logs;      // every *.log file made, full paths
    std::vector<std::string> non_logs;  // files that must survive a log cleanup
};

inline const char kGameCfg[] = "[General]\r\nWidth=1920\r\nHeight=1080\r\n[Performance]\r\nShadows=0\r\n";
inline const char kSystemYaml[] = "---\r\napp:\r\n  app_name: LeagueClient\r\ncustom_landing_url: https://user.example/\r\n";

// Empties `root` (a drive root such as "T:\") and lays a client out below it.
SampleClient make_sample_client(const std::string& root);
// Only the client's own files (system.yaml, game.cfg, the Cross cache) in `install`,
// named in UTF-16 whatever this process's code page.
void lay_out_client(const std::wstring& install);
void empty_folder(const std::string& path);

std::string read_file(const std::string& path);
// Writes a whole file, creating the folders on the way.
using testing_support::write_file;
bool file_exists(const std::string& path);
bool directory_exists(const std::string& path);
std::vector<std::string> list_names(const std::string& folder);  // sorted, without . and ..

}  // namespace e2e
