#pragma once
// The small HTML-like markup of grid cells, headers, footers, hints and captions: one routine lays the text out in
// a rectangle of a canvas and, in the same call, paints it, measures it and finds the anchor, picture or embedded
// control under a point. Nothing is cached between calls.
#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

#include "UCanvas.h"
#include "UTypes.h"

class THTMLPictureCache;
class TPictureContainer;

// The pictures of IMG sources "IDX:n": equal-sized images, as an image list holds them. A QObject, so that a
// control using the list forgets it when it is destroyed.
class TMarkupImageList : public QObject {
 public:
  TMarkupImageList(int32_t width, int32_t height) : FWidth(width), FHeight(height) {}
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  int32_t Count() const { return int32_t(FImages.size()); }
  void Add(const QImage& image) { FImages.push_back(image); }
  const QImage& Image(int32_t index) const { return FImages[size_t(index)]; }

 private:
  int32_t FWidth;
  int32_t FHeight;
  std::vector<QImage> FImages;
};

// What the markup needs of the visual-style layer to paint embedded controls themed. The painter over the
// `QrvXPVS` binding is installed from the start; with none installed (nullptr), or while the installed one reports
// no active theme, the controls are painted in the classic look.
class IMarkupThemePainter {
 public:
  virtual ~IMarkupThemePainter() = default;
  virtual bool IsThemeActive() const = 0;
  // Draws part/state of the theme class ("button", "combobox") for the owner window into the rectangle; false when
  // nothing was drawn (the control then falls back to its classic look).
  virtual bool DrawThemePart(TCanvas& canvas, QObject* owner, const QString& themeClass, int32_t part, int32_t state,
                             const TRect& rect) = 0;
};
// The painter over the visual-style binding (the one installed at start).
IMarkupThemePainter& BindingMarkupThemePainter();
void SetMarkupThemePainter(IMarkupThemePainter* painter);
IMarkupThemePainter* MarkupThemePainter();

// The two module-wide colours of the HI tag (highlight and highlight text at start).
void SetMarkupHighlightColors(TColor background, TColor text);
TColor MarkupHighlightBackColor();
TColor MarkupHighlightTextColor();
// Sets the platform-version flag that allows themed embedded controls (this platform always qualifies).
void DetectMarkupXp();

// "clred" and the other colour names of the markup; 0 (black) for an unknown name.
TColor ColorFromName(const QString& name);
// The right-to-left rules of the control library applied to text flags.
uint32_t BiDiTextFlags(uint32_t flags, int32_t biDiMode);

// Inputs of a render (arguments 4 to 22 and 36 to 39 of RenderMarkup).
struct TMarkupParams {
  const TMarkupImageList* Images = nullptr;
  int32_t PointX = -1;
  int32_t PointY = -1;
  int32_t FocusAnchorIndex = -1;
  int32_t HoverAnchorNumber = -1;
  int32_t ShadowOffset = 1;
  bool HitTestOnly = false;
  bool MeasureOnly = false;
  bool PrintScaled = false;
  bool SelectedMode = false;
  bool BlinkVisible = true;
  bool HoverOnlyStyle = false;
  bool WordWrap = false;
  bool MouseDown = false;
  double ScaleFactor = 1.0;
  TColor LinkColor = clBlue;
  TColor HoverBackColor = clNone;
  TColor HoverTextColor = clNone;
  TColor ShadowColor = clGray;
  THTMLPictureCache* PictureCache = nullptr;
  TPictureContainer* PictureContainer = nullptr;
  QObject* OwnerWindow = nullptr;
  int32_t BiDiMode = 0;
};

// Outputs of a render (arguments 23 to 35). HitHref and HitAnchorRect are written only when something is hit;
// HitControlID is an input too with HitTestOnly (it selects that control).
struct TMarkupOutputs {
  QString HitHref;
  QString PlainText;
  QString FocusHref;
  QString HitTitle;
  int32_t MeasuredWidth = 0;
  int32_t MeasuredHeight = 0;
  int32_t AnchorCount = 0;
  int32_t HitAnchorNumber = -1;
  TRect HitAnchorRect;
  TRect HitControlRect;
  QString HitControlID;
  QString HitControlValue;
  QString HitControlType;
};

bool RenderMarkup(TCanvas& canvas, const QString& text, TRect layoutRect, const TMarkupParams& params,
                  TMarkupOutputs& outputs);

bool RenderMarkup(TCanvas& Canvas, const QString& Text, TRect LayoutRect, const TMarkupImageList* Images,
                  int32_t PointX, int32_t PointY, int32_t FocusAnchorIndex, int32_t HoverAnchorNumber,
                  int32_t ShadowOffset, bool HitTestOnly, bool MeasureOnly, bool PrintScaled, bool SelectedMode,
                  bool BlinkVisible, bool HoverOnlyStyle, bool WordWrap, bool MouseDown, double ScaleFactor,
                  TColor LinkColor, TColor HoverBackColor, TColor HoverTextColor, TColor ShadowColor,
                  QString& HitHref, QString& PlainText, QString& FocusHref, QString& HitTitle, int32_t& MeasuredWidth,
                  int32_t& MeasuredHeight, int32_t& AnchorCount, int32_t& HitAnchorNumber, TRect& HitAnchorRect,
                  TRect& HitControlRect, QString& HitControlID, QString& HitControlValue, QString& HitControlType,
                  THTMLPictureCache* PictureCache, TPictureContainer* PictureContainer, QObject* OwnerWindow,
                  int32_t BiDiMode);
