#include "UJpegCodec.h"

#include <csetjmp>
#include <cstdio>
#include <vector>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "Exception.h"

namespace {
// libjpeg is C: a fatal error jumps back to the call, which raises the exception in C++ frames only.
struct TJpegError {
  jpeg_error_mgr Manager{};
  std::jmp_buf Jump{};
  int Code = 0;
};

void Error_Exit(j_common_ptr info) {
  auto* error = reinterpret_cast<TJpegError*>(info->err);
  error->Code = info->err->msg_code;
  std::longjmp(error->Jump, 1);
}

void Quiet_Message(j_common_ptr, int) {}

// A picture larger than this is refused rather than allocated (a damaged header can claim gigabytes).
constexpr uint64_t Max_Pixels = 64ull * 1024 * 1024;
constexpr int Out_Of_Memory = -2;

[[noreturn]] void Raise(int code) {
  if (code == Out_Of_Memory) throw Exception(QStringLiteral("Could not allocate memory for image"));
  throw Exception(QString::asprintf("JPEG error #%d", code));
}

// Source manager over the bytes in memory; a truncated stream ends with an end-of-image marker.
struct TJpegSource {
  jpeg_source_mgr Manager{};
  const QByteArray* Data = nullptr;
  bool Served = false;
};

const JOCTET End_Marker[2] = {0xFF, JPEG_EOI};

void Source_Init(j_decompress_ptr) {}
boolean Source_Fill(j_decompress_ptr info) {
  auto* src = reinterpret_cast<TJpegSource*>(info->src);
  if (!src->Served) {
    src->Served = true;
    src->Manager.next_input_byte = reinterpret_cast<const JOCTET*>(src->Data->constData());
    src->Manager.bytes_in_buffer = size_t(src->Data->size());
  } else {
    WARNMS(info, JWRN_JPEG_EOF);
    src->Manager.next_input_byte = End_Marker;
    src->Manager.bytes_in_buffer = 2;
  }
  return TRUE;
}
void Source_Skip(j_decompress_ptr info, long count) {
  auto* src = reinterpret_cast<TJpegSource*>(info->src);
  if (count <= 0) return;
  if (size_t(count) <= src->Manager.bytes_in_buffer) {
    src->Manager.next_input_byte += count;
    src->Manager.bytes_in_buffer -= size_t(count);
    return;
  }
  // Past the end of the data: what remains is the end-of-image marker.
  src->Served = true;
  Source_Fill(info);
}
void Source_Term(j_decompress_ptr) {}

// Destination manager that grows a byte array.
struct TJpegDestination {
  jpeg_destination_mgr Manager{};
  std::vector<JOCTET>* Out = nullptr;
  size_t Used = 0;
};

constexpr size_t Dest_Chunk = 16384;

void Dest_Init(j_compress_ptr info) {
  auto* dst = reinterpret_cast<TJpegDestination*>(info->dest);
  dst->Out->resize(Dest_Chunk);
  dst->Used = 0;
  dst->Manager.next_output_byte = dst->Out->data();
  dst->Manager.free_in_buffer = Dest_Chunk;
}
boolean Dest_Empty(j_compress_ptr info) {
  auto* dst = reinterpret_cast<TJpegDestination*>(info->dest);
  // The whole buffer is full when libjpeg asks, whatever free_in_buffer says.
  dst->Used = dst->Out->size();
  dst->Out->resize(dst->Out->size() + Dest_Chunk);
  dst->Manager.next_output_byte = dst->Out->data() + dst->Used;
  dst->Manager.free_in_buffer = Dest_Chunk;
  return TRUE;
}
void Dest_Term(j_compress_ptr info) {
  auto* dst = reinterpret_cast<TJpegDestination*>(info->dest);
  dst->Used = dst->Out->size() - dst->Manager.free_in_buffer;
}

// Runs the decompression; returns the error code, 0 on success. Every object with a destructor belongs to the
// caller, so the jump back skips none.
int Decode_Into(const QByteArray& data, QImage& image, std::vector<JSAMPLE>& row) {
  jpeg_decompress_struct info{};
  TJpegError error;
  TJpegSource source;
  info.err = jpeg_std_error(&error.Manager);
  error.Manager.error_exit = Error_Exit;
  error.Manager.emit_message = Quiet_Message;
  if (setjmp(error.Jump)) {
    jpeg_destroy_decompress(&info);
    return error.Code == 0 ? -1 : error.Code;
  }
  jpeg_create_decompress(&info);
  source.Data = &data;
  source.Manager.init_source = Source_Init;
  source.Manager.fill_input_buffer = Source_Fill;
  source.Manager.skip_input_data = Source_Skip;
  source.Manager.resync_to_restart = jpeg_resync_to_restart;
  source.Manager.term_source = Source_Term;
  info.src = &source.Manager;
  jpeg_read_header(&info, TRUE);
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&info);
  const int components = info.output_components;
  if (uint64_t(info.output_width) * info.output_height > Max_Pixels) {
    jpeg_destroy_decompress(&info);
    return Out_Of_Memory;
  }
  image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
  if (image.isNull()) {
    jpeg_destroy_decompress(&info);
    return Out_Of_Memory;
  }
  row.resize(size_t(info.output_width) * size_t(components));
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    const int y = int(info.output_scanline);
    jpeg_read_scanlines(&info, rows, 1);
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (JDIMENSION x = 0; x < info.output_width; ++x) {
      const JSAMPLE* p = row.data() + size_t(x) * size_t(components);
      if (cmyk) {
        // Adobe writes inverted CMYK.
        const int k = p[3];
        line[x] = qRgb(p[0] * k / 255, p[1] * k / 255, p[2] * k / 255);
      } else if (components >= 3) {
        line[x] = qRgb(p[0], p[1], p[2]);
      } else {
        line[x] = qRgb(p[0], p[0], p[0]);
      }
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return 0;
}

int Encode_Into(const QImage& rgb, int quality, std::vector<JOCTET>& out, size_t& used, std::vector<JSAMPLE>& row) {
  jpeg_compress_struct info{};
  TJpegError error;
  TJpegDestination destination;
  info.err = jpeg_std_error(&error.Manager);
  error.Manager.error_exit = Error_Exit;
  error.Manager.emit_message = Quiet_Message;
  if (setjmp(error.Jump)) {
    jpeg_destroy_compress(&info);
    return error.Code == 0 ? -1 : error.Code;
  }
  jpeg_create_compress(&info);
  destination.Out = &out;
  destination.Manager.init_destination = Dest_Init;
  destination.Manager.empty_output_buffer = Dest_Empty;
  destination.Manager.term_destination = Dest_Term;
  info.dest = &destination.Manager;
  info.image_width = JDIMENSION(rgb.width());
  info.image_height = JDIMENSION(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, std::clamp(quality, 0, 100), TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(int(info.next_scanline)));
    for (int x = 0; x < rgb.width(); ++x) {
      row[size_t(x) * 3] = JSAMPLE(qRed(line[x]));
      row[size_t(x) * 3 + 1] = JSAMPLE(qGreen(line[x]));
      row[size_t(x) * 3 + 2] = JSAMPLE(qBlue(line[x]));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  used = destination.Used;
  jpeg_destroy_compress(&info);
  return 0;
}
}  // namespace

bool Is_Jpeg_Data(const QByteArray& data) {
  return data.size() >= 3 && uint8_t(data[0]) == 0xFF && uint8_t(data[1]) == 0xD8 && uint8_t(data[2]) == 0xFF;
}

QImage Jpeg_Decode(const QByteArray& data) {
  QImage image;
  std::vector<JSAMPLE> row;
  const int code = Decode_Into(data, image, row);
  if (code != 0) Raise(code);
  return image;
}

QByteArray Jpeg_Encode(const QImage& image, int quality) {
  if (image.isNull()) Raise(JERR_EMPTY_IMAGE);
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<JOCTET> out;
  size_t used = 0;
  std::vector<JSAMPLE> row(size_t(std::max(rgb.width(), 1)) * 3);
  const int code = Encode_Into(rgb, quality, out, used, row);
  if (code != 0) Raise(code);
  return QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(used));
}
