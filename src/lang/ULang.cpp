#include "ULang.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "UCodePage.h"
#include "UGlobals.h"
#include "UStrUtils.h"

namespace {
constexpr char16_t Pilcrow = u'\u00B6';
}

QString Decode_Language_Bytes(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
  if (bytes.startsWith("\xFF\xFE")) {
    const QByteArray body = bytes.mid(2);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(body.constData()), body.size() / 2);
  }
  if (bytes.startsWith("\xFE\xFF")) {
    QByteArray body = bytes.mid(2);
    for (qsizetype i = 0; i + 1 < body.size(); i += 2) std::swap(body[i], body[i + 1]);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(body.constData()), body.size() / 2);
  }
  return Ansi_To_Unicode(bytes);
}

void Apply_Language_Line(const QString& raw) {
  const QString line = Trim(raw);
  if (!line.startsWith(QStringLiteral("STR"))) return;
  const qsizetype p = line.indexOf(u'=') + 1;  // position counted from 1; 0 when absent
  // The character just before "=" is the separator and never part of the ID.
  const QString idText = p - 5 > 0 ? Trim(line.mid(3, p - 5)) : QString();
  int32_t id;
  if (idText.isEmpty() || !TryStrToInt(idText, id) || id < 0 || id >= Lang_Count) return;
  QString text = Trim(line.mid(p));
  if (text.isEmpty()) return;
  const qsizetype comment = text.indexOf(QStringLiteral("/#/"));
  if (comment >= 0) {
    text = Trim(text.left(comment));
    if (text.isEmpty()) return;
  }
  if (text.startsWith(QChar(Pilcrow))) text.remove(0, 1);
  const qsizetype closing = text.indexOf(QChar(Pilcrow));
  if (closing >= 0) text.truncate(closing);
  Lang_Table[id] = text;
}

void Load_Language_File(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QString content = Decode_Language_Bytes(file.readAll());
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  for (const QString& line : content.split(lineBreak)) Apply_Language_Line(line);
}

QString Load_Language(const QString& language) {
  Load_Default_Strings();
  const QString path = Join_Path(Path_Language, language + QStringLiteral(".lng"));
  if (QFileInfo(path).isFile()) {
    Load_Language_File(path);
    return language;
  }
  const QString english = Join_Path(Path_Language, QStringLiteral("English.lng"));
  if (QFileInfo(english).isFile()) Load_Language_File(english);
  return QStringLiteral("English");
}

QString Lang_Message(int32_t id, std::initializer_list<int> numbers) {
  QString text = Lang_Table.value(id);
  if (Trim(text).isEmpty()) text = English_Text(id);
  qsizetype from = 0;
  for (const int n : numbers) {
    const qsizetype at = text.indexOf(QStringLiteral("%d"), from);
    if (at < 0) break;
    const QString digits = QString::number(n);
    text.replace(at, 2, digits);
    from = at + digits.size();
  }
  return text;
}
