#pragma once
// Helpers of the writer tests: whole-file comparison with a reviewed file of tests/data/exporters, and running an
// independent checker program on a written file.
#include <QByteArray>
#include <QString>
#include <QStringList>

// Compares with tests/data/exporters/<name>; on a difference names the first differing line. When the file is
// missing the bytes are left in the temporary folder for review.
void Expect_Same_As_File(const QByteArray& bytes, const QString& name);

struct TCheck_Run {
  int Exit_Code = -1;
  QString Output;  // standard output and error together
};
// `environment` adds NAME=VALUE settings to the program's environment.
TCheck_Run Run_Checker(const QString& program, const QStringList& arguments, const QString& working_dir = QString(),
                       const QStringList& environment = {});
