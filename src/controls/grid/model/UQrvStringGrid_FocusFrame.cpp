// The glow around the edited cell: a soft light-blue ring the window shows just outside the cell while the edit
// runs, so the cell being typed into stands out even in a dense grid.
#include <QPainter>

#include "UGridAlphaMask.h"
#include "UGridHost.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"

namespace {

constexpr int32_t FrameOut = 4;  // pixels the glow reaches past the cell's left and top
constexpr int32_t FrameGrow = 9;
constexpr TColor GlowColor = 0xFDD397;
constexpr uint8_t GlowOpacity = 230;

}  // namespace

QImage TQrvStringGrid::FocusGlowPicture(int32_t cellWidth, int32_t cellHeight) {
  const int32_t w = std::max(cellWidth, 0) + FrameGrow;
  const int32_t h = std::max(cellHeight, 0) + FrameGrow;
  QImage mask;
  BlurredRoundRectMask(mask, w, h, 4, 5, 3.0);
  QImage colour(w, h, QImage::Format_RGB888);
  colour.fill(TColorToQColor(GlowColor));
  TGridAlphaMask glow;
  glow.SetOpacity(GlowOpacity);
  glow.MergeMask(mask, colour, GlowColor);
  QImage picture = glow.Image();
  QPainter painter(&picture);
  // The opacity is part of the picture, and the cell itself stays clear so the editor is never tinted.
  painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  painter.fillRect(picture.rect(), QColor(0, 0, 0, GlowOpacity));
  painter.setCompositionMode(QPainter::CompositionMode_Clear);
  painter.fillRect(FrameOut, FrameOut, cellWidth, cellHeight, Qt::transparent);
  return picture;
}

void TQrvStringGrid::ShowFocusFrame(const TRect& cell) {
  FFocusFrameShown = true;
  if (!Host()) return;
  const TRect frame{cell.Left - FrameOut, cell.Top - FrameOut, cell.Right - FrameOut + FrameGrow,
                    cell.Bottom - FrameOut + FrameGrow};
  Host()->ShowFocusFrame(FocusGlowPicture(cell.Right - cell.Left, cell.Bottom - cell.Top), frame);
}

void TQrvStringGrid::PlaceFocusWindow() {
  if (FFocusFrameShown) ShowFocusFrame(CellRect(Col(), Row()));
}

void TQrvStringGrid::HideFocusFrame() {
  if (!FFocusFrameShown) return;
  FFocusFrameShown = false;
  if (Host()) Host()->HideFocusFrame();
}
