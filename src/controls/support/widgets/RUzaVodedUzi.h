#pragma once
// The search panel's check box: draws itself, themed or classic, with three states (unticked, ticked, grey), an
// optional background taken from its parent, its own mouse and key handling, and a read-only mode.
#include <QImage>
#include <QWidget>
#include <functional>

#include "UCanvas.h"

class RUzaVodedUzi : public QWidget {
 public:
  enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
  enum TTextLayout { tlTop, tlCenter, tlBottom };

  explicit RUzaVodedUzi(QWidget* parent = nullptr);

  bool Down() const { return FDown; }
  void SetDown(bool value);
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool value);
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool value) { FReturnIsTab = value; }
  TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
  void SetButtonVertAlign(TTextLayout value);
  // taLeftJustify: the box on the left; taRightJustify: on the right.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool TransparentChaching() const { return FTransparentCaching; }
  void SetTransparentChaching(bool value) { FTransparentCaching = value; }
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }
  TFont& Font() { return FFont; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value);

  bool Hot() const { return FHot; }
  bool Focused() const { return FFocused; }
  bool BackgroundCached() const { return FBkgCache; }
  bool ClicksDisabled() const { return FClicksDisabled; }

  std::function<void(RUzaVodedUzi*)> OnClick;
  std::function<void(RUzaVodedUzi*, QMouseEvent*)> OnMouseDown, OnMouseMove, OnMouseUp;
  std::function<void(RUzaVodedUzi*, QKeyEvent*)> OnKeyDown, OnKeyUp;

  // Ticked becomes unticked, anything else ticked; nothing when read-only.
  virtual void Toggle();
  // An accelerator key: true (handled) when it matches the caption's and the box can take the focus.
  bool DialogChar(QChar key);
  // Moves and sizes the control; a cached parent background no longer fits.
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  // Paints the whole control on the canvas at (0, 0).
  void PaintBox(TCanvas& canvas);
  // The rectangle the box is drawn in, themed or classic as the paint decides now.
  TRect BoxRect() const;
  bool Themed() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Click();
  void Invalidate_Box_Strip();
  bool Inside(const QPoint& p) const;
  QImage Parent_Background() const;
  void Bounds_Changed();

  bool FDown = false;
  TCheckBoxState FState = cbUnchecked;
  bool FFocused = false;
  bool FReturnIsTab = false;
  TTextLayout FBtnVAlign = tlTop;
  TAlignment FAlignment = taLeftJustify;
  bool FEllipsis = false;
  QString FCaption;
  bool FIsWinXP = false;
  bool FHot = false;
  bool FClicksDisabled = false;
  bool FReadOnly = false;
  bool FMouseDown = false;
  QImage FBkgBmp;
  bool FBkgCache = false;
  bool FTransparentCaching = false;
  bool FTransparent = false;
  TFont FFont;
  TColor FColor = clBtnFace;
  int FShortcutId = 0;
};
