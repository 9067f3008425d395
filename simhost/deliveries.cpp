#include "simhost/deliveries.h"

#include <string>
#include <vector>

#include "simhost/contract/violations.h"
#include "simhost/widgets/widget_calls.h"
#include "simhost/widgets/widget_model.h"

namespace sim {

namespace {
// The widget of each delivery in progress, 0 for a host event; innermost last.
std::vector<int>& Stack() {
    static std::vector<int> stack;
    return stack;
}
}  // namespace

DeliveryScope::DeliveryScope(int widget) { Stack().push_back(widget); }

DeliveryScope::~DeliveryScope() {
    // A host reset while the delivery ran has already emptied the stack.
    if (!Stack().empty()) Stack().pop_back();
}

void CheckCallAfterExit(const char* function, int destroyed) {
    if (Stack().empty() || Stack().back() == 0) return;
    const WidgetModel& widgets = Widgets();
    const int handled = Stack().back();
    if (!widgets.OfEndedRun(handled)) return;
    if (destroyed != 0 && widgets.OfEndedRun(destroyed)) return;
    ReportViolation(std::string("after exit: ") + function + " called while handling an event of " +
                    DescribeWidget(handled, widgets.ClassOf(handled)) +
                    ", a widget of a run that has ended");
}

void ResetDeliveries() { Stack().clear(); }

}  // namespace sim
