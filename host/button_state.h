// The host's "button_state": the mouse buttons and keys held when a pointer
// or key event came, as bits. The command plug-in's host events and the
// widget events carry it alike, and both records are filled from it here.
#pragma once

// Bits of "button_state": the mouse key-state flags, plus bit 5.
namespace button_state {
constexpr int kLeft = 0x01;
constexpr int kRight = 0x02;
constexpr int kShift = 0x04;
constexpr int kCtrl = 0x08;
constexpr int kMiddle = 0x10;
constexpr int kFlag5 = 0x20;
}  // namespace button_state

// Sets each flag from its bit of `bits`, in the order the records keep them:
// left, middle, right, shift, ctrl and bit 5. Other bits mean nothing.
// [any time]
template <typename Flag>
void DecodeButtonState(int bits, Flag& left, Flag& middle, Flag& right, Flag& shift, Flag& ctrl,
                       Flag& flag5) {
    left = (bits & button_state::kLeft) != 0;
    middle = (bits & button_state::kMiddle) != 0;
    right = (bits & button_state::kRight) != 0;
    shift = (bits & button_state::kShift) != 0;
    ctrl = (bits & button_state::kCtrl) != 0;
    flag5 = (bits & button_state::kFlag5) != 0;
}
