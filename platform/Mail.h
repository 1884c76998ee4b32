// Composing a mail in the desktop's mail program. Nothing is sent: the mail
// is shown for the user to send. Tests install a recording fake.
#pragma once

#include <string>
#include <vector>

namespace qeb {

class MailProgramm {
 public:
  virtual ~MailProgramm() = default;
  // Shows a new mail with these fields; false (with the reason) when no mail
  // program took it.
  virtual bool Verfassen(const std::string& an, const std::string& betreff, const std::string& text,
                         const std::string& anhang, std::string& fehler) = 0;
};

// The desktop's mail program: a "mailto:" link opened through the shell
// (ShellOpen), the attachment named in the link and in the text.
class DesktopMail : public MailProgramm {
 public:
  bool Verfassen(const std::string& an, const std::string& betreff, const std::string& text,
                 const std::string& anhang, std::string& fehler) override;
};

// The "mailto:" link DesktopMail opens (UTF-8 fields, percent-encoded).
std::string MailtoLink(const std::string& an, const std::string& betreff, const std::string& text,
                       const std::string& anhang);

// Records every mail asked for; answers as `gelingt` says.
class MailAufzeichnung : public MailProgramm {
 public:
  struct Mail {
    std::string an, betreff, text, anhang;
  };
  std::vector<Mail> mails;
  bool gelingt = true;
  bool Verfassen(const std::string& an, const std::string& betreff, const std::string& text,
                 const std::string& anhang, std::string& fehler) override;
};

MailProgramm& Mailprogramm();
// Installs another mail program (tests); returns the one it replaces.
MailProgramm* SetMailprogramm(MailProgramm* m);

}  // namespace qeb
