#pragma once
// The few services the window asks of the desktop. The Qt program supplies the real ones;
// tests and the replay tool record them.

#include <string>
#include <string_view>

namespace platomer {

class Platform {
public:
    virtual ~Platform() = default;
    // A modal box with one OK button; returns when it is closed. `error` selects the stop icon.
    virtual void message(const std::string& caption, const std::string& text, bool error) = 0;
    // The default beep of the system.
    virtual void beep() = 0;
    // Asks the desktop to open a web address given as a bare host name.
    virtual void openAddress(const std::string& address) = 0;
    // The decimal separator of the user's locale.
    virtual char decimalSeparator() const = 0;
    // The user chose the rules of a year in the window. The program keeps the choice for its next
    // start; everywhere else a year chosen lasts as long as the window.
    virtual void yearChosen(int /*rok*/) {}
    // The clipboard of the desktop; a clipboard of this process alone unless one is supplied.
    virtual std::string clipboardText() const { return clipboard_; }
    virtual void setClipboardText(const std::string& text)
    {
        // As the desktop's text conversion does, a byte order mark at the start is dropped.
        static constexpr std::string_view Mark = "\xEF\xBB\xBF";
        clipboard_ = text.starts_with(Mark) ? text.substr(Mark.size()) : text;
    }

private:
    std::string clipboard_;
};

}  // namespace platomer
