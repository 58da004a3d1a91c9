#pragma once
// The in-place editor controls of one grid window: made on first use, shown over the cell the grid names, read
// back when the grid closes them. The grid model reaches them through IGridEditors; the window owns them.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "UGridEditors.h"

class TGridCombo;
class TGridView;
class TQrvInplaceEdit;
class TQrvStringGrid;

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

 private:
  // Hides a control; the grid takes the focus first when the control has it.
  void PutAway(QWidget* control);

  TGridView& FView;
  TQrvStringGrid& FGrid;
  std::unique_ptr<TQrvInplaceEdit> FNormalEdit;
  std::unique_ptr<TGridCombo> FCombo;
  QPointer<QWidget> FEditCtrl;
  TBalloon FBalloon;
};
