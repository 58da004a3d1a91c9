#pragma once
// Watches the office suite's theme key and the desktop's palette, and tells registered windows when either changes.
// The key's watch runs on a thread of its own, started only when the key exists; the desktop's palette is watched
// on the UI thread through the application object. Every notification is delivered on the UI thread as the
// theme-change event (message 2993), first to the notifier's own hidden window (when the key is watched), then to
// each registered window.
#include <QEvent>
#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "URegistry.h"

constexpr int32_t WM_OFFICETHEMECHANGE = 2993;
constexpr QEvent::Type ThemeChangeEventType = QEvent::Type(QEvent::User + WM_OFFICETHEMECHANGE);

// Message 2993: the watched root key and key path.
class TThemeChangeEvent : public QEvent {
 public:
  TThemeChangeEvent(TRootKey root, QString keyPath)
      : QEvent(ThemeChangeEventType), RootKey(root), KeyPath(std::move(keyPath)) {}
  TRootKey RootKey;
  QString KeyPath;
};

// Window handles (toolkit objects) stored as integers. The list is shared by the UI thread, which changes it, and
// the watch thread, which walks it: every operation takes the list's lock.
class THandleList {
 public:
  void Add(intptr_t value);
  void Insert(int32_t index, intptr_t value);
  void Delete(int32_t index);
  void DeleteValue(intptr_t value);
  bool HasValue(intptr_t value) const;
  intptr_t GetInteger(int32_t index) const;
  void SetInteger(int32_t index, intptr_t value);
  int32_t Count() const;
  // A copy taken under the lock, to walk without holding it.
  std::vector<intptr_t> Snapshot() const;

 private:
  mutable std::mutex FLock;
  std::vector<intptr_t> FItems;
};

// A manual-reset event private to this process.
class TEvent {
 public:
  void Set();
  void Reset();
  // True when signalled within the time.
  bool WaitFor(int32_t milliseconds);

 private:
  std::mutex FLock;
  std::condition_variable FChanged;
  bool FSignalled = false;
};

class TRegMonitorThread {
 public:
  // Receives each change on the watch thread; the notifier forwards it to the UI thread.
  using TChangeSink = std::function<void()>;

  TRegMonitorThread(TRootKey root, QString key, bool watchSub, int32_t filter, TChangeSink sink);
  ~TRegMonitorThread();
  TRegMonitorThread(const TRegMonitorThread&) = delete;
  TRegMonitorThread& operator=(const TRegMonitorThread&) = delete;

  // Starts the suspended thread.
  void Resume();
  // Marks the thread terminated and wakes it; the destructor waits for it to end.
  void Stop();
  // 15 (name, attributes, value and security changes) while no filter is set.
  int32_t Filter();
  THandleList& WinList() { return FWinList; }
  bool Ended() const { return FEnded; }
  // The text of the error that ended the thread, empty otherwise.
  QString LastError() const;

  // How often the store is compared with what the thread last saw, in milliseconds.
  static constexpr int32_t PollInterval = 100;

 private:
  void Execute();

  TEvent FEvent;
  QString FKey;
  TRootKey FRootKey;
  bool FWatchSub;
  std::atomic<int32_t> FFilter;
  THandleList FWinList;
  TChangeSink FSink;
  // What the thread saw last of the watched subtree; the thread's own once started.
  std::map<QString, QVariant> FSeen;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FEnded{false};
  mutable std::mutex FErrorLock;
  QString FLastError;
  std::thread FThread;
};

// The notifier's hidden "window": a plain object on the UI thread, so any owner will do.
class TThemeNotifierWindow : public QObject {
 public:
  explicit TThemeNotifierWindow(QObject* parent) : QObject(parent) {}
  std::function<void(QObject* sender)> OnOfficeThemeChange;

 protected:
  bool event(QEvent* e) override;
};

class TThemeNotifier : public QObject {
 public:
  explicit TThemeNotifier(QObject* AOwner);
  ~TThemeNotifier() override;

  // Adds a window that receives the theme-change event; ignored when already listed. A registered window that is
  // destroyed leaves the list by itself.
  void RegisterWindow(QObject* window);
  void UnRegisterWindow(QObject* window);
  // The registered windows: the watch thread's list, or the notifier's own without a thread.
  THandleList& Windows() { return FThread ? FThread->WinList() : FWindows; }

  TRegMonitorThread* RegMonitorThread() const { return FThread.get(); }
  TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }
  std::function<void(QObject* sender)> OnOfficeThemeChange;

 protected:
  // A change of the desktop's palette: one delivery, posted, for however many changes arrive before it runs.
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void Deliver();

  std::unique_ptr<TRegMonitorThread> FThread;
  THandleList FWindows;
  bool FDesktopChangePosted = false;
  TThemeNotifierWindow* FNotifier = nullptr;
  TRootKey FRootKey = TRootKey::HKEY_CURRENT_USER;
  QString FKey;
};

// The one notifier of the process, made on first use with the given owner.
TThemeNotifier* SharedThemeNotifier(QObject* AOwner);
