#include "update_client/release_key.h"

namespace presslane {

std::string release_public_key() { return PRESSLANE_UPDATE_KEY; }

}  // namespace presslane
