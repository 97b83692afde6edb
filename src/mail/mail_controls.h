#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the article mail window Form4 its controller reaches: the frame whose caption
// tells that a mail is on its way, the recipient, the sender's name and the sender's e-mail.
#define FORM4_CONTROLS(X) X(Frame1) X(Text1) X(Text2) X(Text3)
PRESSLANE_DECLARE_CONTROLS(MailControl, FORM4_CONTROLS)

}  // namespace presslane
