#include "MetafileText.h"

#include <cstring>
#include <string>

#include "host/Diagnostics.h"

namespace host {

namespace {

struct Reading {
  UINT codePage;
  std::vector<TextRun> runs;
};

std::string Narrow(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int bytes =
      WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), bytes, nullptr, nullptr);
  return text;
}

// Both text records share one layout; only the width of a character differs.
bool ReadText(const ENHMETARECORD* record, UINT codePage, TextRun& run) {
  if (record->nSize < sizeof(EMREXTTEXTOUTA)) return false;
  const auto* textRecord = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
  const EMRTEXT& text = textRecord->emrtext;
  const bool wide = record->iType == EMR_EXTTEXTOUTW;
  const std::size_t bytes = static_cast<std::size_t>(text.nChars) * (wide ? sizeof(WCHAR) : 1);
  if (text.offString > record->nSize || bytes > record->nSize - text.offString) return false;
  const auto* start = reinterpret_cast<const char*>(record) + text.offString;
  run.x = text.ptlReference.x;
  run.y = text.ptlReference.y;
  if (wide) {
    std::wstring characters(text.nChars, L'\0');
    std::memcpy(characters.data(), start, bytes);  // the string need not be aligned
    run.text = Narrow(characters, codePage);
  } else {
    run.text.assign(start, bytes);
  }
  return true;
}

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  if (record->iType != EMR_EXTTEXTOUTA && record->iType != EMR_EXTTEXTOUTW) return 1;
  auto& reading = *reinterpret_cast<Reading*>(data);
  TextRun run;
  if (ReadText(record, reading.codePage, run))
    reading.runs.push_back(std::move(run));
  else
    Report("page recording: malformed text record");
  return 1;
}

}  // namespace

std::vector<TextRun> TextRunsOf(HENHMETAFILE metafile, UINT codePage) {
  Reading reading{codePage, {}};
  EnumEnhMetaFile(nullptr, metafile, CollectText, &reading, nullptr);
  return std::move(reading.runs);
}

}  // namespace host
