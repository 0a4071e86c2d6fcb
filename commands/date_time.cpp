#include "commands/date_time.h"

#include <cmath>
#include <cstdint>

#include "runtime/values.h"

namespace commands {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kDaysFrom1899To1970 = 25569;  // 1899-12-30 to 1970-01-01

std::int64_t floor_div(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Proleptic Gregorian date of a day count from 1970-01-01 (Howard Hinnant's algorithm).
void civil_from_days(std::int64_t z, int* year, int* month, int* day) {
    z += 719468;
    const std::int64_t era = floor_div(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    *year = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    *month = static_cast<int>(m);
    *day = static_cast<int>(d);
}

}  // namespace

CalendarTime split_date_time(double days) {
    if (std::isnan(days)) days = 0;
    days = rt::clamp_date_time(days);
    // Before the epoch the whole part counts back in days while the fraction still
    // counts forward from midnight: -1.25 is 1899-12-29 06:00.
    const double whole = std::trunc(days);
    const double moment = whole + std::fabs(days - whole);
    const auto seconds = static_cast<std::int64_t>(std::llround(moment * kSecondsPerDay));
    const std::int64_t day_number = floor_div(seconds, kSecondsPerDay);
    const std::int64_t second_of_day = seconds - day_number * kSecondsPerDay;

    CalendarTime t{};
    civil_from_days(day_number - kDaysFrom1899To1970, &t.year, &t.month, &t.day);
    t.hour = static_cast<int>(second_of_day / 3600);
    t.minute = static_cast<int>(second_of_day / 60 % 60);
    t.second = static_cast<int>(second_of_day % 60);
    return t;
}

}  // namespace commands
