#pragma once
// Plain entries over raw bytes for fuzzing the parsers of the support library. Each accepts any bytes, returns 0
// and aborts only when an invariant of the code under test breaks. The markup entry paints, so it needs a
// QGuiApplication (fonts) to exist.
#include <cstddef>
#include <cstdint>

// The bytes split at the first NUL (or in half): filter expression, then cell text; both case modes.
int Fuzz_Filter_Matcher(const uint8_t* data, size_t size);
// The bytes as markup: measured, painted on a small image, hit-tested, and run through the markup text routines.
int Fuzz_Markup_Parser(const uint8_t* data, size_t size);
// The bytes as cell text through the CSV and line-break codecs, checking their round trips.
int Fuzz_Csv_Codec(const uint8_t* data, size_t size);
