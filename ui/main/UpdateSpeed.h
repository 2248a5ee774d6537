// The refresh timer: the periods chosen by the tags of the update-speed
// menu items, and when a tick or a restored window refreshes the list.
#pragma once

namespace velmora {

// The tags of the four update-speed menu items, and the speed the window
// starts at: the menu checks its item, the timer starts with its period.
enum UpdateSpeedTag : int { kSpeedHigh = 1, kSpeedNormal = 2, kSpeedLow = 3, kSpeedStopped = 4 };
constexpr int kStartSpeed = kSpeedNormal;

constexpr int kNoPeriodChange = -1;

// A speed's tag -> 300, 1000, 2000 ms, or 0 (stopped: the timer never fires).
// Any other tag -> kNoPeriodChange: neither the period nor the marks change.
int UpdatePeriodForTag(int tag);

// How the main window's size changed (WM_SIZE).
enum class SizeKind { Minimized, Restored, Maximized, Other };

// What the window does with its timer after a change of size.
enum class TimerAction {
    None,        // nothing changed for the timer
    Rearm,       // arm it with ArmedPeriod (0: stop it)
    RefreshNow,  // run the tick's handler now, which arms it anew afterwards
};

// The timer's state behind UpdateTime. Nobody sees or acts on the list
// while the main window is minimised, so the timer rests then and a tick
// that was already on its way takes no snapshot; when the window comes back
// the list is brought up to date once, at once, unless the timer is
// stopped. The chosen speed is kept throughout.
class RefreshTimer {
public:
    RefreshTimer();

    // The period the timer is armed with now; 0: not armed.
    int ArmedPeriod() const { return ticking_ && !minimized_ ? period_ : 0; }

    // Sets the period for a speed item's tag; false for any other tag.
    bool ChooseSpeed(int tag);

    // A tick: true when it refreshes the list. The timer rests until
    // EndTick, so ticks are spaced by the period plus the refresh's time.
    bool BeginTick();
    void EndTick() { ticking_ = true; }

    // The window was minimised, restored or maximised. Coming back from the
    // taskbar refreshes now, as a tick does, unless the timer is stopped.
    TimerAction SizeChanged(SizeKind kind);

private:
    int period_;  // the one the user chose, whether or not the timer runs now
    bool ticking_ = true;
    bool minimized_ = false;
};

}  // namespace velmora
