// The CAN transmit window, the largest protocol table (512 rows of 17 stored cells), shown with a full
// CAN_Send_Frames.xml and saved with OK, beside a QTableView over a QStandardItemModel that loads the same cells
// from the same file with pugixml, is shown, and writes them back the same way. Both paint once offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <pugixml.hpp>
#include <sstream>
#include <string>

#include "UGlobals.h"
#include "ULang.h"
#include "USaveFile.h"
#include "UTransmitCAN.h"

namespace {
const char* const Attributes[] = {"Enable",  "COBID", "CAN_Type", "Dim",   "OnChange", "OnCMD",
                                  "OnTimer", "Time",  "Byte1",    "Byte2", "Byte3",    "Byte4",
                                  "Byte5",   "Byte6", "Byte7",    "Byte8", "Mnemonic"};
constexpr int Rows = 512;
constexpr int Cols = 17;

// Every data row filled with values the checks pass.
void Write_Full_File(const QString& path) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("Transmit_Frames");
  for (int r = 0; r < Rows; ++r) {
    pugi::xml_node row = root.append_child("row");
    const std::string values[8] = {"Y", std::to_string(r), "2.0A (11 bits)", "8", "Y", "N", "Y", "100"};
    for (int c = 0; c < Cols; ++c) {
      std::string value;
      if (c < 8)
        value = values[c];
      else if (c < 16)
        value = std::to_string((r * 8 + c - 8) % 1500);
      else
        value = "Frame " + std::to_string(r);
      row.append_attribute(Attributes[c]).set_value(value.c_str());
    }
  }
  doc.append_child(pugi::node_comment).set_value("SW_VERSION = 1.000");
  doc.save_file(path.toUtf8().constData(), "", pugi::format_raw | pugi::format_no_declaration);
}

struct TSetup {
  TSetup() {
    Load_Default_Strings();
    Path_Project = Dir.path();
    Build_Topic_Paths();
    Write_Full_File(Path_CAN_Send_Frames);
  }
  QTemporaryDir Dir;
};

TSetup& Setup() {
  static TSetup setup;
  return setup;
}

void BM_Window_Show_And_Save(benchmark::State& state) {
  Setup();
  TFTransmitCAN window;
  for (auto _ : state) {
    window.FormShow();
    window.show();
    QApplication::processEvents();
    window.repaint();
    window.Btn_OKClick();
    if (window.ModalResult() != mrOk) state.SkipWithError("the full file did not pass the checks");
  }
}

void BM_QTableView_Load_And_Save(benchmark::State& state) {
  Setup();
  QTableView view;
  view.resize(1100, 337);
  for (auto _ : state) {
    pugi::xml_document doc;
    doc.load_file(Path_CAN_Send_Frames.toUtf8().constData());
    auto model = std::make_unique<QStandardItemModel>(Rows, Cols);
    int r = 0;
    for (pugi::xml_node row = doc.first_child().first_child(); row && r < Rows; row = row.next_sibling(), ++r)
      for (int c = 0; c < Cols; ++c)
        model->setItem(r, c, new QStandardItem(QString::fromUtf8(row.attribute(Attributes[c]).value())));
    view.setModel(model.get());
    view.show();
    QApplication::processEvents();
    view.repaint();
    pugi::xml_document out;
    pugi::xml_node root = out.append_child("Transmit_Frames");
    for (int k = 0; k < Rows; ++k) {
      pugi::xml_node row = root.append_child("row");
      for (int c = 0; c < Cols; ++c)
        row.append_attribute(Attributes[c]).set_value(model->item(k, c)->text().toUtf8().constData());
    }
    out.append_child(pugi::node_comment).set_value("SW_VERSION = 1.000");
    // Written the window's way: serialised without indentation, then replacing the file atomically.
    std::ostringstream bytes;
    out.save(bytes, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    Write_File_Atomic(Path_CAN_Send_Frames, QByteArray::fromStdString(bytes.str()));
    view.setModel(nullptr);
  }
}

BENCHMARK(BM_Window_Show_And_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QTableView_Load_And_Save)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
