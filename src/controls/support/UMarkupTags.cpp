// The tag step of the markup renderer: each tag's effect on the text state, the layout and the outputs.
#include <array>
#include <utility>

#include "UMarkupRun.h"

namespace {
const std::array<std::pair<const char*, TColor>, 16> Plain_Colors{{
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"cllime", clLime},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clwhite", clWhite},
    {"clsilver", clSilver},
}};

const std::array<const char*, 24> System_Color_Names{"clbackground",
                                                     "clactivecaption",
                                                     "clinactivecaption",
                                                     "clmenu",
                                                     "clwindow",
                                                     "clwindowframe",
                                                     "clmenutext",
                                                     "clwindowtext",
                                                     "clcaptiontext",
                                                     "clactiveborder",
                                                     "clinactiveborder",
                                                     "clappworkspace",
                                                     "clhighlight",
                                                     "clhighlighttext",
                                                     "clbtnface",
                                                     "clbtnshadow",
                                                     "clgraytext",
                                                     "clbtntext",
                                                     "clinactivecaptiontext",
                                                     "clbtnhighlight",
                                                     "cl3ddkshadow",
                                                     "cl3dlight",
                                                     "clinfotext",
                                                     "clinfobk"};

// Sizes beyond this many points are not selected; a stray number must not ask the font engine for giant glyphs.
constexpr int32_t Max_Font_Points = 500;

QChar Upper_At(const QString& text, qsizetype i) {
  return i < text.size() ? text[i].toUpper() : QChar();
}

// The text of the tag after its first `letters` characters (after "<"), up to the first ">".
QString Tag_Body(const QString& text, qsizetype letters) {
  const qsizetype close = text.indexOf(u'>');
  const qsizetype end = close < 0 ? text.size() : close;
  const qsizetype from = std::min<qsizetype>(1 + letters, end);
  return text.mid(from, end - from);
}

// A number in double quotes after the first letter `letter` of the tag text (either case).
bool Quoted_Number_After(const QString& tag, QChar letter, int32_t& value) {
  const qsizetype at = tag.indexOf(letter, 0, Qt::CaseInsensitive);
  if (at < 0) return false;
  const qsizetype open = tag.indexOf(u'"', at);
  if (open < 0) return false;
  const qsizetype close = tag.indexOf(u'"', open + 1);
  bool ok = false;
  value = Markup_Number(tag.mid(open + 1, close < 0 ? -1 : close - open - 1), &ok);
  return ok;
}

void Font_Size(TMarkupRun& r, const QString& body) {
  const qsizetype at = body.indexOf(QStringLiteral("SIZE"), 0, Qt::CaseInsensitive);
  if (at < 0) return;
  qsizetype from = body.indexOf(u'=', at);
  if (from < 0) return;
  ++from;
  if (from < body.size() && body[from] == u'"') ++from;
  bool ok = false;
  int32_t size = Markup_Number(body.mid(from), &ok);
  if (!ok) return;
  static const int32_t table[] = {0, 8, 10, 12, 14, 16};
  if (size >= 1 && size <= 5) size = table[size];
  if (size > 0 && size <= Max_Font_Points) r.C.Font().SetSize(size);
}

void Tag_Font(TLinePass& pass, const QString& text) {
  TMarkupRun& r = pass.R;
  const QString body = Tag_Body(text, 4).toUpper();
  if (body.contains(QStringLiteral("FACE"))) {
    const QString face = Markup_Attr(body, QStringLiteral("FACE"));
    if (!face.isEmpty()) r.C.Font().Name = face;
  }
  if (body.contains(QStringLiteral(" COLOR")) && !r.P.SelectedMode)
    r.C.Font().Color = Markup_Color(Markup_Attr(body, QStringLiteral(" COLOR")));
  if (body.contains(QStringLiteral("BGCOLOR")) && pass.Painting && !r.P.SelectedMode) {
    r.SavedFontBrush = r.BrushColor();
    r.SetBrushColor(Markup_Color(Markup_Attr(body, QStringLiteral("BGCOLOR"))));
  }
  Font_Size(r, body);
}

void Tag_End_Font(TLinePass& pass) {
  TMarkupRun& r = pass.R;
  r.C.Font().Name = r.BaseFont.Name;
  r.C.Font().Height = r.BaseFont.Height;
  if (pass.Painting && !r.P.SelectedMode) {
    r.C.Font().Color = r.BaseFont.Color;
    r.SetBrushColor(r.SavedFontBrush);
  }
}

bool Hover_Styled(const TMarkupRun& r) {
  return !r.P.HoverOnlyStyle || r.AnchorCounter == r.P.HoverAnchorNumber;
}

void Tag_Anchor(TLinePass& pass, const QString& text) {
  TMarkupRun& r = pass.R;
  if (r.AnchorCounter == r.P.FocusAnchorIndex && pass.Painting) {
    r.FocusRect.Left = pass.W.Left;
    r.FocusRect.Top = pass.W.Top;
  }
  ++r.AnchorCounter;
  if (Hover_Styled(r) && pass.Painting) {
    r.C.Font().Style |= fsUnderline;
    if (r.P.HoverBackColor != clNone) {
      r.SavedHoverBrush = r.BrushColor();
      r.SetBrushColor(r.P.HoverBackColor);
    }
    if (r.P.HoverTextColor != clNone) {
      r.SavedHoverFont = r.C.Font().Color;
      r.C.Font().Color = r.P.HoverTextColor;
    }
  }
  const bool hoverTextWins =
      r.P.HoverTextColor != clNone && r.AnchorCounter == r.P.HoverAnchorNumber && r.P.HoverOnlyStyle;
  if (!r.P.SelectedMode && !hoverTextWins) r.C.Font().Color = r.P.LinkColor;
  const QString body = Tag_Body(text, 1);
  const QString upper = body.toUpper();
  if (upper.contains(QStringLiteral("HREF"))) {
    r.Href = Markup_Attr(body, QStringLiteral("HREF"));
    r.InAnchor = true;
  }
  if (upper.contains(QStringLiteral("TITLE"))) r.Title = Markup_Attr(body, QStringLiteral("TITLE"));
  r.AnchorStartX = pass.LineLeft() + pass.X;
  r.AnchorStartTop = pass.LineRect.Top;
}

void Tag_End_Anchor(TLinePass& pass) {
  TMarkupRun& r = pass.R;
  if (Hover_Styled(r) && pass.Painting) {
    r.C.Font().Style &= ~TFontStyles(fsUnderline);
    if (r.P.HoverBackColor != clNone) r.SetBrushColor(r.SavedHoverBrush);
    if (r.P.HoverTextColor != clNone) r.C.Font().Color = r.SavedHoverFont;
  }
  if (!r.P.SelectedMode) r.C.Font().Color = r.BaseFont.Color;
  r.InAnchor = false;
  // A title belongs to its own link; the next link without one has none.
  r.Title.clear();
  if (r.AnchorHitPending) {
    const bool sameLine = r.AnchorStartTop == pass.LineRect.Top;
    r.O.HitAnchorRect =
        Rect(sameLine ? r.AnchorStartX : pass.LineLeft(), sameLine ? r.AnchorStartTop : pass.LineRect.Top,
             pass.LineLeft() + pass.X, pass.W.Bottom);
    r.O.HitAnchorNumber = r.AnchorCounter;
    r.AnchorHitPending = false;
  }
  if (r.AnchorCounter - 1 == r.P.FocusAnchorIndex) {
    r.FocusRect.Right = pass.W.Left;
    r.FocusRect.Bottom = pass.W.Bottom - pass.L.PicAlignOffset;
    r.FocusRect.Top = r.FocusRect.Bottom - r.GhHeight();
    --r.FocusRect.Left;
    ++r.FocusRect.Right;
    if (pass.Painting) r.C.DrawFocusRect(r.FocusRect);
  }
}

void Tag_Paragraph(TLinePass& pass, const QString& text) {
  TMarkupRun& r = pass.R;
  const QString body = Tag_Body(text, 1).toUpper();
  if (body.contains(QStringLiteral("ALIGN"))) {
    const QString align = Markup_Attr(body, QStringLiteral("ALIGN"));
    if (align.contains(QStringLiteral("RIGHT"))) r.ParaAlign = TMarkupRun::paRight;
    if (align.contains(QStringLiteral("LEFT"))) r.ParaAlign = TMarkupRun::paLeft;
    if (align.contains(QStringLiteral("CENTER"))) r.ParaAlign = TMarkupRun::paCenter;
  }
  if (body.contains(QStringLiteral("INDENT")))
    r.ParaIndent = Markup_Number(Markup_Attr(body, QStringLiteral("INDENT")));
  if (body.contains(QStringLiteral("BGCOLOR"))) {
    const QString value = Markup_Attr(body, QStringLiteral("BGCOLOR"));
    const TColor color = value.isEmpty() ? clNone : Markup_Color(value);
    if (pass.Painting) {
      r.LineBackground = true;
      r.SavedLineBrush = r.BrushColor();
      r.SetBrushColor(color);
      if (color != clNone) r.C.FillRect(Rect(r.Layout.Left, pass.LineRect.Top, r.Layout.Right, pass.W.Bottom));
    }
  }
}

void Tag_List_Item(TLinePass& pass) {
  TMarkupRun& r = pass.R;
  pass.X += 12 * r.ListLevel;
  if (pass.ListItemSeen) {
    pass.LineFull = true;
    return;
  }
  pass.ListItemSeen = true;
  pass.W.Left += 12 * (r.ListLevel - 1);
  if (pass.Painting) {
    // No symbol font maps the middle dot to a bullet here, so the bullet is drawn in the current font.
    const QString bullet = r.ListLevel % 2 == 1 ? QStringLiteral("\u2022") : QStringLiteral("o");
    TRect b = Rect(pass.W.Left, pass.W.Top, pass.W.Left + 12, pass.W.Bottom);
    r.C.DrawText(bullet, b, Markup_Text_Flags | DT_NOCLIP);
  }
  pass.W.Left += 12;
}

void Tag_Horizontal_Rule(TLinePass& pass) {
  pass.LineBreak = true;
  if (!pass.Painting) return;
  TCanvas& c = pass.R.C;
  const TPen saved = c.Pen();
  c.Pen().Color = clBlack;
  c.Pen().Style = psSolid;
  c.MoveTo(pass.LineLeft(), pass.W.Bottom + 1);
  c.LineTo(pass.LineRect.Right, pass.W.Bottom + 1);
  c.SetPen(saved);
}

void Tag_Hi(TLinePass& pass, bool open) {
  if (!pass.Painting) return;
  TMarkupRun& r = pass.R;
  if (open) {
    r.SavedHiFont = r.C.Font().Color;
    r.SavedHiBrush = r.BrushColor();
    r.SetBrushColor(MarkupHighlightBackColor());
    r.C.Font().Color = MarkupHighlightTextColor();
  } else {
    r.C.Font().Color = r.SavedHiFont;
    r.SetBrushColor(r.SavedHiBrush);
  }
}

void Opening_Tag(TLinePass& pass, const QString& text) {
  TMarkupRun& r = pass.R;
  TFont& font = r.C.Font();
  const QChar first = Upper_At(text, 1);
  const QChar next = Upper_At(text, 2);
  switch (first.unicode()) {
    case u'B':
      if (next == u'>')
        font.Style |= fsBold;
      else if (next == u'L') {
        if (!r.P.BlinkVisible) font.Color = r.BackColor;
      } else if (next == u'R') {
        pass.LineBreak = true;
        r.O.PlainText += u'\r';
      } else if (next == u'O')
        Markup_Body(pass, text);
      break;
    case u'I':
      if (next == u'M')
        Markup_Picture(pass, text);
      else if (next == u'N') {
        int32_t indent = 0;
        if (Quoted_Number_After(Tag_Body(text, 1), u'x', indent) && indent > pass.X) {
          pass.X = indent;
          pass.W.Left = r.Layout.Left + indent;
        }
      } else
        font.Style |= fsItalic;
      break;
    case u'U':
      if (next == u'>')
        font.Style |= fsUnderline;
      else {
        ++r.ListLevel;
        pass.LineBreak = true;
      }
      break;
    case u'S':
      if (text.startsWith(QStringLiteral("<SUB>"), Qt::CaseInsensitive))
        r.Subscript = true;
      else if (text.startsWith(QStringLiteral("<SUP>"), Qt::CaseInsensitive))
        r.Superscript = true;
      else if (next == u'H')
        r.Shadow = true;
      else
        font.Style |= fsStrikeOut;
      break;
    case u'E':
      if (pass.Painting) r.ErrorUnderline = true;
      break;
    case u'Z':
      r.Hidden = true;
      break;
    case u'H':
      if (next == u'I')
        Tag_Hi(pass, true);
      else if (next == u'R')
        Tag_Horizontal_Rule(pass);
      break;
    case u'L':
      Tag_List_Item(pass);
      break;
    case u'P':
      Tag_Paragraph(pass, text);
      break;
    case u'F':
      Tag_Font(pass, text);
      break;
    case u'A':
      Tag_Anchor(pass, text);
      break;
    case u'R': {
      int32_t angle = 0;
      if (Quoted_Number_After(Tag_Body(text, 1), u'a', angle)) {
        if (!r.Rotated) r.RotatedSaved = font;
        r.Rotated = true;
        font.Orientation = int32_t(std::clamp<int64_t>(int64_t(angle) * 10, -3600, 3600));
      }
      break;
    }
    case u'C':
      Markup_Control(pass, text);
      break;
    default:
      break;
  }
}

void Closing_Tag(TLinePass& pass, const QString& text) {
  TMarkupRun& r = pass.R;
  TFont& font = r.C.Font();
  const QChar first = Upper_At(text, 2);
  const QChar next = Upper_At(text, 3);
  switch (first.unicode()) {
    case u'B':
      if (next == u'>')
        font.Style &= ~TFontStyles(fsBold);
      else
        font.Color = r.BaseFont.Color;
      break;
    case u'I':
      font.Style &= ~TFontStyles(fsItalic);
      break;
    case u'U':
      if (next != u'>' && r.ListLevel >= 1)
        --r.ListLevel;
      else
        font.Style &= ~TFontStyles(fsUnderline);
      break;
    case u'S':
      if (next == u'U')
        r.Subscript = r.Superscript = false;
      else if (next == u'H')
        r.Shadow = false;
      else
        font.Style &= ~TFontStyles(fsStrikeOut);
      break;
    case u'E':
      if (pass.Painting) r.ErrorUnderline = false;
      break;
    case u'Z':
      r.Hidden = false;
      break;
    case u'H':
      Tag_Hi(pass, false);
      break;
    case u'L':
      pass.LineBreak = true;
      break;
    case u'P':
      pass.LineBreak = true;
      if (pass.Painting) {
        r.SetBrushColor(r.SavedLineBrush);
        r.LineBackground = false;
      }
      break;
    case u'F':
      Tag_End_Font(pass);
      break;
    case u'A':
      Tag_End_Anchor(pass);
      break;
    case u'R':
      if (r.Rotated) {
        font = r.RotatedSaved;
        r.Rotated = false;
      }
      break;
    default:
      break;
  }
}
}  // namespace

void Markup_Tag(TLinePass& pass, const QString& text) {
  if (text.size() > 3 && text[1] == u'/')
    Closing_Tag(pass, text);
  else
    Opening_Tag(pass, text);
}

QString Markup_Attr(const QString& tagText, const QString& name) {
  const qsizetype at = tagText.indexOf(name, 0, Qt::CaseInsensitive);
  if (at < 0) return QString();
  const qsizetype open = tagText.indexOf(u'"', at + name.size());
  if (open < 0) return QString();
  const qsizetype close = tagText.indexOf(u'"', open + 1);
  if (close < 0) return QString();
  return tagText.mid(open + 1, close - open - 1);
}

int32_t Markup_Number(const QString& text, bool* ok) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  int base = 10;
  if (i < text.size() && text[i] == u'$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  } else if (i < text.size() && (text[i] == u'x' || text[i] == u'X')) {
    base = 16;
    ++i;
  }
  int64_t value = 0;
  bool any = false;
  for (; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    int digit = -1;
    if (u >= u'0' && u <= u'9') digit = u - u'0';
    if (u >= u'A' && u <= u'F') digit = u - u'A' + 10;
    if (u >= u'a' && u <= u'f') digit = u - u'a' + 10;
    if (digit < 0 || digit >= base) break;
    value = std::min<int64_t>(value * base + digit, INT32_MAX);
    any = true;
  }
  if (ok) *ok = any;
  return int32_t(value);
}

TColor Markup_Color(const QString& value) {
  if (value.startsWith(u'#')) {
    auto hex = [&](qsizetype at) { return value.mid(at, 2).toUInt(nullptr, 16); };
    return TColor(hex(1) + hex(3) * 256 + hex(5) * 65536);
  }
  return ColorFromName(value.toLower());
}

TColor ColorFromName(const QString& name) {
  for (const auto& [colorName, color] : Plain_Colors)
    if (name == QLatin1String(colorName)) return color;
  for (size_t i = 0; i < System_Color_Names.size(); ++i)
    if (name == QLatin1String(System_Color_Names[i])) return clSystemColor | TColor(i + 1);
  return clBlack;
}
