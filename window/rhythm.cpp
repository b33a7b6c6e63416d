#include "window/rhythm.h"

#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace quodrill::rhythm {

void wakeOnTime() {
#if defined(__linux__)
    // 1 ns, the least the kernel takes; a failure only leaves the default slack in place.
    (void)prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
}

}  // namespace quodrill::rhythm
