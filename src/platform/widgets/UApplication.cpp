#include "UApplication.h"

#include "Exception.h"
#include "UDialogs.h"

namespace {

void Show_Text(QString text) {
  if (!text.isEmpty() && text.back() > u'.') text += u'.';
  // Showing the message must not raise again out of the guard: what the dialog itself raises is dropped.
  try {
    Show_Error(text);
  } catch (...) {
  }
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  Run_Guarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

void Show_Exception(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Exception*>(&error)) {
    Show_Text(own->Message());
  } else {
    Show_Text(QString::fromUtf8(error.what()));
  }
}

void Show_Unknown_Exception() {
  Show_Text(QStringLiteral("An unknown error occurred."));
}
