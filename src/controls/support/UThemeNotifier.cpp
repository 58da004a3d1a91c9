#include "UThemeNotifier.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <chrono>
#include <map>

#include "QrvStyleIF.h"

namespace {

TThemeNotifier* Shared_Notifier = nullptr;

constexpr int32_t REG_NOTIFY_CHANGE_LAST_SET = 4;

}  // namespace

// ---- THandleList

void THandleList::Add(intptr_t value) {
  std::lock_guard<std::mutex> guard(FLock);
  FItems.push_back(value);
}

void THandleList::Insert(int32_t index, intptr_t value) {
  std::lock_guard<std::mutex> guard(FLock);
  if (index < 0 || size_t(index) > FItems.size()) return;
  FItems.insert(FItems.begin() + index, value);
}

void THandleList::Delete(int32_t index) {
  std::lock_guard<std::mutex> guard(FLock);
  if (index < 0 || size_t(index) >= FItems.size()) return;
  FItems.erase(FItems.begin() + index);
}

void THandleList::DeleteValue(intptr_t value) {
  std::lock_guard<std::mutex> guard(FLock);
  for (auto it = FItems.begin(); it != FItems.end(); ++it) {
    if (*it == value) {
      FItems.erase(it);
      return;
    }
  }
}

bool THandleList::HasValue(intptr_t value) const {
  std::lock_guard<std::mutex> guard(FLock);
  for (intptr_t item : FItems) {
    if (item == value) return true;
  }
  return false;
}

intptr_t THandleList::GetInteger(int32_t index) const {
  std::lock_guard<std::mutex> guard(FLock);
  return index < 0 || size_t(index) >= FItems.size() ? 0 : FItems[size_t(index)];
}

void THandleList::SetInteger(int32_t index, intptr_t value) {
  std::lock_guard<std::mutex> guard(FLock);
  if (index >= 0 && size_t(index) < FItems.size()) FItems[size_t(index)] = value;
}

int32_t THandleList::Count() const {
  std::lock_guard<std::mutex> guard(FLock);
  return int32_t(FItems.size());
}

std::vector<intptr_t> THandleList::Snapshot() const {
  std::lock_guard<std::mutex> guard(FLock);
  return FItems;
}

// ---- TEvent

void TEvent::Set() {
  std::lock_guard<std::mutex> guard(FLock);
  FSignalled = true;
  FChanged.notify_all();
}

void TEvent::Reset() {
  std::lock_guard<std::mutex> guard(FLock);
  FSignalled = false;
}

bool TEvent::WaitFor(int32_t milliseconds) {
  std::unique_lock<std::mutex> lock(FLock);
  return FChanged.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return FSignalled; });
}

// ---- TRegMonitorThread

TRegMonitorThread::TRegMonitorThread(TRootKey root, QString key, bool watchSub, int32_t filter, TChangeSink sink)
    : FKey(std::move(key)), FRootKey(root), FWatchSub(watchSub), FFilter(filter), FSink(std::move(sink)) {}

TRegMonitorThread::~TRegMonitorThread() {
  Stop();
  if (FThread.joinable()) FThread.join();
}

void TRegMonitorThread::Resume() {
  if (FThread.joinable() || FEnded) return;
  // The watch is armed before this returns, so a change made right after starting is not taken for the start state.
  FSeen = TRegistry::Snapshot(FRootKey, FKey);
  FThread = std::thread([this] { Execute(); });
}

void TRegMonitorThread::Stop() {
  FTerminated = true;
  FEvent.Set();
}

int32_t TRegMonitorThread::Filter() {
  int32_t unset = 0;
  FFilter.compare_exchange_strong(unset, 15);
  return FFilter;
}

QString TRegMonitorThread::LastError() const {
  std::lock_guard<std::mutex> guard(FErrorLock);
  return FLastError;
}

void TRegMonitorThread::Execute() {
  {
    TRegistry registry;
    registry.SetRootKey(FRootKey);
    if (!registry.OpenKeyReadOnly(FKey)) {
      // The error stays inside the thread: nothing is shown, the thread just ends.
      std::lock_guard<std::mutex> guard(FErrorLock);
      FLastError = QStringLiteral("Unable to open registry key ") + FKey;
      FEnded = true;
      return;
    }
  }
  // The store holds no change notification of its own: the thread compares the watched subtree (always the whole
  // subtree, whatever FWatchSub says) with what it saw last, between waits on the event that Stop signals.
  Filter();
  while (!FTerminated) {
    if (!FEvent.WaitFor(PollInterval)) {
      std::map<QString, QVariant> now = TRegistry::Snapshot(FRootKey, FKey);
      if (now == FSeen) continue;
      FSeen = std::move(now);
      FEvent.Set();
    }
    if (FTerminated) break;
    if (FSink) FSink();
    FEvent.Reset();
  }
  FEnded = true;
}

// ---- TThemeNotifierWindow

bool TThemeNotifierWindow::event(QEvent* e) {
  if (e->type() == ThemeChangeEventType && OnOfficeThemeChange) OnOfficeThemeChange(this);
  return QObject::event(e);
}

// ---- TThemeNotifier

TThemeNotifier::TThemeNotifier(QObject* AOwner) : QObject(AOwner) {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    QCoreApplication::instance()->installEventFilter(this);
  const int32_t version = OfficeVersionPresent();
  if (version != 1 && version != 2) return;
  FNotifier = new TThemeNotifierWindow(this);
  FNotifier->OnOfficeThemeChange = [this](QObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
  };
  FKey = version == 2 ? OfficeCommonKey14 : OfficeCommonKey12;
  // The thread never touches a window: it asks the UI thread to deliver, and a request that arrives after the
  // notifier window is gone is dropped by the toolkit.
  FThread = std::make_unique<TRegMonitorThread>(TRootKey::HKEY_CURRENT_USER, FKey, true, REG_NOTIFY_CHANGE_LAST_SET,
                                                [this, notifier = FNotifier] {
                                                  QMetaObject::invokeMethod(
                                                      notifier, [this] { Deliver(); }, Qt::QueuedConnection);
                                                });
  FThread->Resume();
}

TThemeNotifier::~TThemeNotifier() {
  // The thread is stopped and joined before the window it delivers through goes.
  FThread.reset();
  if (Shared_Notifier == this) Shared_Notifier = nullptr;
}

void TThemeNotifier::RegisterWindow(QObject* window) {
  if (!window) return;
  const intptr_t handle = reinterpret_cast<intptr_t>(window);
  if (Windows().HasValue(handle)) return;
  Windows().Add(handle);
  connect(window, &QObject::destroyed, this, [this, handle] { Windows().DeleteValue(handle); });
}

void TThemeNotifier::UnRegisterWindow(QObject* window) {
  if (!window) return;
  Windows().DeleteValue(reinterpret_cast<intptr_t>(window));
  disconnect(window, &QObject::destroyed, this, nullptr);
}

bool TThemeNotifier::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance() &&
      !FDesktopChangePosted) {
    FDesktopChangePosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          FDesktopChangePosted = false;
          Deliver();
        },
        Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, e);
}

void TThemeNotifier::Deliver() {
  if (FNotifier) {
    TThemeChangeEvent e(FRootKey, FKey);
    QCoreApplication::sendEvent(FNotifier, &e);
  } else if (OnOfficeThemeChange) {
    OnOfficeThemeChange(this);
  }
  for (intptr_t handle : Windows().Snapshot()) {
    // A window unregistered by an earlier receiver is skipped.
    if (!Windows().HasValue(handle)) continue;
    TThemeChangeEvent e(FRootKey, FKey);
    QCoreApplication::sendEvent(reinterpret_cast<QObject*>(handle), &e);
  }
}

TThemeNotifier* SharedThemeNotifier(QObject* AOwner) {
  if (!Shared_Notifier) Shared_Notifier = new TThemeNotifier(AOwner);
  return Shared_Notifier;
}
