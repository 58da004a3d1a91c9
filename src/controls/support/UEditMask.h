#pragma once
// An edit mask: which characters each position of a masked edit takes, the literals between them, whether the
// literals belong to the value, and the character that shows an empty position.
//
// Body: 0 digit, 9 optional digit, # optional digit or sign, L letter, l optional letter, A letter or digit,
// a optional letter or digit, C any character, c optional any character; > upper case and < lower case for what
// follows, <> neither; \ takes the next character as a literal; : and / are the locale's time and date separators;
// _ is a blank literal; ! keeps the empty optional places at the start of the value instead of its end; any other
// character is a literal. After the body, ";0" keeps the literals out of the value (";1", the default, keeps them
// in), then ";" and the character that shows an empty place (default "_"). "!90:00:00;1; " is a time of day.
// Capital letters and 0 name the places a value should fill; the edit takes what was typed either way.
#include <QString>
#include <QVector>
#include <cstdint>

#include "Exception.h"

class EEditMaskError : public Exception {
 public:
  using Exception::Exception;
};

class TEditMask {
 public:
  enum TClass : uint8_t { mcLiteral, mcDigit, mcDigitOrSign, mcLetter, mcAlnum, mcAny };
  enum TCase : uint8_t { caseNone, caseUpper, caseLower };
  struct TPlace {
    TClass Class = mcLiteral;
    TCase Case = caseNone;
    QChar Literal;
  };

  // The empty mask: no places, the text is taken as it stands.
  TEditMask() = default;
  // Raises EEditMaskError, naming the fault, for a mask that cannot be used.
  explicit TEditMask(const QString& mask);

  bool IsEmpty() const { return FPlaces.isEmpty(); }
  int32_t Length() const { return static_cast<int32_t>(FPlaces.size()); }
  const TPlace& Place(int32_t i) const { return FPlaces[i]; }
  bool IsLiteral(int32_t i) const { return FPlaces[i].Class == mcLiteral; }
  QChar Blank() const { return FBlank; }
  bool SaveLiterals() const { return FSaveLiterals; }

  // The character as the place takes it (case applied); a null character when the place refuses it.
  QChar Accept(int32_t place, QChar ch) const;
  // A value placed into the mask, as the edit shows it: every place filled or blank, the literals in between.
  QString ToDisplay(const QString& value) const;
  // What the edit's shown text stands for: the filled places (a blank place as a space) with the literals when they
  // are kept, the empty optional end (start with "!") trimmed; empty when no place is filled.
  QString ToValue(const QString& display) const;
  // True when no place is left blank.
  bool Full(const QString& display) const;
  // The first place from `from` on (backwards: before `from`) that takes a character; -1 when none.
  int32_t NextInput(int32_t from) const;
  int32_t PreviousInput(int32_t from) const;

 private:
  QVector<TPlace> FPlaces;
  QChar FBlank = u'_';
  bool FSaveLiterals = true;
  bool FTrimStart = false;
};
