#include "UExport_Text.h"

#include <QDir>
#include <QFileInfo>

#include "UCodePage.h"
#include "UStrUtils.h"

namespace {
QString Joined(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  return text;
}
}  // namespace

QByteArray Ansi_Lines_Bytes(const QStringList& lines) {
  return Unicode_To_Ansi(Joined(lines));
}

QByteArray Utf8_Bom_Lines_Bytes(const QStringList& lines) {
  return QByteArray("\xEF\xBB\xBF") + Joined(lines).toUtf8();
}

int32_t Export_Int(const std::optional<QString>& text, int32_t def) {
  return text ? Export_Int(*text, def) : def;
}

int32_t Export_Int(const QString& text, int32_t def) {
  int32_t value = def;
  return TryStrToInt(text, value) ? value : def;
}

QString Hex_Upper(int64_t value, int digits) {
  const uint64_t bits = value < 0 ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value);
  return QString::number(bits, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString Unreadable_Input_Text(const QString& path, const QString& reason) {
  return QStringLiteral("The configuration file %1 %2. No file has been written.")
      .arg(QDir::toNativeSeparators(path), reason.isEmpty() ? QStringLiteral("cannot be read as XML") : reason);
}

TInputLoad Load_Export_Input(const QString& path, TXmlDocument& doc, pugi::xml_node& root, QString& error) {
  root = pugi::xml_node();
  if (!QFileInfo::exists(path)) return TInputLoad::Missing;
  if (!doc.Load_File(path)) {
    error = Unreadable_Input_Text(path, doc.Error());
    return TInputLoad::Unreadable;
  }
  root = doc.First_Element();
  if (!root) {
    error = Unreadable_Input_Text(path, QStringLiteral("holds no element"));
    return TInputLoad::Unreadable;
  }
  return TInputLoad::Loaded;
}
