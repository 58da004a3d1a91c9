#include "TFakeBrowse.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <memory>
#include <thread>

TUaFakeServer::TAnswerer Serving(std::vector<TFakeVar> vars, int delay_ms) {
  auto browsed = std::make_shared<bool>(false);
  return [=](const TUaFakeRequest& request) -> std::optional<QByteArray> {
    const int32_t count = request.Count();
    if (request.Type == UaId::BrowseRequest && !*browsed) {
      *browsed = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
      std::vector<std::vector<UaFake::TRef>> results(static_cast<size_t>(count));
      for (const TFakeVar& v : vars) results.front().push_back({v.Id, v.Name});
      return UaFake::Browse_Answer(UaId::BrowseResponse, results);
    }
    // The variables' attributes: data type, access level, user access level, display name.
    if (request.Type == UaId::ReadRequest && count == 4 * int32_t(vars.size())) {
      TUaWriter w;
      for (const TFakeVar& v : vars) {
        w.Byte(0x01);
        w.Byte(uaNodeId);
        w.NodeId(TUaNodeId::Num(0, v.Type));
        for (int twice = 0; twice < 2; ++twice) {
          w.Byte(0x01);
          w.Byte(uaByte);
          w.Byte(v.Access);
        }
        w.Byte(0x01);
        w.Byte(uaLocalizedText);
        w.LocalizedText({QByteArray(), v.Name});
      }
      return UaFake::Read_Answer(count, w.Data());
    }
    return std::nullopt;
  };
}

std::vector<TFakeVar> Named(const char* prefix, std::vector<uint8_t> accesses) {
  std::vector<TFakeVar> vars;
  for (size_t i = 0; i < accesses.size(); ++i)
    vars.push_back(
        {TUaNodeId::Num(2, uint32_t(100 + i)), prefix + QByteArray::number(qsizetype(i)), uaInt32, accesses[i]});
  return vars;
}

bool Process_Until(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
  return true;
}
