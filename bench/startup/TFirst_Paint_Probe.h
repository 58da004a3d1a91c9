#pragma once
// Watches a window for its first paint; once that frame has gone out, writes the time (CLOCK_MONOTONIC in
// nanoseconds) to stdout and ends the process at once, so tearing down is not measured.
#include <QObject>

class TFirst_Paint_Probe : public QObject {
 public:
  explicit TFirst_Paint_Probe(QObject* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FPainted = false;
};
