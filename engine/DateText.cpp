#include "engine/DateText.h"

#include <cstdio>

namespace DateText {

namespace {

constexpr uint64_t kTicksPerMillisecond = 10000;
constexpr int64_t kDaysFrom1601To1970 = 134774;

// Civil date of a day count since 1970-01-01 (proleptic Gregorian).
void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

bool FileTimeToFields(uint64_t fileTime, TimeFields& fields) {
  if (fileTime >> 63) return false;
  const uint64_t ms = fileTime / kTicksPerMillisecond;
  const uint64_t secondsTotal = ms / 1000;
  const int64_t days = static_cast<int64_t>(secondsTotal / 86400);
  const uint64_t secondOfDay = secondsTotal % 86400;
  TimeFields f;
  CivilFromDays(days - kDaysFrom1601To1970, f.Year, f.Month, f.Day);
  f.DayOfWeek = static_cast<int>((days + 1) % 7);  // 1 January 1601 was a Monday
  f.Hour = static_cast<int>(secondOfDay / 3600);
  f.Minute = static_cast<int>(secondOfDay / 60 % 60);
  f.Second = static_cast<int>(secondOfDay % 60);
  f.Milliseconds = static_cast<int>(ms % 1000);
  fields = f;
  return true;
}

std::string FormatDateText(const TimeFields& f, const std::string& dateSeparator) {
  char day[8], month[8], year[16], time[48];
  std::snprintf(day, sizeof day, "%02d", f.Day);
  std::snprintf(month, sizeof month, "%02d", f.Month);
  std::snprintf(year, sizeof year, "%04d", f.Year);
  std::snprintf(time, sizeof time, "%d.%d.%d", f.Hour, f.Minute, f.Second);
  return std::string(day) + dateSeparator + month + dateSeparator + year + " " + time;
}

std::string FileTimeToDateString(uint64_t fileTime, const std::string& dateSeparator) {
  TimeFields fields;
  if (!FileTimeToFields(fileTime, fields)) return {};
  return FormatDateText(fields, dateSeparator);
}

std::string InstallExtension(const std::string& source) {
  const std::size_t dot = source.find('.');
  std::string ext = dot == std::string::npos ? source : source.substr(dot + 1);
  for (char& c : ext)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return ext;
}

}  // namespace DateText
