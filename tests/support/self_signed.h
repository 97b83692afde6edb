#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

namespace presslane {

// A key and a certificate signed with it for 127.0.0.1, made on construction and valid for a
// day: what a loopback https server of the tests presents. A browser must be told to accept it.
class SelfSigned {
public:
    SelfSigned();
    ~SelfSigned();
    SelfSigned(const SelfSigned&) = delete;
    SelfSigned& operator=(const SelfSigned&) = delete;

    X509* cert() const { return cert_; }
    EVP_PKEY* key() const { return key_; }

private:
    EVP_PKEY* key_;
    X509* cert_;
};

}  // namespace presslane
