#pragma once
// The part of the classic Format routine the grid uses: "%" [index ":"] ["-"] [width] ["." precision] type, with the
// types d, u, x (integers), e, f, g, n, m (floating point, the locale's separators) and s, plus "%%". It never
// raises: a directive it cannot serve (unknown type, missing argument, an argument of the wrong kind) is copied into
// the result as written, so a wrong format shows up in the text rather than ending the caller.
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

struct TFormatArg {
  std::variant<int64_t, double, QString> Value;
  TFormatArg(int v) : Value(int64_t(v)) {}
  TFormatArg(unsigned v) : Value(int64_t(v)) {}
  TFormatArg(long v) : Value(int64_t(v)) {}
  TFormatArg(long long v) : Value(int64_t(v)) {}
  TFormatArg(unsigned long v) : Value(int64_t(v)) {}
  TFormatArg(double v) : Value(v) {}
  TFormatArg(const QString& v) : Value(v) {}
  TFormatArg(const char* v) : Value(QString::fromUtf8(v)) {}
};

QString Format(const QString& format, const std::vector<TFormatArg>& args);
