// What the host is delivering to the plug-in at this moment, innermost last:
// host events and widget events, nested as modal runs nest them. A plug-in
// that has exited is done with the panel of that run: while the innermost
// delivery is an event of a widget that was alive at an exit, the one call
// the host accepts is the destruction of such a widget.
#pragma once

namespace sim {

// One delivery, for as long as the plug-in handles it: a host event
// (`widget` 0) or an event of the widget `widget`.
class DeliveryScope {
public:
    explicit DeliveryScope(int widget = 0);
    ~DeliveryScope();
    DeliveryScope(const DeliveryScope&) = delete;
    DeliveryScope& operator=(const DeliveryScope&) = delete;
};

// Checks a call of the host function `function` against the innermost
// delivery; `destroyed` is the widget that a destroy call addresses, 0 for
// any other call.
void CheckCallAfterExit(const char* function, int destroyed = 0);
// No delivery in progress: part of resetting the host.
void ResetDeliveries();

}  // namespace sim
