#pragma once
// The test data of the source tree (tests/data). Its place is compiled into one small source only, so that every
// other test source compiles to the same bytes in any checkout and the compiler cache can share them.
#include <QString>

// The absolute path of `relative` below tests/data.
QString Test_Data(const QString& relative);
