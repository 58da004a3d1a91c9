#pragma once
// What the SDO client and server windows share: the read and write pages with their tables, hint lists and copy
// flags under the same names.
#include "UCANopen_Window.h"

class TFSDO_Window : public TFCANopen_Window {
 public:
  using TFCANopen_Window::TFCANopen_Window;

  QWidget* TS_SDO_Read = PageControl1->widget(0);
  QWidget* TS_SDO_Write = PageControl1->widget(1);
  TTable_View* sga = View(0);
  TTable_View* sgb = View(1);
  QStringList& Hint_SDO_Client_Read = Hints(0);
  QStringList& Hint_SDO_Client_Write = Hints(1);
  bool& Do_Copy_SDO_Read = Copied(0);
  bool& Do_Copy_SDO_Write = Copied(1);
};
