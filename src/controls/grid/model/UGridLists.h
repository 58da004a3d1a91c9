#pragma once
// The grid's bookkeeping lists: integer lists with change notification, the sort-column list with its text form,
// the controls placed in cells, a picture that lives in a file, a string list read and written line by line, and
// the base of the cell checkers.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "UGridOptions.h"
#include "UTypes.h"

class QObject;
class TCanvas;

// A list of 32-bit integers that tells its owner, with the cell it belongs to, when an entry is added, deleted or
// overwritten. An index outside the list raises Exception "List index out of bounds (<index>)".
class TIntList {
 public:
  TIntList(int32_t Col, int32_t Row) : FCol(Col), FRow(Row) {}
  virtual ~TIntList() = default;

  int32_t Count() const { return int32_t(FItems.size()); }
  void Add(int32_t Value);
  // Index may be Count (appends); no notification.
  void Insert(int32_t Index, int32_t Value);
  void Delete(int32_t Index);
  // Deletes the first entry equal to Value; nothing when there is none.
  void DeleteValue(int32_t Value);
  bool HasValue(int32_t Value) const;
  int32_t GetInteger(int32_t Index) const;
  void SetInteger(int32_t Index, int32_t Value);
  // Empties the list without notification.
  void Clear() { FItems.clear(); }

  // The entries in decimal, joined by ",".
  QString StrValue() const;
  // Replaces the entries by the items of a comma text (commas or blanks separate, double quotes enclose); an item
  // that is not an integer raises EConvertError, the items before it stay added.
  void SetStrValue(const QString& Value);

  std::function<void(TIntList* Sender, int32_t ACol, int32_t ARow)> OnChange;

 protected:
  void Changed();
  void CheckIndex(int32_t Index) const;

 private:
  int32_t FCol;
  int32_t FRow;
  std::vector<int32_t> FItems;
};

// The sort columns in order of precedence: a column index, with bit 31 set for a descending sort.
class TSortIndexList : public TIntList {
 public:
  TSortIndexList() : TIntList(0, 0) {}
  void AddIndex(int32_t ColumnIndex, bool Ascending);
  // Position of the column's entry, -1 when it is not sorted on.
  int32_t FindIndex(int32_t ColumnIndex) const;
  // Reverses the column's direction; nothing when it is not in the list.
  void ToggleIndex(int32_t ColumnIndex);
  int32_t GetSortColumns(int32_t i) const;
  void SetSortColumns(int32_t i, int32_t Value);
  // True for ascending.
  bool GetSortDirections(int32_t i) const;
  void SetSortDirections(int32_t i, bool Value);

  // "u<column>" or "d<column>" per entry, joined by ";": "u2;d5".
  QString SaveToString() const;
  // Replaces the entries from such a text. A part shorter than two characters, or whose column is not a plain
  // decimal number within the integer range, is skipped; a first character other than "u" means descending.
  void LoadFromString(const QString& s);
};

// A control placed in the cell (X, Y); the list never owns the control, and forgets one its owner deleted.
class TControlItem {
 public:
  TControlItem(int32_t AX, int32_t AY, QObject* AObject) : X(AX), Y(AY), Control(AObject) {}
  int32_t X;
  int32_t Y;
  QPointer<QObject> Control;
};

// What the window does with a control placed in a cell: leaves it (fixed cells), hides it, or shows it over Bounds
// (client coordinates).
struct TCellControlPlace {
  enum TAction { Leave, Hide, Show } Action = Leave;
  TRect Bounds;
};

// Window handles are compared as integers; 0 is no window.
using TControlHandle = uintptr_t;

// The controls placed in cells. A control is any QObject, so that the model needs no widget library; the widget
// layer tells the list a control's window handle through HandleOf (QWidget::winId of a native window).
class TControlList {
 public:
  void AddControl(int32_t X, int32_t Y, QObject* AObject);
  // Position of the first item for the cell, -1 when none.
  int32_t ControlIndex(int32_t X, int32_t Y) const;
  int32_t Count() const { return int32_t(FItems.size()); }
  // An index outside the list raises Exception "List index out of bounds (<index>)".
  TControlItem* GetControl(int32_t i) const;
  // Frees the item, never its control.
  void RemoveControl(int32_t i);
  // True when some item's control is a windowed control with that window handle. Without HandleOf, a control that
  // is a widget is its own handle (its address) and any other object has none.
  bool HasHandle(TControlHandle Handle) const;

  std::function<TControlHandle(const QObject* Control)> HandleOf;

 private:
  TControlHandle ControlHandle(const QObject* Control) const;
  void CheckIndex(int32_t Index) const;

  std::vector<std::unique_ptr<TControlItem>> FItems;
};

// A picture known by its file name only: every size query and every draw reads the file again. The extension must
// name a picture format; JPEG data decodes through libjpeg, the rest through Qt's image readers.
class TFilePicture : public TGridPersistent {
 public:
  TFilePicture() = default;
  // Copies the name and the size without reading the file.
  void Assign(const TGridPersistent* Source) override;

  const QString& Filename() const { return FFilename; }
  // Stores the name, then reads the file for its size. A missing or unreadable file raises Exception ("Cannot
  // open file ...", "Unknown picture file extension (...)" or the decoder's text) with the name already stored
  // and the size 0.
  void SetFilename(const QString& Value);
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  // Draws the picture stretched into Rect; nothing without a name. Raises like SetFilename.
  void DrawPicture(TCanvas& Canvas, const TRect& Rect) const;

 private:
  QString FFilename;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
};

// A string list read line by line and written piece by piece, for text import and export.
class TFileStringList : public QStringList {
 public:
  void Reset();
  bool Eof() const { return FReadPosition >= size(); }
  // Raises Exception "List index out of bounds (<position>)" at Eof.
  void ReadLn(QString& s);
  // Adds to the line being built.
  void Write(const QString& s);
  // Ends the line being built with s.
  void WriteLn(const QString& s);

 private:
  qsizetype FReadPosition = 0;
  QString FPendingLine;
};

// Base of the cell checkers the grid calls while checking cells; this one accepts every text as it stands. A
// QObject, so that a grid forgets a checker that is destroyed.
class TQrvStringGridCheck : public QObject {
 public:
  TQrvStringGridCheck() = default;
  virtual ~TQrvStringGridCheck() = default;

  virtual QString MarkError(int32_t ACol, int32_t ARow, const QString& s);
  virtual QString Correct(int32_t ACol, int32_t ARow, const QString& s);
  virtual void StartCheck() {}
  virtual void StopCheck() {}

  bool GotoCell() const { return FGotoCell; }
  void SetGotoCell(bool Value) { FGotoCell = Value; }
  bool AutoCorrect() const { return FAutoCorrect; }
  void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
  bool AutoMarkError() const { return FAutoMarkError; }
  void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
  bool UseCorrect() const { return FUseCorrect; }
  void SetUseCorrect(bool Value) { FUseCorrect = Value; }
  bool UseMarkError() const { return FUseMarkError; }
  void SetUseMarkError(bool Value) { FUseMarkError = Value; }

 private:
  bool FGotoCell = false;
  bool FAutoCorrect = false;
  bool FAutoMarkError = false;
  bool FUseCorrect = false;
  bool FUseMarkError = false;
};
