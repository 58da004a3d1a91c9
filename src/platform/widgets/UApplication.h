#pragma once
// The program's application object. The controls raise exceptions with fixed texts, and none may unwind through
// the event loop: every event is delivered inside a guard that catches what leaves the handler (and the
// std::function events it fired), shows the message, and lets the loop carry on.
//
// The toolkit's widget library is built without exception support, so an exception that crosses its event
// delivery skips that code's clean-up (a key event leaks a guard pointer on the way out). The application object
// is therefore the last resort; widgets with handlers that may raise derive from TGuarded<...>, which catches in
// the widget's own event() before the toolkit's delivery is unwound.
#include <QApplication>
#include <QEvent>
#include <exception>

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the message of a caught exception as an error message; like the classic handler it adds a full stop when
// the text ends in a character that sorts after one (letters, digits, most punctuation but ")" and "!").
void Show_Exception(const std::exception& error);
// The message for anything raised that is not a std::exception.
void Show_Unknown_Exception();

// Runs `action`; an exception that leaves it is shown as an error message instead of passed on. False when one
// was caught.
template <class TAction>
bool Run_Guarded(TAction&& action) {
  try {
    action();
    return true;
  } catch (const std::exception& error) {
    Show_Exception(error);
  } catch (...) {
    Show_Unknown_Exception();
  }
  return false;
}

// A widget whose events (and the std::function events its handlers fire) run inside the guard. An event whose
// handler raised counts as handled. Subclasses override Guarded_Event instead of event(), which is final so that
// an override cannot slip past the guard.
template <class TBase>
class TGuarded : public TBase {
 public:
  using TBase::TBase;

 protected:
  virtual bool Guarded_Event(QEvent* e) { return TBase::event(e); }
  bool event(QEvent* e) final {
    bool handled = true;
    Run_Guarded([&] { handled = Guarded_Event(e); });
    return handled;
  }
};
