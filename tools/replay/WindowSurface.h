#pragma once
// The replay surface of the real window, offscreen: the replay tool's window mode and the
// benchmark of the window's actions drive it alike.

#include <memory>
#include <string>

#include "tools/replay/PrintingPlatform.h"
#include "tools/replay/Surface.h"

namespace platomer {
class Binding;

// The window of the binding, driven by real mouse and key events; its state read back from the
// widgets.
std::unique_ptr<Surface> windowSurface(TKalkulajda& form, Binding& binding);

// The recorded services, with the desktop's own clipboard, so that copy and paste go through Qt.
class WindowPlatform : public PrintingPlatform {
public:
    using PrintingPlatform::PrintingPlatform;
    std::string clipboardText() const override;
    void setClipboardText(const std::string& text) override;
};

}  // namespace platomer
