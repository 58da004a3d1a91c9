#pragma once
// Look of the tree nodes a grid shows in column 0, and the few control-look and grouping settings the cell
// objects read.
#include <QString>
#include <cstdint>

#include "UBitmap.h"
#include "UCellGrouping.h"
#include "UChangeNotice.h"
#include "UDropDownAppearance.h"
#include "UTypes.h"

class TBaseGrid;

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode {
 public:
  explicit TCellNode(TBaseGrid* owner) : FOwner(owner) {}
  // Copies every setting, the glyphs by copy.
  void Assign(const TCellNode& source);

  TColor Color = 0xC0C0C0;
  TNodeType NodeType() const { return FNodeType; }
  void SetNodeType(TNodeType value);
  TColor NodeColor = 0;
  const TBitmap& ExpandGlyph() const { return FExpandGlyph; }
  void SetExpandGlyph(const TBitmap& value) { FExpandGlyph = value; }
  bool ExpandOne = false;
  const TBitmap& ContractGlyph() const { return FContractGlyph; }
  void SetContractGlyph(const TBitmap& value) { FContractGlyph = value; }
  TBaseGrid* Owner() const { return FOwner; }
  bool ShowTree() const { return FShowTree; }
  void SetShowTree(bool value);
  bool ShowTreeFull() const { return FShowTreeFull; }
  void SetShowTreeFull(bool value);
  int32_t NodeIndent() const { return FNodeIndent; }
  void SetNodeIndent(int32_t value);
  TColor TreeColor() const { return FTreeColor; }
  void SetTreeColor(TColor value);

 private:
  template <class T>
  void Store(T& field, T value);

  TNodeType FNodeType = cnXP;
  TBitmap FExpandGlyph;
  TBitmap FContractGlyph;
  TBaseGrid* FOwner;
  bool FShowTree = true;
  bool FShowTreeFull = true;
  int32_t FNodeIndent = 12;
  TColor FTreeColor = 0x808080;
};

enum TControlStyle { csClassic, csFlat, csWinXP, csRaised, csVyx, csGlyph, csTheme };

// The grid's control look: check boxes, radio buttons, buttons and progress bars, and the fixed-cell gradient
// colours it hands on to the grid (through the grid's control-look setters, which forward them).
struct TCellControlLook {
  bool CheckAlwaysActive = false;
  bool RadioAlwaysActive = false;
  int32_t CheckSize = 15;
  int32_t RadioSize = 10;
  TColor CommentColor = 0x0000FF;
  TControlStyle ControlStyle = csTheme;
  TColor Color = 0x000000;
  TBitmap CheckedGlyph, UnCheckedGlyph, RadioOnGlyph, RadioOffGlyph;
  bool FlatButton = false;
  int32_t ProgressMarginX = 2;
  int32_t ProgressMarginY = 2;
  bool ProgressXP = false;
  bool DropDownAlwaysVisible = false;
  // Rows the combo editor's list shows.
  int32_t DropDownCount = 8;
  // The popup bars of the drop-down editors: the grid copies them into each one it opens.
  THeaderAppearance DropDownHeader;
  TFooterAppearance DropDownFooter;
  bool SpinButtonsAlwaysVisible = false;
  bool NoDisabledCheckRadioLook = false;
  bool NoDisabledButtonLook = false;
  bool FixedDropDownButton = false;
  TColor ProgressBorderColor = 0x808080;
  // Above 0: cell hints are laid out in at most this width.
  int32_t HintMaxWidth = 0;
  // The fixed-cell gradients as last set through the control look.
  TColor FixedGradientFrom = clNone, FixedGradientTo = clNone;
  TColor FixedGradientMirrorFrom = clNone, FixedGradientMirrorTo = clNone;
  TColor FixedGradientHoverFrom = 0x808080, FixedGradientHoverTo = 0xFFFFFF;
  TColor FixedGradientHoverMirrorFrom = clNone, FixedGradientHoverMirrorTo = clNone;
  TColor FixedGradientHoverBorder = 0xC0C0C0;
  TColor FixedGradientDownFrom = 0x808080, FixedGradientDownTo = 0xC0C0C0;
  TColor FixedGradientDownMirrorFrom = clNone, FixedGradientDownMirrorTo = clNone;
  TColor FixedGradientDownBorder = 0x808080;

  // Setters: on a change the owner hears of it (the grid repaints).
  TChangeNotice OnChange;
  // Every setting of another look (the popup bars with their buttons); the owner hears of it once.
  void Assign(const TCellControlLook& source) {
    if (&source == this) return;
    *this = source;
    OnChange();
  }
  TARN_NOTIFYING_SETTER(bool, CheckAlwaysActive)
  TARN_NOTIFYING_SETTER(bool, RadioAlwaysActive)
  TARN_NOTIFYING_SETTER(int32_t, CheckSize)
  TARN_NOTIFYING_SETTER(int32_t, RadioSize)
  TARN_NOTIFYING_SETTER(TColor, CommentColor)
  TARN_NOTIFYING_SETTER(TControlStyle, ControlStyle)
  TARN_NOTIFYING_SETTER(TColor, Color)
  TARN_NOTIFYING_SETTER(bool, FlatButton)
  TARN_NOTIFYING_SETTER(int32_t, ProgressMarginX)
  TARN_NOTIFYING_SETTER(int32_t, ProgressMarginY)
  TARN_NOTIFYING_SETTER(bool, ProgressXP)
  TARN_NOTIFYING_SETTER(bool, DropDownAlwaysVisible)
  TARN_NOTIFYING_SETTER(int32_t, DropDownCount)
  TARN_NOTIFYING_SETTER(bool, SpinButtonsAlwaysVisible)
  TARN_NOTIFYING_SETTER(bool, NoDisabledCheckRadioLook)
  TARN_NOTIFYING_SETTER(bool, NoDisabledButtonLook)
  TARN_NOTIFYING_SETTER(bool, FixedDropDownButton)
  TARN_NOTIFYING_SETTER(TColor, ProgressBorderColor)
  TARN_NOTIFYING_SETTER(int32_t, HintMaxWidth)
  void SetGlyphs(const TBitmap& checked, const TBitmap& unchecked, const TBitmap& radioOn, const TBitmap& radioOff) {
    CheckedGlyph = checked;
    UnCheckedGlyph = unchecked;
    RadioOnGlyph = radioOn;
    RadioOffGlyph = radioOff;
    OnChange();
  }
};
