#pragma once
// One default value (0..255) and one description per DMX channel, for as many channels as the communication
// parameters give; kept in DMX_Default_Values.xml.
#include "UProtocol_Window.h"

class TFDMXDefVal : public TFProtocol_Window {
 public:
  explicit TFDMXDefVal(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();

  TTable_View* ACG_DMX_Def_Val = View(0);
  QStringList& Hint = Hints(0);

  // The table gets a row per channel of ParGen.xml before it is filled.
  void FormShow() override;
  // DMX_Num_Channels of ParGen.xml; 512 when the file, the element or a count the parameter window accepts
  // (24..512) is missing.
  static int32_t Channel_Count();

 protected:
  // Every channel starts at "0".
  void Initialise_Rows(int32_t table) override;
};

inline TFDMXDefVal* FDMXDefVal = nullptr;
