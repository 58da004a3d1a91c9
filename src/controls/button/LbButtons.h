#pragma once
// What the owner-drawn button needs besides its class: its enumerations, the colour presets, the face painter
// with its helpers and the pacer of the hot-track fade-out.
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "UBitmap.h"
#include "UCanvas.h"
#include "UTypes.h"

enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TLbColorStyle {
  lcsCustom,
  lcsGold,
  lcsChrome,
  lcsBlue,
  lcsRed,
  lcsUltraFlat1,
  lcsUltraFlat2,
  lcsUltraFlatXP,
  lcsAqua,
  lcsDefault,
  lcsQuicken
};

struct TLbColorPreset {
  TColor Color = clBtnFace;
  TColor LightColor = clWhite;
  TColor ShadowColor = clGray;
  TColor ColorWhenDown = clNone;
  TColor HotTrackColor = clNone;
  bool Flat = false;
  TColor FontColor = clBlack;
  bool Modern = false;
  bool Quicken = false;
};

// The values a colour preset writes; lcsCustom gives the values of a new button and writes nothing.
TLbColorPreset ColorStylePreset(TLbColorStyle style);

// Everything the face painter needs to know of a button.
struct TLbFaceState {
  TAlignment Alignment = taCenter;
  QString Caption;
  TLbButtonLayout Layout = blGlyphLeft;
  TFont Font;
  TColor ShadowColor = clGray;
  TColor LightColor = clWhite;
  TColor HotTrackColor = clNone;
  TColor ColorWhenDown = clNone;
  TColor Color = clBtnFace;
  TLbButtonStyle Style = bsNormal;
  bool HasPopupMenu = false;
  bool WordWrap = false;
  bool Flat = false;
  bool Enabled = true;
  bool NoBackground = false;
  bool Hot = false;
  bool Pressed = false;
  const TBitmap* Glyph = nullptr;
  int32_t NumGlyphs = 0;
  int32_t HotTrackStep = 0;
};

// Paints one face of W x H pixels onto the canvas.
void PaintLbButtonFace(TCanvas& canvas, int32_t width, int32_t height, const TLbFaceState& state);
// Fills the rectangle with 32 bands running from the start colour towards the end colour.
void FillBandGradient(TCanvas& canvas, TColor start, TColor end, int32_t left, int32_t right, int32_t top,
                      int32_t bottom);
// The face colour a hot-track step 0..8 shows: 0 the face, 8 the hot-track colour.
TColor HotTrackBlendColor(TColor face, TColor hot, int32_t step);
// Draws cell (cellX, cellY) of the glyph, of the given size, at (x, y) with its bottom-left colour transparent.
void DrawGlyphCell(TCanvas& canvas, const TBitmap& glyph, int32_t x, int32_t y, int32_t cellX, int32_t cellY,
                   int32_t cellWidth, int32_t cellHeight);

// Paces the fade-out: while resumed it calls its notification every 30 ms on the UI thread. A timer stands in
// for a worker thread, since the worker would only sleep and hand every tick to the UI thread anyway.
class TLbButtonThread {
 public:
  static constexpr int Tick_Ms = 30;

  explicit TLbButtonThread(std::function<void()> notify);
  void Resume();
  void Suspend();
  bool Suspended() const { return !FTimer.isActive(); }
  // Runs one tick as the timer would.
  void DoEvent();

 private:
  std::function<void()> FNotify;
  QTimer FTimer;
};
