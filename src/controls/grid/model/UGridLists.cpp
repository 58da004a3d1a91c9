#include "UGridLists.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QObject>
#include <algorithm>

#include "Exception.h"
#include "UCanvas.h"
#include "UHTMLPicture.h"
#include "UStrUtils.h"

namespace {

constexpr uint32_t Descending_Bit = 0x80000000u;
constexpr uint32_t Column_Bits = 0x7FFFFFFFu;

[[noreturn]] void List_Index_Error(qsizetype index) {
  throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

bool Is_Blank(QChar c) {
  return c.unicode() >= 1 && c.unicode() <= 0x20;
}

// The classic comma-text rules: items are separated by a comma or by blanks (any character up to U+0020), blanks
// around a separator are dropped, an item may be enclosed in double quotes (a doubled quote stands for one), and a
// comma at the very end makes a last, empty item.
QStringList Split_Comma_Text(const QString& text) {
  QStringList items;
  const qsizetype n = text.size();
  qsizetype p = 0;
  while (p < n && Is_Blank(text[p])) ++p;
  while (p < n) {
    QString item;
    if (text[p] == u'"') {
      ++p;
      while (p < n) {
        if (text[p] == u'"') {
          if (p + 1 < n && text[p + 1] == u'"') {
            item += u'"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item += text[p++];
      }
    } else {
      const qsizetype start = p;
      while (p < n && !Is_Blank(text[p]) && text[p] != u',') ++p;
      item = text.mid(start, p - start);
    }
    items.append(item);
    while (p < n && Is_Blank(text[p])) ++p;
    if (p < n && text[p] == u',') {
      if (p + 1 == n) items.append(QString());
      do ++p;
      while (p < n && Is_Blank(text[p]));
    }
  }
  return items;
}

// The column of a sort-text part: plain decimal digits within the integer range, else nothing.
bool Read_Sort_Column(QStringView digits, int32_t& column) {
  if (digits.isEmpty()) return false;
  int64_t value = 0;
  for (QChar c : digits) {
    if (c < u'0' || c > u'9') return false;
    value = value * 10 + (c.unicode() - u'0');
    if (value > int64_t(Column_Bits)) return false;
  }
  column = int32_t(value);
  return true;
}

bool Is_Picture_Extension(const QString& suffix) {
  static const QStringList jpeg = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"),
                                   QStringLiteral("jfif")};
  if (jpeg.contains(suffix)) return true;
  const QList<QByteArray> formats = QImageReader::supportedImageFormats();
  return std::any_of(formats.begin(), formats.end(),
                     [&](const QByteArray& format) { return QString::fromLatin1(format) == suffix; });
}

// Reads and decodes a picture file into a temporary picture; raises when it cannot.
void Load_Picture_File(const QString& fileName, THTMLPicture& picture) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (!Is_Picture_Extension(suffix))
    throw Exception(QStringLiteral("Unknown picture file extension (.%1)").arg(suffix));
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
  picture.ReadData(file.readAll());
}

}  // namespace

// ---- TIntList ----

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

void TIntList::CheckIndex(int32_t Index) const {
  if (Index < 0 || Index >= Count()) List_Index_Error(Index);
}

void TIntList::Add(int32_t Value) {
  FItems.push_back(Value);
  Changed();
}

void TIntList::Insert(int32_t Index, int32_t Value) {
  if (Index < 0 || Index > Count()) List_Index_Error(Index);
  FItems.insert(FItems.begin() + Index, Value);
}

void TIntList::Delete(int32_t Index) {
  CheckIndex(Index);
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TIntList::DeleteValue(int32_t Value) {
  const auto it = std::find(FItems.begin(), FItems.end(), Value);
  if (it != FItems.end()) Delete(int32_t(it - FItems.begin()));
}

bool TIntList::HasValue(int32_t Value) const {
  return std::find(FItems.begin(), FItems.end(), Value) != FItems.end();
}

int32_t TIntList::GetInteger(int32_t Index) const {
  CheckIndex(Index);
  return FItems[size_t(Index)];
}

void TIntList::SetInteger(int32_t Index, int32_t Value) {
  CheckIndex(Index);
  FItems[size_t(Index)] = Value;
  Changed();
}

QString TIntList::StrValue() const {
  QStringList parts;
  parts.reserve(Count());
  for (int32_t value : FItems) parts.append(QString::number(value));
  return parts.join(u',');
}

void TIntList::SetStrValue(const QString& Value) {
  Clear();
  for (const QString& item : Split_Comma_Text(Value)) Add(StrToInt(item));
}

// ---- TSortIndexList ----

void TSortIndexList::AddIndex(int32_t ColumnIndex, bool Ascending) {
  const uint32_t entry = Ascending ? uint32_t(ColumnIndex) : (uint32_t(ColumnIndex) | Descending_Bit);
  Add(int32_t(entry));
}

int32_t TSortIndexList::FindIndex(int32_t ColumnIndex) const {
  for (int32_t i = 0; i < Count(); ++i)
    if ((uint32_t(GetInteger(i)) & Column_Bits) == uint32_t(ColumnIndex)) return i;
  return -1;
}

void TSortIndexList::ToggleIndex(int32_t ColumnIndex) {
  const int32_t i = FindIndex(ColumnIndex);
  if (i >= 0) SetInteger(i, int32_t(uint32_t(GetInteger(i)) ^ Descending_Bit));
}

int32_t TSortIndexList::GetSortColumns(int32_t i) const {
  return int32_t(uint32_t(GetInteger(i)) & Column_Bits);
}

void TSortIndexList::SetSortColumns(int32_t i, int32_t Value) {
  const uint32_t direction = uint32_t(GetInteger(i)) & Descending_Bit;
  SetInteger(i, int32_t(direction | (uint32_t(Value) & Column_Bits)));
}

bool TSortIndexList::GetSortDirections(int32_t i) const {
  return (uint32_t(GetInteger(i)) & Descending_Bit) == 0;
}

void TSortIndexList::SetSortDirections(int32_t i, bool Value) {
  const uint32_t entry = uint32_t(GetInteger(i));
  SetInteger(i, int32_t(Value ? (entry & Column_Bits) : (entry | Descending_Bit)));
}

QString TSortIndexList::SaveToString() const {
  QStringList parts;
  for (int32_t i = 0; i < Count(); ++i) {
    const uint32_t entry = uint32_t(GetInteger(i));
    parts.append(((entry & Descending_Bit) ? u'd' : u'u') + QString::number(entry & 0xFFFFu));
  }
  return parts.join(u';');
}

void TSortIndexList::LoadFromString(const QString& s) {
  Clear();
  for (QStringView part : QStringView(s).split(u';', Qt::SkipEmptyParts)) {
    if (part.size() < 2) continue;
    int32_t column = 0;
    if (!Read_Sort_Column(part.mid(1), column)) continue;
    AddIndex(column, part[0] == u'u');
  }
}

// ---- TControlList ----

void TControlList::CheckIndex(int32_t Index) const {
  if (Index < 0 || Index >= Count()) List_Index_Error(Index);
}

void TControlList::AddControl(int32_t X, int32_t Y, QObject* AObject) {
  FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int32_t TControlList::ControlIndex(int32_t X, int32_t Y) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (FItems[size_t(i)]->X == X && FItems[size_t(i)]->Y == Y) return i;
  return -1;
}

TControlItem* TControlList::GetControl(int32_t i) const {
  CheckIndex(i);
  return FItems[size_t(i)].get();
}

void TControlList::RemoveControl(int32_t i) {
  CheckIndex(i);
  FItems.erase(FItems.begin() + i);
}

TControlHandle TControlList::ControlHandle(const QObject* Control) const {
  if (!Control) return 0;
  if (HandleOf) return HandleOf(Control);
  return Control->isWidgetType() ? reinterpret_cast<TControlHandle>(Control) : 0;
}

bool TControlList::HasHandle(TControlHandle Handle) const {
  if (Handle == 0) return false;
  return std::any_of(FItems.begin(), FItems.end(),
                     [&](const auto& item) { return ControlHandle(item->Control) == Handle; });
}

// ---- TFilePicture ----

void TFilePicture::Assign(const TGridPersistent* Source) {
  const auto* source = dynamic_cast<const TFilePicture*>(Source);
  if (!source) return;
  FFilename = source->FFilename;
  FWidth = source->FWidth;
  FHeight = source->FHeight;
}

void TFilePicture::SetFilename(const QString& Value) {
  FFilename = Value;
  // A failed load must not leave the size of the previous file behind.
  FWidth = 0;
  FHeight = 0;
  THTMLPicture picture;
  Load_Picture_File(Value, picture);
  FWidth = picture.Width();
  FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& Rect) const {
  if (FFilename.isEmpty()) return;
  THTMLPicture picture;
  Load_Picture_File(FFilename, picture);
  picture.SetStretch(true);
  picture.Draw(Canvas, Rect);
}

// ---- TFileStringList ----

void TFileStringList::Reset() {
  FReadPosition = 0;
  FPendingLine.clear();
}

void TFileStringList::ReadLn(QString& s) {
  if (Eof()) List_Index_Error(FReadPosition);
  s = at(FReadPosition);
  ++FReadPosition;
}

void TFileStringList::Write(const QString& s) {
  FPendingLine += s;
}

void TFileStringList::WriteLn(const QString& s) {
  append(FPendingLine + s);
  FPendingLine.clear();
}

// ---- TQrvStringGridCheck ----

QString TQrvStringGridCheck::MarkError(int32_t, int32_t, const QString& s) {
  return s;
}

QString TQrvStringGridCheck::Correct(int32_t, int32_t, const QString& s) {
  return s;
}
