#include "TTestData.h"

#ifndef TARN_TEST_DATA
#error "TARN_TEST_DATA names the folder tests/data"
#endif

QString Test_Data(const QString& relative) {
  return QStringLiteral(TARN_TEST_DATA "/") + relative;
}
