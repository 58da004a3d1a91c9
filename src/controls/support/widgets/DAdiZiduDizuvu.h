#pragma once
// The owner-drawn button of the grid's search panel: a glyph and a caption, as a push button, a toggle button
// (`tasCheck`) or a member of an exclusive group (`GroupIndex`), with an optional drop-down part and popup menu,
// painted in colour looks with gradients, a hover state and a glyph shadow. It never takes the focus.
#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "UBitmap.h"
#include "UCanvas.h"

class QAction;
class DAdiZiduDizuvuActionLink;

enum DAdiZiduDizuvuStyle { tasButton, tasCheck };

// The component library's own theme-changed notice (message 45109), besides the platform's theme change.
constexpr QEvent::Type ThemeChangedNoticeEventType = QEvent::Type(QEvent::User + 45109);

class DAdiZiduDizuvu : public QWidget {
 public:
  enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
  enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

  explicit DAdiZiduDizuvu(QWidget* parent = nullptr);
  ~DAdiZiduDizuvu() override;

  QAction* Action() const { return FAction; }
  void SetAction(QAction* action);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool value);
  bool AutoXPStyle() const { return FAutoXPStyle; }
  void SetAutoXPStyle(bool value) { FAutoXPStyle = value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value) { Store(FBorderColor, value); }
  TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(TColor value) { FBorderDownColor = value; }
  TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(TColor value) { FBorderHotColor = value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { Store(FColor, value); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor value) { Store(FColorTo, value); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor value) { FColorDown = value; }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor value) { FColorDownTo = value; }
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor value) { FColorHot = value; }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor value) { FColorHotTo = value; }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor value) { Store(FColorChecked, value); }
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor value) { Store(FColorCheckedTo, value); }
  int32_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t value);
  bool Down() const { return FDown; }
  void SetDown(bool value);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool value) { Store(FDropDownButton, value); }
  QMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(QMenu* menu) { FDropDownMenu = menu; }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool value) { setEnabled(value); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool value) { Store(FFlat, value); }
  TFont& Font() { return FFont; }
  void SetFont(const TFont& font);
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap& glyph);
  const TBitmap& GlyphHot() const { return FGlyphHot; }
  void SetGlyphHot(const TBitmap& glyph) { FGlyphHot = glyph; }
  const TBitmap& GlyphDown() const { return FGlyphDown; }
  void SetGlyphDown(const TBitmap& glyph) { FGlyphDown = glyph; }
  const TBitmap& GlyphDisabled() const { return FGlyphDisabled; }
  void SetGlyphDisabled(const TBitmap& glyph) { FGlyphDisabled = glyph; }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout value) { Store(FLayout, value); }
  int32_t Margin() const { return FMargin; }
  void SetMargin(int32_t value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool value) { Store(FRounded, value); }
  bool Shaded() const { return FShaded; }
  void SetShaded(bool value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value) { Store(FShowCaption, value); }
  int32_t Spacing() const { return FSpacing; }
  void SetSpacing(int32_t value) { Store(FSpacing, value); }
  DAdiZiduDizuvuStyle Style() const { return FStyle; }
  void SetStyle(DAdiZiduDizuvuStyle value) { Store(FStyle, value); }
  // Applies one of the seven colour sets (0..6); any other value changes nothing.
  void SetLook(int32_t look);

  TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }
  const TBitmap& GlyphShade() const { return FGlyphShade; }

  std::function<void(DAdiZiduDizuvu*)> OnClick, OnDblClick, OnMouseEnter, OnMouseLeave, OnDropDown;
  std::function<void(DAdiZiduDizuvu*, QMouseEvent*)> OnMouseDown, OnMouseMove, OnMouseUp;

  // Fires OnClick, or triggers the action.
  void Click();
  // An accelerator key: true (handled, and clicked) when it matches the caption's and the button can act.
  bool DialogChar(QChar key);
  // Picks the colour set that matches the desktop's visual style.
  void AdaptToTheme();
  // Mouse enter and leave as the platform reports them.
  void MouseEnter();
  void MouseLeave();
  // Paints the whole button on the canvas at (0, 0).
  void PaintButton(TCanvas& canvas);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  friend class DAdiZiduDizuvuActionLink;
  template <typename T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    update();
  }
  void ButtonPressed(int32_t group, DAdiZiduDizuvu* sender);
  void Update_Exclusive();
  void Hover_Refresh();
  void Rebuild_Shade();
  bool Inside(const QPoint& p) const;
  void Paint_Face(TCanvas& canvas, TRect& r, bool hovered);
  void Paint_Content(TCanvas& canvas, const TRect& content, TPoint offset, TButtonState state, bool hovered);

  QPointer<QAction> FAction;
  std::unique_ptr<DAdiZiduDizuvuActionLink> FActionLink;
  bool FAllowAllUp = false;
  bool FAutoThemeAdapt = false;
  bool FAutoXPStyle = false;
  TColor FBorderColor = clNone;
  TColor FBorderDownColor = clNone;
  TColor FBorderHotColor = clNone;
  TColor FColor = clBtnFace;
  TColor FColorTo = clNone;
  TColor FColorDown = 0xD8D3D2;
  TColor FColorDownTo = clNone;
  TColor FColorHot = 0xCAC7C7;
  TColor FColorHotTo = clNone;
  TColor FColorChecked = 0x808080;
  TColor FColorCheckedTo = clNone;
  int32_t FGroupIndex = 0;
  bool FDown = false;
  bool FDropDownButton = false;
  QPointer<QMenu> FDropDownMenu;
  QString FCaption;
  int FShortcutId = 0;
  bool FFlat = true;
  TFont FFont;
  TBitmap FGlyph, FGlyphHot, FGlyphDown, FGlyphDisabled, FGlyphShade;
  TButtonLayout FLayout = blGlyphLeft;
  int32_t FMargin = -1;
  bool FRounded = false;
  bool FShaded = true;
  bool FShowCaption = true;
  int32_t FSpacing = 4;
  DAdiZiduDizuvuStyle FStyle = tasButton;

  TButtonState FState = bsUp;
  bool FMouseInControl = false;
  bool FDragging = false;
  bool FIsComCtl6 = false;
};
