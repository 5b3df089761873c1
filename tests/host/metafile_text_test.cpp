// Reading a display's page back from an enhanced metafile: GDI keeps text as
// single-byte or wide records depending on the system (Wine keeps even
// TextOutA as wide text), and both must come back as the bytes drawn.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "MetafileText.h"
#include "host/Diagnostics.h"

namespace {

constexpr UINT westernEurope = 1252;

using Bytes = std::vector<unsigned char>;

// A metafile with the text drawn by `draw`, as raw bytes.
template <typename DrawFn>
Bytes Record(DrawFn draw) {
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  draw(dc);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  Bytes bits(GetEnhMetaFileBits(metafile, 0, nullptr));
  GetEnhMetaFileBits(metafile, static_cast<UINT>(bits.size()), bits.data());
  DeleteEnhMetaFile(metafile);
  return bits;
}

std::vector<host::TextRun> Read(const Bytes& bits, UINT codePage = westernEurope) {
  HENHMETAFILE metafile = SetEnhMetaFileBits(static_cast<UINT>(bits.size()), bits.data());
  EXPECT_NE(metafile, nullptr);
  std::vector<host::TextRun> runs = host::TextRunsOf(metafile, codePage);
  DeleteEnhMetaFile(metafile);
  return runs;
}

// A single-byte text record of `text` at (x, y), with `offString` where the
// text starts (0: right after the record's fixed part).
Bytes SingleByteRecord(int x, int y, const std::string& text, DWORD offString = 0) {
  const std::size_t padded = (text.size() + 3) / 4 * 4;
  Bytes bytes(sizeof(EMREXTTEXTOUTA) + padded + 4 * text.size(), 0);
  EMREXTTEXTOUTA record{};
  record.emr.iType = EMR_EXTTEXTOUTA;
  record.emr.nSize = static_cast<DWORD>(bytes.size());
  record.iGraphicsMode = GM_COMPATIBLE;
  record.emrtext.ptlReference = {x, y};
  record.emrtext.nChars = static_cast<DWORD>(text.size());
  record.emrtext.offString = offString != 0 ? offString : sizeof(EMREXTTEXTOUTA);
  record.emrtext.offDx = static_cast<DWORD>(sizeof(EMREXTTEXTOUTA) + padded);
  std::memcpy(bytes.data(), &record, sizeof record);
  std::memcpy(bytes.data() + sizeof record, text.data(), text.size());
  return bytes;
}

// `bits` with every wide text record replaced by `replacement`.
Bytes ReplaceWideText(const Bytes& bits, const Bytes& replacement) {
  Bytes out;
  for (std::size_t at = 0; at < bits.size();) {
    EMR header;
    std::memcpy(&header, bits.data() + at, sizeof header);
    if (header.iType == EMR_EXTTEXTOUTW)
      out.insert(out.end(), replacement.begin(), replacement.end());
    else
      out.insert(out.end(), bits.begin() + at, bits.begin() + at + header.nSize);
    at += header.nSize;
  }
  ENHMETAHEADER head;
  std::memcpy(&head, out.data(), sizeof head);
  head.nBytes = static_cast<DWORD>(out.size());
  std::memcpy(out.data(), &head, sizeof head);
  return out;
}

class MetafileTextTest : public ::testing::Test {
 protected:
  void SetUp() override { host::ClearReports(); }
  void TearDown() override { host::ClearReports(); }
};

TEST_F(MetafileTextTest, EveryTextCallOfGdiIsReadBack) {
  host::PageRecorder recorder;
  const HDC dc = recorder.Dc();
  TextOutA(dc, 10, 48, "TextOutA", 8);
  TextOutW(dc, 20, 64, L"TextOutW", 8);
  ExtTextOutA(dc, 30, 80, 0, nullptr, "ExtTextOutA", 11, nullptr);
  ExtTextOutW(dc, 40, 96, 0, nullptr, L"ExtTextOutW", 11, nullptr);
  const std::vector<host::TextRun> expected{
      {10, 48, "TextOutA"}, {20, 64, "TextOutW"}, {30, 80, "ExtTextOutA"}, {40, 96, "ExtTextOutW"}};
  EXPECT_EQ(recorder.Finish().runs, expected);
}

TEST_F(MetafileTextTest, WideTextComesBackInTheGivenCodePage) {
  const Bytes bits = Record([](HDC dc) { TextOutW(dc, 5, 6, L"caf\u00e9 \u20ac5", 7); });
  EXPECT_EQ(Read(bits, westernEurope), (std::vector<host::TextRun>{{5, 6,
                                                                    "caf\xE9 \x80"
                                                                    "5"}}));
}

TEST_F(MetafileTextTest, SingleByteRecordsAreReadAsTheirBytes) {
  const Bytes bits = Record([](HDC dc) { TextOutW(dc, 0, 0, L"placeholder", 11); });
  const std::string text = "Radius: 1.74 Mm \xE9\x80";
  const Bytes edited = ReplaceWideText(bits, SingleByteRecord(20, 96, text));
  EXPECT_EQ(Read(edited), (std::vector<host::TextRun>{{20, 96, text}}));
  EXPECT_TRUE(host::Reports().empty());
}

TEST_F(MetafileTextTest, RecordWhoseTextLiesOutsideItIsReportedAndSkipped) {
  const Bytes bits = Record([](HDC dc) { TextOutW(dc, 0, 0, L"placeholder", 11); });
  for (DWORD offString : {DWORD{200}, DWORD{0xFFFFFFF0}}) {
    host::ClearReports();
    const Bytes edited = ReplaceWideText(bits, SingleByteRecord(1, 2, "beyond", offString));
    EXPECT_TRUE(Read(edited).empty()) << offString;
    EXPECT_EQ(host::Reports(), std::vector<std::string>{"page recording: malformed text record"});
  }
}

}  // namespace
