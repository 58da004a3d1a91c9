#include "LbButtons.h"

#include <algorithm>

#include "USysColors.h"

TLbColorPreset ColorStylePreset(TLbColorStyle style) {
  //                       Color     Light     Shadow    WhenDown  HotTrack  Flat   Font      Modern Quicken
  switch (style) {
    case lcsGold:
      return {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, false, 0x000000, true, false};
    case lcsChrome:
      return {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, false, 0x000000, true, false};
    case lcsBlue:
      return {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, false, 0x000000, true, false};
    case lcsRed:
      return {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, false, 0x000000, true, false};
    case lcsUltraFlat1:
      return {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, true, 0x000000, false, false};
    case lcsUltraFlat2:
      return {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, true, 0x000000, false, false};
    case lcsUltraFlatXP:
      return {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, true, 0x000000, false, false};
    case lcsAqua:
      return {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, false, 0x000000, true, false};
    case lcsDefault:
      return {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, false, 0x000000, false, false};
    case lcsQuicken:
      return {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, false, 0xFFFFFF, false, true};
    case lcsCustom:
      break;
  }
  return TLbColorPreset{};
}

TColor HotTrackBlendColor(TColor face, TColor hot, int32_t step) {
  const TColor f = ColorToRGB(face), h = ColorToRGB(hot);
  const double t = step / 8.0;
  auto mix = [t](int a, int b) { return int(a * (1.0 - t) + b * t); };
  return RGB(mix(GetRValue(f), GetRValue(h)), mix(GetGValue(f), GetGValue(h)), mix(GetBValue(f), GetBValue(h)));
}

void FillBandGradient(TCanvas& canvas, TColor start, TColor end, int32_t left, int32_t right, int32_t top,
                      int32_t bottom) {
  const TColor s = ColorToRGB(start), e = ColorToRGB(end);
  const int32_t span = bottom - top;
  const int32_t band = span / 31 + 1;
  double r = GetRValue(s), g = GetGValue(s), b = GetBValue(s);
  const double dr = (GetRValue(e) - r) / 31.0, dg = (GetGValue(e) - g) / 31.0, db = (GetBValue(e) - b) / 31.0;
  const TBrush savedBrush = canvas.Brush();
  canvas.Brush().Style = bsSolid;
  for (int32_t i = 0; i <= 31; ++i) {
    const int32_t y = top + (i * span) / 31;
    canvas.Brush().Color = RGB(int(r), int(g), int(b));
    canvas.FillRect(Rect(left, y, right, std::min(y + band, bottom)));
    r += dr;
    g += dg;
    b += db;
  }
  canvas.SetBrush(savedBrush);
}

void DrawGlyphCell(TCanvas& canvas, const TBitmap& glyph, int32_t x, int32_t y, int32_t cellX, int32_t cellY,
                   int32_t cellWidth, int32_t cellHeight) {
  if (glyph.Empty() || cellWidth <= 0 || cellHeight <= 0) return;
  TBitmap cell(glyph);
  cell.SetSize(cellWidth, cellHeight);
  cell.SetTransparent(false);
  cell.Canvas().DrawImage(-cellX, -cellY, glyph.Image());
  cell.SetTransparentMode(tmAuto);
  cell.SetTransparent(true);
  canvas.Draw(x, y, cell);
}

TLbButtonThread::TLbButtonThread(std::function<void()> notify) : FNotify(std::move(notify)) {
  FTimer.setInterval(Tick_Ms);
  QObject::connect(&FTimer, &QTimer::timeout, [this] { DoEvent(); });
}

void TLbButtonThread::Resume() {
  FTimer.start();
}

void TLbButtonThread::Suspend() {
  FTimer.stop();
}

void TLbButtonThread::DoEvent() {
  if (FNotify) FNotify();
}
