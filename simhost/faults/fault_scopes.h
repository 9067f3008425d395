// The refusals of the fault plan that the host carries out through its own
// faults on demand: for one call that the plan refuses, the matching fault
// is switched on, and off again when the call is done.
#pragma once

namespace sim {

// MQWidget_Value: a creation answers id 0, a property read or the main
// window lookup is left unanswered.
class WidgetCallRefusal {
public:
    explicit WidgetCallRefusal(int message);
    ~WidgetCallRefusal();
    WidgetCallRefusal(const WidgetCallRefusal&) = delete;
    WidgetCallRefusal& operator=(const WidgetCallRefusal&) = delete;

private:
    bool readLeft_ = false;
    bool lookupLeft_ = false;
};

// A host fault flag switched on for one call and put back after it.
class FlagForOneCall {
public:
    FlagForOneCall() = default;
    explicit FlagForOneCall(bool& flag) : flag_(&flag), was_(flag) { flag = true; }
    ~FlagForOneCall() {
        if (flag_ != nullptr) *flag_ = was_;
    }
    FlagForOneCall(const FlagForOneCall&) = delete;
    FlagForOneCall& operator=(const FlagForOneCall&) = delete;

private:
    bool* flag_ = nullptr;
    bool was_ = false;
};

// MQ_SendMessage: a drawing object is not made (200), the scene options are
// not filled (410), "pluginsettings" stays null (505).
FlagForOneCall StationMessageRefusal(int message);
// MQXmlElem_Value: a new element is not made, a child is not found, an
// element's text is null.
FlagForOneCall ElementActionRefusal(int action);

}  // namespace sim
