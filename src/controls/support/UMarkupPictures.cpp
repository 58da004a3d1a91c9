// Pictures in markup: IMG (image list, system icons, named and cached pictures) and the BODY background.
#include <QIcon>
#include <QMimeDatabase>
#include <cmath>

#include "Exception.h"
#include "UMarkupRun.h"
#include "UPictureContainer.h"

namespace {
int32_t Scaled(int32_t size, int ppi) {
  return int32_t(std::lround(size * ppi / 96.0));
}

// The named picture or the cached one for a "://" source; a cached source is loaded once, from a file or a
// resource only: a paint never reaches the network. A picture that cannot be decoded counts as absent.
THTMLPicture* Find_Picture(const TMarkupRun& r, const QString& source) {
  THTMLPicture* picture = nullptr;
  if (!source.contains(u':') && r.P.PictureContainer) picture = r.P.PictureContainer->FindPicture(source);
  if (source.contains(QStringLiteral("://")) && r.P.PictureCache) {
    picture = r.P.PictureCache->FindPicture(source);
    if (!picture) {
      picture = r.P.PictureCache->AddPicture();
      picture->SetAsynch(false);
      picture->SetID(source);
      try {
        picture->LoadFromURL(source);
      } catch (const Exception&) {
        picture->Assign(nullptr);
      }
    }
  }
  return picture && !picture->Empty() && !picture->Image().isNull() ? picture : nullptr;
}

// A system icon by file type or path (SSYS small, LSYS large) from the icon theme; its size, 0 when there is none.
QSize Draw_Shell_Icon(TLinePass& pass, const QString& name, bool large) {
  const int size = large ? 32 : 16;
  QMimeDatabase mimes;
  const QMimeType type = mimes.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
  QIcon icon = QIcon::fromTheme(type.iconName());
  if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
  if (icon.isNull()) return QSize();
  if (pass.Painting) {
    const QImage image = icon.pixmap(size, size).toImage();
    const TMarkupParams& p = pass.R.P;
    if (p.PrintScaled)
      pass.R.C.Painter().drawImage(QRect(pass.W.Left, pass.W.Top, int(std::lround(size * p.ScaleFactor)),
                                         int(std::lround(size * p.ScaleFactor))),
                                   image);
    else
      pass.R.C.DrawImage(pass.W.Left, pass.W.Top, image);
  }
  return QSize(size, size);
}
}  // namespace

void Markup_Picture(TLinePass& pass, const QString& text) {
  TMarkupRun& r = pass.R;
  const int32_t number = ++r.PictureCounter;
  // The source is read as written: file names keep their letter case on this platform.
  const qsizetype close = text.indexOf(u'>');
  const QString tag = text.mid(2, close < 0 ? -1 : close - 2);
  const QString upper = tag.toUpper();
  QString source = Markup_Attr(tag, QStringLiteral("SRC"));
  if (number == r.HitPicture && upper.contains(QStringLiteral("ALT")))
    source = Markup_Attr(tag, QStringLiteral("ALT"));
  const int32_t width = Markup_Number(Markup_Attr(upper, QStringLiteral("WIDTH")));
  const int32_t height = Markup_Number(Markup_Attr(upper, QStringLiteral("HEIGHT")));
  const QString sourceUpper = source.toUpper();
  const int ppi = r.C.PixelsPerInch();
  int32_t w = 0, h = 0;
  if (sourceUpper.startsWith(QLatin1String("IDX:"))) {
    const int32_t index = Markup_Number(source.mid(4));
    const TMarkupImageList* images = r.P.Images;
    if (images && index >= 0 && index < images->Count()) {
      w = Scaled(images->Width(), ppi);
      h = Scaled(images->Height(), ppi);
      if (pass.Painting) {
        if (r.P.PrintScaled) {
          const TRect target =
              Rect(pass.W.Left, pass.W.Top, pass.W.Left + int32_t(std::lround(images->Width() * r.P.ScaleFactor)),
                   pass.W.Top + int32_t(std::lround(images->Height() * r.P.ScaleFactor)));
          r.C.Painter().drawImage(QRect(target.Left, target.Top, target.Width(), target.Height()),
                                  images->Image(index));
        } else {
          r.C.DrawImage(pass.W.Left, pass.W.Top, images->Image(index));
        }
      }
    }
  } else if (sourceUpper.startsWith(QLatin1String("SSYS:")) || sourceUpper.startsWith(QLatin1String("LSYS:"))) {
    const QSize size = Draw_Shell_Icon(pass, source.mid(5), sourceUpper.startsWith(u'L'));
    w = Scaled(size.width(), ppi);
    h = Scaled(size.height(), ppi);
  } else if (THTMLPicture* picture = Find_Picture(r, source)) {
    int32_t dw = picture->Width(), dh = picture->Height();
    if (width > 0 && height > 0) {
      dw = width;
      dh = height;
    } else if (width > 0 && picture->Width() > 0) {
      dw = width;
      dh = int32_t(std::lround(double(picture->Height()) * width / picture->Width()));
    } else if (height > 0 && picture->Height() > 0) {
      dw = int32_t(std::lround(double(picture->Width()) * height / picture->Height()));
      dh = height;
    }
    const bool sized = width > 0 || height > 0;
    if (pass.Painting) {
      if (sized) {
        picture->SetStretch(true);
        picture->Draw(r.C, Rect(pass.W.Left, pass.W.Top, pass.W.Left + dw, pass.W.Top + dh));
      } else {
        if (picture->FrameCount() > 1 && r.BackColor != clNone) {
          const TBrush saved = r.C.Brush();
          r.C.Brush().Color = r.BackColor;
          r.C.Brush().Style = bsSolid;
          r.C.FillRect(
              Rect(pass.W.Left, pass.W.Top, pass.W.Left + picture->MaxWidth(), pass.W.Top + picture->MaxHeight()));
          r.C.SetBrush(saved);
        }
        const int32_t x = pass.W.Left + picture->FrameXPos(), y = pass.W.Top + picture->FrameYPos();
        picture->Draw(r.C, Rect(x, y, x + picture->Width(), y + picture->Height()));
      }
    }
    w = Scaled(sized ? dw : picture->MaxWidth(), ppi);
    h = Scaled(sized ? dh : picture->MaxHeight(), ppi);
  }
  if (r.InAnchor && pass.PointIn(w, h)) {
    pass.PointOnPictureOrControl = true;
    r.O.HitHref = r.Href;
    r.O.HitTitle = r.Title;
    r.HitPicture = number;
  }
  pass.Place(w, h);
  if (pass.LineFull) return;
  const QString align = Markup_Attr(upper, QStringLiteral("ALIGN"));
  if (align == QLatin1String("TOP")) pass.L.PicAlignOffset = pass.L.Height - r.GhHeight();
  if (align == QLatin1String("MIDDLE")) pass.L.PicAlignOffset = (pass.L.Height - r.GhHeight()) / 2;
}

void Markup_Body(TLinePass& pass, const QString& text) {
  if (!pass.Painting) return;
  TMarkupRun& r = pass.R;
  const qsizetype close = text.indexOf(u'>');
  const QString tag = text.mid(5, close < 0 ? -1 : close - 5);
  const QString upper = tag.toUpper();
  // The colour first, so a background picture is not covered by it.
  if (upper.contains(QStringLiteral("BGCOLOR"))) {
    const QString value = Markup_Attr(upper, QStringLiteral("BGCOLOR"));
    TColor color = clNone;
    if (value.contains(QStringLiteral("CL"))) color = ColorFromName(value.toLower());
    if (value.contains(u'#')) color = Markup_Color(value.mid(value.indexOf(u'#')));
    if (color != clNone) {
      r.SetBrushColor(color);
      r.SavedFontBrush = color;
      r.C.FillRect(r.Layout);
    }
  }
  if (upper.contains(QStringLiteral("BACKGROUND"))) {
    THTMLPicture* picture = Find_Picture(r, Markup_Attr(tag, QStringLiteral("BACKGROUND")));
    if (picture && picture->Width() > 0 && picture->Height() > 0) {
      r.C.PushClip(r.Layout);
      for (int32_t y = r.Layout.Top; y < r.Layout.Bottom; y += picture->Height())
        for (int32_t x = r.Layout.Left; x < r.Layout.Right; x += picture->Width())
          picture->Draw(r.C, Rect(x, y, x + picture->Width(), y + picture->Height()));
      r.C.PopClip();
    }
  }
}
