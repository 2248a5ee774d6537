#include "ui/main/UpdateSpeed.h"

namespace velmora {

int UpdatePeriodForTag(int tag) {
    switch (tag) {
        case kSpeedHigh: return 300;
        case kSpeedNormal: return 1000;
        case kSpeedLow: return 2000;
        case kSpeedStopped: return 0;
        default: return kNoPeriodChange;
    }
}

RefreshTimer::RefreshTimer() : period_(UpdatePeriodForTag(kStartSpeed)) {}

bool RefreshTimer::ChooseSpeed(int tag) {
    const int period = UpdatePeriodForTag(tag);
    if (period == kNoPeriodChange) return false;
    period_ = period;
    return true;
}

bool RefreshTimer::BeginTick() {
    ticking_ = false;
    return !minimized_;
}

TimerAction RefreshTimer::SizeChanged(SizeKind kind) {
    const bool minimized = kind == SizeKind::Minimized;
    if (kind == SizeKind::Other || minimized == minimized_) return TimerAction::None;
    minimized_ = minimized;
    return !minimized && period_ > 0 ? TimerAction::RefreshNow : TimerAction::Rearm;
}

}  // namespace velmora
