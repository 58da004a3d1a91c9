#pragma once
// The flat scroll bars of a scroll area (the stand-in for the desktop's flat-bar service, UFlatScrollBars.h): the
// area's two bars are replaced once by bars that can draw themselves flat, in a background colour and a thickness
// of their own; switched off, they look and measure like the area's usual bars again.
#include <QScrollBar>
#include <functional>

#include "UFlatScrollBars.h"
#include "UTypes.h"

class QAbstractScrollArea;

class TFlatScrollBar : public QScrollBar {
 public:
  explicit TFlatScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
  TFlatScrollStyle FlatStyle() const { return FStyle; }
  void SetFlatStyle(TFlatScrollStyle style);
  // clNone: the desktop's scroll-bar colour.
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor color);
  // Thickness in pixels; 0 or less: the style's own.
  int32_t Extent() const { return FExtent; }
  void SetExtent(int32_t extent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  TFlatScrollStyle FStyle = fssRegular;
  TColor FBackColor = clNone;
  int32_t FExtent = 0;
};

class TFlatScrollBars : public IFlatScrollBars {
 public:
  // Puts flat-capable bars into `area`; call before anything connects to the area's bars.
  explicit TFlatScrollBars(QAbstractScrollArea& area);
  bool Initialize() override;
  void Uninitialize() override;
  bool Active() const override { return FActive; }
  void SetProp(TFlatScrollProp prop, int32_t value, bool redraw) override;
  void Show(bool vertical, bool show) override;
  // A bar the flat service hid (only while it is on).
  bool Hidden(bool vertical) const { return FActive && FHidden[vertical ? 0 : 1]; }
  // The area decides whether its bars show: it hears when a bar was hidden or shown here.
  std::function<void()> OnShowChanged;
  TFlatScrollBar* Bar(bool vertical) const { return vertical ? FVert : FHorz; }

 private:
  void Relayout();

  QAbstractScrollArea& FArea;
  TFlatScrollBar* FVert;
  TFlatScrollBar* FHorz;
  bool FActive = false;
  bool FHidden[2] = {false, false};
};
