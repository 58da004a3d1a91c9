#pragma once
// Column definitions of the column grid: one TGridColumnItem per real column (hidden columns included), kept in
// the TGridColumnCollection the grid publishes as Columns. A definition holds what every cell of its column shows
// and how it is edited; writes that the grid must see reach it through IGridColumnOwner.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "UCanvasTools.h"
#include "UCollection.h"
#include "UDateTime.h"
#include "UEditorType.h"
#include "UGridColumnOwner.h"
#include "UGridColumnTypes.h"
#include "UGuardedRef.h"

// Referenced by a definition, owned elsewhere: the external editor link and the popup menu of the widget layers.
class TEditLink;
class TPopupMenu;

class TGridColumnCollection;

class TGridColumnItem : public TCollectionItem {
 public:
  // With a collection the new definition takes its grid's font and colour; without one it keeps the font defaults
  // and colour 0. It joins the collection's list through the collection's Add or Insert.
  explicit TGridColumnItem(TGridColumnCollection* collection = nullptr);

  void Assign(const TCollectionItem& source) override;
  // "Col " + index + ": " + Name when Name is set, else "Column " + index.
  QString DisplayName() const override;
  // Assign, but Color and Font come from the owning grid (stay without one), and ComboItems, DropDownCount,
  // HeaderFont, Header, Name and Tag stay as they are.
  void AssignVisuals(const TGridColumnItem& source);

  TGridColumnCollection* Columns() const;

  // The grid's width table at this column (the width field while the table has no entry); 0 outside a collection.
  int32_t Width() const;
  void SetWidth(int32_t value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  const QString& Header() const { return FColumnHeader; }
  void SetHeader(const QString& value);
  TSortStyle SortStyle() const { return FSortStyle; }
  void SetSortStyle(TSortStyle value) { FSortStyle = value; }
  const QString& SortPrefix() const { return FSortPrefix; }
  void SetSortPrefix(const QString& value) { FSortPrefix = value; }
  const QString& SortSuffix() const { return FSortSuffix; }
  void SetSortSuffix(const QString& value) { FSortSuffix = value; }
  const QString& EditMask() const { return FEditMask; }
  void SetEditMask(const QString& value) { FEditMask = value; }
  // Longest text the in-place editor takes; 0 = no limit.
  int32_t EditLength() const { return FEditLength; }
  void SetEditLength(int32_t value) { FEditLength = value; }
  TEditLink* EditLink() const { return FEditLink; }
  void SetEditLink(TEditLink* value) { FEditLink = value; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TEditorType Editor() const { return FEditorType; }
  void SetEditor(TEditorType value);
  bool Fixed() const { return FFixed; }
  void SetFixed(bool value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  const QStringList& ComboItems() const { return FComboItems; }
  void SetComboItems(const QStringList& value) { FComboItems = value; }
  int32_t DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int32_t value) { FDropDownCount = value; }
  int32_t SpinMin() const { return FSpinMin; }
  void SetSpinMin(int32_t value) { FSpinMin = value; }
  int32_t SpinMax() const { return FSpinMax; }
  void SetSpinMax(int32_t value) { FSpinMax = value; }
  int32_t SpinStep() const { return FSpinStep; }
  void SetSpinStep(int32_t value) { FSpinStep = value; }
  bool Password() const { return FPassword; }
  void SetPassword(bool value);
  const TFont& PrintFont() const { return FPrintFont; }
  void SetPrintFont(const TFont& value) { FPrintFont.Assign(value); }
  TColor PrintColor() const { return FPrintColor; }
  void SetPrintColor(TColor value) { FPrintColor = value; }
  TCellBorders Borders() const { return FBorders; }
  void SetBorders(TCellBorders value);
  const TPen& BorderPen() const { return FBorderPen; }
  void SetBorderPen(const TPen& value);
  TCellBorders PrintBorders() const { return FPrintBorders; }
  void SetPrintBorders(TCellBorders value) { FPrintBorders = value; }
  const TPen& PrintBorderPen() const { return FPrintBorderPen; }
  void SetPrintBorderPen(const TPen& value) { FPrintBorderPen = value; }
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t value) { FTag = value; }
  // The column's position in the saved column order.
  int32_t DefIdx() const { return FDefIdx; }
  void SetDefIdx(int32_t value) { FDefIdx = value; }
  const QString& Name() const { return FName; }
  void SetName(const QString& value) { FName = value; }
  const QString& CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const QString& value) { FCheckFalse = value; }
  const QString& CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const QString& value) { FCheckTrue = value; }
  bool ShowBands() const { return FShowBands; }
  void SetShowBands(bool value);
  // Entries of the column's filter drop-down: a shown text, optionally "=" and the filter condition.
  const QStringList& Filter() const { return FFilter; }
  void SetFilter(const QStringList& value);
  // Limits of a user resize and of automatic sizing; 0 = none.
  int32_t MaxSize() const { return FMaxSize; }
  void SetMaxSize(int32_t value) { FMaxSize = value; }
  int32_t MinSize() const { return FMinSize; }
  void SetMinSize(int32_t value) { FMinSize = value; }
  int32_t AutoMinSize() const { return FAutoMinSize; }
  void SetAutoMinSize(int32_t value) { FAutoMinSize = value; }
  int32_t AutoMaxSize() const { return FAutoMaxSize; }
  void SetAutoMaxSize(int32_t value) { FAutoMaxSize = value; }
  TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
  void SetColumnPopupType(TColumnPopupType value) { FColumnPopupType = value; }
  // The menu's owner may destroy it before the grid: from then on the column has none. The guard is made where
  // the caller knows the menu's class, which the model does not.
  TPopupMenu* ColumnPopup() const { return FColumnPopup; }
  void SetColumnPopup(TGuardedRef<TPopupMenu> value) { FColumnPopup = value; }
  bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
  void SetFilterCaseSensitive(bool value) { FFilterCaseSensitive = value; }
  // Format of the column's float cells; empty = the grid's.
  const QString& FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const QString& value);
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment value);
  const TFont& HeaderFont() const { return FHeaderFont; }
  void SetHeaderFont(const TFont& value);
  bool PrintBorderCustom() const { return FPrintBorderCustom; }
  void SetPrintBorderCustom(bool value) { FPrintBorderCustom = value; }
  bool PrintFontCustom() const { return FPrintFontCustom; }
  void SetPrintFontCustom(bool value) { FPrintFontCustom = value; }

  // The column's cells through the grid, by row. Without a grid, reads are empty or 0 and writes do nothing.
  QString Rows(int32_t row) const;
  void SetRows(int32_t row, const QString& value);
  int32_t Ints(int32_t row) const;
  void SetInts(int32_t row, int32_t value);
  double Floats(int32_t row) const;
  void SetFloats(int32_t row, double value);
  TDateTime Dates(int32_t row) const;
  void SetDates(int32_t row, TDateTime value);
  TDateTime Times(int32_t row) const;
  void SetTimes(int32_t row, TDateTime value);

 private:
  // The collection's header sync fills empty headers without going through the setter.
  friend class TGridColumnCollection;
  // The column grid records shown widths without writing them back.
  friend class TQrvColumnGrid;
  IGridColumnOwner* Grid() const;
  // The collection's change handling for this column (only once the column is in the collection's list).
  void NotifyCollection();
  void RepaintGrid() const;
  // Copies the fields Assign and AssignVisuals share.
  void AssignCommon(const TGridColumnItem& source);

  int32_t FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  QString FColumnHeader;
  TSortStyle FSortStyle = ssAutomatic;
  QString FSortPrefix;
  QString FSortSuffix;
  QString FEditMask;
  int32_t FEditLength = 0;
  TEditLink* FEditLink = nullptr;
  TFont FFont;
  TColor FColor = 0;
  TEditorType FEditorType = edNormal;
  bool FFixed = false;
  bool FReadOnly = false;
  QStringList FComboItems;
  int32_t FDropDownCount = 8;
  int32_t FSpinMin = 0;
  int32_t FSpinMax = 0;
  int32_t FSpinStep = 1;
  bool FPassword = false;
  TFont FPrintFont;
  TColor FPrintColor = clWhite;
  TCellBorders FBorders;
  TPen FBorderPen{clSilver, 1};
  TCellBorders FPrintBorders = cbTop | cbLeft | cbRight | cbBottom;
  TPen FPrintBorderPen{clBlack, 1};
  int32_t FTag = 0;
  int32_t FDefIdx = 0;
  QString FName;
  QString FCheckFalse = QStringLiteral("N");
  QString FCheckTrue = QStringLiteral("Y");
  bool FShowBands = false;
  QStringList FFilter;
  int32_t FMaxSize = 0;
  int32_t FMinSize = 0;
  int32_t FAutoMinSize = 0;
  int32_t FAutoMaxSize = 0;
  TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
  TGuardedRef<TPopupMenu> FColumnPopup;
  bool FFilterCaseSensitive = false;
  QString FFloatFormat;
  TAlignment FHeaderAlignment = taLeftJustify;
  TFont FHeaderFont;
  bool FPrintBorderCustom = true;
  bool FPrintFontCustom = true;
};

class TGridColumnCollection : public TCollection {
 public:
  // owner may be nullptr: a collection without a grid (a stream's root object) only keeps definitions.
  explicit TGridColumnCollection(IGridColumnOwner* owner);

  IGridColumnOwner* GetOwner() const { return FOwner; }
  TGridColumnItem* Items(int32_t index) const;
  // Copies value into the definition at index.
  void SetItems(int32_t index, const TGridColumnItem& value);

  // A new definition at the end that takes the looks of the one before it (AssignVisuals), when there is one.
  TGridColumnItem* Add();
  // A new definition at index with the new-definition values.
  TGridColumnItem* Insert(int32_t index);

  // While set, changes of the definitions do not reach the grid.
  bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
  void SetNoRecursiveUpdate(bool value) { FNoRecursiveUpdate = value; }

  // Keeps the grid's column count and header row in step with the definitions, then repaints the grid.
  void Update(TCollectionItem* item) override;
  // Adds or frees definitions at the end until there is one per grid column, hidden ones included; new ones take
  // the looks of the definition before them. Changes do not reach the grid meanwhile.
  void FitToGrid();
  // Fits the definitions to the grid and makes each one's current position its saved position (DefIdx).
  void SetOrganization();
  // Moves every column back to its saved position (DefIdx) through the grid's column move. Does nothing unless the
  // saved positions are a permutation of 0 .. Count - 1.
  void ResetOrganization();

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override;

 private:
  IGridColumnOwner* FOwner;
  bool FNoRecursiveUpdate = false;
};
