// Text conventions of every file the module reads or writes: Windows-1252
// bytes, CR LF line ends, TAB separators and "." as the only decimal separator
// whatever the process locale (the windows run under a toolkit that sets the C
// locale from the environment, so nothing here may consult it).
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qeb {

// Rounds halves to the even neighbour, independent of the current rounding mode.
double RoundHalfEven(double x);
int RoundToInt(double x);  // RoundHalfEven, checked to fit an int

// Fixed point with `decimals` digits, right-aligned in at least `width` chars.
std::string FormatFixed(double x, int width, int decimals);
// The same appended to `out`.
void AppendFixed(std::string& out, double x, int width, int decimals);
// Integer without blanks.
std::string FormatInt(long long v);
// "TRUE" / "FALSE".
std::string FormatBool(bool b);

// Parses a real written with "." (leading/trailing blanks allowed, the whole
// rest must be a number). Returns nullopt for anything else.
std::optional<double> ParseReal(std::string_view s);
std::optional<long long> ParseInteger(std::string_view s);
// "TRUE"/"true" (any case of the word) is true, everything else false.
bool ParseBool(std::string_view s);

std::string_view Trim(std::string_view s);
// Splits at TAB; empty fields are kept.
std::vector<std::string> SplitTabs(std::string_view s);

// Windows-1252 <-> UTF-8 for text that crosses to the windows or to tests.
std::string Win1252ToUtf8(std::string_view s);
std::string Utf8ToWin1252(std::string_view s);

// Line reader for the module's text files: accepts CR LF and bare LF, never
// leaves a CR in the returned line, and counts lines for error messages.
class LineReader {
 public:
  LineReader() = default;
  explicit LineReader(const std::string& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool Open(const std::string& path);
  bool IsOpen() const { return f_ != nullptr; }
  void Close();
  // Next line into `line`; false at end of file.
  bool Next(std::string& line);
  int LineNumber() const { return lineNo_; }
  const std::string& Path() const { return path_; }

 private:
  std::FILE* f_ = nullptr;
  std::string path_;
  int lineNo_ = 0;
};

// Line writer: appends CR LF, raises CalcError on a failed write.
class LineWriter {
 public:
  LineWriter() = default;
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void Open(const std::string& path);  // raises CalcError when it cannot be created
  bool IsOpen() const { return f_ != nullptr; }
  void Write(std::string_view text);      // no line end
  void WriteLine(std::string_view text);  // text + CR LF
  void Flush();
  void Close();
  const std::string& Path() const { return path_; }

 private:
  static constexpr size_t kBufferBytes = 1 << 20;
  std::FILE* f_ = nullptr;
  std::string path_;
  std::unique_ptr<char[]> buffer_;  // outlives f_: freed only after the close
};

bool FileExists(const std::string& path);

}  // namespace qeb
