#include "UCellStream.h"

#include <QStringList>
#include <array>
#include <climits>

#include "UQrvStringGrid.h"

namespace {

const QString PropPrefix = QStringLiteral("CellProperties.");

constexpr std::array<const char*, 3> AlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array<const char*, 2> BrushStyleNames{"bsSolid", "bsClear"};
constexpr std::array<const char*, 3> VAlignmentNames{"vtaTop", "vtaCenter", "vtaBottom"};
constexpr std::array<const char*, 2> GradientNames{"GradientVertical", "GradientHorizontal"};
constexpr std::array<const char*, TEditorTypeCount> EditorNames{"edNormal",
                                                                "edSpinEdit",
                                                                "edComboEdit",
                                                                "edComboList",
                                                                "edEditBtn",
                                                                "edCheckBox",
                                                                "edDateEdit",
                                                                "edDateEditUpDown",
                                                                "edTimeEdit",
                                                                "edButton",
                                                                "edDataCheckBox",
                                                                "edNumeric",
                                                                "edPositiveNumeric",
                                                                "edFloat",
                                                                "edCapital",
                                                                "edMixedCase",
                                                                "edPassword",
                                                                "edUnitEditBtn",
                                                                "edLowerCase",
                                                                "edUpperCase",
                                                                "edFloatSpinEdit",
                                                                "edTimeSpinEdit",
                                                                "edDateSpinEdit",
                                                                "edNumericEditBtn",
                                                                "edFloatEditBtn",
                                                                "edCustom",
                                                                "edRichEdit",
                                                                "edNone",
                                                                "edDateTimeEdit",
                                                                "edValidChars",
                                                                "edTrackbarDropDown",
                                                                "edMemoDropDown",
                                                                "edCalculatorDropDown",
                                                                "edTimePickerDropDown",
                                                                "edDetailDropDown",
                                                                "edGridDropDown",
                                                                "edColorPickerDropDown",
                                                                "edImagePickerDropDown",
                                                                "edQrvGridDropDown",
                                                                "edPositiveFloat",
                                                                "edNumericUnitEditBtn",
                                                                "edFloatUnitEditBtn",
                                                                "edMaskEditBtn"};

struct TFontStyleName {
  TFontStyle Style;
  const char* Name;
};
constexpr std::array<TFontStyleName, 4> FontStyleNames{
    {{fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}}};

const QString GraphicPrefix = QStringLiteral("CellGraphic.");
constexpr std::array<const char*, TCellTypeCount> CellTypeNames{
    "ctBitmap",      "ctIcon",         "ctNone",      "ctImageList",
    "ctCheckBox",    "ctDataCheckBox", "ctRotated",   "ctDataImage",
    "ctNode",        "ctRadio",        "ctEmpty",     "ctImages",
    "ctPicture",     "ctFilePicture",  "ctValue",     "ctProgress",
    "ctComment",     "ctButton",       "ctBitButton", "ctVirtCheckBox",
    "ctRowCheckBox", "ctProgressPie",  "ctSummary",   "ctRangeIndicator",
    "ctXPProgress",  "ctInterface",    "ctScrollbar", "ctRadioButton",
    "ctBalloon",     "ctShape",        "ctRating",    "ctTriStateCheckBox",
    "ctExpand"};
constexpr std::array<const char*, 6> CellVAlignNames{"vaTop",       "vaBottom",    "vaCenter",
                                                     "vaUnderText", "vaAboveText", "vaFull"};
constexpr std::array<const char*, 6> CellHAlignNames{"haLeft",       "haRight",     "haCenter",
                                                     "haBeforeText", "haAfterText", "haFull"};
constexpr std::array<const char*, 3> CheckStateNames{"cbUnchecked", "cbChecked", "cbGrayed"};

// The graphics a stream carries: those whose state is in the graphic's own fields (a comment with its text), radio
// groups and image lists with their texts, and pies and range indicators without the colours they keep in the
// object slots, for which the record has no field. Pictures, nodes (part of the grid's tree), shapes and ratings
// (their colours are half of what they show) and objects of interfaced cells stay with their grid; a balloon
// travels as its icon, its texts stay too.
bool CarriedType(TCellType type) {
  switch (type) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
    case ctImageList:
    case ctDataImage:
    case ctRotated:
    case ctValue:
    case ctProgress:
    case ctButton:
    case ctExpand:
    case ctScrollbar:
    case ctRadio:
    case ctImages:
    case ctProgressPie:
    case ctXPProgress:
    case ctRangeIndicator:
    case ctComment:
    case ctSummary:
    case ctBalloon:
      return true;
    default:
      return false;
  }
}

bool CarriedGraphic(const TCellGraphic& g) {
  if (g.CellType() == ctRadio) return g.CellCreated() && g.ObjectAs<QStringList>();
  if (g.CellType() == ctImages) return g.ObjectAs<TIntList>() != nullptr;
  return CarriedType(g.CellType());
}

// Cell types whose graphic record is followed by one picture record.
const QStringList PictureCellTypes{QStringLiteral("ctBitmap"),     QStringLiteral("ctBitButton"),
                                   QStringLiteral("ctIcon"),       QStringLiteral("ctRadio"),
                                   QStringLiteral("ctImages"),     QStringLiteral("ctPicture"),
                                   QStringLiteral("ctFilePicture")};

template <size_t N>
QString NameOf(const std::array<const char*, N>& names, int value) {
  return value >= 0 && static_cast<size_t>(value) < N ? QString::fromLatin1(names[static_cast<size_t>(value)])
                                                      : QString();
}

// The position of an enumeration member read from a stream; none when the value names no member.
template <size_t N>
std::optional<int> IndexOf(const std::array<const char*, N>& names, const TStreamValue& value) {
  const auto* ident = std::get_if<TStreamIdent>(&value);
  if (!ident) return std::nullopt;
  for (size_t i = 0; i < N; ++i)
    if (ident->Name == QLatin1String(names[i])) return static_cast<int>(i);
  return std::nullopt;
}

void WriteProps(TStreamRecordWriter& w, const TCellProperties& p) {
  w.Boolean(PropPrefix + "IsBaseCell", p.IsBaseCell());
  w.Integer(PropPrefix + "CellSpanX", p.CellSpanX());
  w.Integer(PropPrefix + "CellSpanY", p.CellSpanY());
  w.Ident(PropPrefix + "Alignment", NameOf(AlignmentNames, p.Alignment()));
  w.Color(PropPrefix + "BorderColor", p.BorderColor());
  w.Integer(PropPrefix + "BorderWidth", p.BorderWidth());
  w.Color(PropPrefix + "BrushColor", p.BrushColor());
  w.Color(PropPrefix + "BrushColorTo", p.BrushColorTo());
  w.Ident(PropPrefix + "BrushStyle", NameOf(BrushStyleNames, p.BrushStyle()));
  w.Integer(PropPrefix + "CellObject", static_cast<int32_t>(static_cast<uint32_t>(p.CellObject())));
  w.Color(PropPrefix + "FontColor", p.FontColor());
  w.String(PropPrefix + "FontName", p.FontName());
  w.Integer(PropPrefix + "FontSize", p.FontSize());
  QStringList styles;
  for (const TFontStyleName& entry : FontStyleNames)
    if (p.FontStyle().testFlag(entry.Style)) styles.append(QString::fromLatin1(entry.Name));
  w.Set(PropPrefix + "FontStyle", styles);
  w.Ident(PropPrefix + "Editor", NameOf(EditorNames, p.Editor()));
  w.Ident(PropPrefix + "GradientDirection", NameOf(GradientNames, p.GradientDirection()));
  w.Boolean(PropPrefix + "ReadOnly", p.ReadOnly());
  w.Ident(PropPrefix + "VAlignment", NameOf(VAlignmentNames, p.VAlignment()));
  w.Boolean(PropPrefix + "WordWrap", p.WordWrap());
  w.Integer(PropPrefix + "NodeLevel", p.NodeLevel());
  // A control placed in a cell belongs to its window and is never carried to another cell.
}

std::optional<TColor> ColorOf(const TStreamValue& value) {
  if (const auto* number = std::get_if<int32_t>(&value)) return static_cast<TColor>(*number);
  if (const auto* ident = std::get_if<TStreamIdent>(&value)) return IdentToColor(ident->Name);
  return std::nullopt;
}

void ApplyProp(TCellProperties& p, const QString& name, const TStreamValue& value) {
  const auto* number = std::get_if<int32_t>(&value);
  const auto* flag = std::get_if<bool>(&value);
  if (name == "IsBaseCell" && flag) p.SetIsBaseCell(*flag);
  if (name == "CellSpanX" && number) p.SetCellSpanX(*number);
  if (name == "CellSpanY" && number) p.SetCellSpanY(*number);
  if (name == "BorderWidth" && number) p.SetBorderWidth(*number);
  if (name == "FontSize" && number) p.SetFontSize(*number);
  if (name == "NodeLevel" && number) p.SetNodeLevel(*number);
  if (name == "CellObject" && number) p.SetCellObject(static_cast<uint32_t>(*number));
  if (name == "ReadOnly" && flag) p.SetReadOnly(*flag);
  if (name == "WordWrap" && flag) p.SetWordWrap(*flag);
  if (name == "FontName")
    if (const auto* text = std::get_if<QString>(&value)) p.SetFontName(*text);
  if (const std::optional<TColor> color = ColorOf(value)) {
    if (name == "BorderColor") p.SetBorderColor(*color);
    if (name == "BrushColor") p.SetBrushColor(*color);
    if (name == "BrushColorTo") p.SetBrushColorTo(*color);
    if (name == "FontColor") p.SetFontColor(*color);
  }
  if (name == "Alignment")
    if (const auto i = IndexOf(AlignmentNames, value)) p.SetAlignment(static_cast<TAlignment>(*i));
  if (name == "BrushStyle")
    if (const auto i = IndexOf(BrushStyleNames, value)) p.SetBrushStyle(static_cast<TBrushStyle>(*i));
  if (name == "VAlignment")
    if (const auto i = IndexOf(VAlignmentNames, value)) p.SetVAlignment(static_cast<TVAlignment>(*i));
  if (name == "GradientDirection")
    if (const auto i = IndexOf(GradientNames, value)) p.SetGradientDirection(static_cast<TCellGradientDirection>(*i));
  if (name == "Editor")
    if (const auto i = IndexOf(EditorNames, value)) p.SetEditor(static_cast<TEditorType>(*i));
  if (name == "FontStyle")
    if (const auto* set = std::get_if<TStreamSet>(&value)) {
      TFontStyles styles;
      for (const TFontStyleName& entry : FontStyleNames)
        if (set->Members.contains(QLatin1String(entry.Name))) styles |= entry.Style;
      p.SetFontStyle(styles);
    }
}

void WriteGraphic(TStreamRecordWriter& w, const TCellGraphic& g) {
  w.Begin(QStringLiteral("TGridGraphicIO"));
  w.Ident(GraphicPrefix + "CellType", NameOf(CellTypeNames, g.CellType()));
  w.Ident(GraphicPrefix + "CellVAlign", NameOf(CellVAlignNames, g.CellVAlign()));
  w.Ident(GraphicPrefix + "CellHAlign", NameOf(CellHAlignNames, g.CellHAlign()));
  w.Integer(GraphicPrefix + "CellIndex", g.CellIndex());
  w.Boolean(GraphicPrefix + "CellTransparent", g.CellTransparent());
  w.Boolean(GraphicPrefix + "CellCreated", g.CellCreated());
  w.Boolean(GraphicPrefix + "CellBoolean", g.CellBoolean());
  w.Ident(GraphicPrefix + "CellCheckBoxState", NameOf(CheckStateNames, g.CellCheckBoxState()));
  w.Integer(GraphicPrefix + "CellAngle", g.CellAngle());
  w.Extended(GraphicPrefix + "CellValue", g.CellValue());
  w.Integer(GraphicPrefix + "CellErrFrom", g.CellErrFrom());
  w.Integer(GraphicPrefix + "CellErrLen", g.CellErrLen());
  // Other kinds leave their text (captions, formats) behind; a comment is its text, and a moved comment would be
  // gone from both grids without it.
  if (g.CellType() == ctComment) w.String(GraphicPrefix + "CellText", g.CellText());
  w.End();
  if (g.CellType() == ctRadio) {
    w.Begin(QStringLiteral("TGridSLIO"));
    w.List(QStringLiteral("Strings"), *g.ObjectAs<QStringList>());
    w.End();
  } else if (g.CellType() == ctImages) {
    const TIntList& list = *g.ObjectAs<TIntList>();
    QStringList indexes;
    for (int32_t i = 0; i < list.Count(); ++i) indexes << QString::number(list.GetInteger(i));
    w.Begin(QStringLiteral("TGridSLIO"));
    w.List(QStringLiteral("Strings"), {indexes.join(',')});
    w.End();
  }
}

void ApplyGraphic(TQrvStringGrid& grid, int32_t c, int32_t r, const TCellStreamGraphic& source) {
  std::optional<int> type;
  for (const auto& [name, value] : source.Values)
    if (name == "CellType") type = IndexOf(CellTypeNames, value);
  // A graphic of a kind this grid does not carry (from another writer) is left out.
  if (!type || !CarriedType(static_cast<TCellType>(*type))) return;
  TCellGraphic* g = grid.CreateCellGraphic(c, r);
  g->SetCellType(static_cast<TCellType>(*type));
  for (const auto& [name, value] : source.Values) {
    const auto* number = std::get_if<int32_t>(&value);
    const auto* flag = std::get_if<bool>(&value);
    if (name == "CellVAlign")
      if (const auto i = IndexOf(CellVAlignNames, value)) g->SetCellVAlign(static_cast<TCellVAlign>(*i));
    if (name == "CellHAlign")
      if (const auto i = IndexOf(CellHAlignNames, value)) g->SetCellHAlign(static_cast<TCellHAlign>(*i));
    if (name == "CellCheckBoxState")
      if (const auto i = IndexOf(CheckStateNames, value)) g->SetCellCheckBoxState(static_cast<TCheckBoxState>(*i));
    if (name == "CellIndex" && number) g->SetCellIndex(*number);
    if (name == "CellAngle" && number) g->SetCellAngle(*number);
    if (name == "CellErrFrom" && number) g->SetCellErrFrom(*number);
    if (name == "CellErrLen" && number) g->SetCellErrLen(*number);
    if (name == "CellTransparent" && flag) g->SetCellTransparent(*flag);
    if (name == "CellBoolean" && flag) g->SetCellBoolean(*flag);
    if (name == "CellValue")
      if (const auto* raw = std::get_if<TStreamBinary>(&value))
        if (const auto number = ExtendedToDouble(raw->Bytes)) g->SetCellValue(*number);
    if (name == "CellText")
      if (const auto* text = std::get_if<QString>(&value)) g->SetCellText(*text);
  }
  // An empty object slot would paint in no colour at all; black keeps the pie and the bar visible.
  if (g->CellType() == ctProgressPie || g->CellType() == ctRangeIndicator) g->SetCellBitmap(clBlack);
  if (g->CellType() == ctRangeIndicator) g->SetCellIcon(clBlack);
  // The target owns the texts it was given.
  if (g->CellType() == ctRadio) {
    auto* items = new QStringList(source.Strings.begin(), source.Strings.end());
    g->SetCellBitmap(items);
    g->SetCellCreated(true);
  } else if (g->CellType() == ctImages) {
    auto* list = new TIntList(c, r);
    if (!source.Strings.empty() && !source.Strings.front().isEmpty())
      for (const QString& part : source.Strings.front().split(',')) list->Add(part.toInt());
    g->SetCellBitmap(list);
  }
}

QString JoinSizes(int32_t from, int32_t to, const std::function<int32_t(int32_t)>& size) {
  QStringList parts;
  for (int32_t i = from; i <= to; ++i) parts.append(QString::number(size(i)));
  return parts.join(',');
}

// The sizes of a "1,2,3" list; none when an item is not a number.
std::optional<std::vector<int32_t>> SplitSizes(const QString& text) {
  std::vector<int32_t> sizes;
  if (text.isEmpty()) return sizes;
  for (const QString& part : text.split(',')) {
    bool ok = false;
    const int32_t value = part.toInt(&ok);
    if (!ok) return std::nullopt;
    sizes.push_back(value);
  }
  return sizes;
}

// Reads an integer, Boolean or string property into out; false when it is present with another type.
template <typename T>
bool Take(const TStreamRecord& record, const QString& name, T& out) {
  const TStreamValue* value = record.Find(name);
  if (!value) return true;
  const T* typed = std::get_if<T>(value);
  if (!typed) return false;
  out = *typed;
  return true;
}

}  // namespace

QByteArray SaveRectToBinStream(const TQrvStringGrid& grid, const TGridRect& rect, int32_t sourceId) {
  const int32_t left = std::max(rect.Left, 0);
  const int32_t top = std::max(rect.Top, 0);
  const int32_t right = std::min(rect.Right, grid.ColCount() - 1);
  const int32_t bottom = std::min(rect.Bottom, grid.RowCount() - 1);
  const int32_t cols = std::max(right - left + 1, 0);
  const int32_t rows = std::max(bottom - top + 1, 0);
  const TGridRect whole =
      grid.SaveFixedCells ? TGridRect{0, 0, grid.ColCount() - 1, grid.RowCount() - 1}
                          : TGridRect{grid.FixedCols(), grid.FixedRows(), grid.ColCount() - 1, grid.RowCount() - 1};
  QByteArray out;
  TStreamRecordWriter w(out);
  w.Begin(QStringLiteral("TGridPropIO"));
  w.Integer(QStringLiteral("ColCount"), cols);
  w.Integer(QStringLiteral("RowCount"), rows);
  w.String(QStringLiteral("ColWidths"), JoinSizes(left, right, [&](int32_t c) { return grid.ColWidths(c); }));
  w.String(QStringLiteral("RowHeights"), JoinSizes(top, bottom, [&](int32_t r) { return grid.RowHeights(r); }));
  w.Boolean(QStringLiteral("FullGrid"), TGridRect{left, top, right, bottom} == whole);
  w.Integer(QStringLiteral("ID"), sourceId);
  w.End();
  for (int32_t r = top; r <= bottom; ++r)
    for (int32_t c = left; c <= right; ++c) {
      const TCellProperties* props = grid.PropsOf(c, r);
      w.Begin(QStringLiteral("TGridCellIO"));
      w.Integer(QStringLiteral("Col"), c & 0xFFFF);
      w.Integer(QStringLiteral("Row"), r & 0xFFFF);
      w.String(QStringLiteral("Cell"), grid.GetGridCell(c, r));
      w.Boolean(QStringLiteral("HasProp"), props != nullptr);
      w.End();
      if (!props) continue;
      w.Begin(QStringLiteral("TGridCellPropIO"));
      WriteProps(w, *props);
      const auto* graphic = dynamic_cast<const TCellGraphic*>(props->GraphicObject());
      const bool hasGraphic = graphic && CarriedGraphic(*graphic);
      w.Boolean(QStringLiteral("HasGraphic"), hasGraphic);
      w.End();
      if (hasGraphic) WriteGraphic(w, *graphic);
    }
  return out;
}

std::optional<TCellStreamContent> ReadCellStream(const QByteArray& bytes) {
  qsizetype pos = 0;
  const auto head = ReadStreamRecord(bytes, pos);
  if (!head || head->ClassName != QLatin1String("TGridPropIO")) return std::nullopt;
  TCellStreamContent content;
  QString colWidths;
  QString rowHeights;
  if (!Take(*head, QStringLiteral("ColCount"), content.ColCount) ||
      !Take(*head, QStringLiteral("RowCount"), content.RowCount) ||
      !Take(*head, QStringLiteral("ColWidths"), colWidths) ||
      !Take(*head, QStringLiteral("RowHeights"), rowHeights) ||
      !Take(*head, QStringLiteral("FullGrid"), content.FullGrid) || !Take(*head, QStringLiteral("ID"), content.ID))
    return std::nullopt;
  if (content.ColCount < 0 || content.RowCount < 0) return std::nullopt;
  const auto widths = SplitSizes(colWidths);
  const auto heights = SplitSizes(rowHeights);
  if (!widths || !heights) return std::nullopt;
  content.ColWidths = *widths;
  content.RowHeights = *heights;
  const int64_t expected = int64_t{content.ColCount} * content.RowCount;
  while (bytes.size() - pos >= 2) {
    const auto record = ReadStreamRecord(bytes, pos);
    if (!record || record->ClassName != QLatin1String("TGridCellIO")) return std::nullopt;
    if (static_cast<int64_t>(content.Cells.size()) >= expected) return std::nullopt;
    TCellStreamCell cell;
    bool hasProp = false;
    if (!Take(*record, QStringLiteral("Col"), cell.Col) || !Take(*record, QStringLiteral("Row"), cell.Row) ||
        !Take(*record, QStringLiteral("Cell"), cell.Text) || !Take(*record, QStringLiteral("HasProp"), hasProp))
      return std::nullopt;
    if (cell.Col < 0 || cell.Col > 0xFFFF || cell.Row < 0 || cell.Row > 0xFFFF) return std::nullopt;
    if (hasProp) {
      const auto propRecord = ReadStreamRecord(bytes, pos);
      if (!propRecord || propRecord->ClassName != QLatin1String("TGridCellPropIO")) return std::nullopt;
      TCellStreamProps props;
      bool hasGraphic = false;
      for (const auto& [name, value] : propRecord->Properties)
        if (name.startsWith(PropPrefix)) props.Values.emplace_back(name.mid(PropPrefix.size()), value);
      if (!Take(*propRecord, QStringLiteral("HasGraphic"), hasGraphic)) return std::nullopt;
      cell.Props = std::move(props);
      if (hasGraphic) {
        const auto graphic = ReadStreamRecord(bytes, pos);
        if (!graphic || graphic->ClassName != QLatin1String("TGridGraphicIO")) return std::nullopt;
        const TStreamValue* type = graphic->Find(GraphicPrefix + "CellType");
        const auto* typeName = type ? std::get_if<TStreamIdent>(type) : nullptr;
        if (!typeName || !IndexOf(CellTypeNames, *type)) return std::nullopt;
        TCellStreamGraphic carried;
        for (const auto& [name, value] : graphic->Properties)
          if (name.startsWith(GraphicPrefix)) carried.Values.emplace_back(name.mid(GraphicPrefix.size()), value);
        if (PictureCellTypes.contains(typeName->Name)) {
          const auto picture = ReadStreamRecord(bytes, pos);
          if (!picture) return std::nullopt;
          const bool texts =
              typeName->Name == QLatin1String("ctRadio") || typeName->Name == QLatin1String("ctImages");
          if (texts) {
            // A radio group or an image list comes with its texts, or the stream is not one this grid wrote.
            const TStreamValue* strings = picture->Find(QStringLiteral("Strings"));
            const auto* list = strings ? std::get_if<std::vector<QString>>(strings) : nullptr;
            if (picture->ClassName != QLatin1String("TGridSLIO") || !list) return std::nullopt;
            carried.Strings = *list;
            cell.Graphic = std::move(carried);
          }
          // The pictures themselves stay with the grid they came from.
        } else {
          cell.Graphic = std::move(carried);
        }
      }
    }
    content.Cells.push_back(std::move(cell));
  }
  if (static_cast<int64_t>(content.Cells.size()) != expected) return std::nullopt;
  return content;
}

bool ApplyCellStream(TQrvStringGrid& grid, const TPoint& point, const TCellStreamContent& content) {
  if (content.Cells.empty()) return true;
  const TCellStreamCell& first = content.Cells.front();
  int32_t dx = point.X - first.Col;
  int32_t dy = point.Y - first.Row;
  if (content.FullGrid) {
    dx = point.X;
    dy = point.Y;
    // The grid takes the block's extent from its first cell on; an extent no grid can have is refused.
    const int64_t cols = int64_t{first.Col} + dx + content.ColCount;
    const int64_t rows = int64_t{first.Row} + dy + content.RowCount;
    if (int64_t{first.Col} + dx < 0 || int64_t{first.Row} + dy < 0 || cols > INT32_MAX || rows > INT32_MAX)
      return false;
    grid.Clear();
    grid.SetColCount(first.Col + dx + content.ColCount);
    grid.SetRowCount(first.Row + dy + content.RowCount);
    for (size_t i = 0; i < content.ColWidths.size() && i < static_cast<size_t>(content.ColCount); ++i)
      grid.SetColWidths(first.Col + dx + static_cast<int32_t>(i), std::max(content.ColWidths[i], 0));
    for (size_t i = 0; i < content.RowHeights.size() && i < static_cast<size_t>(content.RowCount); ++i)
      grid.SetRowHeights(first.Row + dy + static_cast<int32_t>(i), std::max(content.RowHeights[i], 0));
  }
  for (const TCellStreamCell& cell : content.Cells) {
    const int64_t c = int64_t{cell.Col} + dx;
    const int64_t r = int64_t{cell.Row} + dy;
    if (c < 0 || r < 0 || c >= grid.ColCount() || r >= grid.RowCount()) continue;
    const auto tc = static_cast<int32_t>(c);
    const auto tr = static_cast<int32_t>(r);
    grid.SetGridCell(tc, tr, cell.Text);
    if (!cell.Props) continue;
    TCellProperties* props = grid.GetCellProperties(tc, tr);
    for (const auto& [name, value] : cell.Props->Values) ApplyProp(*props, name, value);
    props->SetOwner(tc, tr);
    if (cell.Graphic) ApplyGraphic(grid, tc, tr, *cell.Graphic);
  }
  grid.Invalidate();
  return true;
}

bool LoadAtPointFromBinStream(TQrvStringGrid& grid, const TPoint& point, const QByteArray& bytes) {
  const auto content = ReadCellStream(bytes);
  return content && ApplyCellStream(grid, point, *content);
}
