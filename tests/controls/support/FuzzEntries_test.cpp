#include <gtest/gtest.h>

#include <QByteArray>

#include "USupport_Fuzz_Entries.h"

namespace {
// Inputs that once were hard cases for the parsers: they must finish and keep the entries' invariants.
const QByteArray Inputs[] = {
    QByteArray(),
    QByteArray("(>5&<10)|0\0"
               "7",
               13),
    QByteArray("((((((((((\0"
               "a",
               12),
    QByteArray("*a*a*a*a*a*a*a*a*b\0"
               "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
               59),
    QByteArray("<B>bold</B> <A HREF=\"x\">link</A><BR><UL><LI>one<LI>two</UL><IMG SRC=\"http://x/y.png\">"),
    QByteArray(
        "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"40\"><CONTROL WIDTH=\"x\"><FONT SIZE=999999999>x"),
    QByteArray("&amp;amp;amp;<#<#<#\r\n\"\"\"\v~^\t\b\x01"),
    QByteArray("\xff\xfe\x00<\x00<", 6),
};

TEST(FuzzEntries, AcceptAnyBytes) {
  for (const QByteArray& input : Inputs) {
    const auto* data = reinterpret_cast<const uint8_t*>(input.constData());
    EXPECT_EQ(Fuzz_Filter_Matcher(data, size_t(input.size())), 0);
    EXPECT_EQ(Fuzz_Markup_Parser(data, size_t(input.size())), 0);
    EXPECT_EQ(Fuzz_Csv_Codec(data, size_t(input.size())), 0);
  }
}
}  // namespace

namespace {
// Bytes from a fixed seed, biased towards the characters the parsers react to.
TEST(FuzzEntries, SeededRandomInputs) {
  const char alphabet[] = "<>/\"=&;|^()!*?-.,:0123456789 aAbBcClLiIuUpPfFsSzZhHeErR#\r\n\v~\t";
  uint32_t state = 12345;
  auto next = [&] { return state = state * 1103515245u + 12345u; };
  for (int round = 0; round < 300; ++round) {
    QByteArray input;
    const int length = int(next() % 120);
    for (int i = 0; i < length; ++i) {
      const uint32_t r = next() >> 8;
      input += r % 8 == 0 ? char(r >> 8) : alphabet[(r >> 3) % (sizeof alphabet - 1)];
    }
    const auto* data = reinterpret_cast<const uint8_t*>(input.constData());
    ASSERT_EQ(Fuzz_Filter_Matcher(data, size_t(input.size())), 0) << input.toHex().constData();
    ASSERT_EQ(Fuzz_Markup_Parser(data, size_t(input.size())), 0) << input.toHex().constData();
    ASSERT_EQ(Fuzz_Csv_Codec(data, size_t(input.size())), 0) << input.toHex().constData();
  }
}
}  // namespace
