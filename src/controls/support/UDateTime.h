#pragma once
// Date values in the classic day-count form: whole days since 30 December 1899, the fraction is the time of day.
// Encoding raises EConvertError for impossible values, as the grid's callers expect.
#include <cstdint>

using TDateTime = double;

bool TryEncodeDate(int32_t year, int32_t month, int32_t day, TDateTime& value);
bool TryEncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t msec, TDateTime& value);
// Raise EConvertError "Invalid argument to date encode" / "Invalid argument to time encode".
TDateTime EncodeDate(int32_t year, int32_t month, int32_t day);
TDateTime EncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t msec);
// The date part is the whole-day part taken towards zero.
void DecodeDate(TDateTime value, int32_t& year, int32_t& month, int32_t& day);
void DecodeTime(TDateTime value, int32_t& hour, int32_t& minute, int32_t& second, int32_t& msec);
