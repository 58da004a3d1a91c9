// Cells read and written as integers, numbers, dates and times, and the texts derived from the grid.
#include <gtest/gtest.h>

#include "Exception.h"
#include "GridTestHost.h"
#include "UFormatSettings.h"
#include "UGridError.h"
#include "UQrvStringGrid.h"

namespace {

// Pins the user's conventions for the test's duration.
class TPinnedLocale {
 public:
  TPinnedLocale(QChar decimal, QChar thousand) {
    TFormatSettings s;
    s.DecimalSeparator = decimal;
    s.ThousandSeparator = thousand;
    Set_Format_Settings_Provider([s] { return s; });
  }
  ~TPinnedLocale() { Set_Format_Settings_Provider(nullptr); }
};

}  // namespace

TEST(TypedCells, IntegerTextsReadByThePlatformSyntax) {
  TQrvStringGrid grid;
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"", 0},
      {"-", 0},
      {"  -  ", 0},
      {" 42\t", 42},
      {"<B>42</B>", 42},
      {"+7", 7},
      {"-13", -13},
      {"$1F", 31},
      {"0x1f", 31},
      {"x10", 16},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"$7FFFFFFF", INT32_MAX},
      {"$FFFFFFFF", -1},
  };
  for (const auto& c : cases) {
    grid.SetCells(1, 1, QString::fromUtf8(c.text));
    EXPECT_EQ(grid.GetInts(1, 1), c.value) << c.text;
  }
}

TEST(TypedCells, NonIntegerTextsRaiseWithoutOverflowing) {
  TQrvStringGrid grid;
  for (const char* text : {"12.5", "1,000", "abc", "$", "0x", "--1", "2147483648", "-2147483649", "$100000000",
                           "0x1234567890", "99999999999999999999999", "$G1"}) {
    grid.SetCells(1, 1, QString::fromUtf8(text));
    EXPECT_EQ(GridErrorText([&] { grid.GetInts(1, 1); }), QStringLiteral("Cell does not contain integer value"))
        << text;
  }
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("$G1"));
}

TEST(TypedCells, AllFormsReadRealRowsWithMarkupKept) {
  TQrvStringGrid grid;
  grid.SetCells(1, 2, QStringLiteral("<B>42</B>"));
  grid.SetCells(1, 3, QStringLiteral("7"));
  EXPECT_EQ(grid.GetInts(1, 2), 42);
  EXPECT_EQ(GridErrorText([&] { grid.GetAllInts(1, 2); }), QStringLiteral("Cell does not contain integer value"));
  grid.HideRow(2);
  EXPECT_EQ(grid.GetAllInts(1, 3), 7);  // real row 3 is display row 2 now
  EXPECT_EQ(grid.GetInts(1, 2), 7);
  grid.SetAllInts(1, 2, -5);
  grid.UnHideRowsAll();
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("-5"));
  grid.SetAllFloats(1, 4, 2.5);
  EXPECT_DOUBLE_EQ(grid.GetAllFloats(1, 4), 2.5);
}

TEST(TypedCells, NumberTextsReduceToTheirNumberPart) {
  TPinnedLocale pin(u'.', u',');
  TQrvStringGrid grid;
  const struct {
    const char* text;
    double value;
  } cases[] = {{"", 0},
               {"-", 0},
               {" - ", 0},
               {"(1,234.50)", -1234.5},
               {"EUR 3", 3},
               {"abc", 0},
               {"<I>2.25</I>", 2.25},
               {"-0.5 kg", -0.5},
               {".5", 0.5},
               {"EUR -1e3", -1000}};
  for (const auto& c : cases) {
    grid.SetCells(2, 1, QString::fromUtf8(c.text));
    EXPECT_DOUBLE_EQ(grid.GetFloats(2, 1), c.value) << c.text;
  }
  for (const char* text : {"5e", "1.2.3", "1e999"}) {
    grid.SetCells(2, 1, QString::fromUtf8(text));
    EXPECT_EQ(GridErrorText([&] { grid.GetFloats(2, 1); }), QStringLiteral("Cell does not contain a float value"))
        << text;
  }
}

class TThreeDecimalGrid : public TQrvStringGrid {
 public:
  void GetFloatFormat(int32_t, int32_t, QString& format) override { format = QStringLiteral("%.3f"); }
  uint32_t GetVersionNr() const override { return 0x03010301u; }
};

TEST(TypedCells, FloatsAreWrittenWithTheFormatAndTheLocale) {
  {
    TPinnedLocale pin(u'.', u',');
    TQrvStringGrid grid;
    grid.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("3.14"));
    TThreeDecimalGrid own;
    own.SetFloats(1, 1, 3.14159);
    own.SetAllFloats(1, 2, 3.14159);  // the grid's own format, not the per-cell one
    EXPECT_EQ(own.Cells(1, 1), QStringLiteral("3.142"));
    EXPECT_EQ(own.Cells(1, 2), QStringLiteral("3.14"));
  }
  TPinnedLocale comma(u',', u'.');
  TQrvStringGrid grid;
  grid.SetFloats(1, 1, 3.14159);
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("3,14"));
  EXPECT_DOUBLE_EQ(grid.GetFloats(1, 1), 3.14);
}

TEST(TypedCells, DatesAndTimes) {
  TPinnedLocale pin(u'.', u',');
  TQrvStringGrid grid;
  grid.SetDates(1, 1, 0);
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("30/12/1899"));
  grid.ShowNullDates = false;
  grid.SetDates(1, 1, 0);
  EXPECT_EQ(grid.Cells(1, 1), QString());
  grid.SetDates(1, 1, 45000.75);  // the time of day is not written
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("15/03/2023"));
  EXPECT_DOUBLE_EQ(grid.GetDates(1, 1), 45000);
  grid.SetTimes(1, 2, 0.5 + 1.0 / 24 / 60 * 5);
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("12:05:00"));
  EXPECT_NEAR(grid.GetTimes(1, 2), 0.5 + 1.0 / 24 / 60 * 5, 1e-9);
  grid.SetCells(1, 3, QStringLiteral("soon"));
  EXPECT_THROW(grid.GetDates(1, 3), EConvertError);
  EXPECT_THROW(grid.GetTimes(1, 3), EConvertError);
  grid.SetCells(1, 3, QStringLiteral("25:00"));
  EXPECT_THROW(grid.GetTimes(1, 3), EConvertError);
}

TEST(TypedCells, MarkupControlValues) {
  TQrvStringGrid grid;
  grid.SetCells(1, 1, QStringLiteral("Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" WIDTH=\"40\" VALUE=\"old\"> end"));
  EXPECT_EQ(grid.GetCtrlVal(1, 1, QStringLiteral("e1")), QStringLiteral("old"));
  EXPECT_EQ(grid.GetCtrlVal(1, 1, QStringLiteral("none")), QString());
  grid.SetCtrlVal(1, 1, QStringLiteral("e1"), QStringLiteral("new"));
  EXPECT_EQ(grid.GetCtrlVal(1, 1, QStringLiteral("e1")), QStringLiteral("new"));
  const QString before = grid.Cells(1, 1);
  grid.SetCtrlVal(1, 1, QStringLiteral("none"), QStringLiteral("x"));
  EXPECT_EQ(grid.Cells(1, 1), before);
}

TEST(TypedCells, VersionAndPrintMetrics) {
  TQrvStringGrid grid;
  EXPECT_EQ(grid.Version(), QStringLiteral("6.2.1.3"));
  grid.SetVersion(QStringLiteral("9.9.9.9"));
  EXPECT_EQ(grid.Version(), QStringLiteral("6.2.1.3"));
  EXPECT_EQ(TThreeDecimalGrid().Version(), QStringLiteral("3.1.3.1"));
  EXPECT_EQ(grid.GetVersionString(), QStringLiteral("6.2.1.3 Sep, 2012"));
  grid.MaxWidths[511] = 80;
  grid.Indents[0] = 12;
  EXPECT_EQ(grid.GetPrintColWidth(511), 80);
  EXPECT_EQ(grid.GetPrintColOffset(0), 12);
  for (int32_t c : {-1, 512}) {
    EXPECT_EQ(GridErrorText([&] { grid.GetPrintColWidth(c); }), QStringLiteral("Columns is not in valid range"));
    EXPECT_EQ(GridErrorText([&] { grid.GetPrintColOffset(c); }), QStringLiteral("Columns is not in valid range"));
  }
}

TEST(TypedCells, HeaderListsWriteTheFixedRowAndColumn) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.SetColumnHeaders({QStringLiteral("Name\\nfirst"), QStringLiteral("Value")});
  EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("Name\rfirst"));
  EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("Value"));
  EXPECT_EQ(grid.Cells(2, 0), QString());  // cleared before the list is shown
  grid.SetRowHeaders({QString(), QStringLiteral("R1"), QStringLiteral("R2")});
  EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("R1"));
  EXPECT_EQ(grid.Cells(0, 3), Cell(0, 3));  // beyond the list: kept
  grid.SetFixedCols(0);
  grid.SetRowHeaders({QStringLiteral("X")});
  EXPECT_EQ(grid.Cells(0, 0), QString());  // no fixed column: nothing written
  const QStringList items{QStringLiteral("a"), QStringLiteral("b")};
  grid.SetLookupItems(&items);
  grid.SetLookupItems(nullptr);
  EXPECT_EQ(grid.LookupItems, items);
}

TEST(TypedCells, FloatFormatEventShapesNumericCellsOnly) {
  const TPinnedLocale pinned(u'.', u',');
  TQrvStringGrid grid;
  grid.FloatFormat = QStringLiteral("%.3f");
  EXPECT_EQ((grid.SetCells(1, 1, QStringLiteral("3.14159")), grid.GetFormattedCell(1, 1)), QStringLiteral("3.14159"))
      << "without a handler the stored text is shown";

  const struct {
    const char* text;
    const char* format;  // what the handler hands back; nullptr keeps the grid's
    bool isFloat;
    const char* shown;
    bool offered;
  } cases[] = {
      {"3.14159", "%.2f", true, "3.14", true},
      {"7", "%.2f", true, "7.00", true},
      {"3.14159", nullptr, true, "3.142", true},
      {"42", "%5d", true, "   42", true},
      {"3.5", "%d", true, "3.5", true},  // no integer value: the text stays
      {"3.14159", "%.2f", false, "3.14159", true},
      {"3.14159", "", true, "3.14159", true},
      {"abc", "%.2f", true, "abc", false},
      {"", "%.2f", true, "", false},
  };
  for (const auto& c : cases) {
    bool offered = false;
    QString given;
    grid.OnGetFloatFormat = [&](TQrvStringGrid* sender, int32_t col, int32_t row, bool& isFloat, QString& format) {
      offered = sender == &grid && col == 2 && row == 3 && isFloat;
      given = format;
      if (c.format) format = QString::fromLatin1(c.format);
      isFloat = c.isFloat;
    };
    grid.SetCells(2, 3, QString::fromLatin1(c.text));
    EXPECT_EQ(grid.GetFormattedCell(2, 3), QString::fromLatin1(c.shown))
        << c.text << " " << (c.format ? c.format : "-");
    EXPECT_EQ(offered, c.offered) << c.text;
    if (c.offered) {
      EXPECT_EQ(given, QStringLiteral("%.3f")) << "the handler starts from the grid's format";
    }
  }
}
