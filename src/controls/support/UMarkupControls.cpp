#include "UMarkupControls.h"

#include <vector>

#include "UMarkupText.h"

namespace {
struct TFoundControl {
  qsizetype Start = 0;  // index of "<"
  qsizetype End = 0;    // index of ">"
  TControlTag Tag;
};

QString Attribute(const QString& tagText, const QString& upper, const char* name) {
  const qsizetype at = upper.indexOf(QLatin1String(name));
  if (at < 0) return QString();
  const qsizetype open = tagText.indexOf(u'"', at);
  if (open < 0) return QString();
  const qsizetype close = tagText.indexOf(u'"', open + 1);
  if (close < 0) return QString();
  return tagText.mid(open + 1, close - open - 1);
}

// Controls in text order; a "<CONTROL " without a closing ">" is not a control.
std::vector<TFoundControl> Find_Controls(const QString& text) {
  std::vector<TFoundControl> found;
  static const QString marker = QStringLiteral("<CONTROL ");
  qsizetype from = 0;
  for (;;) {
    const qsizetype start = text.indexOf(marker, from, Qt::CaseInsensitive);
    if (start < 0) break;
    const qsizetype end = text.indexOf(u'>', start);
    if (end < 0) break;
    TFoundControl c;
    c.Start = start;
    c.End = end;
    ParseControlTag(text.mid(start + 8, end - start - 8), c.Tag);
    found.push_back(std::move(c));
    from = end + 1;
  }
  return found;
}

const TFoundControl* Find_Control(const std::vector<TFoundControl>& controls, const QString& id) {
  for (const TFoundControl& c : controls)
    if (c.Tag.ID == id) return &c;
  return nullptr;
}

int32_t Leading_Number(const QString& text) {
  int64_t v = 0;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') break;
    v = std::min<int64_t>(v * 10 + (c.unicode() - u'0'), INT32_MAX);
  }
  return int32_t(v);
}
}  // namespace

void ParseControlTag(const QString& tagText, TControlTag& tag) {
  tag = TControlTag();
  const QString upper = tagText.toUpper();
  tag.Type = Attribute(tagText, upper, "TYPE=").toUpper();
  tag.Width = Attribute(tagText, upper, "WIDTH=");
  tag.Height = Attribute(tagText, upper, "HEIGHT=");
  tag.ID = Attribute(tagText, upper, "ID=");
  tag.Value = DecodeMarkupEntities(Attribute(tagText, upper, "VALUE="), true);
  tag.Prop = DecodeMarkupEntities(Attribute(tagText, upper, "PROP="), true);
  tag.MaxLen = Attribute(tagText, upper, "MAXLEN=");
}

bool HasControlTag(const QString& text) {
  return text.contains(QStringLiteral("<CONTROL"), Qt::CaseInsensitive);
}

QString NextControlId(const QString& text, const QString& previousId) {
  bool passed = previousId.isEmpty();
  for (const TFoundControl& c : Find_Controls(text)) {
    if (!passed) {
      passed = c.Tag.ID == previousId;
      continue;
    }
    if (c.Tag.ID == previousId) continue;
    if (c.Tag.Type != QLatin1String("BUTTON") && c.Tag.Type != QLatin1String("CHECK") &&
        c.Tag.Type != QLatin1String("RADIO"))
      return c.Tag.ID;
  }
  return QString();
}

bool GetControlValue(const QString& text, const QString& id, QString& value) {
  const auto controls = Find_Controls(text);
  const TFoundControl* c = Find_Control(controls, id);
  if (!c) return false;
  value = c->Tag.Value;
  return true;
}

QString GetControlProp(const QString& text, const QString& id) {
  const auto controls = Find_Controls(text);
  const TFoundControl* c = Find_Control(controls, id);
  return c ? c->Tag.Prop : QString();
}

int32_t GetControlMaxLen(const QString& text, const QString& id) {
  const auto controls = Find_Controls(text);
  const TFoundControl* c = Find_Control(controls, id);
  return c ? Leading_Number(c->Tag.MaxLen) : 0;
}

bool SetControlValue(QString& text, const QString& id, const QString& value) {
  const auto controls = Find_Controls(text);
  const TFoundControl* c = Find_Control(controls, id);
  if (!c) return false;
  const TControlTag& t = c->Tag;
  QString tag = QStringLiteral("<CONTROL ID=\"") + t.ID + QStringLiteral("\" VALUE=\"") +
                EncodeMarkupEntities(value, true) + QStringLiteral("\" WIDTH=\"") + t.Width +
                QStringLiteral("\" TYPE=\"") + t.Type.toUpper() + u'"';
  if (!t.Prop.isEmpty()) tag += QStringLiteral(" PROP=\"") + EncodeMarkupEntities(t.Prop, true) + u'"';
  if (!t.MaxLen.isEmpty()) tag += QStringLiteral(" MAXLEN=\"") + t.MaxLen + u'"';
  tag += u'>';
  text.replace(c->Start, c->End - c->Start + 1, tag);
  return true;
}

QString ClearRadioControls(const QString& text) {
  QString r = text;
  for (const TFoundControl& c : Find_Controls(text))
    if (c.Tag.Type == QLatin1String("RADIO")) SetControlValue(r, c.Tag.ID, QStringLiteral("FALSE"));
  return r;
}
