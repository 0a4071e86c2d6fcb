#include <cmath>

#include "commands/arguments.h"
#include "commands/command_functions.h"
#include "commands/core_link.h"

namespace commands {
namespace {

constexpr const char kDivideByZero[] = "不能整除于零";

}  // namespace

// Each divisor in turn, the fraction dropped after every step; no divisor leaves the
// dividend as it is.
void integer_divide(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    double x = args.real(0);
    for (i32 i = 1; i < args.count(); ++i) {
        const double divisor = args.real(i);
        if (divisor == 0.0) report_command_error(kDivideByZero);
        x = std::trunc(x / divisor);
    }
    set_double(result, x);
}

}  // namespace commands
