#pragma once
// The push button of every window: paints its whole face itself, with hot tracking, glyph cells, kind and
// colour presets, default and cancel keys, accelerators, a modal result for its window and a popup menu.
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "LbButtons.h"
#include "UApplication.h"
#include "UBitmap.h"
#include "UCanvasTools.h"
#include "UTypes.h"

class QKeyEvent;

// Guarded: its click runs the window's OnClick, whose exceptions must not unwind the toolkit's mouse delivery.
class TLbButton : public TGuarded<QWidget> {
  Q_OBJECT

 public:
  explicit TLbButton(QWidget* parent = nullptr);
  ~TLbButton() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TLbColorStyle ColorStyle() const { return FDummyStyle; }
  void SetColorStyle(TLbColorStyle value);
  TColor ColorWhenDown() const { return FColorWhenDown; }
  void SetColorWhenDown(TColor value) { FColorWhenDown = value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& value);
  // The glyph strip; an empty bitmap clears it.
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap& value);
  QString Hint() const { return FHint; }
  void SetHint(const QString& value);
  // Off: the button keeps its hint text but shows no tooltip.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  TColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(TColor value) { FHotTrackColor = value; }
  const TFont& HotTrackFont() const { return FHTFont; }
  void SetHotTrackFont(const TFont& value) { FHTFont = value; }
  TLbButtonKind Kind() const { return FKind; }
  void SetKind(TLbButtonKind value);
  TLbButtonLayout Layout() const { return FLayout; }
  void SetLayout(TLbButtonLayout value);
  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value);
  int32_t NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int32_t value);
  QMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(QMenu* menu);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor value);
  bool SlowDecease() const { return FSlowDecease; }
  void SetSlowDecease(bool value);
  TLbButtonStyle Style() const { return FStyle; }
  void SetStyle(TLbButtonStyle value);
  bool UseHotTrackFont() const { return FUseHTFont; }
  void SetUseHotTrackFont(bool value) { FUseHTFont = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

  std::function<void()> OnClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseExit;

  // Presses and clicks the button as the mouse, keys and accelerators do.
  void Click();
  // The Enter or Esc key offered by the window; true when the button took it.
  bool DialogKey(int key, Qt::KeyboardModifiers modifiers);
  // A typed character offered by the window; true when it is the caption's accelerator and the button clicked.
  bool DialogChar(QChar c);

  // State the painter sees, readable for the window and for tests.
  bool Down() const { return bDown; }
  bool CursorOnButton() const { return bCursorOnButton; }
  int32_t HotTrackStep() const { return FHotTrackStep; }
  // True when the style lets the parent show through the face's magenta corners.
  bool TransparentWindow() const { return FTransparentWindow; }
  const TLbButtonThread* FadeThread() const { return FThread.get(); }
  // One tick of the fade-out.
  void FadeStep();
  // Composes the face as the screen shows it (magenta where the parent shows through).
  TBitmap PaintFace();
  // The face painter's inputs for the current state.
  TLbFaceState FaceState() const;

  QSize sizeHint() const override { return QSize(100, 23); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool Guarded_Event(QEvent* event) override;

 private:
  void ClickAction();
  bool Parent_Showing() const;
  bool Hot() const;
  void Stop_Thread();
  void Mouse_Left();
  // The mouse pointer is over the button, and its window takes input (no modal window above it).
  bool Mouse_Really_Over() const;
  // A press whose release can still come: the left button held since it went down here, or a key held.
  bool Press_Still_Held() const;
  // Ends the press and the hot look at once, without a fade: the button cannot act or has lost the mouse.
  void Drop_States();
  // Hot exactly when the mouse is really over the button; a leftover hot look (its leave never came) goes.
  void Refresh_Hot();

  TAlignment FAlignment = taCenter;
  TColor FShadowColor = clGray;
  TColor FColorWhenDown = clNone;
  bool FEnabled = true;
  bool FFlat = false;
  bool FWordWrap = false;
  TBitmap FGlyph;
  TColor FHotTrackColor = clNone;
  TFont FHTFont;
  TLbButtonKind FKind = bkCustom;
  TLbButtonLayout FLayout = blGlyphLeft;
  TColor FLightColor = clWhite;
  TModalResult FModalResult = mrNone;
  int32_t FNumGlyphs = 0;
  bool FUseHTFont = false;
  TLbColorStyle FDummyStyle = lcsCustom;
  TLbButtonStyle FStyle = bsNormal;
  bool FDefault = false;
  bool FCancel = false;
  bool FSlowDecease = false;
  bool bDown = false;
  bool bCursorOnButton = false;
  std::unique_ptr<TLbButtonThread> FThread;
  int32_t FHotTrackStep = 0;

  QString FCaption;
  QString FHint;
  bool FShowHint = true;
  TColor FColor = clBtnFace;
  TFont FFont;
  QPointer<QMenu> FPopupMenu;
  bool FTransparentWindow = false;
  bool FDestroying = false;
  // Enter or Space went down on this button; only then does its release click.
  bool FKeyHeld = false;
  // The left mouse button went down on this button and its release has not come yet.
  bool FMouseHeld = false;
  // The toolkit's shortcut for Alt with the caption's accelerator; 0 for none.
  int FShortcutId = 0;
};

// Offers Enter or Esc to the buttons of a window, in the order they were created; true when one took it.
bool Offer_Dialog_Key(QWidget* window, int key, Qt::KeyboardModifiers modifiers);
// Offers a typed character to the buttons of a window as their accelerator; true when one clicked.
bool Offer_Dialog_Char(QWidget* window, QChar c);
