#pragma once
// The answers a dialog gives its owner, as the window system numbers them.
// Owners compare them by value.

namespace ModalResult {
constexpr int Ok = 1, Cancel = 2, Yes = 6, No = 7;
}
