#include "UaBrowseAsync.h"

#include <QByteArray>
#include <atomic>

#include "OPC_UA_Search.h"

namespace {

std::atomic<bool> Running{false};

// The record with texts of its own, for a call that outlives the caller's texts.
struct TOwnedServer {
  explicit TOwnedServer(const opcua_server_to_discover& server)
      : Record(server),
        Address(server.server_address),
        User(server.username),
        Password(server.password),
        Cert(server.cert),
        Key(server.priv_key) {}

  opcua_server_to_discover Get() const {
    opcua_server_to_discover r = Record;
    r.server_address = Text_Of(Address, Record.server_address);
    r.username = Text_Of(User, Record.username);
    r.password = Text_Of(Password, Record.password);
    r.cert = Text_Of(Cert, Record.cert);
    r.priv_key = Text_Of(Key, Record.priv_key);
    return r;
  }

 private:
  // A text the caller left out stays left out.
  static const char* Text_Of(const QByteArray& copy, const char* original) {
    return original ? copy.constData() : nullptr;
  }

  opcua_server_to_discover Record;
  QByteArray Address, User, Password, Cert, Key;
};

}  // namespace

bool Browse_Running() {
  return Running;
}

bool Start_Browse(QObject* context, const opcua_server_to_discover& server,
                  std::function<void(int32_t count)> on_done, TUserInput input, const TUaBrowseLimits& limits) {
  bool idle = false;
  if (!Running.compare_exchange_strong(idle, true)) return false;
  Start_Off_UI_Thread(
      context,
      [owned = TOwnedServer(server), limits] {
        struct TEnd {
          ~TEnd() { Running = false; }
        } end;
        return Ua_Client_Begin(owned.Get(), limits);
      },
      std::function<void(TWorkerOutcome<int32_t>&)>([on_done = std::move(on_done)](TWorkerOutcome<int32_t>& outcome) {
        // The browse reports every failure as 0 variables; an exception here would be a fault of ours.
        on_done(outcome.Error ? 0 : *outcome.Value);
      }),
      input);
  return true;
}
