// The grid's spin, edit-with-button, value-and-unit, check-box and button editors in a shown grid: limits kept when
// the value is committed, page keys, Escape, the value split from its unit and joined again, the ellipsis event.
#include "Exception.h"
#include "GridEditorFixture.h"
#include "UDateTime.h"
#include "UFormatSettings.h"
#include "UGridButton.h"
#include "UGridCheckBox.h"
#include "UGridEditBtn.h"
#include "UGridSpin.h"
#include "UGridUnitEditBtn.h"

namespace {

struct TSpinCase {
  QString Cell;
  QString Typed;
  Qt::Key Leave;
  QString Expected;
};

TEST(GridSpin, CommittedValuesStayWithinTheLimits) {
  const std::vector<TSpinCase> cases = {
      {"5", "500", Qt::Key_Return, "100"}, {"5", "-7", Qt::Key_Return, "0"},  {"5", "42", Qt::Key_Return, "42"},
      {"5", "500", Qt::Key_Down, "100"},   {"5", "500", Qt::Key_Escape, "5"},
  };
  for (const TSpinCase& c : cases) {
    TEditedGrid g;
    g.Grid->DefaultEditor = edSpinEdit;
    g.Open(1, 1, c.Cell);
    ASSERT_EQ(g.Focused(), g.Factory->SpinEdit());
    g.Key(Qt::Key_A, Qt::ControlModifier);
    g.Type(c.Typed);
    g.Key(c.Leave);
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Expected) << c.Typed.toStdString() << " " << c.Leave;
    EXPECT_FALSE(g.Factory->SpinEdit()->isVisible());
  }
}

TEST(GridSpin, LosingTheFocusCommitsWithinTheLimits) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edSpinEdit;
  g.Open(1, 1, "5");
  g.Key(Qt::Key_A, Qt::ControlModifier);
  g.Type("250");
  g.Other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(g.Grid->Cells(1, 1), "100");
  EXPECT_FALSE(g.Grid->EditMode());
}

TEST(GridSpin, PageKeysStepWithinTheLimitsAndHomeEndJump) {
  const std::vector<std::tuple<QString, Qt::Key, QString>> cases = {
      {"100", Qt::Key_PageUp, "100"}, {"99", Qt::Key_PageUp, "100"}, {"0", Qt::Key_PageDown, "0"},
      {"50", Qt::Key_End, "0"},       {"50", Qt::Key_Home, "100"},
  };
  for (const auto& [cell, key, shown] : cases) {
    TEditedGrid g;
    int clicks = 0;
    g.Grid->OnSpinClick = [&](TQrvStringGrid*, int32_t, int32_t, int32_t, bool up) {
      ++clicks;
      EXPECT_FALSE(up);
    };
    g.Grid->DefaultEditor = edSpinEdit;
    g.Open(1, 1, cell);
    g.Key(key);
    EXPECT_EQ(g.Factory->SpinEdit()->text(), shown) << cell.toStdString() << " " << key;
    EXPECT_EQ(clicks, 1);
  }
}

TEST(GridSpin, ColumnRangeComesFromTheGrid) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edSpinEdit;
  g.Grid->SpinMin = -10;
  g.Grid->SpinMax = 10;
  g.Open(1, 1, "3");
  g.Key(Qt::Key_End);
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(1, 1), "-10");
}

struct TUnitCase {
  QString Cell;
  QString Value;
  QString Unit;
};

TEST(GridUnitEdit, SplitsTheCellAndJoinsItAgain) {
  const std::vector<TUnitCase> cases = {
      {"12.5mm", "12.5", "mm"},
      {"3m", "3", "m"},
      {"100", "100", ""},
      {"5mm2mm", "5mm2mm", ""},
  };
  for (const TUnitCase& c : cases) {
    TEditedGrid g;
    g.Grid->DefaultEditor = edUnitEditBtn;
    g.Grid->OnGetEditorProp = [&](TQrvStringGrid*, int32_t, int32_t, TEditLink*) {
      g.Factory->BtnUnitEdit()->SetUnits({"m", "mm"});
    };
    g.Open(1, 1, c.Cell);
    EXPECT_EQ(g.Factory->BtnUnitEdit()->text(), c.Value) << c.Cell.toStdString();
    EXPECT_EQ(g.Factory->BtnUnitEdit()->UnitID(), c.Unit) << c.Cell.toStdString();
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Cell) << "the cell keeps its text when nothing was typed";
  }
}

TEST(GridUnitEdit, ANewValueKeepsItsUnitWithoutASeparator) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edNumericUnitEditBtn;
  g.Grid->OnGetEditorProp = [&](TQrvStringGrid*, int32_t, int32_t, TEditLink*) {
    g.Factory->BtnUnitEdit()->SetUnits({"mm"});
  };
  g.Open(1, 1, "12mm");
  g.Key(Qt::Key_A, Qt::ControlModifier);
  g.Type("7x");
  EXPECT_EQ(g.Beeps, 1);
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->Cells(1, 1), "7mm");
}

TEST(GridEditBtn, EllipsisAnswerIsShownSelectedOrWrittenAtOnce) {
  for (const bool stop : {false, true}) {
    TEditedGrid g;
    g.Grid->DefaultEditor = edEditBtn;
    g.Grid->OnEllipsClick = [](TQrvStringGrid*, int32_t c, int32_t r, QString& s) {
      s = QString("%1 at %2,%3").arg(s).arg(c).arg(r);
    };
    g.Factory->BtnEdit()->StopEditAfterClick = stop;
    g.Open(2, 1, "x");
    g.Key(Qt::Key_F4);
    if (stop) {
      EXPECT_EQ(g.Grid->Cells(2, 1), "x at 2,1");
      EXPECT_FALSE(g.Factory->BtnEdit()->isVisible());
    } else {
      EXPECT_EQ(g.Factory->BtnEdit()->selectedText(), "x at 2,1");
      EXPECT_EQ(g.Grid->Cells(2, 1), "x");
      g.Key(Qt::Key_Return);
      EXPECT_EQ(g.Grid->Cells(2, 1), "x at 2,1");
    }
  }
}

TEST(GridButton, SpaceWritesTheEllipsisAnswer) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edButton;
  g.Grid->OnEllipsClick = [](TQrvStringGrid*, int32_t, int32_t, QString& s) { s = s + "!"; };
  g.Open(1, 1, "Go");
  ASSERT_EQ(g.Focused(), g.Factory->GridButton());
  g.Key(Qt::Key_Space);
  EXPECT_EQ(g.Grid->Cells(1, 1), "Go!");
  EXPECT_EQ(g.Factory->GridButton()->text(), "Go!");
  g.Key(Qt::Key_Escape);
  EXPECT_EQ(g.Grid->Cells(1, 1), "Go") << "Escape puts the original text back";
  EXPECT_EQ(g.Focused(), g.View);
}

TEST(GridCheckBox, SpaceTogglesOnceAndArrowsLeave) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edCheckBox;
  g.Open(1, 1, "Label");
  ASSERT_EQ(g.Focused(), g.Factory->EditCheck());
  EXPECT_EQ(g.Factory->EditCheck()->text(), "Label");
  g.Key(Qt::Key_Space);
  EXPECT_TRUE(g.Factory->EditCheck()->isChecked());
  g.Key(Qt::Key_Space);
  EXPECT_FALSE(g.Factory->EditCheck()->isChecked());
  g.Key(Qt::Key_Down);
  EXPECT_FALSE(g.Factory->EditCheck()->isVisible());
  EXPECT_EQ(g.Grid->Row(), 2);
  EXPECT_EQ(g.Grid->Cells(1, 1), "Label") << "the check-box editor writes nothing";
}

}  // namespace

namespace {

// The spin buttons step the year of a date spin cell; past the last year the date cannot be made and the step
// raises the conversion error without changing the value or firing the spin event.
TEST(GridSpin, DateStepsByTheButtonsAndStopsWithTheEncodeError) {
  struct TPinnedFormats {
    TPinnedFormats() {
      TFormatSettings fs;
      fs.DecimalSeparator = u'.';
      fs.ThousandSeparator = u',';
      fs.DateSeparator = u'.';
      fs.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
      fs.TimeSeparator = u':';
      fs.LongTimeFormat = QStringLiteral("H:mm:ss");
      fs.ShortTimeFormat = QStringLiteral("H:mm");
      Set_Format_Settings_Provider([fs] { return fs; });
    }
    ~TPinnedFormats() { Set_Format_Settings_Provider({}); }
  } pinned;
  TEditedGrid g;
  std::vector<std::pair<double, bool>> clicks;
  g.Grid->OnDateSpinClick = [&](TQrvStringGrid*, int32_t, int32_t, double value, bool up) {
    clicks.emplace_back(value, up);
  };
  g.Grid->DefaultEditor = edDateSpinEdit;
  g.Open(1, 1, "");
  TGridSpin* spin = g.Factory->SpinEdit();
  ASSERT_EQ(g.Focused(), spin);
  spin->SetDateValue(EncodeDate(2020, 5, 17));
  spin->setCursorPosition(static_cast<int>(spin->text().size()));
  spin->UpClick(nullptr);
  EXPECT_EQ(spin->DateValue(), EncodeDate(2021, 5, 17));
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::make_pair(EncodeDate(2021, 5, 17), true));

  spin->SetDateValue(EncodeDate(9999, 12, 31));
  spin->setCursorPosition(static_cast<int>(spin->text().size()));
  try {
    spin->UpClick(nullptr);
    ADD_FAILURE() << "stepping past year 9999 made a date";
  } catch (const EConvertError& e) {
    EXPECT_EQ(QString::fromStdString(e.what()), "Invalid argument to date encode");
  }
  EXPECT_EQ(spin->DateValue(), EncodeDate(9999, 12, 31));
  EXPECT_EQ(clicks.size(), 1u);
  g.Key(Qt::Key_Return);
  EXPECT_EQ(g.Grid->GetDates(1, 1), EncodeDate(9999, 12, 31));
}

}  // namespace
