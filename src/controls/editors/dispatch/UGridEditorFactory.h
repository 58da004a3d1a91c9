#pragma once
// The in-place editors of one grid window: made on first use, shown over the cell the grid names, read back when
// the grid closes them. The grid model reaches them through IGridEditors; the window owns them. Which editor a
// special kind opens is the registry's to say (UGridEditorRegistry.h); the text editor and the fixed-cell editors
// are the window's own.
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "UGridCellEditor.h"
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

class TGridEditorFactory : public IGridEditors, public IGridEditorHost {
 public:
  // Gives the window's grid its editors (an advanced grid only; any other grid keeps none). The window owns them.
  static void Install(TGridView& view);
  TGridEditorFactory(TGridView& view, TQrvStringGrid& grid);
  ~TGridEditorFactory() override;
  TGridEditorFactory(const TGridEditorFactory&) = delete;
  TGridEditorFactory& operator=(const TGridEditorFactory&) = delete;

  // The editor of a special kind, made at its first use; null for a kind the registry has no maker for.
  TGridCellEditor* Editor(TEditorType kind);
  // The text editor, made when the grid first shows it.
  TQrvInplaceEdit* NormalEdit();
  // The editors of the standard kinds, made at their first use.
  TGridCombo* Combobox();
  TGridSpin* SpinEdit();
  TGridDatePicker* DateTimePicker();
  TGridDateTimePicker* DateAndTimePicker();
  TGridEditBtn* BtnEdit();
  TGridUnitEditBtn* BtnUnitEdit();
  TGridCheckBox* EditCheck();
  TGridButton* GridButton();
  // The in-place rich editor of rich-text cells, made at its first use; null before.
  VAruDoreRido* InplaceRichEdit() const;
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

  TGridView& View() override { return FView; }
  TQrvStringGrid& Grid() override { return FGrid; }
  void Present(QWidget* control, const TEditorPlace& place, int32_t grow) override;
  void PutAway(QWidget* control) override;

 private:
  // The editor of the kind when it was made already; null otherwise.
  TGridCellEditor* Made(TEditorType kind) const;
  template <class TEditor>
  TEditor* EditorAs(TEditorType kind) {
    return dynamic_cast<TEditor*>(Editor(kind));
  }
  // The grid's colour tones, when it has them, on the buttons of the editors made so far.
  void ApplyTones();

  TGridView& FView;
  TQrvStringGrid& FGrid;
  std::unique_ptr<TQrvInplaceEdit> FNormalEdit;
  // One editor per maker of the registry, by the maker's number.
  std::vector<std::unique_ptr<TGridCellEditor>> FEditors;
  std::unique_ptr<TGridTransEdit> FTransEdit;
  std::unique_ptr<TGridTransCombo> FTransCombo;
  QPointer<QWidget> FEditCtrl;
  TBalloon FBalloon;
};
