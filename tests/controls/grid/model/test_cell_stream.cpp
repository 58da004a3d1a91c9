// The cells stream and the blocks a drag carries: exact bytes, round trips between grids, and refusal of data
// whose lengths or counts do not fit.
#include <gtest/gtest.h>

#include <initializer_list>

#include "UCellStream.h"
#include "UGridDragFormats.h"
#include "UGridStreamIO.h"
#include "UQrvStringGrid.h"

namespace {

class TBytes {
 public:
  TBytes& B(std::initializer_list<int> values) {
    for (const int v : values) FBytes.append(static_cast<char>(v));
    return *this;
  }
  // A length byte and the text.
  TBytes& S(const char* text) {
    const QByteArray t(text);
    FBytes.append(static_cast<char>(t.size()));
    FBytes.append(t);
    return *this;
  }
  TBytes& T(const char* text) {
    FBytes.append(text);
    return *this;
  }
  QByteArray FBytes;
};

// A 1x1 block at (1, 1) holding "Ab", its column 200 wide and its row 22 high, from the grid numbered 12345.
QByteArray ExampleStream() {
  TBytes e;
  e.T("TPF0").S("TGridPropIO").B({0});
  e.S("ColCount").B({2, 1});
  e.S("RowCount").B({2, 1});
  e.S("ColWidths").B({6}).S("200");
  e.S("RowHeights").B({6}).S("22");
  e.S("FullGrid").B({8});
  e.S("ID").B({3, 0x39, 0x30});
  e.B({0, 0});
  e.T("TPF0").S("TGridCellIO").B({0});
  e.S("Col").B({2, 1});
  e.S("Row").B({2, 1});
  e.S("Cell").B({6}).S("Ab");
  e.S("HasProp").B({8});
  e.B({0, 0});
  return e.FBytes;
}

}  // namespace

TEST(CellStream, WritesTheExampleBlockByteForByte) {
  TQrvStringGrid grid;
  grid.SetColWidths(1, 200);
  grid.SetRowHeights(1, 22);
  grid.SetCells(1, 1, QStringLiteral("Ab"));
  EXPECT_EQ(SaveRectToBinStream(grid, {1, 1, 1, 1}, 12345), ExampleStream());
}

TEST(CellStream, StringsTakeTheEncodingTheirCharactersCallFor) {
  struct Case {
    QString Text;
    uint8_t Type;
    QByteArray LengthField;
  };
  const QString longAscii(300, QLatin1Char('x'));
  const Case cases[] = {
      {QStringLiteral("Ab"), svString, QByteArray("\x02", 1)},
      {longAscii, svLString, QByteArray("\x2c\x01\x00\x00", 4)},
      {QString::fromUtf8("\xc3\x84"
                         "b"),
       svUTF8String, QByteArray("\x03\x00\x00\x00", 4)},  // "Äb": 3 bytes
      {QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac"), svWString, QByteArray("\x02\x00\x00\x00", 4)},  // 2 units
  };
  for (const Case& c : cases) {
    QByteArray out;
    TStreamRecordWriter w(out);
    w.String(QStringLiteral("P"), c.Text);
    ASSERT_GE(out.size(), 3 + c.LengthField.size()) << c.Text.left(10).toStdString();
    EXPECT_EQ(static_cast<uint8_t>(out[2]), c.Type) << c.Text.left(10).toStdString();
    EXPECT_EQ(out.mid(3, c.LengthField.size()), c.LengthField) << c.Text.left(10).toStdString();
    // Every encoding reads back as the same text.
    QByteArray record;
    TStreamRecordWriter r(record);
    r.Begin(QStringLiteral("X"));
    r.String(QStringLiteral("P"), c.Text);
    r.End();
    qsizetype pos = 0;
    const auto read = ReadStreamRecord(record, pos);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(pos, record.size());
    EXPECT_EQ(std::get<QString>(*read->Find(QStringLiteral("P"))), c.Text);
  }
}

TEST(CellStream, IntegersTakeTheSmallestWidth) {
  const std::pair<int32_t, QByteArray> cases[] = {
      {127, QByteArray("\x02\x7f", 2)},
      {-128, QByteArray("\x02\x80", 2)},
      {128, QByteArray("\x03\x80\x00", 3)},
      {-32768, QByteArray("\x03\x00\x80", 3)},
      {40000, QByteArray("\x04\x40\x9c\x00\x00", 5)},
  };
  for (const auto& [value, bytes] : cases) {
    QByteArray out;
    TStreamRecordWriter(out).Integer(QStringLiteral("P"), value);
    EXPECT_EQ(out.mid(2), bytes) << value;
  }
}

TEST(CellStream, ABlockWithPropertiesLandsWithItsFirstCellOnThePoint) {
  TQrvStringGrid source;
  source.SetColCount(6);
  source.SetRowCount(6);
  source.SetCells(1, 1, QStringLiteral("one"));
  source.SetCells(2, 1, QString::fromUtf8("\xe6\x97\xa5"));
  source.SetCells(2, 2, QStringLiteral("four"));
  TCellProperties* p = source.GetCellProperties(2, 1);
  p->SetFontColor(clRed);
  p->SetBrushColor(0x123456);
  p->SetFontStyle(TFontStyles(fsBold) | fsItalic);
  p->SetEditor(edComboList);
  p->SetFontName(QStringLiteral("Sans"));
  p->SetReadOnly(true);
  p->SetAlignment(taCenter);
  p->SetVAlignment(vtaBottom);
  const QByteArray stream = SaveRectToBinStream(source, {1, 1, 2, 2});

  TQrvStringGrid target;
  target.SetColCount(6);
  target.SetRowCount(6);
  target.SetCells(4, 4, QStringLiteral("overwritten"));
  ASSERT_TRUE(LoadAtPointFromBinStream(target, {3, 3}, stream));
  EXPECT_EQ(target.Cells(3, 3), QStringLiteral("one"));
  EXPECT_EQ(target.Cells(4, 3), QString::fromUtf8("\xe6\x97\xa5"));
  EXPECT_EQ(target.Cells(3, 4), QString());
  EXPECT_EQ(target.Cells(4, 4), QStringLiteral("four"));
  EXPECT_FALSE(target.HasCellProperties(3, 3));
  const TCellProperties* q = target.PropsOf(4, 3);
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->FontColor(), clRed);
  EXPECT_EQ(q->BrushColor(), TColor{0x123456});
  EXPECT_EQ(q->FontStyle(), TFontStyles(fsBold) | fsItalic);
  EXPECT_EQ(q->Editor(), edComboList);
  EXPECT_EQ(q->FontName(), QStringLiteral("Sans"));
  EXPECT_TRUE(q->ReadOnly());
  EXPECT_EQ(q->Alignment(), taCenter);
  EXPECT_EQ(q->VAlignment(), vtaBottom);
  EXPECT_EQ(q->OwnerCol(), 4);
  EXPECT_EQ(q->OwnerRow(), 3);

  // Near the edge only what fits is placed.
  TQrvStringGrid small;
  small.SetColCount(3);
  small.SetRowCount(3);
  ASSERT_TRUE(LoadAtPointFromBinStream(small, {2, 2}, stream));
  EXPECT_EQ(small.Cells(2, 2), QStringLiteral("one"));
}

TEST(CellStream, AWholeGridBlockGivesTheTargetItsCountsAndSizes) {
  TQrvStringGrid source;
  source.SetColCount(3);
  source.SetRowCount(4);
  source.SetColWidths(2, 99);
  source.SetRowHeights(3, 41);
  source.SetCells(0, 0, QStringLiteral("corner"));
  source.SetCells(2, 3, QStringLiteral("last"));
  const QByteArray stream = SaveRectToBinStream(source, {0, 0, 2, 3});
  const auto content = ReadCellStream(stream);
  ASSERT_TRUE(content.has_value());
  EXPECT_TRUE(content->FullGrid);

  TQrvStringGrid target;
  target.SetCells(4, 8, QStringLiteral("gone"));
  // A place left of or above the grid's first cell cannot take the block.
  EXPECT_FALSE(LoadAtPointFromBinStream(target, {-1, 0}, stream));
  EXPECT_EQ(target.Cells(4, 8), QStringLiteral("gone"));
  ASSERT_TRUE(LoadAtPointFromBinStream(target, {0, 0}, stream));
  EXPECT_EQ(target.ColCount(), 3);
  EXPECT_EQ(target.RowCount(), 4);
  EXPECT_EQ(target.ColWidths(2), 99);
  EXPECT_EQ(target.RowHeights(3), 41);
  EXPECT_EQ(target.Cells(0, 0), QStringLiteral("corner"));
  EXPECT_EQ(target.Cells(2, 3), QStringLiteral("last"));
}

TEST(CellStream, ARefusedStreamLeavesTheGridUntouched) {
  TQrvStringGrid source;
  source.SetCells(1, 1, QStringLiteral("a"));
  source.GetCellProperties(2, 1)->SetFontColor(clBlue);
  const QByteArray stream = SaveRectToBinStream(source, {1, 1, 2, 2});
  ASSERT_TRUE(ReadCellStream(stream).has_value());

  // Every cut short stream is refused, wherever the cut falls.
  for (qsizetype size = 0; size < stream.size() - 1; ++size)
    EXPECT_FALSE(ReadCellStream(stream.left(size)).has_value()) << size;

  // A string whose announced length runs past the data.
  QByteArray oversized = ExampleStream();
  const qsizetype at =
      oversized.indexOf(QByteArray("\x04"
                                   "Cell\x06\x02",
                                   7));
  ASSERT_GT(at, 0);
  oversized[at + 6] = static_cast<char>(0x7F);
  // More cells than the block's counts announce.
  QByteArray extraCell = ExampleStream();
  extraCell.append(ExampleStream().mid(ExampleStream().indexOf("TPF0", 4)));
  // An unknown value type.
  QByteArray badType = ExampleStream();
  badType[badType.indexOf(QByteArray("\x08"
                                     "FullGrid",
                                     9)) +
          9] = static_cast<char>(0x63);
  for (const QByteArray& bad : {oversized, extraCell, badType, QByteArray("TPF1"), QByteArray()}) {
    TQrvStringGrid target;
    target.SetCells(1, 1, QStringLiteral("kept"));
    EXPECT_FALSE(LoadAtPointFromBinStream(target, {1, 1}, bad));
    EXPECT_EQ(target.Cells(1, 1), QStringLiteral("kept"));
  }
}

TEST(DragBlocks, TheCellsBlockOfAHundredByteStream) {
  const QByteArray stream(100, '\x5a');
  const QByteArray block = CellsBlock_Wrap(stream);
  ASSERT_EQ(block.size(), 108);
  EXPECT_EQ(block.left(8), QByteArray("\x64\x00\x00\x00\x00\x00\x00\x00", 8));
  EXPECT_EQ(block.mid(8), stream);
  EXPECT_EQ(CellsBlock_Unwrap(block), stream);
  // A block allocated larger than its stream still gives exactly the announced bytes.
  EXPECT_EQ(CellsBlock_Unwrap(block + QByteArray(16, '\0')), stream);
}

TEST(DragBlocks, ACellsBlockWhoseLengthDoesNotFitIsRefused) {
  const QByteArray block = CellsBlock_Wrap(QByteArray(100, 'a'));
  QByteArray tooLong = block;
  tooLong[0] = static_cast<char>(101);
  QByteArray negative = block;
  negative[3] = static_cast<char>(0x80);
  for (const QByteArray& bad : {block.left(107), block.left(7), QByteArray(), tooLong, negative})
    EXPECT_FALSE(CellsBlock_Unwrap(bad).has_value()) << bad.size();
  EXPECT_EQ(CellsBlock_Unwrap(CellsBlock_Wrap({})), QByteArray());
}

TEST(DragBlocks, ColumnBlockAndMimeTypes) {
  EXPECT_EQ(ColumnBlock_Write(7), QByteArray("\x07\x00\x00\x00", 4));
  EXPECT_EQ(ColumnBlock_Read(ColumnBlock_Write(-5)), -5);
  EXPECT_EQ(ColumnBlock_Read(QByteArray("\x07\x00\x00", 3)), -1);
  EXPECT_EQ(GridCellsMimeType(), QStringLiteral("application/x-qt-windows-mime;value=\"TQrvStringGrid Cells\""));
  EXPECT_EQ(ColumnMimeType(), QStringLiteral("application/x-qt-windows-mime;value=\"Grid Column\""));
  EXPECT_EQ(RtfMimeType(), QStringLiteral("application/x-qt-windows-mime;value=\"Rich Text Format\""));
  EXPECT_EQ(UrlMimeType(), QStringLiteral("application/x-qt-windows-mime;value=\"UniformResourceLocator\""));
}

TEST(DragBlocks, DropEffectForKeys) {
  EXPECT_EQ(DropEffectForKeys(true, deCopy | deMove), uint32_t{deCopy});
  EXPECT_EQ(DropEffectForKeys(true, deMove), uint32_t{deCopy});
  EXPECT_EQ(DropEffectForKeys(false, deCopy | deMove), uint32_t{deMove});
  EXPECT_EQ(DropEffectForKeys(false, deCopy), uint32_t{deCopy});
  EXPECT_EQ(DropEffectForKeys(false, deNone), uint32_t{deCopy});
}

TEST(CellStream, AGraphicAndItsPictureAreReadPast) {
  QByteArray stream;
  TStreamRecordWriter w(stream);
  w.Begin(QStringLiteral("TGridPropIO"));
  w.Integer(QStringLiteral("ColCount"), 2);
  w.Integer(QStringLiteral("RowCount"), 1);
  w.Boolean(QStringLiteral("FullGrid"), false);
  w.End();
  w.Begin(QStringLiteral("TGridCellIO"));
  w.Integer(QStringLiteral("Col"), 1);
  w.Integer(QStringLiteral("Row"), 1);
  w.Boolean(QStringLiteral("HasProp"), true);
  w.End();
  w.Begin(QStringLiteral("TGridCellPropIO"));
  w.Color(QStringLiteral("CellProperties.FontColor"), clGreen);
  w.Boolean(QStringLiteral("HasGraphic"), true);
  w.End();
  w.Begin(QStringLiteral("TGridGraphicIO"));
  w.Ident(QStringLiteral("CellGraphic.CellType"), QStringLiteral("ctBitmap"));
  w.End();
  w.Begin(QStringLiteral("TGridBMPIO"));
  w.String(QStringLiteral("Bitmap"), QStringLiteral("pixels"));
  w.End();
  w.Begin(QStringLiteral("TGridCellIO"));
  w.Integer(QStringLiteral("Col"), 2);
  w.Integer(QStringLiteral("Row"), 1);
  w.String(QStringLiteral("Cell"), QStringLiteral("after"));
  w.Boolean(QStringLiteral("HasProp"), false);
  w.End();

  TQrvStringGrid grid;
  ASSERT_TRUE(LoadAtPointFromBinStream(grid, {2, 2}, stream));
  ASSERT_NE(grid.PropsOf(2, 2), nullptr);
  EXPECT_EQ(grid.PropsOf(2, 2)->FontColor(), clGreen);
  EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("after"));
}

TEST(CellStream, ExtendedValuesKeepTheirBytesAndRefuseWhatIsNoNumber) {
  EXPECT_EQ(DoubleToExtended(1.0), QByteArray("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 10));
  EXPECT_EQ(DoubleToExtended(-2.5), QByteArray("\x00\x00\x00\x00\x00\x00\x00\xA0\x00\xC0", 10));
  EXPECT_EQ(DoubleToExtended(0.0), QByteArray(10, '\0'));
  for (const double v : {1.0, -2.5, 0.0, 1e-300, 3.0e300, 65537.125, static_cast<double>((7u << 16) | 12u)})
    EXPECT_EQ(ExtendedToDouble(DoubleToExtended(v)), v) << v;
  // The exponent of infinities and NaNs, a value beyond a double, and a wrong size.
  EXPECT_FALSE(ExtendedToDouble(QByteArray("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x7F", 10)).has_value());
  EXPECT_FALSE(ExtendedToDouble(QByteArray("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x7E", 10)).has_value());
  EXPECT_FALSE(ExtendedToDouble(QByteArray(9, '\0')).has_value());
}

TEST(CellStream, CellGraphicsTravelWithTheirCells) {
  TQrvStringGrid source;
  source.SetColCount(6);
  source.SetRowCount(4);
  source.AddCheckBox(1, 1, true, false);
  source.AddCheckBox(2, 1, cbGrayed);
  QStringList* radio = source.CreateRadio(3, 1, 1, 2);
  *radio << "low"
         << ""
         << "high";
  source.AddButton(4, 1, 30, 14, "Go", haRight, vaCenter);
  source.GetCellGraphic(4, 1)->SetCellValue((7u << 16) | 12u);
  source.AddNode(1, 1);  // part of the source's tree: it stays there
  const QByteArray stream = SaveRectToBinStream(source, {0, 1, 4, 1});

  TQrvStringGrid target;
  target.SetColCount(8);
  target.SetRowCount(5);
  ASSERT_TRUE(LoadAtPointFromBinStream(target, {1, 2}, stream));
  struct Case {
    int32_t col;
    TCellType type;
  };
  for (const Case& k : {Case{2, ctCheckBox}, Case{3, ctTriStateCheckBox}, Case{4, ctRadio}, Case{5, ctButton}}) {
    SCOPED_TRACE(k.col);
    const TCellGraphic* from = source.GetCellGraphic(k.col - 1, 1);
    const TCellGraphic* to = target.GetCellGraphic(k.col, 2);
    ASSERT_NE(to, nullptr);
    EXPECT_EQ(to->CellType(), from->CellType());
    EXPECT_EQ(to->CellType(), k.type);
    EXPECT_EQ(to->CellBoolean(), from->CellBoolean());
    EXPECT_EQ(to->CellIndex(), from->CellIndex());
    EXPECT_EQ(to->CellHAlign(), from->CellHAlign());
    EXPECT_EQ(to->CellVAlign(), from->CellVAlign());
    EXPECT_EQ(to->CellCheckBoxState(), from->CellCheckBoxState());
    EXPECT_EQ(to->CellValue(), from->CellValue());
  }
  bool state = false;
  EXPECT_TRUE(target.GetCheckBoxState(2, 2, state));
  EXPECT_TRUE(state);
  ASSERT_NE(target.GetRadioStrings(4, 2), nullptr);
  EXPECT_EQ(*target.GetRadioStrings(4, 2), (QStringList{"low", "", "high"}));
  EXPECT_NE(target.GetRadioStrings(4, 2), radio) << "the target owns a copy";
  EXPECT_EQ(target.GetCellGraphic(1, 2), nullptr) << "a node stays in its own tree";
}

TEST(CellStream, AGraphicThatDoesNotFitItsKindIsRefused) {
  auto stream = [](const char* type, bool withTexts, const char* textsClass) {
    QByteArray out;
    TStreamRecordWriter w(out);
    w.Begin(QStringLiteral("TGridPropIO"));
    w.Integer(QStringLiteral("ColCount"), 1);
    w.Integer(QStringLiteral("RowCount"), 1);
    w.End();
    w.Begin(QStringLiteral("TGridCellIO"));
    w.Integer(QStringLiteral("Col"), 1);
    w.Integer(QStringLiteral("Row"), 1);
    w.Boolean(QStringLiteral("HasProp"), true);
    w.End();
    w.Begin(QStringLiteral("TGridCellPropIO"));
    w.Boolean(QStringLiteral("HasGraphic"), true);
    w.End();
    w.Begin(QStringLiteral("TGridGraphicIO"));
    w.Ident(QStringLiteral("CellGraphic.CellType"), QString::fromLatin1(type));
    w.End();
    if (withTexts) {
      w.Begin(QString::fromLatin1(textsClass));
      w.List(QStringLiteral("Strings"), {"a", "b"});
      w.End();
    }
    return out;
  };
  EXPECT_TRUE(ReadCellStream(stream("ctRadio", true, "TGridSLIO")).has_value());
  EXPECT_TRUE(ReadCellStream(stream("ctCheckBox", false, "")).has_value());
  EXPECT_FALSE(ReadCellStream(stream("ctRadio", false, "")).has_value()) << "a radio group without its texts";
  EXPECT_FALSE(ReadCellStream(stream("ctRadio", true, "TGridBMPIO")).has_value());
  EXPECT_FALSE(ReadCellStream(stream("ctNoSuchKind", false, "")).has_value());
  // A graphic this grid does not carry is read and left out.
  TQrvStringGrid grid;
  ASSERT_TRUE(LoadAtPointFromBinStream(grid, {1, 1}, stream("ctNode", false, "")));
  EXPECT_EQ(grid.GetCellGraphic(1, 1), nullptr);
}

namespace {

// The graphic record a grid writes for one cell, field by field; integers come with their type byte.
QByteArray GraphicRecord(const char* type, const char* hAlign, std::initializer_list<int> index, bool boolean,
                         std::initializer_list<int> angle, std::initializer_list<int> errFrom,
                         std::initializer_list<int> errLen, const char* text) {
  TBytes e;
  e.T("TPF0").S("TGridGraphicIO").B({0});
  e.S("CellGraphic.CellType").B({7}).S(type);
  e.S("CellGraphic.CellVAlign").B({7}).S("vaTop");
  e.S("CellGraphic.CellHAlign").B({7}).S(hAlign);
  e.S("CellGraphic.CellIndex").B(index);
  e.S("CellGraphic.CellTransparent").B({8});
  e.S("CellGraphic.CellCreated").B({8});
  e.S("CellGraphic.CellBoolean").B({boolean ? 9 : 8});
  e.S("CellGraphic.CellCheckBoxState").B({7}).S("cbUnchecked");
  e.S("CellGraphic.CellAngle").B(angle);
  e.S("CellGraphic.CellErrFrom").B(errFrom);
  e.S("CellGraphic.CellErrLen").B(errLen);
  if (*text) e.S("CellGraphic.CellText").B({6}).S(text);
  e.B({0, 0});
  return e.FBytes;
}

QByteArray GraphicRecordOf(const QByteArray& stream) {
  const qsizetype at = stream.indexOf(QByteArray("TPF0\x0eTGridGraphicIO", 19));
  return at < 0 ? QByteArray() : stream.mid(at);
}

struct TIndicatorCase {
  const char* Name;
  std::function<void(TQrvStringGrid&, int32_t c, int32_t r)> Add;
  QByteArray Record;
};

// Indicators, markers and notes whose state lives in the graphic's fields. The summary marker comes first: it
// always takes the first column of its row.
std::vector<TIndicatorCase> IndicatorCases() {
  return {
      {"summary", [](TQrvStringGrid& g, int32_t, int32_t r) { g.MarkSummaryRow(r); },
       GraphicRecord("ctSummary", "haLeft", {2, 0}, false, {2, 0}, {2, 0}, {2, 0}, "")},
      {"pie", [](TQrvStringGrid& g, int32_t c, int32_t r) { g.AddProgressPie(c, r, clLime, 40); },
       GraphicRecord("ctProgressPie", "haBeforeText", {2, 0}, false, {2, 40}, {2, 0}, {2, 0}, "")},
      {"levels", [](TQrvStringGrid& g, int32_t c, int32_t r) { g.AddQrvProgress(c, r, -50, 300); },
       GraphicRecord("ctXPProgress", "haLeft", {2, 0}, false, {2, 0}, {2, 0xCE}, {3, 0x2C, 0x01}, "")},
      {"range",
       [](TQrvStringGrid& g, int32_t c, int32_t r) { g.AddRangeIndicator(c, r, 1000, clRed, clGreen, true); },
       GraphicRecord("ctRangeIndicator", "haLeft", {3, 0xE8, 0x03}, true, {2, 0}, {2, 0}, {2, 0}, "")},
      {"comment", [](TQrvStringGrid& g, int32_t c, int32_t r) { g.AddColorComment(c, r, "Check wiring", 0x00FF00); },
       GraphicRecord("ctComment", "haLeft", {4, 0x00, 0xFF, 0x00, 0x00}, false, {2, 0}, {2, 0}, {2, 0},
                     "Check wiring")},
      {"balloon", [](TQrvStringGrid& g, int32_t c, int32_t r) { g.AddBalloon(c, r, "Title", "Body", biWarning); },
       GraphicRecord("ctBalloon", "haLeft", {2, 2}, false, {2, 0}, {2, 0}, {2, 0}, "")},
  };
}

}  // namespace

TEST(CellStream, IndicatorsAndNotesTravelByteForByte) {
  for (const TIndicatorCase& k : IndicatorCases()) {
    SCOPED_TRACE(k.Name);
    // Column 0, so that a summary marker (always in the first column) is the cell written.
    TQrvStringGrid source;
    k.Add(source, 0, 2);
    const QByteArray stream = SaveRectToBinStream(source, {0, 2, 0, 2});
    EXPECT_EQ(GraphicRecordOf(stream), k.Record);

    // Read into another grid at the same place, the cell writes the same bytes again.
    TQrvStringGrid target;
    ASSERT_TRUE(LoadAtPointFromBinStream(target, {0, 2}, stream));
    EXPECT_EQ(SaveRectToBinStream(target, {0, 2, 0, 2}), stream);
    const TCellGraphic* from = source.GetCellGraphic(0, 2);
    const TCellGraphic* to = target.GetCellGraphic(0, 2);
    ASSERT_NE(to, nullptr);
    EXPECT_EQ(to->CellType(), from->CellType());
    EXPECT_EQ(to->CellIndex(), from->CellIndex());
    EXPECT_EQ(to->CellAngle(), from->CellAngle());
    EXPECT_EQ(to->CellBoolean(), from->CellBoolean());
    EXPECT_EQ(to->CellErrFrom(), from->CellErrFrom());
    EXPECT_EQ(to->CellErrLen(), from->CellErrLen());
    EXPECT_EQ(to->CellHAlign(), from->CellHAlign());
  }
}

TEST(CellStream, WhatTheRecordHasNoFieldForArrivesAsItsStandIn) {
  TQrvStringGrid source;
  source.SetColCount(6);
  const std::vector<TIndicatorCase> cases = IndicatorCases();
  for (size_t i = 0; i < cases.size(); ++i) cases[i].Add(source, static_cast<int32_t>(i), 1);
  TQrvStringGrid target;
  target.SetColCount(8);
  ASSERT_TRUE(LoadAtPointFromBinStream(target, {1, 3}, SaveRectToBinStream(source, {0, 1, 5, 1})));

  // The summary marker moved with its cell, out of the first column.
  EXPECT_EQ(target.GetCellType(1, 3), ctSummary);
  ASSERT_EQ(target.GetCellType(2, 3), ctProgressPie);
  EXPECT_EQ(target.GetCellGraphic(2, 3)->ColorRef(), clBlack);
  EXPECT_EQ(target.GetCellType(3, 3), ctXPProgress);
  ASSERT_EQ(target.GetCellType(4, 3), ctRangeIndicator);
  EXPECT_EQ(target.GetCellGraphic(4, 3)->ColorRef(), clBlack);
  EXPECT_EQ(target.GetCellGraphic(4, 3)->IconColor(), clBlack);
  EXPECT_EQ(target.GetComment(5, 3), QStringLiteral("Check wiring"));
  // The balloon's texts live beside its fields and stay with the source.
  QString title;
  QString text;
  TBalloonIcon icon = biNone;
  ASSERT_TRUE(target.IsBalloon(6, 3, title, text, icon));
  EXPECT_EQ(icon, biWarning);
  EXPECT_EQ(title, QString());
  EXPECT_EQ(text, QString());
}

TEST(CellStream, AnIndicatorBlockCutShortOrOverlongIsRefusedWhole) {
  // Each kind's stream is cut at every byte of its graphic record, and the first one's also at every byte before
  // it: so every field of every record is cut once. (Cutting the whole block at every byte parses it thousands of
  // times over, which under the sanitizers took most of a test's time limit on a loaded machine.)
  const std::vector<TIndicatorCase> cases = IndicatorCases();
  std::vector<QByteArray> bad;
  for (size_t i = 0; i < cases.size(); ++i) {
    TQrvStringGrid single;
    cases[i].Add(single, 0, 1);
    const QByteArray stream = SaveRectToBinStream(single, {0, 1, 0, 1});
    const qsizetype graphic = stream.size() - GraphicRecordOf(stream).size();
    ASSERT_LT(graphic, stream.size()) << cases[i].Name;
    for (qsizetype size = i == 0 ? 0 : graphic; size < stream.size(); ++size) bad.push_back(stream.left(size));
  }

  // The block of all kinds cut after each whole cell: the cells before the cut are not applied either.
  TQrvStringGrid source;
  source.SetColCount(6);
  for (size_t i = 0; i < cases.size(); ++i) cases[i].Add(source, static_cast<int32_t>(i), 1);
  const QByteArray block = SaveRectToBinStream(source, {0, 1, 5, 1});
  const QByteArray cellStart("TPF0\x0bTGridCellIO", 16);
  size_t cuts = 0;
  for (qsizetype at = block.indexOf(cellStart); at > 0; at = block.indexOf(cellStart, at + 1), ++cuts)
    bad.push_back(block.left(at));
  ASSERT_EQ(cuts, cases.size());

  // A comment whose text is announced longer than the bytes left after it.
  const QByteArray comment = SaveRectToBinStream(source, {4, 1, 4, 1});
  const qsizetype text =
      comment.indexOf(QByteArray("\x14"
                                 "CellGraphic.CellText\x06\x0c",
                                 23));
  ASSERT_GT(text, 0);
  ASSERT_EQ(comment.size(), text + 23 + 12 + 2);
  QByteArray overlong = comment;
  overlong[text + 22] = static_cast<char>(15);
  bad.push_back(overlong);

  for (const QByteArray& b : bad) {
    TQrvStringGrid target;
    target.SetColCount(8);
    target.SetCells(1, 1, QStringLiteral("kept"));
    ASSERT_FALSE(LoadAtPointFromBinStream(target, {1, 1}, b)) << b.size();
    EXPECT_EQ(target.Cells(1, 1), QStringLiteral("kept"));
    EXPECT_EQ(target.GetCellGraphic(1, 1), nullptr) << "nothing of a refused stream is applied";
  }
}
