#pragma once
// Lets GoogleTest print byte arrays as text (with the unprintable bytes escaped) when a comparison fails.
#include <QByteArray>
#include <ostream>

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << '"' << bytes.toPercentEncoding(" :/.-_#=+,;()!?'[]").constData() << '"';
}
