#pragma once
// The input of the browse fuzz target: a flags byte (bit 0: log in with a user name and password), then the
// server's answers to the client's service requests in order, each as a 32-bit little-endian length and the
// encoded response. When they run out the server closes the connection.
#include <QByteArray>
#include <vector>

struct TUaBrowseInput {
  bool User_Login = false;
  std::vector<QByteArray> Answers;
};

TUaBrowseInput Ua_Read_Browse_Input(const QByteArray& bytes);
QByteArray Ua_Write_Browse_Input(const TUaBrowseInput& input);
