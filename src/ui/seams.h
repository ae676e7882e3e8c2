#pragma once
// The few places where the program meets the user or the clock in a way a test cannot drive:
// modal message boxes, the application's error box, ending the process, the tick count and
// sleeping. The application holds one set; tests replace the functions they need.
#include <cstdint>
#include <functional>
#include <string>

namespace aw::ui {

struct Seams {
    // Returns the button chosen (IDOK, IDYES, IDNO, ...). `style` holds the MB_* flags.
    std::function<int(const std::string& text, const std::string& caption, unsigned style)> MessageBox;
    // The application's standard error box for an error that reached a handler.
    std::function<void(const std::string& text)> ErrorBox;
    std::function<void(unsigned exitCode)> ExitProcess;
    std::function<std::uint32_t()> TickCount;
    std::function<void(unsigned milliseconds)> Sleep;
};

} // namespace aw::ui
