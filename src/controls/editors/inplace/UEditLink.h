#pragma once
// The pluggable cell editor: the owner derives a link, makes its control in CreateEditor, moves the value in and
// out as text, and assigns the link to the grid (or a column). The grid opens the link in the cell or in a
// borderless popup window, the link hands the navigation keys back to the grid and commits on leaving.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "UGridEditors.h"
#include "UGridKeys.h"

class TGridView;
class TQrvStringGrid;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public QObject {
 public:
  explicit TEditLink(QObject* owner = nullptr);
  ~TEditLink() override;

  TQrvStringGrid* Grid() const { return FOwner; }
  TPoint EditCell() const { return FEditCell; }
  QWidget* PopupForm() const { return FPopupForm; }

  // The owner's part.
  virtual void EditKeyDown(QObject* sender, uint16_t& key, TShiftState shift);
  virtual QWidget* GetEditControl() { return nullptr; }
  virtual void CreateEditor(QWidget* parent) { (void)parent; }
  virtual void DestroyEditor() {}
  virtual void SetFocus(bool value);
  virtual void SetRect(const TRect& r);
  virtual void SetVisible(bool value);
  virtual void SetProperties() {}
  virtual void SetCellProps(TColor color, const TFont& font) {
    (void)color;
    (void)font;
  }
  virtual QString GetEditorValue() { return {}; }
  virtual void SetEditorValue(const QString& value) { (void)value; }

  void EditExit(QObject* sender);
  void FormExit(QObject* sender);
  QWidget* GetParent();
  QString GetCellValue() const;
  void SetCellValue(const QString& value);
  void HideEditor();
  void RestoreWinProc();

  // The grid's part: opening at a place of the view, committing.
  void Open(TQrvStringGrid& grid, TGridView& view, const TEditorPlace& place);
  QString Commit();
  // The grid's window is going: the link lets go of it (a popup's deactivation then commits nothing).
  void Forget(const TQrvStringGrid* grid);

  bool WantKeyLeftRight = false;
  bool WantKeyUpDown = false;
  bool WantKeyHomeEnd = false;
  bool WantKeyPriorNext = false;
  bool WantKeyReturn = false;
  bool WantKeyEscape = false;
  bool WantReturns = false;
  bool WantTabs = false;
  TEditStyle EditStyle = esInplace;
  int32_t PopupWidth = 0;
  int32_t PopupHeight = 0;
  int32_t Tag = 0;
  bool AutoPopupWidth = false;
  int32_t PopupLeft = -1;
  int32_t PopupTop = -1;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  TQrvStringGrid* FOwner = nullptr;
  QPointer<TGridView> FView;
  // The popup window: another link may free it, so the link keeps a guarded pointer and makes a new one.
  QPointer<QWidget> FPopupForm;
  QPointer<QWidget> FSubClassedControl;
  bool FForcedExit = false;
  // Set when the last key went through EditKeyDown's handling rather than staying with the control.
  bool FKeyHandled = false;
  bool FSubClassed = false;
  TPoint FEditCell{-1, -1};
};
