// Reads printed PDF files back for the tests: the text as laid out on the
// pages (pdftotext -layout, blanks collapsed) and the document's properties.
#pragma once

#include <cstdio>
#include <regex>
#include <string>

namespace qeb {

inline std::string Ausgabe(const std::string& befehl) {
  std::string out;
  if (FILE* f = popen(befehl.c_str(), "r")) {
    char buf[4096];
    size_t n = 0;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    pclose(f);
  }
  return out;
}

// Runs of blanks become one blank, so a line compares by its words; the
// font's ligatures become their letters again.
inline std::string Woerter(std::string s) {
  const std::pair<const char*, const char*> ligaturen[] = {
      {"\xEF\xAC\x80", "ff"}, {"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x82", "fl"}, {"\xEF\xAC\x83", "ffi"}, {"\xEF\xAC\x84", "ffl"}};
  for (const auto& [lig, text] : ligaturen)
    for (size_t p = s.find(lig); p != std::string::npos; p = s.find(lig, p)) s.replace(p, 3, text);
  return std::regex_replace(s, std::regex("[ \t]+"), " ");
}

inline std::string PdfText(const std::string& pdf) {
  return Woerter(Ausgabe("pdftotext -layout '" + pdf + "' - 2>/dev/null"));
}
inline std::string PdfSeite(const std::string& pdf, int seite) {
  const std::string s = std::to_string(seite);
  return Woerter(Ausgabe("pdftotext -layout -f " + s + " -l " + s + " '" + pdf + "' - 2>/dev/null"));
}
// A property line of pdfinfo ("Pages", "Title").
inline std::string PdfInfo(const std::string& pdf, const std::string& key) {
  const std::string info = Ausgabe("pdfinfo '" + pdf + "' 2>/dev/null");
  std::smatch m;
  if (std::regex_search(info, m, std::regex(key + ":[ ]*([^\n]*)"))) return m[1];
  return std::string();
}

}  // namespace qeb
