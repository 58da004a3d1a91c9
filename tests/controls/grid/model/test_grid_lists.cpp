#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "Exception.h"
#include "UCanvas.h"
#include "UGridLists.h"
#include "UJpegCodec.h"

namespace {

std::vector<int32_t> Entries(const TIntList& list) {
  std::vector<int32_t> entries;
  for (int32_t i = 0; i < list.Count(); ++i) entries.push_back(list.GetInteger(i));
  return entries;
}

struct Recorder {
  std::vector<std::pair<int32_t, int32_t>> calls;
  void Attach(TIntList& list) {
    list.OnChange = [this, &list](TIntList* sender, int32_t col, int32_t row) {
      EXPECT_EQ(sender, &list);
      calls.emplace_back(col, row);
    };
  }
};

template <class F>
QString Error_Text(F&& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.Message();
  }
  return QStringLiteral("<no error>");
}

}  // namespace

TEST(IntList, ChangesReportTheCellAndInsertStaysSilent) {
  TIntList list(3, 4);
  Recorder rec;
  rec.Attach(list);
  list.Add(10);
  list.Add(20);
  list.Insert(0, 5);
  list.Insert(3, 30);  // at the end
  EXPECT_EQ(Entries(list), (std::vector<int32_t>{5, 10, 20, 30}));
  EXPECT_EQ(rec.calls.size(), 2u);
  list.SetInteger(1, 11);
  list.Delete(0);
  list.DeleteValue(99);  // absent: nothing
  list.DeleteValue(30);
  EXPECT_EQ(Entries(list), (std::vector<int32_t>{11, 20}));
  EXPECT_EQ(rec.calls, (std::vector<std::pair<int32_t, int32_t>>(5, {3, 4})));
  EXPECT_TRUE(list.HasValue(20));
  EXPECT_FALSE(list.HasValue(30));
  EXPECT_EQ(list.StrValue(), "11,20");
  list.Clear();
  EXPECT_EQ(list.StrValue(), "");
  EXPECT_EQ(rec.calls.size(), 5u);
}

TEST(IntList, IndexesOutsideTheListAreRefused) {
  TIntList list(0, 0);
  list.Add(1);
  EXPECT_EQ(Error_Text([&] { list.GetInteger(1); }), "List index out of bounds (1)");
  EXPECT_EQ(Error_Text([&] { list.SetInteger(-1, 0); }), "List index out of bounds (-1)");
  EXPECT_EQ(Error_Text([&] { list.Delete(5); }), "List index out of bounds (5)");
  EXPECT_EQ(Error_Text([&] { list.Insert(2, 0); }), "List index out of bounds (2)");
  EXPECT_EQ(Entries(list), std::vector<int32_t>{1});
}

TEST(IntList, StrValueReadsCommaText) {
  struct Case {
    const char* text;
    std::vector<int32_t> entries;
    const char* error;  // nullptr: none
  };
  const Case cases[] = {
      {"1,2,3", {1, 2, 3}, nullptr},
      {"", {}, nullptr},
      {"  7 , -8\t9 ", {7, -8, 9}, nullptr},
      {"\"10\",\"11\"", {10, 11}, nullptr},
      {"$10", {16}, nullptr},
      {"1,x,3", {1}, "'x' is not a valid integer value"},
      {"4,,5", {4}, "'' is not a valid integer value"},
      {"6,", {6}, "'' is not a valid integer value"},
      {"\"1 2\"", {}, "'1 2' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    TIntList list(1, 2);
    list.Add(42);  // replaced by the text
    Recorder rec;
    rec.Attach(list);
    QString error;
    try {
      list.SetStrValue(QString::fromUtf8(c.text));
    } catch (const EConvertError& e) {
      error = e.Message();
    }
    EXPECT_EQ(error, c.error ? QString::fromUtf8(c.error) : QString()) << c.text;
    EXPECT_EQ(Entries(list), c.entries) << c.text;
    EXPECT_EQ(rec.calls.size(), c.entries.size()) << c.text;
  }
  TIntList list(0, 0);
  list.SetStrValue("3, 1,2");
  EXPECT_EQ(list.StrValue(), "3,1,2");
}

TEST(SortIndexList, TextFormRoundTrips) {
  struct Case {
    const char* text;
    std::vector<std::pair<int32_t, bool>> columns;  // column, ascending
    const char* saved;
  };
  const Case cases[] = {
      {"u2;d5", {{2, true}, {5, false}}, "u2;d5"},
      {"x7", {{7, false}}, "d7"},
      {"u", {}, ""},
      {";;", {}, ""},
      {"", {}, ""},
      {";u1;;D3;", {{1, true}, {3, false}}, "u1;d3"},
      {"U4", {{4, false}}, "d4"},
      // Columns that are not plain decimal numbers within the integer range are skipped.
      {"uabc;d4;u-1;u+2;u 3;u2147483648", {{4, false}}, "d4"},
      {"u2147483647", {{2147483647, true}}, "u65535"},
      // Only the low 16 bits of a column are written.
      {"d70000", {{70000, false}}, "d4464"},
  };
  for (const Case& c : cases) {
    TSortIndexList list;
    list.AddIndex(9, true);  // replaced by the text
    Recorder rec;
    rec.Attach(list);
    list.LoadFromString(QString::fromUtf8(c.text));
    ASSERT_EQ(list.Count(), int32_t(c.columns.size())) << c.text;
    for (int32_t i = 0; i < list.Count(); ++i) {
      EXPECT_EQ(list.GetSortColumns(i), c.columns[size_t(i)].first) << c.text;
      EXPECT_EQ(list.GetSortDirections(i), c.columns[size_t(i)].second) << c.text;
    }
    EXPECT_EQ(rec.calls.size(), c.columns.size()) << c.text;
    EXPECT_EQ(list.SaveToString(), QString::fromUtf8(c.saved)) << c.text;
  }
}

TEST(SortIndexList, EntriesKeepColumnAndDirectionApart) {
  TSortIndexList list;
  list.AddIndex(2, true);
  list.AddIndex(5, false);
  EXPECT_EQ(list.GetInteger(1), int32_t(0x80000005u));
  EXPECT_EQ(list.FindIndex(5), 1);
  EXPECT_EQ(list.FindIndex(3), -1);
  EXPECT_EQ(list.FindIndex(-1), -1);

  Recorder rec;
  rec.Attach(list);
  list.ToggleIndex(3);
  EXPECT_TRUE(rec.calls.empty());
  EXPECT_EQ(list.SaveToString(), "u2;d5");
  list.ToggleIndex(5);
  list.ToggleIndex(2);
  EXPECT_EQ(list.SaveToString(), "d2;u5");
  EXPECT_EQ(rec.calls.size(), 2u);

  list.SetSortColumns(0, 7);  // keeps descending
  EXPECT_EQ(list.SaveToString(), "d7;u5");
  list.SetSortColumns(1, int32_t(0x80000009u));  // the direction bit of the value is not taken
  EXPECT_EQ(list.SaveToString(), "d7;u9");
  list.SetSortDirections(0, true);
  list.SetSortDirections(1, false);
  EXPECT_EQ(list.SaveToString(), "u7;d9");
  list.SetSortDirections(1, false);
  EXPECT_EQ(list.GetSortColumns(1), 9);
  EXPECT_EQ(Error_Text([&] { list.GetSortColumns(2); }), "List index out of bounds (2)");
}

TEST(ControlList, ItemsAreOwnedTheControlsAreNot) {
  QObject first, second;
  QPointer<QObject> watch(&first);
  {
    TControlList list;
    list.AddControl(1, 2, &first);
    list.AddControl(3, 4, &second);
    list.AddControl(1, 2, &second);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.GetControl(1)->Control, &second);
    EXPECT_EQ(list.GetControl(1)->X, 3);
    EXPECT_EQ(list.GetControl(1)->Y, 4);
    list.RemoveControl(0);
    EXPECT_EQ(list.ControlIndex(1, 2), 1);
    EXPECT_EQ(Error_Text([&] { list.RemoveControl(2); }), "List index out of bounds (2)");
    EXPECT_EQ(Error_Text([&] { list.GetControl(-1); }), "List index out of bounds (-1)");
    list.AddControl(5, 5, &first);
  }
  EXPECT_FALSE(watch.isNull());
}

TEST(ControlList, HasHandleAsksForTheControlsWindows) {
  QObject windowed, plain;
  TControlList list;
  list.AddControl(0, 0, &plain);
  list.AddControl(1, 0, nullptr);
  // Without the widget layer's query an object that is no widget has no window.
  EXPECT_FALSE(list.HasHandle(reinterpret_cast<TControlHandle>(&plain)));
  EXPECT_FALSE(list.HasHandle(0));

  list.AddControl(2, 0, &windowed);
  list.HandleOf = [&](const QObject* control) -> TControlHandle { return control == &windowed ? 0x4711 : 0; };
  EXPECT_TRUE(list.HasHandle(0x4711));
  EXPECT_FALSE(list.HasHandle(0x4712));
  EXPECT_FALSE(list.HasHandle(0));
  list.RemoveControl(2);
  EXPECT_FALSE(list.HasHandle(0x4711));
}

class FilePicture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    png = dir.filePath("red.png");
    ASSERT_TRUE(image.save(png, "PNG"));
    jpeg = dir.filePath("red.JPG");
    QImage big(40, 30, QImage::Format_RGB888);
    big.fill(QColor(0, 0, 255));
    Write(jpeg, Jpeg_Encode(big, 90));
  }
  void Write(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  QTemporaryDir dir;
  QString png, jpeg;
};

TEST_F(FilePicture, NamingAFileReadsItsSize) {
  TFilePicture picture;
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Height(), 0);
  picture.SetFilename(png);
  EXPECT_EQ(picture.Filename(), png);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);
  picture.SetFilename(jpeg);
  EXPECT_EQ(picture.Width(), 40);
  EXPECT_EQ(picture.Height(), 30);

  // Assign takes name and size as they are, without reading the file (gone by now).
  QFile::remove(jpeg);
  TFilePicture copy;
  copy.Assign(&picture);
  EXPECT_EQ(copy.Filename(), jpeg);
  EXPECT_EQ(copy.Width(), 40);
  EXPECT_EQ(copy.Height(), 30);
}

TEST_F(FilePicture, FilesThatCannotBeReadRaiseWithTheNameKept) {
  const QString text = dir.filePath("notes.txt");
  Write(text, "hello");
  const QString broken = dir.filePath("broken.png");
  Write(broken, "not a picture");
  const QString missing = dir.filePath("missing.png");
  struct Case {
    QString path;
    QString error;
  };
  const Case cases[] = {
      {text, QStringLiteral("Unknown picture file extension (.txt)")},
      {broken, QStringLiteral("Could not load image. Invalid format")},
      {missing, QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing)},
  };
  for (const Case& c : cases) {
    TFilePicture picture;
    picture.SetFilename(png);
    EXPECT_EQ(Error_Text([&] { picture.SetFilename(c.path); }), c.error);
    EXPECT_EQ(picture.Filename(), c.path);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    QImage target(4, 4, QImage::Format_RGB32);
    TCanvas canvas(&target);
    EXPECT_EQ(Error_Text([&] { picture.DrawPicture(canvas, Rect(0, 0, 4, 4)); }), c.error);
  }
}

TEST_F(FilePicture, DrawsStretchedIntoTheRectangleReadingTheFileAgain) {
  QImage target(20, 20, QImage::Format_RGB32);
  target.fill(Qt::white);
  TFilePicture picture;
  {
    TCanvas canvas(&target);
    picture.DrawPicture(canvas, Rect(0, 0, 20, 20));  // no name: nothing
    EXPECT_EQ(canvas.Pixels(5, 5), clWhite);
    picture.SetFilename(png);
    // The file changes after its size was taken: drawing shows the file as it is now.
    QImage green(3, 2, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    ASSERT_TRUE(green.save(png, "PNG"));
    picture.DrawPicture(canvas, Rect(2, 4, 14, 12));
    EXPECT_EQ(canvas.Pixels(2, 4), clLime);
    EXPECT_EQ(canvas.Pixels(13, 11), clLime);
    EXPECT_EQ(canvas.Pixels(14, 11), clWhite);
    EXPECT_EQ(canvas.Pixels(13, 12), clWhite);
    EXPECT_EQ(canvas.Pixels(1, 4), clWhite);
  }
}

TEST(FileStringList, WritesPiecesAndReadsLineByLine) {
  TFileStringList list;
  EXPECT_TRUE(list.Eof());
  list.Write("a");
  list.Write("b");
  list.WriteLn("c");
  list.WriteLn("");
  list.Write("pending");
  EXPECT_EQ(list, (QStringList{"abc", ""}));

  QString s;
  list.ReadLn(s);
  EXPECT_EQ(s, "abc");
  EXPECT_FALSE(list.Eof());
  list.ReadLn(s);
  EXPECT_EQ(s, "");
  EXPECT_TRUE(list.Eof());
  s = "kept";
  EXPECT_EQ(Error_Text([&] { list.ReadLn(s); }), "List index out of bounds (2)");
  EXPECT_EQ(s, "kept");

  // Reset rewinds and forgets the unfinished line.
  list.Reset();
  EXPECT_FALSE(list.Eof());
  list.ReadLn(s);
  EXPECT_EQ(s, "abc");
  list.WriteLn("z");
  EXPECT_EQ(list.last(), "z");
}

TEST(QrvStringGridCheck, TheBaseAcceptsTextsAsTheyAre) {
  struct Upper : TQrvStringGridCheck {
    QString Correct(int32_t, int32_t, const QString& s) override { return s.toUpper(); }
  };
  Upper upper;
  TQrvStringGridCheck& check = upper;
  EXPECT_FALSE(check.GotoCell() || check.AutoCorrect() || check.AutoMarkError() || check.UseCorrect() ||
               check.UseMarkError());
  check.StartCheck();
  EXPECT_EQ(check.MarkError(1, 2, "abc"), "abc");
  EXPECT_EQ(check.Correct(1, 2, "abc"), "ABC");
  check.StopCheck();
  TQrvStringGridCheck base;
  EXPECT_EQ(base.Correct(0, 0, "abc"), "abc");
}
