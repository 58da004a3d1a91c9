#pragma once
// Composes the PROFINET GSDML file name; opened before the GSDML export.
#include "UPlaceholderWindow.h"

class TFProfinetFileName : public TFPlaceholderWindow {
 public:
  explicit TFProfinetFileName(QWidget* parent = nullptr) : TFPlaceholderWindow(1800, 1801, parent) {}

  // The composed file name, valid after OK.
  QString Name_File_XML;
};

inline TFProfinetFileName* FProfinetFileName = nullptr;
