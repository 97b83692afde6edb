#pragma once

#include <string>

namespace presslane {

// The public half of the release key, the base64 line of a minisign public key file: the build
// setting PRESSLANE_UPDATE_KEY. Only files signed with its secret half are ever installed.
std::string release_public_key();

}  // namespace presslane
