#include "UHeaderDragButton.h"

#include "UCanvas.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"

THeaderDragButton::THeaderDragButton(TQrvStringGrid& grid, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      FGrid(grid) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setEnabled(false);
  hide();
}

void THeaderDragButton::SetCaption(const QString& value) {
  if (value == FCaption) return;
  FCaption = value;
  update();
}

void THeaderDragButton::SetFlat(bool value) {
  if (value == FFlat) return;
  FFlat = value;
  update();
}

void THeaderDragButton::paintEvent(QPaintEvent*) {
  TCanvas canvas(static_cast<QPaintDevice*>(this));
  // The window's border, then the client area inside it as the grid paints a fixed cell.
  canvas.Brush().Color = clWindowFrame;
  canvas.Brush().Style = bsSolid;
  canvas.FrameRect(TRect{0, 0, width(), height()});
  const TRect client{1, 1, std::max(1, width() - 1), std::max(1, height() - 1)};
  canvas.Brush().Color = clBtnFace;
  canvas.FillRect(client);
  FGrid.PaintCellExt(canvas, 0, 0, client, TGridDrawState());
  canvas.SetBkMode(bkTransparent);
  canvas.SetFont(FGrid.FixedFont);
  if (FCaption.contains(QLatin1String("</"))) {
    TMarkupParams params;
    params.Images = FGrid.GridImages;
    TMarkupOutputs outputs;
    RenderMarkup(canvas, FCaption, client, params, outputs);
    return;
  }
  TRect text = client;
  canvas.DrawText(FCaption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
