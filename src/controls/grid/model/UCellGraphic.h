#pragma once
// The one object a cell may carry beside its text: a picture, a control, an indicator, a comment, a marker, a
// tree node... The kind says how the general-purpose fields are read. A graphic lives in its cell's properties and
// is freed with them; what it frees in turn is decided by its kind (see the destructor).
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <variant>

#include "UBitmap.h"
#include "UCellGraphics.h"
#include "UGridLists.h"
#include "UGridTypes.h"
#include "UHTMLPicture.h"

using TPicture = THTMLPicture;

// An icon is a small bitmap here; the type keeps the two kinds apart.
class TIcon : public TBitmap {
 public:
  using TBitmap::TBitmap;
};

enum TCellType : uint8_t {
  ctBitmap,
  ctIcon,
  ctNone,
  ctImageList,
  ctCheckBox,
  ctDataCheckBox,
  ctRotated,
  ctDataImage,
  ctNode,
  ctRadio,
  ctEmpty,
  ctImages,
  ctPicture,
  ctFilePicture,
  ctValue,
  ctProgress,
  ctComment,
  ctButton,
  ctBitButton,
  ctVirtCheckBox,
  ctRowCheckBox,
  ctProgressPie,
  ctSummary,
  ctRangeIndicator,
  ctXPProgress,
  ctInterface,
  ctScrollbar,
  ctRadioButton,
  ctBalloon,
  ctShape,
  ctRating,
  ctTriStateCheckBox,
  ctExpand
};
constexpr int32_t TCellTypeCount = ctExpand + 1;

enum TCellVAlign : uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign : uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
struct TScrollProp {
  int32_t PageSize = 0;
  int32_t Range = 0;
  bool operator==(const TScrollProp&) const = default;
};

// What the object of an interfaced cell offers: it paints itself and names its preferred size (0 = the cell's).
class IGridCellObject {
 public:
  virtual ~IGridCellObject() = default;
  virtual void Draw(TCanvas& canvas, const TRect& rect, int32_t col, int32_t row) = 0;
  virtual int32_t GetWidth() = 0;
  virtual int32_t GetHeight() = 0;
  // An object that paints a background for the cell text asks to be drawn before the text; others after it.
  virtual bool DrawBeforeText() { return false; }
};

// The main reference of a graphic: one of the objects a kind carries, or a colour for the kinds that keep one there.
using TCellObjectRef =
    std::variant<std::monostate, TBitmap*, TPicture*, TFilePicture*, QStringList*, TIntList*, TObject*, TColor>;
using TCellIconRef = std::variant<std::monostate, TIcon*, TColor>;

class TCellGraphic : public TObject {
 public:
  TCellGraphic() = default;
  ~TCellGraphic() override;
  TCellGraphic(const TCellGraphic&) = delete;
  TCellGraphic& operator=(const TCellGraphic&) = delete;

  // Copies everything but the object references, the variant value and the tri-state.
  void Assign(const TCellGraphic& source);

  // Each sets the kind and the fields of its kind (objects are referenced, not copied).
  void SetBitmap(TBitmap* bitmap, bool transparent, TCellHAlign hal, TCellVAlign val);
  void SetIcon(TIcon* icon, TCellHAlign hal, TCellVAlign val);
  void SetPicture(TPicture* picture, bool transparent, TStretchMode mode, int32_t padding, TCellHAlign hal,
                  TCellVAlign val);
  void SetFilePicture(TFilePicture* picture, bool transparent, TStretchMode mode, int32_t padding, TCellHAlign hal,
                      TCellVAlign val);
  void SetImageIdx(int32_t idx, TCellHAlign hal, TCellVAlign val);
  void SetDataImage(int32_t idx, TCellHAlign hal, TCellVAlign val);
  void SetMultiImage(int32_t col, int32_t row, int32_t dir, TCellHAlign hal, TCellVAlign val);
  void SetButton(int32_t bw, int32_t bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
  void SetBitButton(int32_t bw, int32_t bh, const QString& caption, TBitmap* glyph, TCellHAlign hal, TCellVAlign val);
  void SetInterfacedCell(TObject* object);
  void SetCheckBox(bool value, bool data, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(TCheckBoxState state, TCellHAlign hal, TCellVAlign val);
  void SetRadioButton(bool value, TCellHAlign hal, TCellVAlign val);
  // Brings the angle into 0..360 and makes the graphic a rotated-text marker.
  void SetAngle(int32_t angle);

  // Size of a picture kind in a cell area of cw x rh, by its stretch mode and padding; (0, 0) for other kinds.
  TPoint GetPictureSize(int32_t cw, int32_t rh, bool hasText) const;

  template <class T>
  T* ObjectAs() const {
    auto p = std::get_if<T*>(&FCellBitmap);
    return p ? *p : nullptr;
  }
  TColor ColorRef() const {
    auto p = std::get_if<TColor>(&FCellBitmap);
    return p ? *p : clNone;
  }
  TIcon* IconObject() const {
    auto p = std::get_if<TIcon*>(&FCellIcon);
    return p ? *p : nullptr;
  }
  TColor IconColor() const {
    auto p = std::get_if<TColor>(&FCellIcon);
    return p ? *p : clNone;
  }
  // The object of an interfaced cell when it offers IGridCellObject.
  IGridCellObject* CellObjectInterface() const { return dynamic_cast<IGridCellObject*>(ObjectAs<TObject>()); }

  TCellType CellType() const { return FCellType; }
  void SetCellType(TCellType value) { FCellType = value; }
  const TCellObjectRef& CellBitmap() const { return FCellBitmap; }
  void SetCellBitmap(const TCellObjectRef& value) { FCellBitmap = value; }
  const TCellIconRef& CellIcon() const { return FCellIcon; }
  void SetCellIcon(const TCellIconRef& value) { FCellIcon = value; }
  TCellVAlign CellVAlign() const { return FCellVAlign; }
  void SetCellVAlign(TCellVAlign value) { FCellVAlign = value; }
  TCellHAlign CellHAlign() const { return FCellHAlign; }
  void SetCellHAlign(TCellHAlign value) { FCellHAlign = value; }
  int32_t CellIndex() const { return FCellIndex; }
  void SetCellIndex(int32_t value) { FCellIndex = value; }
  bool CellTransparent() const { return FCellTransparent; }
  void SetCellTransparent(bool value) { FCellTransparent = value; }
  bool CellCreated() const { return FCellCreated; }
  void SetCellCreated(bool value) { FCellCreated = value; }
  bool CellBoolean() const { return FCellBoolean; }
  void SetCellBoolean(bool value) { FCellBoolean = value; }
  int32_t CellAngle() const { return FCellAngle; }
  void SetCellAngle(int32_t value) { FCellAngle = value; }
  double CellValue() const { return FCellValue; }
  void SetCellValue(double value) { FCellValue = value; }
  int32_t CellErrFrom() const { return FCellErrFrom; }
  void SetCellErrFrom(int32_t value) { FCellErrFrom = value; }
  int32_t CellErrLen() const { return FCellErrLen; }
  void SetCellErrLen(int32_t value) { FCellErrLen = value; }
  const QString& CellText() const { return FCellText; }
  void SetCellText(const QString& value) { FCellText = value; }
  const QVariant& CellVar() const { return FCellVar; }
  void SetCellVar(const QVariant& value) { FCellVar = value; }
  TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
  void SetCellCheckBoxState(TCheckBoxState value) { FCellCheckBoxState = value; }

  // Frees the balloon list attached to a check box or radio button and detaches it.
  void FreeAttachedBalloon();

 private:
  void FreeOwnedObjects();

  TCellType FCellType = ctNone;
  TCellObjectRef FCellBitmap;
  TCellIconRef FCellIcon;
  TCellVAlign FCellVAlign = vaTop;
  TCellHAlign FCellHAlign = haLeft;
  int32_t FCellIndex = 0;
  bool FCellTransparent = false;
  bool FCellCreated = false;
  bool FCellBoolean = false;
  int32_t FCellAngle = 0;
  double FCellValue = 0.0;
  int32_t FCellErrFrom = 0;
  int32_t FCellErrLen = 0;
  QString FCellText;
  QVariant FCellVar;
  TCheckBoxState FCellCheckBoxState = cbUnchecked;
};

// Check boxes of every kind, the ones whose state is the cell text, and the control kinds a click acts on.
bool IsCheckBoxType(TCellType type);
bool IsDataCheckBoxType(TCellType type);
