#pragma once
// The PROFIBUS GSD file: a fixed head, then one module per 64 bytes of each direction and one slot per module.
#include <QStringList>
#include <cstdint>

#include "UExport_Text.h"

// The master's view: the converter's input bytes are the master's output bytes and the other way round.
struct TGSD_Sizes {
  int32_t Input_Bytes = 0;
  int32_t Output_Bytes = 0;
};

// PROFINET_NB_OUT gives the input bytes, PROFINET_NB_IN the output bytes, 0 for what is missing or no whole
// number. Missing when ParGen.xml is absent; Unreadable (with the message in `error`) when it is not XML.
TInputLoad Read_GSD_Sizes(const QString& pargen_path, TGSD_Sizes& sizes, QString& error);

QStringList GSD_Lines(const TGSD_Sizes& sizes);
// The modules one direction needs for `bytes` bytes: none for 0 or less.
int64_t GSD_Module_Count(int32_t bytes);
// A module's number is one identifier byte, so a file describes at most 255 modules; larger sizes would also build a
// list of millions of lines.
constexpr int64_t Max_GSD_Modules = 255;
bool GSD_Sizes_Fit(const TGSD_Sizes& sizes);
