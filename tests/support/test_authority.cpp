#include "support/test_authority.h"

#include <arpa/inet.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace lunvale::testing {

namespace {

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Cert = std::unique_ptr<X509, decltype(&X509_free)>;

void Check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("test authority: ") + what);
}

void AddExtension(X509* cert, X509* issuer, int nid, const std::string& value) {
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, issuer, cert, nullptr, nullptr, 0);
  X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str());
  Check(extension != nullptr && X509_add_ext(cert, extension, -1) == 1, "extension");
  X509_EXTENSION_free(extension);
}

// A certificate for `key` named `common_name`; `issuer` null makes it self-signed.
Cert Make(const std::string& common_name, EVP_PKEY* key, long from_s, long until_s, X509* issuer) {
  static long serial = 1;
  Cert cert(X509_new(), X509_free);
  Check(cert != nullptr, "certificate");
  X509_set_version(cert.get(), 2);
  ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), serial++);
  X509_gmtime_adj(X509_getm_notBefore(cert.get()), from_s);
  X509_gmtime_adj(X509_getm_notAfter(cert.get()), until_s);
  X509_set_pubkey(cert.get(), key);
  X509_NAME* name = X509_get_subject_name(cert.get());
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>(common_name.c_str()), -1, -1, 0);
  X509_set_issuer_name(cert.get(), issuer ? X509_get_subject_name(issuer) : name);
  return cert;
}

void Sign(X509* cert, EVP_PKEY* key) {
  Check(X509_sign(cert, key, EVP_sha256()) > 0, "signature");
}

void Write(const std::string& path, X509* cert, EVP_PKEY* key) {
  FILE* file = std::fopen(path.c_str(), "w");
  Check(file != nullptr, "file");
  const bool ok = cert ? PEM_write_X509(file, cert) == 1
                       : PEM_write_PrivateKey(file, key, nullptr, nullptr, 0, nullptr, nullptr) == 1;
  std::fclose(file);
  Check(ok, "PEM");
}

}  // namespace

TestAuthority::TestAuthority(std::string dir)
    : dir_(std::move(dir)), certificate_(dir_ + "/authority.pem"), key_(dir_ + "/authority.key") {
  Key key(EVP_EC_gen("P-256"), EVP_PKEY_free);
  Check(key != nullptr, "key");
  Cert cert = Make("Lunvale Test Authority", key.get(), -3600, 86400, nullptr);
  AddExtension(cert.get(), cert.get(), NID_basic_constraints, "critical,CA:TRUE");
  AddExtension(cert.get(), cert.get(), NID_key_usage, "critical,keyCertSign,cRLSign");
  Sign(cert.get(), key.get());
  Write(certificate_, cert.get(), nullptr);
  Write(key_, nullptr, key.get());
}

TestAuthority::Issued TestAuthority::Issue(const std::string& stem, const std::vector<std::string>& names,
                                           long from_s, long until_s, bool self_signed) const {
  Key key(EVP_EC_gen("P-256"), EVP_PKEY_free);
  Check(key != nullptr, "key");
  std::unique_ptr<FILE, decltype(&std::fclose)> file(std::fopen(certificate_.c_str(), "r"), std::fclose);
  Check(file != nullptr, "authority file");
  Cert authority(PEM_read_X509(file.get(), nullptr, nullptr, nullptr), X509_free);
  file.reset(std::fopen(key_.c_str(), "r"));
  Check(file != nullptr, "authority key file");
  Key authority_key(PEM_read_PrivateKey(file.get(), nullptr, nullptr, nullptr), EVP_PKEY_free);
  Check(authority != nullptr && authority_key != nullptr, "authority");

  X509* issuer = self_signed ? nullptr : authority.get();
  Cert cert = Make(names.at(0), key.get(), from_s, until_s, issuer);
  std::string alternatives;
  for (const std::string& name : names) {
    in_addr address{};
    alternatives += (alternatives.empty() ? "" : ",") +
                    std::string(inet_pton(AF_INET, name.c_str(), &address) == 1 ? "IP:" : "DNS:") + name;
  }
  AddExtension(cert.get(), issuer ? issuer : cert.get(), NID_basic_constraints, "CA:FALSE");
  AddExtension(cert.get(), issuer ? issuer : cert.get(), NID_subject_alt_name, alternatives);
  AddExtension(cert.get(), issuer ? issuer : cert.get(), NID_ext_key_usage, "serverAuth");
  Sign(cert.get(), self_signed ? key.get() : authority_key.get());
  Issued issued{dir_ + "/" + stem + ".pem", dir_ + "/" + stem + ".key"};
  Write(issued.certificate, cert.get(), nullptr);
  Write(issued.key, nullptr, key.get());
  return issued;
}

}  // namespace lunvale::testing
