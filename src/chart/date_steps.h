// Dates as the chart keeps them, and the steps of date-time axes.
//
// A date is a day number counted from 30 December 1899 (day 0) with the time of day as its fraction.
// Only the years 1 to 9999 are dates: a value outside them (or not finite) is a plain number, which
// calendar arithmetic leaves alone.
#pragma once

#include <string>

namespace fv {

constexpr double OneSecond = 1.0 / 86400;

// The 25 steps of date-time axes, in days: 1 second up to 365 days.
constexpr int DateTimeStepCount = 25;
double DateTimeStep(int index);
constexpr int HalfMonthStep = 18;
constexpr int OneMonthStep = 19;
constexpr int OneYearStep = 24;

// The step of the table above `step` (365 days when no entry is as small as it).
double DateTimeStepAbove(double step);
// The index of the table entry within one second of `step`; DateTimeStepCount when there is none.
int DateTimeStepIndex(double step);
// The locale's short date format for steps above a day, else its short time format.
std::string DateTimeDefaultFormat(double step);

// Calendar conversion; false when the date is not one.
bool EncodeDate(int year, int month, int day, double& date);
bool DecodeDate(double date, int& year, int& month, int& day);
double Today();
double Now();

// The start of the step that holds `date`: the 1st or the 15th for half months, the 1st of the month
// for month steps, 1 January for years; the time of day is dropped. Dates up to 1 January 1900 stay.
double RoundDateToStep(int stepIndex, double date);

// Moves `date` one step forward (increment) or back. Without exact stepping it adds or subtracts
// `step`; with it, month and year steps move along the calendar to the 1st of a month (a year step
// keeps the day, 29 February becoming the 28th), and the half-month step visits the 1st and the 15th.
void StepDateTime(bool increment, bool exact, double& date, int stepIndex, double step);

// The next step of the 1-2-5 series above x (2 for 1, 5 for 2, 10 for 5, 0.05 for 0.03); 1 unless x is
// positive and finite.
double NextNiceStep(double x);

}  // namespace fv
