// How quickly the tool's window answers while its install directory search runs: the
// round trip of a message sent to the window, sampled from the drive choice until the
// prompt label shows the search's outcome.
#pragma once
#include <string>
#include <vector>

#include "bench/program_window.h"

namespace bench {

struct RoundTrips {
    bool drive_chosen = false;
    std::vector<double> milliseconds;  // only samples taken while the search ran
    std::string outcome;               // the prompt label once the search ended
    std::string install;               // the client a cleanup worked on
    double search_ms = 0;              // from the drive choice to the outcome
};

RoundTrips sample_round_trips(const ProgramWindow& tool, char drive_letter, double limit_ms);

// The same while the tool's log cleanup runs: the drive is chosen and its search runs
// to a client (`install`: the prompt label then), the log box is ticked and the
// optimize button pressed; samples count until the result label shows the cleanup's
// outcome (`outcome`: that caption). `search_ms` is then the cleanup's time, from the
// press to the label.
RoundTrips sample_cleanup_round_trips(const ProgramWindow& tool, char drive_letter, double limit_ms);

}  // namespace bench
