#pragma once
// A vertical stack of collapsible category panels in a scrolling area. The group owns the look of the panel
// headers and stacks the visible panels top to bottom, in the order of their tops, whenever one of them changes
// height, collapses, expands, shows or hides.
#include <QFont>
#include <QImage>
#include <QScrollArea>
#include <cstdint>
#include <vector>

#include "UTypes.h"

class TCategoryPanel;

class TCategoryPanelGroup : public QScrollArea {
  Q_OBJECT

 public:
  explicit TCategoryPanelGroup(QWidget* parent = nullptr);

  int32_t Header_Height() const { return FHeader_Height; }
  void SetHeader_Height(int32_t value);
  const QFont& Header_Font() const { return FHeader_Font; }
  void SetHeader_Font(const QFont& font);
  TColor Header_Font_Color() const { return FHeader_Font_Color; }
  void SetHeader_Font_Color(TColor value) { FHeader_Font_Color = value; }
  TColor Gradient_Base() const { return FGradient_Base; }
  TColor Gradient_End() const { return FGradient_End; }
  void SetGradient(TColor base, TColor end);
  TColor Chevron_Color() const { return FChevron_Color; }
  TColor Chevron_Hot_Color() const { return FChevron_Hot_Color; }
  void SetChevron_Colors(TColor normal, TColor hot);
  // Image 0 heads an expanded panel, image 1 a collapsed one.
  void SetHeader_Images(const QImage& expanded, const QImage& collapsed);
  const QImage& Header_Image(bool collapsed) const { return collapsed ? FCollapsed_Image : FExpanded_Image; }

  // The panels in stacking order, hidden ones included.
  std::vector<TCategoryPanel*> Panels() const;
  std::vector<TCategoryPanel*> Visible_Panels() const;
  // Places every visible panel below the one before it, in the order of their tops. A panel just moved goes
  // before any panel that stands at its new top, as a panel dropped there pushes the others down.
  void Restack(const TCategoryPanel* moved = nullptr);
  // Scrolls by whole lines, as one notch of the wheel scrolls per line of the desktop setting.
  void Scroll_Lines(int32_t lines, bool up);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The viewport narrows when the scroll bar appears; the panels follow its width.
  bool viewportEvent(QEvent* event) override;

 private:
  friend class TCategoryPanel;
  void Add_Panel(TCategoryPanel* panel);

  QWidget* FContent;
  std::vector<TCategoryPanel*> FPanels;
  int32_t FHeader_Height = 24;
  QFont FHeader_Font;
  TColor FHeader_Font_Color = clGray;
  TColor FGradient_Base = clWhite;
  TColor FGradient_End = clSilver;
  TColor FChevron_Color = clGray;
  TColor FChevron_Hot_Color = clRed;
  QImage FExpanded_Image;
  QImage FCollapsed_Image;
  bool FRestacking = false;
};
