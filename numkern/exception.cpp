// Raising the kernel's one exception class.
#include "numkern/numkern.h"

namespace numkern {

void RaiseOrlenError(const std::string& Msg) { throw EOrlenException(Msg); }

}  // namespace numkern
