#pragma once
// What the grid model asks of the window that shows it. The model works without one (no window: nothing is
// repainted); the scrolling grid widget implements it and attaches itself with SetHost.
#include <QImage>

#include "UFlatScrollBars.h"
#include "UGridScrollBars.h"
#include "UTypes.h"

class TPopupMenu;

class IGridHost {
 public:
  virtual ~IGridHost() = default;
  // Repaint requests: the whole client area, or one rectangle in client coordinates.
  virtual void InvalidateAll() = 0;
  virtual void InvalidateRect(const TRect& rect, bool erase) = 0;
  // Switches painting off and on around bulk work (the update lock).
  virtual void SetRedraw(bool on) = 0;
  // The window is shown (the update lock counts only then).
  virtual bool IsShowing() const = 0;
  // Counts, sizes or the scroll position changed: scroll ranges and the editor's place follow.
  virtual void GeometryChanged() = 0;
  // The window has the keyboard focus (the selection looks differ without it).
  virtual bool HasFocus() const { return false; }
  // The window takes input (a disabled one shows its cells in the disabled look).
  virtual bool IsEnabled() const { return true; }
  // A scroll bar shown always (enabled or not), or only while it is needed.
  virtual void SetScrollBarShown(bool /*vertical*/, bool /*always*/, bool /*enabled*/) {}
  // A screen point in client coordinates.
  virtual TPoint ScreenToClient(const TPoint& p) const { return p; }
  // Shows a screen cursor (the desktop's cursor numbers) over the grid at once.
  virtual void SetScreenCursor(int32_t /*cursor*/) {}
  // The glow around the edited cell: a picture with per-pixel opacity over `frame` (client coordinates), shown
  // without taking the focus, moved or replaced by the next call; hidden until shown again.
  virtual void ShowFocusFrame(const QImage& /*glow*/, const TRect& /*frame*/) {}
  virtual void HideFocusFrame() {}
  // The window's flat scroll bars; none leaves the usual ones.
  virtual IFlatScrollBars* FlatScrollBars() { return nullptr; }
  // A bar set to proportional positions (0 .. 127) until the next change of counts, sizes or scroll position.
  virtual void SetProportionalScroll(bool /*vertical*/, const TProportionalScroll& /*scroll*/) {}
  // Hides a bar until the next change of counts, sizes or scroll position.
  virtual void HideScrollBar(bool /*vertical*/) {}
  // The thin owner-drawn bars of the ssMetro scroll type, made or dropped.
  virtual void SetScrollControls(bool /*on*/) {}
  virtual bool HasScrollControls() const { return false; }
  // Shows the menu at `at` (client coordinates) with its Tag set, and returns when it has closed.
  virtual void PopupMenu(TPopupMenu* /*menu*/, int32_t /*tag*/, const TPoint& /*at*/) {}
  // Theme changes of the desktop are reported to the grid (on) or no longer (off).
  virtual void WatchThemeChanges(bool /*on*/) {}
  // Controls placed in cells: each is put where the grid's CellControlPlace says.
  virtual void PlaceCellControls() {}
  // The live bar of a scroll-bar cell over `bar` (client coordinates) with positions 0..maximum and its page;
  // hidden until shown again.
  virtual void ShowCellScrollBar(const TRect& /*bar*/, int32_t /*position*/, int32_t /*maximum*/, int32_t /*page*/) {}
  virtual void HideCellScrollBar() {}
  // The colour of the drop-position arrows a column or row move shows, for those made and those still to come.
  virtual void SetMoveArrowColor(TColor /*color*/) {}
};
