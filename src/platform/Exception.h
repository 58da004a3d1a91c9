#pragma once
#include <QByteArray>
#include <QString>
#include <exception>

// Base of every error the controls and layers raise; the message is shown to the user as it stands.
class Exception : public std::exception {
 public:
  explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.constData(); }

 private:
  QString FMessage;
  QByteArray FUtf8;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};
