#include "UGridSpin.h"

#include <QApplication>
#include <QDateTime>
#include <algorithm>

#include "UDateParse.h"
#include "UDateTime.h"
#include "UEditorTones.h"
#include "UGridEditorSteps.h"
#include "UQrvStringGrid.h"
#include "UStrUtils.h"
#include "UValueText.h"

TGridSpin::TGridSpin(TQrvStringGrid& grid, QWidget* view, QWidget* parent) : TGridAdapter(grid, view, parent) {
  SetMaxValue(100);
  SetMinValue(0);
  SetIncrement(1);
  OnChange = [this](TQsgSpinEdit*) {
    if (!FDetached) FGrid.EditorChanged(text());
    if (FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), text());
  };
}

bool TGridSpin::Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) {
  Begin();
  FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
  Load(kind, FGrid.GetEditText(place.Col, place.Row));
  host.Present(this, place, 0);
  // Opened by a press on the spin pair drawn in the cell: that press is the pair's first click.
  if (FGrid.SpinPress() > 0) UpClick(nullptr);
  if (FGrid.SpinPress() < 0) DownClick(nullptr);
  return true;
}

void TGridSpin::ApplyTones(const TColorTones& tones, TColor) {
  Apply_Editor_Tones(tones, *this);
}

void TGridSpin::Load(TEditorType kind, const QString& text) {
  FDetached = false;
  SetMinValue(FGrid.SpinMin);
  SetMaxValue(FGrid.SpinMax);
  SetIncrement(FGrid.SpinStep);
  SetExcelStyleDecimalSeparator(FGrid.ExcelStyleDecimalSeparator);
  setText(text);
  switch (kind) {
    case edFloatSpinEdit: {
      SetSpinType(sptFloat);
      bool ok = false;
      const double value = ExtractNumberText(text).toDouble(&ok);
      SetFloatValue(ok ? value : 0);
      break;
    }
    case edTimeSpinEdit:
      SetSpinType(sptTime);
      setText(text);
      break;
    case edDateSpinEdit: {
      SetSpinType(sptDate);
      TDateTime date = 0;
      SetDateValue(!Trim(text).isEmpty() && ParseLocaleDateTime(text, date) ? date : Now_DateTime());
      break;
    }
    default: {
      SetSpinType(sptNormal);
      int32_t value = 0;
      // The runtime's reading: what stands before the first character that does not belong counts.
      QString digits = Trim(text);
      int32_t end = 0;
      while (end < digits.size() && (digits[end].isDigit() || (end == 0 && (digits[0] == '-' || digits[0] == '+'))))
        ++end;
      TryStrToInt(digits.left(end), value);
      setText(QString::number(value));
      break;
    }
  }
}

TEditorValue TGridSpin::CommitValue() const {
  TEditorValue value;
  if (AllowEmptyValue() && Trim(text()).isEmpty()) {
    value.Kind = TEditorValue::Text;
    return value;
  }
  switch (SpinType()) {
    case sptNormal:
      value.Kind = TEditorValue::Int;
      value.Integer = MinValue() == MaxValue()
                          ? Value()
                          : std::clamp(Value(), std::min(MinValue(), MaxValue()), std::max(MinValue(), MaxValue()));
      break;
    case sptFloat:
      value.Kind = TEditorValue::Float;
      value.Number = MinFloatValue() == MaxFloatValue()
                         ? FloatValue()
                         : std::clamp(FloatValue(), std::min(MinFloatValue(), MaxFloatValue()),
                                      std::max(MinFloatValue(), MaxFloatValue()));
      break;
    case sptTime:
      value.Kind = TEditorValue::Text;
      value.Str = text();
      break;
    case sptDate:
      value.Kind = TEditorValue::Date;
      value.Number = DateValue();
      break;
  }
  return value;
}

void TGridSpin::FireSpinClick(bool up) {
  switch (SpinType()) {
    case sptNormal:
      if (FGrid.OnSpinClick) FGrid.OnSpinClick(&FGrid, FGrid.Col(), FGrid.Row(), Value(), up);
      break;
    case sptFloat:
      if (FGrid.OnFloatSpinClick) FGrid.OnFloatSpinClick(&FGrid, FGrid.Col(), FGrid.Row(), FloatValue(), up);
      break;
    case sptDate:
      if (FGrid.OnDateSpinClick) FGrid.OnDateSpinClick(&FGrid, FGrid.Col(), FGrid.Row(), DateValue(), up);
      break;
    case sptTime:
      if (FGrid.OnTimeSpinClick) FGrid.OnTimeSpinClick(&FGrid, FGrid.Col(), FGrid.Row(), TimeValue(), up);
      break;
  }
}

void TGridSpin::UpClick(QObject* sender) {
  TQsgSpinEdit::UpClick(sender);
  FireSpinClick(true);
}

void TGridSpin::DownClick(QObject* sender) {
  TQsgSpinEdit::DownClick(sender);
  FireSpinClick(false);
}

void TGridSpin::PageKey(uint16_t key) {
  if (SpinType() == sptNormal) {
    const int64_t v = Value();
    if (key == VK_PRIOR && v + Increment() <= MaxValue()) SetValue(static_cast<int32_t>(v + Increment()));
    if (key == VK_NEXT && v - Increment() >= MinValue()) SetValue(static_cast<int32_t>(v - Increment()));
    if (key == VK_END) SetValue(MinValue());
    if (key == VK_HOME) SetValue(MaxValue());
  } else if (SpinType() == sptFloat) {
    const double v = FloatValue();
    if (key == VK_PRIOR && v + IncrementFloat() <= MaxFloatValue()) SetFloatValue(v + IncrementFloat());
    if (key == VK_NEXT && v - IncrementFloat() >= MinFloatValue()) SetFloatValue(v - IncrementFloat());
    if (key == VK_END) SetFloatValue(MinFloatValue());
    if (key == VK_HOME) SetFloatValue(MaxFloatValue());
  }
  if (FGrid.OnSpinClick) FGrid.OnSpinClick(&FGrid, FGrid.Col(), FGrid.Row(), Value(), false);
}

void TGridSpin::keyPressEvent(QKeyEvent* e) {
  TShiftState shift;
  uint16_t key = Editor_Key(e, shift);
  if (key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME) {
    PageKey(key);
    return;
  }
  if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE && key != VK_UP && key != VK_DOWN) {
    TQsgSpinEdit::keyPressEvent(e);
    return;
  }
  if (key == VK_ESCAPE) {
    setText(FGrid.OriginalCellValue());
    if (SpinType() == sptNormal) {
      int32_t value = 0;
      TryStrToInt(Trim(FGrid.OriginalCellValue()), value);
      SetValue(value);
    } else if (SpinType() == sptFloat) {
      SetFloatValue(FloatValue());
    }
  } else if (!Validate_Editor_Text(FGrid, text())) {
    setText(FGrid.GetCurrentCellText());
    end(false);
    update();
    return;
  } else {
    setText(FGrid.GetCurrentCellText());
  }
  if (key == VK_TAB && (FGrid.Options() & goTabs)) {
    Editor_Tab_Step(FGrid, FView, shift & ssShift);
    return;
  }
  FGrid.DoneInplaceEdit(key, shift);
  if (FGrid.Navigation().AdvanceOnEnter() && FGrid.Navigation().AdvanceAutoEdit()) FGrid.ShowInplaceEdit();
}
