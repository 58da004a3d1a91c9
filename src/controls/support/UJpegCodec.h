#pragma once
// JPEG through libjpeg's version-62 interface, called directly: decoding for pictures loaded from JPEG data and
// encoding for the HTML export's cell pictures. libjpeg's fatal errors raise Exception "JPEG error #<code>".
#include <QByteArray>
#include <QImage>

bool Is_Jpeg_Data(const QByteArray& data);
QImage Jpeg_Decode(const QByteArray& data);
// quality 0..100
QByteArray Jpeg_Encode(const QImage& image, int quality);
