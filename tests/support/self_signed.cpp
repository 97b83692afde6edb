#include "support/self_signed.h"

#include <openssl/rsa.h>

namespace presslane {

SelfSigned::SelfSigned() : key_(EVP_RSA_gen(2048)), cert_(X509_new()) {
    X509_set_version(cert_, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert_), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert_), 0);
    X509_gmtime_adj(X509_getm_notAfter(cert_), 24 * 3600);
    X509_set_pubkey(cert_, key_);
    X509_NAME* name = X509_get_subject_name(cert_);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name(cert_, name);
    X509_sign(cert_, key_, EVP_sha256());
}

SelfSigned::~SelfSigned() {
    X509_free(cert_);
    EVP_PKEY_free(key_);
}

}  // namespace presslane
