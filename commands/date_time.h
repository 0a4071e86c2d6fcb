// Date-time values (days since 1899-12-30, the fraction the time of day) split into
// their calendar parts.
#pragma once

namespace commands {

struct CalendarTime {
    int year, month, day;
    int hour, minute, second;
};

// Clamps into the valid range first and rounds the time to the nearest second.
CalendarTime split_date_time(double days);

}  // namespace commands
