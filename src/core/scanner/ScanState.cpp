#include "core/scanner/ScanState.h"

namespace tagsmith {

void ScanState::Reset() {
    *this = ScanState();
}

}  // namespace tagsmith
