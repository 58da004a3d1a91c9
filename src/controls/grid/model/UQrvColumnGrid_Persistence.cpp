// The column grid's definitions as a stream, and the user's column order in an INI file.
//
// The stream is a self-describing JSON document: a root object naming its kind and an "Items" array with each
// definition's published settings by name. A reader takes what it knows and leaves the rest at the new-definition
// values, so a stream written by a later version with more settings still loads.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <functional>
#include <vector>

#include "UGridIniFile.h"
#include "UQrvColumnGrid.h"

namespace {

const QString StreamKind = QStringLiteral("TQrvColumnGridIO");

QJsonObject FontToJson(const TFont& font) {
  return {{QStringLiteral("Name"), font.Name},
          {QStringLiteral("Height"), font.Height},
          {QStringLiteral("Style"), static_cast<int>(font.Style.toInt())},
          {QStringLiteral("Color"), static_cast<qint64>(font.Color)}};
}

TFont FontFromJson(const QJsonValue& value, TFont font) {
  const QJsonObject o = value.toObject();
  font.Name = o.value(QStringLiteral("Name")).toString(font.Name);
  font.Height = o.value(QStringLiteral("Height")).toInt(font.Height);
  font.Style = TFontStyles::fromInt(o.value(QStringLiteral("Style")).toInt(font.Style.toInt()));
  font.Color = static_cast<TColor>(o.value(QStringLiteral("Color")).toInteger(font.Color));
  return font;
}

QJsonObject PenToJson(const TPen& pen) {
  return {{QStringLiteral("Color"), static_cast<qint64>(pen.Color)},
          {QStringLiteral("Width"), pen.Width},
          {QStringLiteral("Style"), static_cast<int>(pen.Style)},
          {QStringLiteral("Mode"), static_cast<int>(pen.Mode)}};
}

TPen PenFromJson(const QJsonValue& value, TPen pen) {
  const QJsonObject o = value.toObject();
  pen.Color = static_cast<TColor>(o.value(QStringLiteral("Color")).toInteger(pen.Color));
  pen.Width = o.value(QStringLiteral("Width")).toInt(pen.Width);
  pen.Style = static_cast<TPenStyle>(o.value(QStringLiteral("Style")).toInt(pen.Style));
  pen.Mode = static_cast<TPenMode>(o.value(QStringLiteral("Mode")).toInt(pen.Mode));
  return pen;
}

// One published setting: how it is written and how it is read back into a definition.
struct TColumnField {
  const char* Name;
  std::function<QJsonValue(const TGridColumnItem&)> Get;
  std::function<void(TGridColumnItem&, const QJsonValue&)> Set;
};

template <typename T>
TColumnField IntField(const char* name, T (TGridColumnItem::*get)() const, void (TGridColumnItem::*set)(T)) {
  return {name, [get](const TGridColumnItem& c) { return QJsonValue(static_cast<qint64>((c.*get)())); },
          [get, set](TGridColumnItem& c, const QJsonValue& v) {
            (c.*set)(static_cast<T>(v.toInteger(static_cast<qint64>((c.*get)()))));
          }};
}

TColumnField BoolField(const char* name, bool (TGridColumnItem::*get)() const, void (TGridColumnItem::*set)(bool)) {
  return {name, [get](const TGridColumnItem& c) { return QJsonValue((c.*get)()); },
          [get, set](TGridColumnItem& c, const QJsonValue& v) { (c.*set)(v.toBool((c.*get)())); }};
}

TColumnField TextField(const char* name, const QString& (TGridColumnItem::*get)() const,
                       void (TGridColumnItem::*set)(const QString&)) {
  return {name, [get](const TGridColumnItem& c) { return QJsonValue((c.*get)()); },
          [get, set](TGridColumnItem& c, const QJsonValue& v) { (c.*set)(v.toString((c.*get)())); }};
}

TColumnField ListField(const char* name, const QStringList& (TGridColumnItem::*get)() const,
                       void (TGridColumnItem::*set)(const QStringList&)) {
  return {name, [get](const TGridColumnItem& c) { return QJsonValue(QJsonArray::fromStringList((c.*get)())); },
          [set](TGridColumnItem& c, const QJsonValue& v) {
            if (!v.isArray()) return;
            QStringList list;
            for (const QJsonValue& e : v.toArray()) list << e.toString();
            (c.*set)(list);
          }};
}

TColumnField FontField(const char* name, const TFont& (TGridColumnItem::*get)() const,
                       void (TGridColumnItem::*set)(const TFont&)) {
  return {name, [get](const TGridColumnItem& c) { return QJsonValue(FontToJson((c.*get)())); },
          [get, set](TGridColumnItem& c, const QJsonValue& v) { (c.*set)(FontFromJson(v, (c.*get)())); }};
}

TColumnField PenField(const char* name, const TPen& (TGridColumnItem::*get)() const,
                      void (TGridColumnItem::*set)(const TPen&)) {
  return {name, [get](const TGridColumnItem& c) { return QJsonValue(PenToJson((c.*get)())); },
          [get, set](TGridColumnItem& c, const QJsonValue& v) { (c.*set)(PenFromJson(v, (c.*get)())); }};
}

TColumnField BordersField(const char* name, TCellBorders (TGridColumnItem::*get)() const,
                          void (TGridColumnItem::*set)(TCellBorders)) {
  return {name, [get](const TGridColumnItem& c) { return QJsonValue(static_cast<int>((c.*get)().toInt())); },
          [get, set](TGridColumnItem& c, const QJsonValue& v) {
            (c.*set)(TCellBorders::fromInt(v.toInt((c.*get)().toInt())));
          }};
}

const std::vector<TColumnField>& ColumnFields() {
  using C = TGridColumnItem;
  static const std::vector<TColumnField> fields = {
      IntField("Alignment", &C::Alignment, &C::SetAlignment),
      BordersField("Borders", &C::Borders, &C::SetBorders),
      PenField("BorderPen", &C::BorderPen, &C::SetBorderPen),
      TextField("CheckFalse", &C::CheckFalse, &C::SetCheckFalse),
      TextField("CheckTrue", &C::CheckTrue, &C::SetCheckTrue),
      IntField("Color", &C::Color, &C::SetColor),
      IntField("ColumnPopupType", &C::ColumnPopupType, &C::SetColumnPopupType),
      ListField("ComboItems", &C::ComboItems, &C::SetComboItems),
      IntField("DefIdx", &C::DefIdx, &C::SetDefIdx),
      IntField("DropDownCount", &C::DropDownCount, &C::SetDropDownCount),
      IntField("EditLength", &C::EditLength, &C::SetEditLength),
      TextField("EditMask", &C::EditMask, &C::SetEditMask),
      IntField("Editor", &C::Editor, &C::SetEditor),
      ListField("Filter", &C::Filter, &C::SetFilter),
      BoolField("FilterCaseSensitive", &C::FilterCaseSensitive, &C::SetFilterCaseSensitive),
      BoolField("Fixed", &C::Fixed, &C::SetFixed),
      TextField("FloatFormat", &C::FloatFormat, &C::SetFloatFormat),
      FontField("Font", &C::Font, &C::SetFont),
      TextField("Header", &C::Header, &C::SetHeader),
      IntField("HeaderAlignment", &C::HeaderAlignment, &C::SetHeaderAlignment),
      FontField("HeaderFont", &C::HeaderFont, &C::SetHeaderFont),
      IntField("AutoMinSize", &C::AutoMinSize, &C::SetAutoMinSize),
      IntField("AutoMaxSize", &C::AutoMaxSize, &C::SetAutoMaxSize),
      IntField("MaxSize", &C::MaxSize, &C::SetMaxSize),
      IntField("MinSize", &C::MinSize, &C::SetMinSize),
      TextField("Name", &C::Name, &C::SetName),
      BoolField("Password", &C::Password, &C::SetPassword),
      PenField("PrintBorderPen", &C::PrintBorderPen, &C::SetPrintBorderPen),
      BordersField("PrintBorders", &C::PrintBorders, &C::SetPrintBorders),
      IntField("PrintColor", &C::PrintColor, &C::SetPrintColor),
      FontField("PrintFont", &C::PrintFont, &C::SetPrintFont),
      BoolField("PrintBorderCustom", &C::PrintBorderCustom, &C::SetPrintBorderCustom),
      BoolField("PrintFontCustom", &C::PrintFontCustom, &C::SetPrintFontCustom),
      BoolField("ReadOnly", &C::ReadOnly, &C::SetReadOnly),
      BoolField("ShowBands", &C::ShowBands, &C::SetShowBands),
      IntField("SortStyle", &C::SortStyle, &C::SetSortStyle),
      TextField("SortPrefix", &C::SortPrefix, &C::SetSortPrefix),
      TextField("SortSuffix", &C::SortSuffix, &C::SetSortSuffix),
      IntField("SpinMax", &C::SpinMax, &C::SetSpinMax),
      IntField("SpinMin", &C::SpinMin, &C::SetSpinMin),
      IntField("SpinStep", &C::SpinStep, &C::SetSpinStep),
      IntField("Tag", &C::Tag, &C::SetTag),
      IntField("Width", &C::Width, &C::SetWidth),
  };
  return fields;
}

}  // namespace

void TQrvColumnGrid::SaveColumnsToStream(QIODevice& st) const {
  QJsonArray items;
  for (int32_t i = 0; i < FColumnCollection->Count(); ++i) {
    QJsonObject item;
    for (const TColumnField& field : ColumnFields())
      item.insert(QLatin1String(field.Name), field.Get(*FColumnCollection->Items(i)));
    items.append(item);
  }
  const QJsonObject root{{QStringLiteral("Kind"), StreamKind}, {QStringLiteral("Items"), items}};
  st.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

void TQrvColumnGrid::LoadColumnsFromStream(QIODevice& st) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(st.readAll(), &error);
  const QJsonObject root = document.object();
  if (error.error != QJsonParseError::NoError || root.value(QStringLiteral("Kind")).toString() != StreamKind ||
      !root.value(QStringLiteral("Items")).isArray())
    throw EReadError(QStringLiteral("The stream holds no column definitions"));
  // Read completely into a grid-less collection first, so a failure leaves the grid's definitions as they were.
  TGridColumnCollection loaded(nullptr);
  loaded.SetNoRecursiveUpdate(true);
  for (const QJsonValue& value : root.value(QStringLiteral("Items")).toArray()) {
    if (!value.isObject()) throw EReadError(QStringLiteral("A column definition of the stream is not an object"));
    const QJsonObject item = value.toObject();
    TGridColumnItem* column = loaded.Insert(loaded.Count());
    for (const TColumnField& field : ColumnFields())
      if (item.contains(QLatin1String(field.Name))) field.Set(*column, item.value(QLatin1String(field.Name)));
  }
  TGridColumnCollection& own = *FColumnCollection;
  own.SetNoRecursiveUpdate(true);
  while (own.Count() > 0) own.Delete(own.Count() - 1);
  for (int32_t i = 0; i < loaded.Count(); ++i) own.Insert(i)->Assign(*loaded.Items(i));
  own.SetNoRecursiveUpdate(false);
  Invalidate();
}

namespace {
QString PositionKey(const QString& section, int32_t i) {
  return section + QStringLiteral("/CP") + QString::number(i);
}
}  // namespace

bool TQrvColumnGrid::SaveColumnPositions(const QString& key, const QString& section) const {
  return EditIniFileAtomic(key, [&](QSettings& ini) {
    for (int32_t i = 0; i < FColumnCollection->Count(); ++i)
      ini.setValue(PositionKey(section, i), FColumnCollection->Items(i)->DefIdx());
  });
}

void TQrvColumnGrid::LoadColumnPositions(const QString& key, const QString& section) {
  const QSettings ini(key, QSettings::IniFormat);
  TGridColumnCollection& columns = *FColumnCollection;
  const int32_t count = columns.Count();
  std::vector<int32_t> saved(static_cast<size_t>(count));
  for (int32_t j = 0; j < count; ++j) {
    bool ok = false;
    const int32_t v = ini.value(PositionKey(section, j), -1).toInt(&ok);
    // A missing or foreign entry leaves the order as it is; so does one outside the columns or a repeated one,
    // which could not be a column order.
    if (!ok || v < 0 || v >= count) return;
    saved[static_cast<size_t>(j)] = v;
  }
  std::vector<bool> seen(static_cast<size_t>(count), false);
  for (int32_t v : saved) {
    if (seen[static_cast<size_t>(v)]) return;
    seen[static_cast<size_t>(v)] = true;
  }
  UnHideColumnsAll();
  for (int32_t j = 0; j < count; ++j) columns.Items(saved[static_cast<size_t>(j)])->SetDefIdx(j);
  columns.ResetOrganization();
  for (int32_t i = 0; i < count; ++i) columns.Items(i)->SetDefIdx(saved[static_cast<size_t>(i)]);
}
