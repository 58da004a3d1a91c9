#pragma once
// The in-place editor controls of one grid window: made on first use, shown over the cell the grid names, read
// back when the grid closes them. The grid model reaches them through IGridEditors; the window owns them.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "UGridEditors.h"

class TGridButton;
class TGridCheckBox;
class TGridCombo;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridEditBtn;
class TGridRichHost;
class TGridSpin;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class TGridView;
class TQrvInplaceEdit;
class TQrvStringGrid;
class VAruDoreRido;

class TGridEditorFactory : public IGridEditors {
 public:
  // Gives the window's grid its editors (an advanced grid only; any other grid keeps none). The window owns them.
  static void Install(TGridView& view);
  TGridEditorFactory(TGridView& view, TQrvStringGrid& grid);
  ~TGridEditorFactory() override;
  TGridEditorFactory(const TGridEditorFactory&) = delete;
  TGridEditorFactory& operator=(const TGridEditorFactory&) = delete;

  // The text editor, made when the grid first shows it.
  TQrvInplaceEdit* NormalEdit();
  // The combo editor, made with the editors.
  TGridCombo* Combobox() const { return FCombo.get(); }
  // The spin editor, made at its first use; the others are made with the editors.
  TGridSpin* SpinEdit();
  TGridDatePicker* DateTimePicker();
  TGridDateTimePicker* DateAndTimePicker();
  // The in-place rich editor of rich-text cells, made at its first use; null before.
  VAruDoreRido* InplaceRichEdit() const;
  TGridEditBtn* BtnEdit() const { return FEditBtn.get(); }
  TGridUnitEditBtn* BtnUnitEdit() const { return FUnitEditBtn.get(); }
  TGridCheckBox* EditCheck() const { return FCheck.get(); }
  TGridButton* GridButton() const { return FButton.get(); }
  // The editors of fixed cells, opened by the grid's fixed-cell editing.
  TGridTransEdit* EditTrans() const { return FTransEdit.get(); }
  TGridTransCombo* ComboTrans() const { return FTransCombo.get(); }
  // The control of the open special editor; null for none.
  QWidget* EditCtrl() const { return FEditCtrl; }
  // The last refusal balloon: where it was shown and what it said.
  struct TBalloon {
    QPointer<QWidget> Target;
    QString Title;
    QString Text;
    int32_t Icon = 0;
  };
  const TBalloon& LastBalloon() const { return FBalloon; }

  void ShowTextEditor(TEditorType kind) override;
  bool TextEditorShowing() const override;
  QString TextEditorText() const override;
  void HideTextEditor() override;
  bool ShowSpecialEditor(TEditorType kind, const TEditorPlace& place) override;
  TEditorValue CommitSpecialEditor(TEditorType kind) override;
  void PostStartChar(QChar ch) override;
  void ShowBalloon(const QString& title, const QString& text, int32_t icon) override;
  void FocusGrid() override;
  void PostEditDone(int32_t realCol, int32_t row) override;
  bool ShowFixedEditor(TGridFixedCellEditor kind, int32_t realCol, int32_t row, const TRect& rect,
                       const QStringList& values) override;
  bool StopFixedEditor() override;

 private:
  // Hides a control; the grid takes the focus first when the control has it.
  void PutAway(QWidget* control);
  // The grid's colour tones, when it has them, on the buttons of the editors made so far.
  void ApplyTones();
  // Shows a control over the place and gives it the focus.
  void Present(QWidget* control, const TEditorPlace& place, int32_t grow);

  TGridView& FView;
  TQrvStringGrid& FGrid;
  std::unique_ptr<TQrvInplaceEdit> FNormalEdit;
  std::unique_ptr<TGridCombo> FCombo;
  std::unique_ptr<TGridSpin> FSpin;
  std::unique_ptr<TGridDatePicker> FDate;
  std::unique_ptr<TGridDateTimePicker> FDateTime;
  std::unique_ptr<TGridEditBtn> FEditBtn;
  std::unique_ptr<TGridUnitEditBtn> FUnitEditBtn;
  std::unique_ptr<TGridCheckBox> FCheck;
  std::unique_ptr<TGridButton> FButton;
  std::unique_ptr<TGridTransEdit> FTransEdit;
  std::unique_ptr<TGridTransCombo> FTransCombo;
  std::unique_ptr<TGridRichHost> FRichHost;
  QPointer<QWidget> FEditCtrl;
  TBalloon FBalloon;
};
