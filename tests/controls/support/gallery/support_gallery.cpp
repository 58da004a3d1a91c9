// Writes PNGs to look at by eye: every painter of the support library and every state of its controls.
// Usage: support_gallery [folder] [scale]; the folder defaults to /tmp/support_gallery.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <functional>

#include "DAdiZiduDizuvu.h"
#include "RUzaVodedUzi.h"
#include "UArrowWindow.h"
#include "UButtonParts.h"
#include "UCellGraphics.h"
#include "UColorMath.h"
#include "UFonts.h"
#include "UGradients.h"
#include "UGridAlphaMask.h"
#include "UGridFocusWindow.h"
#include "UQStyleThemeModule.h"
#include "USysColors.h"
#include "UThemeBinding.h"
#include "UTransparentBitmaps.h"

namespace {

QString Folder;
int Scale = 2;

// A sheet with a canvas and small labels.
struct TSheet {
  TSheet(int w, int h) : Image(w, h, QImage::Format_RGB32), Canvas(&Image) { Image.fill(QColor(0xFA, 0xFA, 0xFA)); }
  void Label(int x, int y, const QString& text) {
    Canvas.Font().Name = QStringLiteral("Tahoma");
    Canvas.Font().Height = -9;
    Canvas.Font().Color = 0x505050;
    Canvas.SetBkMode(bkTransparent);
    Canvas.TextOut(x, y, text);
    Canvas.SetBkMode(bkOpaque);
    Canvas.Font().Color = clBlack;
    Canvas.Font().Height = -11;
  }
  bool Save(const QString& name) {
    Canvas.Release();
    return Image.scaled(Image.size() * Scale).save(QDir(Folder).filePath(name));
  }
  QImage Image;
  TCanvas Canvas;
};

bool Gradients() {
  TSheet s(560, 330);
  TCanvas& c = s.Canvas;
  int x = 10;
  for (int steps : {4, 16, 64}) {
    s.Label(x, 2, QStringLiteral("bands %1 h").arg(steps));
    FillGradientBands(c, 0xFF8000, 0x0080FF, steps, Rect(x, 14, x + 80, 44), true);
    s.Label(x + 90, 2, QStringLiteral("v"));
    FillGradientBands(c, clNavy, clAqua, steps, Rect(x + 90, 14, x + 110, 74), false);
    x += 130;
  }
  s.Label(400, 2, QStringLiteral("clNone from"));
  FillGradientBands(c, clNone, 0x40C040, 16, Rect(400, 14, 460, 44), true);
  s.Label(10, 80, QStringLiteral("mirror v / h / sides / solid"));
  FillMirrorGradient(c, Rect(10, 92, 90, 122), 0xFCE9D9, 0xF5D3B8, 0xEBC09D, 0xF9E1CE, true, 0x9C6A3C, false, true);
  FillMirrorGradient(c, Rect(100, 92, 180, 122), 0xFCE9D9, 0xF5D3B8, 0xEBC09D, 0xF9E1CE, false, 0x9C6A3C, false,
                     true);
  FillMirrorGradient(c, Rect(190, 92, 270, 122), 0xD0FFFF, 0x80E0FF, clNone, clNone, true, clRed, true, true);
  FillMirrorGradient(c, Rect(280, 92, 360, 122), 0xC0C0FF, clNone, clNone, clNone, true, clBlack, false, true);
  s.Label(10, 128, QStringLiteral("button gradient 16 v, 4 h with border"));
  DrawButtonGradient(c, 0xFDEADA, 0xE4AE88, clNone, 16, Rect(10, 140, 90, 162), false);
  DrawButtonGradient(c, clWhite, clGray, clBlack, 4, Rect(100, 140, 180, 162), true);
  s.Label(10, 168, QStringLiteral("tab frames kinds 0..4 (4: mirrored body)"));
  for (int kind = 0; kind <= 4; ++kind) {
    const TColor mirror = kind == 4 ? 0xF0D8C0 : clNone;
    DrawTabFrame(c, 0xFFF4EC, 0xF5DCC8, mirror, 0xFFFFFF, clWhite, 0xE8D0C0, 0x9C6A3C, 0xC8A890, 0xFAFAFA,
                 Rect(10 + kind * 90, 180, 90 + kind * 90, 204), kind);
  }
  s.Label(10, 212, QStringLiteral("interpolate 0..7, halve, +7 %, -20 %"));
  for (int i = 0; i <= 7; ++i)
    FillRectColor(c, Rect(10 + i * 16, 224, 24 + i * 16, 240), InterpolateColor(clRed, clBlue, 0, 7, i));
  FillRectColor(c, Rect(150, 224, 166, 240), 0xC08040);
  FillRectColor(c, Rect(168, 224, 184, 240), HalveColor(0xC08040));
  FillRectColor(c, Rect(186, 224, 202, 240), ScaleColorPercent(0xC08040, 7));
  FillRectColor(c, Rect(204, 224, 220, 240), ScaleColorPercent(0xC08040, -20));
  FillRectColor(c, Rect(222, 224, 238, 240), ScaleColorPercent(clWhite, 7));
  s.Label(250, 226, QStringLiteral("hex of 0x00336699: ") + ColorToHexRgb(0x00336699));
  s.Label(10, 248, QStringLiteral("node pictures on yellow: ASGLEAFOPEN ASGLEAFCLOSE XPNODEO XPNODEC"));
  int at = 10;
  for (const char* name : {"ASGLEAFOPEN", "ASGLEAFCLOSE", "XPNODEO", "XPNODEC"}) {
    FillRectColor(c, Rect(at, 262, at + 15, 277), clYellow);
    DrawResourceBitmapTransparent(c, clYellow, Rect(at + 2, 264, 0, 0), QString::fromLatin1(name));
    at += 24;
  }
  return s.Save(QStringLiteral("gradients.png"));
}

bool Cell_Graphics() {
  TSheet s(620, 400);
  TCanvas& c = s.Canvas;
  s.Label(10, 2, QStringLiteral("progress 0, 42.6, 100, \"%.1f done\" of 0..200, range 3..3"));
  const double positions[] = {0, 42.6, 100, 150, 5};
  for (int i = 0; i < 5; ++i) {
    c.Brush().Color = clWhite;
    const QString format = i == 3 ? QStringLiteral("%.1f done") : i == 4 ? QStringLiteral("%d items") : QString();
    DrawProgressCell(c, Rect(10 + i * 120, 16, 120 + i * 120, 34), 0x00A000, clWhite, 0xE8E8E8, clBlack, positions[i],
                     1, 1, i == 4 ? 3 : 0,
                     i == 3   ? 200
                     : i == 4 ? 3
                              : 100,
                     format, clGray, false);
  }
  TLevelBarSettings levels;
  levels.Level0Color = 0x00C000, levels.Level0ColorTo = 0xC0FFC0;
  levels.Level1Color = 0x00C0C0, levels.Level1ColorTo = 0xC0FFFF;
  levels.Level2Color = 0x0080FF, levels.Level2ColorTo = 0xC0E0FF;
  levels.Level3Color = 0x0000D0, levels.Level3ColorTo = 0xC0C0FF;
  s.Label(10, 42, QStringLiteral("level bars 50, 80, 95, 100; stacked 95; blocks 50; flat 95; vertical 60"));
  int x = 10;
  for (int percent : {50, 80, 95, 100}) {
    DrawLevelProgressBar(c, Rect(x, 56, x + 100, 72), percent, levels);
    x += 110;
  }
  TLevelBarSettings stacked = levels;
  stacked.Stacked = true;
  DrawLevelProgressBar(c, Rect(10, 80, 110, 96), 95, stacked);
  TLevelBarSettings blocks = levels;
  blocks.CompletionSmooth = false;
  DrawLevelProgressBar(c, Rect(120, 80, 170, 96), 50, blocks);
  TLevelBarSettings flat = levels;
  flat.ShowGradient = false;
  DrawLevelProgressBar(c, Rect(180, 80, 280, 96), 95, flat);
  TLevelBarSettings vertical = levels;
  vertical.Vertical = true;
  DrawLevelProgressBar(c, Rect(450, 56, 474, 156), 60, vertical);
  s.Label(10, 104, QStringLiteral("pies 0, 25, 60, 100"));
  x = 10;
  for (int percent : {0, 25, 60, 100}) {
    c.Brush().Color = clWhite;
    DrawPieCell(c, Rect(x, 118, x + 41, 159), 0x3070F0, percent, false);
    x += 50;
  }
  s.Label(220, 104, QStringLiteral("bipolar -12, -5, 0, 5, 10 of 10"));
  int y = 118;
  for (int value : {-12, -5, 0, 5, 10}) {
    c.Brush().Color = clWhite;
    c.Pen().Color = clSilver;
    c.Rectangle(220, y, 324, y + 10);
    DrawBipolarBar(c, Rect(220, y, 324, y + 10), value, 10, false, clRed, 0x00A000);
    y += 12;
  }
  s.Label(10, 178, QStringLiteral("shapes 0..18"));
  for (int shape = 0; shape <= 18; ++shape) {
    DrawCellShape(c, 10 + shape * 30, 192, 24, 20, TCellShape(shape), 0x40C0FF, 0x0050A0);
  }
  s.Label(10, 222, QStringLiteral("down triangle, spell error under \"wrold\""));
  DrawDownTriangle(c, 20, 240, clBlack);
  TFont font;
  c.SetFont(font);
  c.SetBkMode(bkTransparent);
  c.TextOut(40, 236, QStringLiteral("Hello wrold and more"));
  DrawSpellErrorUnderline(font, c, QStringLiteral("Hello wrold and more"), Rect(40, 236, 300, 254), 10, 6, 5);
  return s.Save(QStringLiteral("cellgraphics.png"));
}

bool Button_Parts() {
  TSheet s(640, 260);
  TColorTones tones;
  tones.Background = {0xFFF4EC, 0x9C6A3C, 0x4C2A0C};
  tones.Hover = {0xC8F0FF, 0x3C8CCC, 0};
  tones.Selected = {0x80D0FF, 0x2070B0, 0};
  tones.Disabled = {0xE0E0E0, 0xB0B0B0, 0};
  const char* states[] = {"normal", "hot", "down", "disabled"};
  for (int st = 0; st < 4; ++st) s.Label(110 + st * 130, 2, QString::fromLatin1(states[st]));
  struct Row {
    const char* name;
    uint8_t look;
    bool theme;
  } rows[] = {{"0 style", 0, true},
              {"0 no theme", 0, false},
              {"1 classic", 1, false},
              {"2 flat", 2, false},
              {"3 tones", 3, false}};
  int y = 16;
  for (const Row& row : rows) {
    if (row.theme) {
      StartThemeSupport();
    } else {
      StopThemeSupport();
    }
    s.Label(4, y + 6, QString::fromLatin1(row.name));
    for (uint8_t st = 0; st < 4; ++st) {
      const int x = 70 + st * 130;
      s.Canvas.Brush().Color = clWhite;
      s.Canvas.Pen().Color = clSilver;
      s.Canvas.Rectangle(x, y, x + 60, y + 20);
      DrawDropDownPart(s.Canvas, nullptr, Rect(x, y, x + 60, y + 20), row.look, st, tones);
      s.Canvas.Brush().Color = clWhite;
      s.Canvas.Rectangle(x + 64, y, x + 104, y + 20);
      DrawSpinPart(s.Canvas, nullptr, Rect(x + 64, y, x + 104, y + 20), row.look, st, tones);
      DrawButtonPart(s.Canvas, nullptr, Rect(x, y + 22, x + 100, y + 40), row.look, st, tones);
    }
    y += 48;
  }
  StopThemeSupport();
  return s.Save(QStringLiteral("buttonparts.png"));
}

TBitmap Glyph() {
  TBitmap glyph(16, 16);
  TCanvas& c = glyph.Canvas();
  c.Brush().Color = clFuchsia;
  c.FillRect(Rect(0, 0, 16, 16));
  c.Pen().Color = 0x804000;
  c.Pen().Width = 2;
  c.Brush().Color = 0xFFE0C0;
  c.Ellipse(1, 1, 11, 11);
  c.MoveTo(9, 9);
  c.LineTo(14, 14);
  c.Release();
  return glyph;
}

void Render(TSheet& s, QWidget& w, int x, int y) {
  QImage image(w.size(), QImage::Format_RGB32);
  image.fill(QColor(0xFA, 0xFA, 0xFA));
  TCanvas canvas(&image);
  if (auto* b = dynamic_cast<DAdiZiduDizuvu*>(&w)) b->PaintButton(canvas);
  if (auto* box = dynamic_cast<RUzaVodedUzi*>(&w)) box->PaintBox(canvas);
  canvas.Release();
  s.Canvas.DrawImage(x, y, image);
}

bool Grid_Buttons() {
  StartThemeSupport();
  TSheet s(700, 420);
  QWidget panel;
  const char* columns[] = {"rest", "hot", "pressed", "checked", "checked hot", "disabled", "drop-down hot"};
  for (int col = 0; col < 7; ++col) s.Label(60 + col * 90, 2, QString::fromLatin1(columns[col]));
  const TBitmap glyph = Glyph();
  for (int look = 0; look <= 6; ++look) {
    s.Label(4, 22 + look * 40, QStringLiteral("look %1").arg(look));
    for (int col = 0; col < 7; ++col) {
      DAdiZiduDizuvu b(&panel);
      b.resize(84, 26);
      b.SetLook(look);
      b.SetGlyph(glyph);
      b.SetCaption(QStringLiteral("Find"));
      if (col == 3 || col == 4) {
        b.SetStyle(tasCheck);
        b.SetDown(true);
      }
      if (col == 6) b.SetDropDownButton(true);
      if (col == 1 || col == 2 || col == 4 || col == 6) b.MouseEnter();
      if (col == 2) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&b, &press);
      }
      if (col == 5) b.SetEnabled(false);
      Render(s, b, 60 + col * 90, 16 + look * 40);
    }
  }
  s.Label(4, 302, QStringLiteral("not flat: classic frame, pressed; visual style, hot; glyph top; caption only"));
  for (int col = 0; col < 4; ++col) {
    DAdiZiduDizuvu b(&panel);
    b.resize(84, col == 2 ? 44 : 26);
    b.SetFlat(false);
    b.SetCaption(QStringLiteral("Search"));
    if (col != 3) b.SetGlyph(glyph);
    if (col == 1 || col == 2) b.SetAutoXPStyle(true);
    if (col == 2) b.SetLayout(DAdiZiduDizuvu::blGlyphTop);
    if (col == 0) {
      QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QCoreApplication::sendEvent(&b, &press);
    }
    if (col == 1) b.MouseEnter();
    Render(s, b, 60 + col * 90, 316);
  }
  StopThemeSupport();
  return s.Save(QStringLiteral("gridbutton.png"));
}

bool Check_Boxes() {
  TSheet s(620, 280);
  QWidget form;
  const char* columns[] = {"normal", "hot", "pressed", "disabled"};
  for (int col = 0; col < 4; ++col) s.Label(110 + col * 120, 2, QString::fromLatin1(columns[col]));
  int y = 16;
  for (bool themed : {true, false}) {
    if (themed) {
      StartThemeSupport();
    } else {
      StopThemeSupport();
    }
    for (int state = 0; state < 3; ++state) {
      s.Label(4, y + 4, QStringLiteral("%1 %2").arg(themed ? "style" : "classic").arg(state));
      for (int col = 0; col < 4; ++col) {
        RUzaVodedUzi box(&form);
        box.resize(110, 22);
        box.SetCaption(QStringLiteral("&Match case"));
        box.SetState(RUzaVodedUzi::TCheckBoxState(state));
        if (col == 1 || col == 2) {
          QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
          QCoreApplication::sendEvent(&box, &enter);
        }
        if (col == 2) box.SetDown(true);
        if (col == 3) box.setEnabled(false);
        Render(s, box, 80 + col * 120, y);
      }
      y += 26;
    }
  }
  s.Label(4, y + 4, QStringLiteral("right, centre, ellipsis, focus"));
  RUzaVodedUzi right(&form);
  right.resize(110, 30);
  right.SetCaption(QStringLiteral("Whole word only"));
  right.SetAlignment(taRightJustify);
  right.SetButtonVertAlign(RUzaVodedUzi::tlCenter);
  right.SetEllipsis(true);
  right.SetChecked(true);
  QFocusEvent focus(QEvent::FocusIn);
  QCoreApplication::sendEvent(&right, &focus);
  Render(s, right, 200, y);
  return s.Save(QStringLiteral("checkbox.png"));
}

bool Windows_And_Masks() {
  TSheet s(520, 200);
  QWidget grid;
  s.Label(10, 2, QStringLiteral("arrows up, down, left, right (x4); focus window"));
  int x = 10;
  for (TArrowDirection dir : {arrUp, arrDown, arrLeft, arrRight}) {
    TArrowWindow arrow(&grid, dir);
    QImage image(arrow.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    arrow.render(&image, QPoint(), arrow.mask());
    s.Canvas.Painter().drawImage(QRect(x, 16, image.width() * 4, image.height() * 4), image);
    x += 60;
  }
  TGridFocusWindow focus(&grid);
  focus.resize(40, 20);
  QImage frame(40, 20, QImage::Format_RGB32);
  focus.render(&frame);
  s.Canvas.DrawImage(260, 20, frame);
  s.Label(10, 70, QStringLiteral("blurred masks: filled r0, outline r0, outline r2, outline r5; merged glow"));
  x = 10;
  QImage last;
  for (auto [pen, radius] : {std::pair{0, 0.0}, std::pair{3, 0.0}, std::pair{3, 2.0}, std::pair{3, 5.0}}) {
    QImage mask;
    BlurredRoundRectMask(mask, 90, 60, pen, 16, radius);
    s.Canvas.DrawImage(x, 84, mask.convertToFormat(QImage::Format_RGB32));
    last = mask;
    x += 100;
  }
  QImage colour(90, 60, QImage::Format_RGB888);
  colour.fill(QColor(0xFF, 0x90, 0x20));
  TGridAlphaMask glow;
  glow.MergeMask(last, colour, clNone);
  FillRectColor(s.Canvas, Rect(x, 84, x + 90, 144), 0x404040);
  s.Canvas.DrawImage(x, 84, glow.Image());
  return s.Save(QStringLiteral("masks.png"));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Install_Font_Substitutes();
  Folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/support_gallery");
  Scale = argc > 2 ? std::max(1, atoi(argv[2])) : 2;
  QDir().mkpath(Folder);
  bool ok = Gradients();
  ok = Cell_Graphics() && ok;
  ok = Button_Parts() && ok;
  ok = Grid_Buttons() && ok;
  ok = Check_Boxes() && ok;
  ok = Windows_And_Masks() && ok;
  return ok ? 0 : 1;
}
