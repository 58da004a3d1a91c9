#pragma once
// Embedded controls in markup keep their state in their own tag:
// <CONTROL TYPE="..." ID="..." VALUE="..." WIDTH="..." HEIGHT="..." PROP="..." MAXLEN="...">. These routines read
// and rewrite such tags inside a text; the renderer lays them out and draws them.
#include <QString>
#include <cstdint>

struct TControlTag {
  QString Type;  // upper-cased
  QString Width;
  QString Height;
  QString ID;
  QString Value;  // entity-decoded
  QString Prop;   // entity-decoded
  QString MaxLen;
};

// Reads the attributes of one tag's text (everything outputs emptied first).
void ParseControlTag(const QString& tagText, TControlTag& tag);

bool HasControlTag(const QString& text);
// The first editable control (not BUTTON, CHECK or RADIO) after the one with the previous ID; from the start when
// the previous ID is empty; empty when there is none.
QString NextControlId(const QString& text, const QString& previousId);
bool GetControlValue(const QString& text, const QString& id, QString& value);
QString GetControlProp(const QString& text, const QString& id);
int32_t GetControlMaxLen(const QString& text, const QString& id);
// Rewrites the control's tag with the new value; false (text unchanged) when no control has that ID.
bool SetControlValue(QString& text, const QString& id, const QString& value);
QString ClearRadioControls(const QString& text);
