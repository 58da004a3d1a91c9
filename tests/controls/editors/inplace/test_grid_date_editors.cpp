// The grid's date pickers: the range a date opens in, Enter writing the picker's text, Escape, and the cleared
// box writing nothing.
#include "Exception.h"
#include "GridEditorFixture.h"
#include "UDateTime.h"
#include "UFormatSettings.h"
#include "UGridDatePicker.h"
#include "UGridDateTimePicker.h"

namespace {

class GridDateTest : public ::testing::Test {
 protected:
  GridDateTest() {
    TFormatSettings fs;
    fs.DateSeparator = u'.';
    fs.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    fs.TimeSeparator = u':';
    fs.ShortTimeFormat = QStringLiteral("HH:mm");
    fs.LongTimeFormat = QStringLiteral("HH:mm:ss");
    Set_Format_Settings_Provider([fs] { return fs; });
  }
  ~GridDateTest() override { Set_Format_Settings_Provider({}); }
};

TEST_F(GridDateTest, DateOpensInsideThePickersRange) {
  const std::vector<std::tuple<QString, TDateTime>> cases = {
      {"15.06.2020", EncodeDate(2020, 5, 31)},
      {"01.01.2020", EncodeDate(2020, 1, 2)},
      {"10.03.2020", EncodeDate(2020, 3, 10)},
  };
  for (const auto& [cell, opened] : cases) {
    TEditedGrid g;
    g.Grid->DefaultEditor = edDateEdit;
    g.Factory->DateTimePicker()->MaxDate = EncodeDate(2020, 6, 1);
    g.Factory->DateTimePicker()->MinDate = EncodeDate(2020, 1, 1);
    g.Open(1, 1, cell);
    ASSERT_EQ(g.Factory->EditCtrl(), g.Factory->DateTimePicker());
    EXPECT_EQ(std::floor(g.Factory->DateTimePicker()->PickerDateTime()), opened) << cell.toStdString();
  }
}

TEST_F(GridDateTest, EnterWritesThePickersText) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edDateEditUpDown;
  g.Open(1, 1, "10.03.2020");
  g.Factory->DateTimePicker()->SetPickerDateTime(EncodeDate(2021, 4, 5));
  const QString shown = g.Factory->DateTimePicker()->text();
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(1, 1), shown);
  EXPECT_FALSE(g.Factory->DateTimePicker()->isVisible());
}

TEST_F(GridDateTest, DateAndTimeEscapeRestoresAndAClearedBoxWritesNothing) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edDateTimeEdit;
  g.Open(1, 1, "10.03.2020 08:15");
  TGridDateTimePicker* picker = g.Factory->DateAndTimePicker();
  const TDateTime loaded = picker->OriginalDateTime();
  EXPECT_EQ(std::floor(loaded), EncodeDate(2020, 3, 10));
  picker->SetDateTime(EncodeDate(2022, 1, 1));
  g.Key(Qt::Key_Escape);
  EXPECT_EQ(picker->DateTime(), loaded);
  EXPECT_EQ(g.Grid->Cells(1, 1), "10.03.2020 08:15");

  g.View->setFocus();
  g.Open(1, 2, "10.03.2020 08:15");
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(1, 2), "");
}

}  // namespace
