// Dates, the date-time step table and its arithmetic.
#include "chart/date_steps.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "chart/chart_units.h"

namespace fv {

namespace {

constexpr double Steps[DateTimeStepCount] = {
    OneSecond,       5 * OneSecond,  10 * OneSecond, 15 * OneSecond, 30 * OneSecond, 60 * OneSecond,
    300 * OneSecond, 600 * OneSecond, 900 * OneSecond, 1800 * OneSecond, 1.0 / 24, 2.0 / 24,
    6.0 / 24,        12.0 / 24,      1,              2,              3,              7,
    15,              30,             60,             90,             120,            182,
    365};

// Days from 1 January 1970 of a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2));
}

constexpr long long DayZero = -25569;  // 30 December 1899, in days from 1 January 1970

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// Moves a year and month by n months (n may be negative).
void AddMonths(int& year, int& month, int n) {
    long long total = (long long)year * 12 + (month - 1) + n;
    year = int(total >= 0 ? total / 12 : (total - 11) / 12);
    month = int(total - (long long)year * 12) + 1;
}

}  // namespace

double DateTimeStep(int index) { return index >= 0 && index < DateTimeStepCount ? Steps[index] : 0; }

double DateTimeStepAbove(double step) {
    for (int i = DateTimeStepCount - 2; i >= 0; --i)
        if (step >= Steps[i]) return Steps[i + 1];
    return Steps[DateTimeStepCount - 1];
}

int DateTimeStepIndex(double step) {
    for (int i = DateTimeStepCount - 1; i >= 0; --i)
        if (std::fabs(Steps[i] - step) < OneSecond) return i;
    return DateTimeStepCount;
}

std::string DateTimeDefaultFormat(double step) {
    return step > 1 ? ChartLocale().ShortDateFormat : ChartLocale().ShortTimeFormat;
}

bool EncodeDate(int year, int month, int day, double& date) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    date = double(DaysFromCivil(year, month, day) - DayZero);
    return true;
}

bool DecodeDate(double date, int& year, int& month, int& day) {
    static const double first = double(DaysFromCivil(1, 1, 1) - DayZero);
    static const double last = double(DaysFromCivil(9999, 12, 31) - DayZero);
    double days = std::trunc(date);  // the day part, as the day number's integer part
    if (!(days >= first && days <= last)) return false;
    CivilFromDays((long long)days + DayZero, year, month, day);
    return true;
}

double Now() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    double date = 0;
    EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
    return date + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

double Today() { return std::floor(Now()); }

double RoundDateToStep(int stepIndex, double date) {
    double jan1900 = 0;
    EncodeDate(1900, 1, 1, jan1900);
    int y, m, d;
    if (!(date > jan1900) || !DecodeDate(date, y, m, d)) return date;
    if (stepIndex == HalfMonthStep) d = d < 15 ? 1 : 15;
    else if (stepIndex >= OneMonthStep && stepIndex < OneYearStep) d = 1;
    else if (stepIndex == OneYearStep) d = m = 1;
    double result = date;
    EncodeDate(y, m, d, result);
    return result;
}

void StepDateTime(bool increment, bool exact, double& date, int stepIndex, double step) {
    int y, m, d;
    if (!exact || stepIndex < HalfMonthStep || stepIndex > OneYearStep || !DecodeDate(date, y, m, d)) {
        date += increment ? step : -step;
        return;
    }
    int dir = increment ? 1 : -1;
    if (stepIndex == OneYearStep) {
        y += dir;
        // 29 February of a leap year has no twin in the next or the last year: the month's last day.
        d = std::min(d, y >= 1 && y <= 9999 ? DaysInMonth(y, m) : 28);
    } else if (stepIndex == HalfMonthStep) {
        if (increment) {
            // Forward the step visits the 15th and the 1st of the next month, so axis labels increase.
            if (d < 15) d = 15;
            else {
                AddMonths(y, m, 1);
                d = 1;
            }
        } else if (d >= 16) {
            d = 15;
        } else if (d >= 2) {
            d = 1;
        } else {
            AddMonths(y, m, -1);
            d = 15;
        }
    } else {
        static const int months[] = {1, 2, 3, 4, 6};  // steps 19..23
        AddMonths(y, m, dir * months[stepIndex - OneMonthStep]);
        d = 1;
    }
    double result;
    // Past the years 1 to 9999 there is no calendar: the plain step goes on.
    if (EncodeDate(y, m, d, result)) date = result;
    else date += increment ? step : -step;
}

double NextNiceStep(double x) {
    if (!(x > 0) || !std::isfinite(x)) return 1;
    const double original = x;
    int up = 0, down = 0;
    while (x >= 10) {
        x /= 10;
        ++up;
    }
    while (x < 1) {
        x *= 10;
        ++down;
    }
    double r = x < 2 ? 2 : (x < 5 ? 5 : 10);
    for (; up > 0; --up) r *= 10;
    for (; down > 0; --down) r /= 10;
    // Near the ends of the doubles the next step may not exist; then x itself is the step.
    return r > 0 && std::isfinite(r) ? r : original;
}

}  // namespace fv
