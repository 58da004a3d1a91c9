#include "UFlatScrollBar.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QPainter>
#include <QStyleOptionSlider>

#include "USysColors.h"

TFlatScrollBar::TFlatScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

void TFlatScrollBar::SetFlatStyle(TFlatScrollStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  // Encarta bars raise the part under the mouse, so they must hear where it is.
  setAttribute(Qt::WA_Hover, style == fssEncarta);
  update();
}

void TFlatScrollBar::SetBackColor(TColor color) {
  if (color == FBackColor) return;
  FBackColor = color;
  update();
}

void TFlatScrollBar::SetExtent(int32_t extent) {
  if (extent == FExtent) return;
  FExtent = extent;
  updateGeometry();
}

QSize TFlatScrollBar::sizeHint() const {
  QSize size = QScrollBar::sizeHint();
  if (FExtent <= 0) return size;
  if (orientation() == Qt::Vertical)
    size.setWidth(FExtent);
  else
    size.setHeight(FExtent);
  return size;
}

namespace {
// A part's edge: none, a thin line, raised or sunken.
enum class TEdge { None, Line, Raised, Sunken };

void Draw_Part(QPainter& p, const QRect& r, const QColor& face, TEdge edge) {
  if (r.isEmpty()) return;
  p.fillRect(r, face);
  p.setBrush(Qt::NoBrush);
  const QColor light = TColorToQColor(clBtnHighlight), dark = TColorToQColor(clBtnShadow);
  switch (edge) {
    case TEdge::None:
      break;
    case TEdge::Line:
      p.setPen(dark);
      p.drawRect(r.adjusted(0, 0, -1, -1));
      break;
    case TEdge::Raised:
    case TEdge::Sunken: {
      p.setPen(edge == TEdge::Raised ? light : dark);
      p.drawLine(r.topLeft(), r.topRight());
      p.drawLine(r.topLeft(), r.bottomLeft());
      p.setPen(edge == TEdge::Raised ? dark : light);
      p.drawLine(r.bottomLeft(), r.bottomRight());
      p.drawLine(r.topRight(), r.bottomRight());
      break;
    }
  }
}

// A small filled triangle pointing away from the bar's middle.
void Draw_Arrow(QPainter& p, const QRect& r, Qt::ArrowType direction, const QColor& color) {
  if (r.isEmpty()) return;
  const int s = std::max(2, std::min(r.width(), r.height()) / 4);
  const QPoint c = r.center();
  QPolygon tri;
  switch (direction) {
    case Qt::UpArrow:
      tri << QPoint(c.x() - s, c.y() + s / 2) << QPoint(c.x() + s, c.y() + s / 2) << QPoint(c.x(), c.y() - s / 2);
      break;
    case Qt::DownArrow:
      tri << QPoint(c.x() - s, c.y() - s / 2) << QPoint(c.x() + s, c.y() - s / 2) << QPoint(c.x(), c.y() + s / 2);
      break;
    case Qt::LeftArrow:
      tri << QPoint(c.x() + s / 2, c.y() - s) << QPoint(c.x() + s / 2, c.y() + s) << QPoint(c.x() - s / 2, c.y());
      break;
    default:
      tri << QPoint(c.x() - s / 2, c.y() - s) << QPoint(c.x() - s / 2, c.y() + s) << QPoint(c.x() + s / 2, c.y());
      break;
  }
  p.setPen(color);
  p.setBrush(color);
  p.drawPolygon(tri);
}
}  // namespace

void TFlatScrollBar::paintEvent(QPaintEvent* e) {
  if (FStyle == fssRegular) {
    QScrollBar::paintEvent(e);
    return;
  }
  QStyleOptionSlider opt;
  initStyleOption(&opt);
  QPainter p(this);
  p.fillRect(rect(), TColorToQColor(FBackColor == clNone ? clScrollBar : FBackColor));
  const QColor face = TColorToQColor(clBtnFace);
  const QColor ink = TColorToQColor(isEnabled() ? clBtnText : clGrayText);
  const bool vertical = orientation() == Qt::Vertical;
  struct TPart {
    QStyle::SubControl Control;
    Qt::ArrowType Arrow;
  };
  const TPart parts[] = {{QStyle::SC_ScrollBarSubLine, vertical ? Qt::UpArrow : Qt::LeftArrow},
                         {QStyle::SC_ScrollBarAddLine, vertical ? Qt::DownArrow : Qt::RightArrow},
                         {QStyle::SC_ScrollBarSlider, Qt::NoArrow}};
  for (const TPart& part : parts) {
    const QRect r = style()->subControlRect(QStyle::CC_ScrollBar, &opt, part.Control, this);
    // Everything fits: no thumb to show.
    if (part.Control == QStyle::SC_ScrollBarSlider && (minimum() == maximum() || !isEnabled())) continue;
    const bool active = opt.activeSubControls & part.Control;
    const bool pressed = active && (opt.state & QStyle::State_Sunken);
    TEdge edge = FStyle == fssFlat ? TEdge::Line : TEdge::None;
    if (pressed)
      edge = TEdge::Sunken;
    else if (FStyle == fssEncarta && active)
      edge = TEdge::Raised;
    Draw_Part(p, r, pressed && FStyle == fssFlat ? face.darker(115) : face, edge);
    if (part.Arrow != Qt::NoArrow) Draw_Arrow(p, r, part.Arrow, ink);
  }
}

TFlatScrollBars::TFlatScrollBars(QAbstractScrollArea& area)
    : FArea(area), FVert(new TFlatScrollBar(Qt::Vertical)), FHorz(new TFlatScrollBar(Qt::Horizontal)) {
  area.setVerticalScrollBar(FVert);
  area.setHorizontalScrollBar(FHorz);
}

bool TFlatScrollBars::Initialize() {
  FActive = true;
  return true;
}

void TFlatScrollBars::Uninitialize() {
  if (!FActive) return;
  FActive = false;
  for (TFlatScrollBar* bar : {FVert, FHorz}) {
    bar->SetFlatStyle(fssRegular);
    bar->SetBackColor(clNone);
    bar->SetExtent(0);
  }
  FHidden[0] = FHidden[1] = false;
  Relayout();
  if (OnShowChanged) OnShowChanged();
}

void TFlatScrollBars::SetProp(TFlatScrollProp prop, int32_t value, bool redraw) {
  if (!FActive) return;
  switch (prop) {
    case fspVertWidth:
    case fspHorzHeight:
      if (Bar(prop == fspVertWidth)->Extent() == value) break;
      Bar(prop == fspVertWidth)->SetExtent(value);
      Relayout();
      break;
    case fspVertColor:
    case fspHorzColor:
      Bar(prop == fspVertColor)->SetBackColor(static_cast<TColor>(value));
      break;
    case fspVertStyle:
    case fspHorzStyle:
      Bar(prop == fspVertStyle)->SetFlatStyle(static_cast<TFlatScrollStyle>(value));
      break;
  }
  if (redraw) Bar(prop == fspVertWidth || prop == fspVertColor || prop == fspVertStyle)->update();
}

void TFlatScrollBars::Show(bool vertical, bool show) {
  if (!FActive || FHidden[vertical ? 0 : 1] == !show) return;
  FHidden[vertical ? 0 : 1] = !show;
  if (OnShowChanged) OnShowChanged();
}

void TFlatScrollBars::Relayout() {
  // The area places its bars by their size hints when it lays itself out.
  QEvent request(QEvent::LayoutRequest);
  QCoreApplication::sendEvent(&FArea, &request);
}
