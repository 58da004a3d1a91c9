#pragma once
// A protocol window under test in a configuration of its own (a temporary folder), with the built-in English
// texts and the dialog recorder's answers.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "UGlobals.h"
#include "ULang.h"
#include "UProtocol_Window.h"

class TProtocolFixture : public ::testing::Test {
 protected:
  TProtocolFixture() {
    Load_Default_Strings();
    SW_Code = QStringLiteral("SWTarn10");
    Path_Project = Dir.path();
    Build_Topic_Paths();
  }
  ~TProtocolFixture() override {
    Path_Project.clear();
    Build_Topic_Paths();
    Row_Clipboard.clear();
  }

  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  // Writes the cells given as (column, text) into a row.
  static void Fill(TQrvColumnGrid& grid, int32_t row, std::initializer_list<std::pair<int32_t, const char*>> cells) {
    for (const auto& [col, text] : cells) grid.SetCells(col, row, QString::fromUtf8(text));
  }
  static QStringList Row(const TQrvColumnGrid& grid, int32_t row) {
    QStringList cells;
    for (int32_t c = 1; c < grid.ColCount(); ++c) cells.append(grid.Cells(c, row));
    return cells;
  }

  QTemporaryDir Dir;
};

// One check case: cells changed from a valid row, and the dialog text expected (empty: the tables pass).
struct TCheck_Case {
  std::vector<std::pair<int32_t, const char*>> Cells;
  const char* Message;
};

// Runs each case on a freshly shown window: `valid` written into rows 1 .. `row` of the table, the case's cells
// into `row`.
inline void Expect_Checks(TFProtocol_Window& w, int32_t table, int32_t row,
                          const std::vector<std::pair<int32_t, const char*>>& valid,
                          const std::vector<TCheck_Case>& cases) {
  for (const TCheck_Case& c : cases) {
    w.FormShow();
    TQrvColumnGrid& grid = w.Table(table);
    for (int32_t r = 1; r <= row; ++r)
      for (const auto& [col, text] : valid) grid.SetCells(col, r, QString::fromUtf8(text));
    for (const auto& [col, text] : c.Cells) grid.SetCells(col, row, QString::fromUtf8(text));
    const std::optional<QString> failure = w.First_Failure();
    const QString got = failure ? *failure : QString();
    QString cells;
    for (const auto& [col, text] : c.Cells) cells += QStringLiteral("[%1]='%2' ").arg(col).arg(text);
    EXPECT_EQ(got, QString::fromUtf8(c.Message)) << cells.toStdString();
  }
}
