#include "calc/TextIO.h"

#include <sys/types.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

#include "calc/QEBMOD.h"

namespace qeb {

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  double f = std::floor(x);
  double d = x - f;
  if (d > 0.5) return f + 1.0;
  if (d < 0.5) return f;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

int RoundToInt(double x) {
  double r = RoundHalfEven(x);
  if (!std::isfinite(r) || r > INT_MAX || r < INT_MIN)
    throw CalcError("Zahl ausserhalb des Bereichs / number out of range");
  return static_cast<int>(r);
}

std::string FormatFixed(double x, int width, int decimals) {
  if (decimals < 0) decimals = 0;
  char buf[512];
  // to_chars with a precision rounds the exact binary value, as the writer of
  // the original files did; it never looks at the locale.
  auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  std::string s = (res.ec == std::errc()) ? std::string(buf, res.ptr) : std::string("0");
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
  return s;
}

void AppendFixed(std::string& out, double x, int width, int decimals) {
  if (decimals < 0) decimals = 0;
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  const char* end = res.ptr;
  if (res.ec != std::errc()) {
    buf[0] = '0';
    end = buf + 1;
  }
  const int len = static_cast<int>(end - buf);
  if (len < width) out.append(static_cast<size_t>(width - len), ' ');
  out.append(buf, static_cast<size_t>(len));
}

std::string FormatInt(long long v) { return std::to_string(v); }

std::string FormatBool(bool b) { return b ? "TRUE" : "FALSE"; }

std::string_view Trim(std::string_view s) {
  size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r' || s[a] == '\n')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r' || s[b - 1] == '\n')) --b;
  return s.substr(a, b - a);
}

std::optional<double> ParseReal(std::string_view s) {
  s = Trim(s);
  if (s.empty()) return std::nullopt;
  if (s.front() == '+') s.remove_prefix(1);
  double v = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<long long> ParseInteger(std::string_view s) {
  s = Trim(s);
  if (s.empty()) return std::nullopt;
  if (s.front() == '+') s.remove_prefix(1);
  long long v = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

bool ParseBool(std::string_view s) {
  s = Trim(s);
  if (s.size() != 4) return false;
  return (s[0] == 'T' || s[0] == 't') && (s[1] == 'R' || s[1] == 'r') && (s[2] == 'U' || s[2] == 'u') &&
         (s[3] == 'E' || s[3] == 'e');
}

std::vector<std::string> SplitTabs(std::string_view s) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    size_t p = s.find('\t', start);
    if (p == std::string_view::npos) {
      out.emplace_back(s.substr(start));
      return out;
    }
    out.emplace_back(s.substr(start, p - start));
    start = p + 1;
  }
}

// Code points of 0x80..0x9F in Windows-1252; 0 where the code page has a hole.
static const unsigned short kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

static void AppendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Win1252ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (unsigned char c : s) {
    unsigned cp = c;
    if (c >= 0x80 && c < 0xA0) cp = kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : c;
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf8ToWin1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    unsigned cp;
    size_t n;
    if (c < 0x80) {
      cp = c;
      n = 1;
    } else if ((c & 0xE0) == 0xC0 && i + 1 < s.size()) {
      cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
      n = 2;
    } else if ((c & 0xF0) == 0xE0 && i + 2 < s.size()) {
      cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 6) |
           (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
      n = 3;
    } else {
      // Not UTF-8 (or a 4-byte sequence the code page cannot hold): keep it as a byte.
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    i += n;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (int k = 0; k < 32; ++k)
      if (kCp1252High[k] == cp) mapped = static_cast<char>(0x80 + k);
    out += mapped;
  }
  return out;
}

LineReader::LineReader(const std::string& path) { Open(path); }
LineReader::~LineReader() { Close(); }

bool LineReader::Open(const std::string& path) {
  Close();
  path_ = path;
  lineNo_ = 0;
  f_ = std::fopen(path.c_str(), "rb");
  return f_ != nullptr;
}

void LineReader::Close() {
  if (f_) std::fclose(f_);
  f_ = nullptr;
}

bool LineReader::Next(std::string& line) {
  line.clear();
  if (!f_) return false;
  // A whole line at a time (bytes after a NUL included), in a buffer that
  // lives as long as the thread: reading character by character made the
  // project file the slowest part of opening a project.
  static thread_local char* buf = nullptr;
  static thread_local size_t cap = 0;
  const ssize_t n = ::getline(&buf, &cap, f_);
  if (std::ferror(f_)) throw CalcError("Lesefehler / read error: " + path_);
  if (n <= 0) return false;
  line.assign(buf, static_cast<size_t>(n));
  if (line.back() == '\n') line.pop_back();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ++lineNo_;
  return true;
}

LineWriter::~LineWriter() {
  if (f_) std::fclose(f_);
  f_ = nullptr;
}

void LineWriter::Open(const std::string& path) {
  Close();
  path_ = path;
  f_ = std::fopen(path.c_str(), "wb");
  if (!f_) throw CalcError("Datei kann nicht geschrieben werden / cannot write file: " + path);
  // A year of step rows in one buffer: the writers flush at year ends and
  // at close, not per line.
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferBytes);
  std::setvbuf(f_, buffer_.get(), _IOFBF, kBufferBytes);
}

void LineWriter::Write(std::string_view text) {
  if (!f_) throw CalcError("Datei nicht offen / file not open: " + path_);
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f_) != text.size())
    throw CalcError("Schreibfehler / write error: " + path_);
}

void LineWriter::WriteLine(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void LineWriter::Flush() {
  if (f_ && std::fflush(f_) != 0) throw CalcError("Schreibfehler / write error: " + path_);
}

void LineWriter::Close() {
  if (!f_) return;
  int rc = std::fclose(f_);
  f_ = nullptr;
  if (rc != 0) throw CalcError("Schreibfehler / write error: " + path_);
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace qeb
