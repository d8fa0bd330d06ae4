#pragma once

#include <string>
#include <vector>

namespace lunvale::testing {

// A certificate authority made for one test run in `dir` (its certificate in Certificate(), for
// SSL_CERT_FILE), and the server certificates it issues, as PEM files.
class TestAuthority {
 public:
  explicit TestAuthority(std::string dir);
  const std::string& Certificate() const { return certificate_; }

  struct Issued {
    std::string certificate;
    std::string key;
  };
  // A certificate for `names` (DNS names, or IPv4 addresses), valid from `from_s` to `until_s`
  // seconds from now, written to <dir>/<stem>.pem and <stem>.key; signed by its own key instead of
  // the authority's when `self_signed`.
  Issued Issue(const std::string& stem, const std::vector<std::string>& names, long from_s = -3600,
               long until_s = 86400, bool self_signed = false) const;

 private:
  std::string dir_;
  std::string certificate_;
  std::string key_;
};

}  // namespace lunvale::testing
