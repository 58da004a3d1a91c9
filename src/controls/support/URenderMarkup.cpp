#include "URenderMarkup.h"

#include <QLocale>
#include <array>

#include "UMarkupRun.h"

namespace {
IMarkupThemePainter* Theme_Painter = &BindingMarkupThemePainter();
TColor Hi_Back = clHighlight;
TColor Hi_Text = clHighlightText;
bool Version_Flag = true;

// Entities decoded before layout; "&amp;" becomes "&&", which the text drawing shows as one ampersand.
const std::array<std::pair<const char*, const char16_t*>, 9> Layout_Entities{{
    {"&amp;", u"&&"},
    {"&quot;", u"\""},
    {"&sect;", u"\u00A7"},
    {"&permil;", u"\u2030"},
    {"&reg;", u"\u00AE"},
    {"&copy;", u"\u00A9"},
    {"&para;", u"\u00B6"},
    {"&trade;", u"\u2122"},
    {"&euro;", u"\u20AC"},
}};

QString Preprocess(const QString& source) {
  QString text = source;
  if (text.contains(u'&')) {
    // Replacing every occurrence per round reaches the same end as one occurrence per round, in linear rounds.
    bool replaced = true;
    while (replaced) {
      replaced = false;
      for (const auto& [entity, value] : Layout_Entities) {
        const qsizetype before = text.size();
        text.replace(QLatin1String(entity), QString::fromUtf16(value), Qt::CaseInsensitive);
        replaced = replaced || text.size() != before;
      }
    }
  }
  qsizetype at = 0;
  while ((at = text.indexOf(QStringLiteral("<#"), at)) >= 0) {
    text.remove(at, 1);
    const qsizetype close = text.indexOf(u'>', at);
    if (close >= 0) text.remove(close, 1);
  }
  text.remove(u'\n');
  text.replace(u'\r', QStringLiteral("<BR>"));
  return text;
}

void Draw_Zigzag(TLinePass& pass, int32_t from, int32_t to, int32_t bottom) {
  TCanvas& c = pass.R.C;
  const TPen saved = c.Pen();
  c.Pen().Color = clRed;
  c.Pen().Width = 1;
  c.Pen().Style = psSolid;
  std::vector<TPoint> points;
  int32_t x = from - (((from % 2) + 2) % 2);
  bool up = ((x % 4) + 4) % 4 == 0;
  for (; x <= to; x += 2, up = !up) points.push_back(Point(x, up ? bottom - 1 : bottom + 1));
  if (points.size() >= 2) c.Polyline(points);
  c.SetPen(saved);
}

// One text piece (a word with word wrap, a run between tags without it).
void Process_Piece(TLinePass& pass, QString& text, const QString& raw) {
  TMarkupRun& r = pass.R;
  TMarkupLine& l = pass.L;
  QString piece = raw;
  const qsizetype rawLength = piece.size();
  piece.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
  piece.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  piece.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  const bool decoded = piece.size() != rawLength;
  const uint32_t flags = Markup_Piece_Flags(r);
  // Measured without the ellipsis, so a piece reports its whole width.
  TRect m = pass.Painting ? pass.W : pass.LineRect;
  const int32_t h = r.C.DrawText(piece, m, (flags & ~DT_END_ELLIPSIS) | DT_CALCRECT);
  const int32_t w = m.Width();
  if (r.Subscript) l.SubExtra = std::max(l.SubExtra, h / 4);
  if (r.Superscript) l.SupExtra = std::max(l.SupExtra, h / 4);
  l.Height = std::max(l.Height, h);
  r.O.PlainText += piece;
  if (r.Hidden) {
    text.remove(0, rawLength);
    return;
  }
  if (!pass.Painting) {
    pass.W = pass.LineRect;
    pass.X += w;
    const int32_t px =
        (flags & DT_RTLREADING) ? pass.LineRect.Right - r.P.PointX - pass.LineLeft() : r.P.PointX - pass.LineLeft();
    const bool hit = r.P.PointX - pass.LineLeft() >= pass.X - w && pass.X >= px;
    if (hit && r.InAnchor) {
      pass.PointOnAnchorText = true;
      if (r.P.PointY > pass.LineRect.Top) {
        r.O.HitHref = r.Href;
        r.O.HitTitle = r.Title;
        r.AnchorHitPending = true;
      }
    }
  } else {
    if (r.Subscript) pass.W.Bottom += l.SubExtra;
    if (r.Superscript) pass.W.Bottom -= l.SupExtra;
    pass.W.Bottom -= l.PicAlignOffset;
    if (r.Shadow) {
      const TColor color = r.C.Font().Color;
      r.C.Font().Color = r.P.ShadowColor;
      TRect s = pass.W;
      s.Left += r.P.ShadowOffset;
      s.Right += r.P.ShadowOffset;
      s.Top += r.P.ShadowOffset;
      s.Bottom += r.P.ShadowOffset;
      r.C.DrawText(piece, s, flags);
      r.C.Font().Color = color;
    }
    TRect d = pass.W;
    r.C.DrawText(piece, d, flags);
    TRect e = pass.W;
    r.C.DrawText(piece, e, (flags & ~DT_END_ELLIPSIS) | DT_CALCRECT);
    pass.W.Right = e.Right;
    if (r.FocusedAnchorOpen()) r.O.FocusHref = r.Href;
    if (r.ErrorUnderline) Draw_Zigzag(pass, pass.W.Left, pass.W.Right, pass.W.Bottom);
    if (flags & DT_RTLREADING) {
      pass.W.Right = pass.W.Left - w;
    } else {
      pass.W.Left = pass.W.Right;
      pass.W.Right = pass.LineRect.Right;
    }
    pass.W.Top = pass.LineRect.Top;
    pass.W.Bottom = pass.LineRect.Bottom - l.SubExtra;
  }
  // A piece that continues a word stays with it; without word wrap the pieces are whole runs, so an overflowing
  // run ends the line there (with an ellipsis) instead of passing as the rest of a word.
  const bool continuesWord = r.P.WordWrap && !pass.LineText.isEmpty() && !pass.LineText.endsWith(u' ');
  const bool fits = pass.X < pass.LineWidth() || w >= pass.LineWidth() || continuesWord;
  const bool first = pass.Pieces++ == 0;
  if (fits || !r.P.WordWrap) {
    pass.LineText += piece;
    l.Consumed += raw;
    text.remove(0, rawLength);
    pass.TrailingBlank = piece.endsWith(u' ') && !decoded ? r.C.TextWidth(QStringLiteral(" ")) : 0;
    // Without word wrap the line that overflows is the last one, ended by an ellipsis.
    if (!fits && !pass.Painting && !first) text.clear();
  } else {
    pass.LineBreak = true;
    if (!pass.Painting) pass.X -= w;
  }
}

void Render_Line(TLinePass& pass, QString& text) {
  TMarkupRun& r = pass.R;
  if (pass.Painting && r.LineBackground) {
    r.C.FillRect(Rect(r.Layout.Left, pass.LineRect.Top, r.Layout.Right, pass.LineRect.Top + pass.L.Height));
  }
  if (pass.Painting && r.FocusedAnchorOpen()) {
    r.FocusRect.Left = pass.LineLeft() + 1;
    r.FocusRect.Top = pass.LineRect.Top;
  }
  pass.W = pass.LineRect;
  pass.W.Bottom -= pass.L.SubExtra;
  while (!text.isEmpty() && !pass.LineBreak && !pass.LineFull) {
    const qsizetype lt = text.indexOf(u'<');
    const qsizetype blank = r.P.WordWrap ? text.indexOf(u' ') : -1;
    QString raw;
    if (lt < 0 || (blank >= 0 && blank < lt))
      raw = blank >= 0 ? text.left(blank + 1) : text;
    else
      raw = text.left(lt);
    if (!raw.isEmpty()) Process_Piece(pass, text, raw);
    if (text.startsWith(u'<') && text.size() <= 2) text.clear();
    if (pass.LineBreak || !text.startsWith(u'<') || text.size() < 3) continue;
    Markup_Tag(pass, text);
    const qsizetype close = text.indexOf(u'>');
    if (close < 0) {
      text.clear();
    } else if (!pass.LineFull) {
      pass.L.Consumed += QStringView(text).left(close + 1);
      text.remove(0, close + 1);
    }
  }
  pass.X -= pass.TrailingBlank;
  if (pass.SetsLineWidth) pass.L.Width = pass.X;
  r.O.MeasuredWidth = std::max(r.O.MeasuredWidth, pass.X);
  if (pass.Painting && r.FocusedAnchorOpen()) {
    r.C.DrawFocusRect(Rect(r.FocusRect.Left - 1, r.FocusRect.Top, pass.W.Left + 1, pass.W.Bottom));
  }
}
}  // namespace

TColor TMarkupRun::BrushColor() const {
  return C.BkMode() == bkTransparent || C.Brush().Style == bsClear ? clNone : C.Brush().Color;
}

void TMarkupRun::SetBrushColor(TColor color) {
  if (color == clNone) {
    C.Brush().Style = bsClear;
    C.SetBkMode(bkTransparent);
  } else {
    C.Brush().Color = color;
    C.Brush().Style = bsSolid;
    C.SetBkMode(bkOpaque);
  }
}

void TLinePass::Place(int32_t w, int32_t h) {
  if (LineWidth() < X + w && w < LineWidth()) {
    LineFull = true;
    return;
  }
  X += w;
  W.Left += w;
  L.Height = std::max(L.Height, h);
}

bool TLinePass::PointIn(int32_t w, int32_t h) const {
  const int32_t left = LineLeft() + X;
  return left < R.P.PointX && R.P.PointX < left + w && LineRect.Top < R.P.PointY && R.P.PointY < LineRect.Top + h;
}

uint32_t Markup_Piece_Flags(const TMarkupRun& run) {
  uint32_t flags = BiDiTextFlags(Markup_Text_Flags, run.P.BiDiMode);
  if (!run.P.WordWrap) flags |= DT_END_ELLIPSIS;
  return flags;
}

void SetMarkupThemePainter(IMarkupThemePainter* painter) {
  Theme_Painter = painter;
}
IMarkupThemePainter* MarkupThemePainter() {
  return Theme_Painter;
}

void SetMarkupHighlightColors(TColor background, TColor text) {
  Hi_Back = background;
  Hi_Text = text;
}
TColor MarkupHighlightBackColor() {
  return Hi_Back;
}
TColor MarkupHighlightTextColor() {
  return Hi_Text;
}
void DetectMarkupXp() {
  Version_Flag = true;
}

uint32_t BiDiTextFlags(uint32_t flags, int32_t biDiMode) {
  if (QLocale::system().textDirection() != Qt::RightToLeft) return flags;
  if (biDiMode == 1) {
    if (flags & DT_RIGHT)
      flags &= ~DT_RIGHT;
    else if (!(flags & DT_CENTER))
      flags |= DT_RIGHT;
  }
  if (biDiMode != 0) flags |= DT_RTLREADING;
  return flags;
}

bool RenderMarkup(TCanvas& canvas, const QString& source, TRect layoutRect, const TMarkupParams& params,
                  TMarkupOutputs& outputs) {
  outputs.PlainText.clear();
  outputs.FocusHref.clear();
  outputs.HitTitle.clear();
  outputs.HitControlValue.clear();
  outputs.HitControlType.clear();
  if (!params.HitTestOnly) outputs.HitControlID.clear();
  outputs.MeasuredWidth = outputs.MeasuredHeight = outputs.AnchorCount = 0;
  outputs.HitAnchorNumber = -1;
  outputs.HitControlRect = TRect();

  const TPen entryPen = canvas.Pen();
  const TBrush entryBrush = canvas.Brush();
  const TFont entryFont = canvas.Font();
  const TBkMode entryBkMode = canvas.BkMode();

  TMarkupRun run(canvas, params, outputs, layoutRect);
  run.BaseFont = entryFont;
  run.BackColor = entryBrush.Style == bsClear ? clNone : entryBrush.Color;
  run.SetBrushColor(clNone);
  run.Themed = Version_Flag && Theme_Painter && Theme_Painter->IsThemeActive();
  run.LineTop = layoutRect.Top;

  QString text = Preprocess(source);
  TFont measureFont = entryFont;
  TFont paintFont = entryFont;
  int32_t paintAnchors = 0;
  int32_t paintListLevel = 0;
  bool result = false;
  while (!text.isEmpty()) {
    canvas.SetFont(measureFont);
    const bool savedInAnchor = run.InAnchor;
    const QString savedHref = run.Href;
    const QString savedTitle = run.Title;
    TMarkupLine line;
    run.Superscript = run.Subscript = false;
    line.Height = line.StartHeight = run.GhHeight();
    const int32_t savedPictures = run.PictureCounter;

    TLinePass measure(run, line, Rect(layoutRect.Left + 1, run.LineTop, layoutRect.Right, layoutRect.Bottom), false);
    measure.SetsLineWidth = true;
    const qsizetype before = text.size();
    Render_Line(measure, text);
    if (text.size() == before && line.Consumed.isEmpty()) {
      // Nothing fitted and nothing was consumed: move on by one tag or character rather than loop for ever.
      const qsizetype close = text.startsWith(u'<') ? text.indexOf(u'>') : 0;
      text.remove(0, close < 0 ? text.size() : close + 1);
    }
    run.InAnchor = savedInAnchor;
    run.Href = savedHref;
    run.Title = savedTitle;
    measureFont = canvas.Font();

    TRect paint;
    paint.Left = layoutRect.Left + 1;
    if (run.ParaAlign == TMarkupRun::paRight && layoutRect.Right - line.Width > paint.Left)
      paint.Left = layoutRect.Right - line.Width;
    if (run.ParaAlign == TMarkupRun::paCenter && layoutRect.Right - paint.Left - line.Width > 0)
      paint.Left += (layoutRect.Right - paint.Left - line.Width) / 2;
    paint.Left += run.ParaIndent;
    paint.Right = layoutRect.Right;
    paint.Top = run.LineTop;
    paint.Bottom = paint.Top + line.Height + line.SubExtra + line.SupExtra;

    if (!params.MeasureOnly) {
      canvas.SetFont(paintFont);
      run.AnchorCounter = paintAnchors;
      run.ListLevel = paintListLevel;
      run.PictureCounter = savedPictures;
      QString consumed = line.Consumed;
      TLinePass second(run, line, paint, !params.HitTestOnly);
      Render_Line(second, consumed);
      paintFont = canvas.Font();
      paintAnchors = run.AnchorCounter;
      paintListLevel = run.ListLevel;
      const int32_t textBottom = paint.Bottom - line.PicAlignOffset;
      if (second.PointOnAnchorText && params.PointY > textBottom - run.GhHeight() && params.PointY < textBottom)
        result = true;
      if (second.PointOnPictureOrControl) result = true;
    }
    const int32_t advance = line.Height + line.SubExtra + line.SupExtra;
    run.LineTop += advance;
    outputs.MeasuredHeight += advance;
    if (!params.MeasureOnly && line.StartHeight + run.LineTop > layoutRect.Bottom) break;
  }
  outputs.AnchorCount = run.AnchorCounter;
  canvas.SetPen(entryPen);
  canvas.SetBrush(entryBrush);
  canvas.SetFont(entryFont);
  canvas.SetBkMode(entryBkMode);
  if (outputs.MeasuredHeight == 0) outputs.MeasuredHeight = canvas.TextHeight(QStringLiteral("gh"));
  return result;
}

bool RenderMarkup(TCanvas& Canvas, const QString& Text, TRect LayoutRect, const TMarkupImageList* Images,
                  int32_t PointX, int32_t PointY, int32_t FocusAnchorIndex, int32_t HoverAnchorNumber,
                  int32_t ShadowOffset, bool HitTestOnly, bool MeasureOnly, bool PrintScaled, bool SelectedMode,
                  bool BlinkVisible, bool HoverOnlyStyle, bool WordWrap, bool MouseDown, double ScaleFactor,
                  TColor LinkColor, TColor HoverBackColor, TColor HoverTextColor, TColor ShadowColor,
                  QString& HitHref, QString& PlainText, QString& FocusHref, QString& HitTitle, int32_t& MeasuredWidth,
                  int32_t& MeasuredHeight, int32_t& AnchorCount, int32_t& HitAnchorNumber, TRect& HitAnchorRect,
                  TRect& HitControlRect, QString& HitControlID, QString& HitControlValue, QString& HitControlType,
                  THTMLPictureCache* PictureCache, TPictureContainer* PictureContainer, QObject* OwnerWindow,
                  int32_t BiDiMode) {
  TMarkupParams p;
  p.Images = Images;
  p.PointX = PointX;
  p.PointY = PointY;
  p.FocusAnchorIndex = FocusAnchorIndex;
  p.HoverAnchorNumber = HoverAnchorNumber;
  p.ShadowOffset = ShadowOffset;
  p.HitTestOnly = HitTestOnly;
  p.MeasureOnly = MeasureOnly;
  p.PrintScaled = PrintScaled;
  p.SelectedMode = SelectedMode;
  p.BlinkVisible = BlinkVisible;
  p.HoverOnlyStyle = HoverOnlyStyle;
  p.WordWrap = WordWrap;
  p.MouseDown = MouseDown;
  p.ScaleFactor = ScaleFactor;
  p.LinkColor = LinkColor;
  p.HoverBackColor = HoverBackColor;
  p.HoverTextColor = HoverTextColor;
  p.ShadowColor = ShadowColor;
  p.PictureCache = PictureCache;
  p.PictureContainer = PictureContainer;
  p.OwnerWindow = OwnerWindow;
  p.BiDiMode = BiDiMode;
  TMarkupOutputs o;
  o.HitHref = HitHref;
  o.HitAnchorRect = HitAnchorRect;
  o.HitControlID = HitControlID;
  const bool result = RenderMarkup(Canvas, Text, LayoutRect, p, o);
  HitHref = o.HitHref;
  PlainText = o.PlainText;
  FocusHref = o.FocusHref;
  HitTitle = o.HitTitle;
  MeasuredWidth = o.MeasuredWidth;
  MeasuredHeight = o.MeasuredHeight;
  AnchorCount = o.AnchorCount;
  HitAnchorNumber = o.HitAnchorNumber;
  HitAnchorRect = o.HitAnchorRect;
  HitControlRect = o.HitControlRect;
  HitControlID = o.HitControlID;
  HitControlValue = o.HitControlValue;
  HitControlType = o.HitControlType;
  return result;
}
