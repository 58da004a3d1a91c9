#include "UEditMask.h"

#include "UFormatSettings.h"

namespace {

// The body ends at the first ";" that no "\" escapes.
qsizetype Body_End(const QString& mask) {
  for (qsizetype i = 0; i < mask.size(); ++i) {
    if (mask[i] == u'\\') {
      ++i;
      continue;
    }
    if (mask[i] == u';') return i;
  }
  return mask.size();
}

}  // namespace

TEditMask::TEditMask(const QString& mask) {
  if (mask.isEmpty()) return;
  const qsizetype bodyEnd = Body_End(mask);
  const QString body = mask.left(bodyEnd);
  const QStringList fields = bodyEnd < mask.size() ? mask.mid(bodyEnd + 1).split(u';') : QStringList();
  if (fields.size() > 2)
    throw EEditMaskError(QStringLiteral("Invalid edit mask \"%1\": more than three fields").arg(mask));
  if (!fields.isEmpty()) {
    if (fields[0] != QLatin1String("0") && fields[0] != QLatin1String("1"))
      throw EEditMaskError(QStringLiteral("Invalid edit mask \"%1\": the second field must be 0 or 1, not \"%2\"")
                               .arg(mask, fields[0]));
    FSaveLiterals = fields[0] == QLatin1String("1");
  }
  if (fields.size() == 2) {
    if (fields[1].size() != 1)
      throw EEditMaskError(
          QStringLiteral("Invalid edit mask \"%1\": the blank field must be one character, not \"%2\"")
              .arg(mask, fields[1]));
    FBlank = fields[1][0];
  }
  const TFormatSettings format = FormatSettings();
  TCase caseMode = caseNone;
  for (qsizetype i = 0; i < body.size(); ++i) {
    const QChar ch = body[i];
    TPlace place;
    place.Case = caseMode;
    switch (ch.unicode()) {
      case u'!':
        FTrimStart = true;
        continue;
      case u'>':
        caseMode = caseUpper;
        continue;
      case u'<':
        if (i + 1 < body.size() && body[i + 1] == u'>') {
          ++i;
          caseMode = caseNone;
        } else {
          caseMode = caseLower;
        }
        continue;
      case u'\\':
        if (++i == body.size())
          throw EEditMaskError(QStringLiteral("Invalid edit mask \"%1\": \"\\\" ends the mask").arg(mask));
        place.Literal = body[i];
        break;
      case u'0':
      case u'9':
        place.Class = mcDigit;
        break;
      case u'#':
        place.Class = mcDigitOrSign;
        break;
      case u'L':
      case u'l':
        place.Class = mcLetter;
        break;
      case u'A':
      case u'a':
        place.Class = mcAlnum;
        break;
      case u'C':
      case u'c':
        place.Class = mcAny;
        break;
      case u':':
        place.Literal = format.TimeSeparator;
        break;
      case u'/':
        place.Literal = format.DateSeparator;
        break;
      case u'_':
        place.Literal = u' ';
        break;
      default:
        place.Literal = ch;
        break;
    }
    FPlaces.append(place);
  }
  if (NextInput(0) < 0)
    throw EEditMaskError(QStringLiteral("Invalid edit mask \"%1\": it has no place to type into").arg(mask));
}

QChar TEditMask::Accept(int32_t i, QChar ch) const {
  if (i < 0 || i >= Length() || ch.isNull()) return {};
  const TPlace& place = FPlaces[i];
  bool fits = false;
  switch (place.Class) {
    case mcLiteral:
      return {};
    case mcDigit:
      fits = ch >= u'0' && ch <= u'9';
      break;
    case mcDigitOrSign:
      fits = (ch >= u'0' && ch <= u'9') || ch == u'+' || ch == u'-';
      break;
    case mcLetter:
      fits = ch.isLetter();
      break;
    case mcAlnum:
      fits = ch.isLetterOrNumber();
      break;
    case mcAny:
      fits = ch.isPrint();
      break;
  }
  if (!fits) return {};
  if (place.Case == caseUpper) return ch.toUpper();
  if (place.Case == caseLower) return ch.toLower();
  return ch;
}

QString TEditMask::ToDisplay(const QString& value) const {
  // With "!" the value left out its empty optional start: it is laid into the places from the end.
  const bool fromEnd = FTrimStart;
  const int32_t n = Length();
  QString display(n, FBlank);
  qsizetype taken = 0;
  for (int32_t k = 0; k < n; ++k) {
    const int32_t i = fromEnd ? n - 1 - k : k;
    const qsizetype at = fromEnd ? value.size() - 1 - taken : taken;
    const bool more = taken < value.size();
    const TPlace& place = FPlaces[i];
    if (place.Class == mcLiteral) {
      display[i] = place.Literal;
      if (more && value[at] == place.Literal) ++taken;
      continue;
    }
    const QChar ch = more ? Accept(i, value[at]) : QChar();
    if (!ch.isNull()) display[i] = ch;
    if (more) ++taken;
  }
  return display;
}

QString TEditMask::ToValue(const QString& display) const {
  // Mask place by place; the value's characters line up with the places (a left-out literal adds none).
  QString value;
  QVector<int32_t> placeOf;
  int32_t firstFilled = -1, lastFilled = -1;
  for (int32_t i = 0; i < Length(); ++i) {
    const TPlace& place = FPlaces[i];
    if (place.Class == mcLiteral) {
      if (!FSaveLiterals) continue;
      value += place.Literal;
      placeOf.append(i);
      continue;
    }
    const QChar ch = i < display.size() ? display[i] : FBlank;
    const bool filled = ch != FBlank && !Accept(i, ch).isNull();
    if (filled) {
      if (firstFilled < 0) firstFilled = static_cast<int32_t>(value.size());
      lastFilled = static_cast<int32_t>(value.size());
    }
    value += filled ? ch : QChar(u' ');
    placeOf.append(i);
  }
  if (firstFilled < 0) return {};
  // The blank places at the end (at the start with "!") are left out, with the literals among them; literals that
  // follow (precede) the last (first) place of the mask stay.
  const auto onlyLiterals = [&](qsizetype from, qsizetype to) {
    for (qsizetype k = from; k < to; ++k)
      if (!IsLiteral(placeOf[k])) return false;
    return true;
  };
  if (FTrimStart) return onlyLiterals(0, firstFilled) ? value : value.mid(firstFilled);
  return onlyLiterals(lastFilled + 1, value.size()) ? value : value.left(lastFilled + 1);
}

bool TEditMask::Full(const QString& display) const {
  for (int32_t i = 0; i < Length(); ++i)
    if (FPlaces[i].Class != mcLiteral && (i >= display.size() || display[i] == FBlank)) return false;
  return true;
}

int32_t TEditMask::NextInput(int32_t from) const {
  for (int32_t i = std::max(0, from); i < Length(); ++i)
    if (FPlaces[i].Class != mcLiteral) return i;
  return -1;
}

int32_t TEditMask::PreviousInput(int32_t from) const {
  for (int32_t i = std::min(from, Length()) - 1; i >= 0; --i)
    if (FPlaces[i].Class != mcLiteral) return i;
  return -1;
}
