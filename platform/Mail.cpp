#include "platform/Mail.h"

#include <QByteArray>

#include "platform/Platform.h"

namespace qeb {

namespace {
MailProgramm* g_mail = nullptr;

std::string Kodiert(const std::string& s) {
  return QByteArray::fromStdString(s).toPercentEncoding().toStdString();
}
}  // namespace

std::string MailtoLink(const std::string& an, const std::string& betreff, const std::string& text,
                       const std::string& anhang) {
  std::string link = "mailto:" + an + "?subject=" + Kodiert(betreff);
  std::string koerper = text;
  // Most mail programs ignore "attach" in a link; the text names the file so
  // the user can add it.
  if (!anhang.empty()) koerper += "\n\nAnhang / attachment: " + anhang;
  link += "&body=" + Kodiert(koerper);
  if (!anhang.empty()) link += "&attach=" + Kodiert(anhang);
  return link;
}

bool DesktopMail::Verfassen(const std::string& an, const std::string& betreff, const std::string& text,
                            const std::string& anhang, std::string& fehler) {
  if (UI().ShellOpen(MailtoLink(an, betreff, text, anhang))) return true;
  fehler = "Kein Mailprogramm / no mail program";
  return false;
}

bool MailAufzeichnung::Verfassen(const std::string& an, const std::string& betreff, const std::string& text,
                                 const std::string& anhang, std::string& fehler) {
  mails.push_back({an, betreff, text, anhang});
  if (!gelingt) fehler = "Kein Mailprogramm / no mail program";
  return gelingt;
}

MailProgramm& Mailprogramm() {
  static DesktopMail desktop;
  return g_mail != nullptr ? *g_mail : desktop;
}

MailProgramm* SetMailprogramm(MailProgramm* m) {
  MailProgramm* alt = g_mail;
  g_mail = m;
  return alt;
}

}  // namespace qeb
