#include "ui/main/UpdateSpeed.h"

namespace velmora {

int UpdatePeriodForTag(int tag) {
    switch (tag) {
        case 1: return 300;
        case 2: return 1000;
        case 3: return 2000;
        case 4: return 0;
        default: return kNoPeriodChange;
    }
}

}  // namespace velmora
