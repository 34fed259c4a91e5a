#pragma once
// What the replay tool drives: the bare model or the real window. Both take the same actions
// and report what a user would see.

#include <string>
#include <vector>

#include "model/UserActions.h"

namespace platomer {

struct ControlState {
    std::string text;
    bool tickBox = false, ticked = false, enabled = false, visible = false, focused = false;
    std::string background;  // "clYellow", "clInfoBk", or "-"
};

class Surface {
public:
    virtual ~Surface() = default;
    virtual void click(const std::string& name) = 0;
    virtual void clickPage(int page) = 0;
    virtual void type(char32_t character) = 0;
    virtual void press(Key key) = 0;
    virtual void paste(const std::string& text) = 0;
    virtual ControlState state(const std::string& name) = 0;
    virtual std::string focusName() = 0;
    // Whether the control lies on a tab page that is not shown.
    virtual bool onHiddenPage(const std::string& name) = 0;
    // The geometry lines and the screenshot exist only in the real window.
    virtual bool hasWindow() const { return false; }
    virtual std::vector<std::string> geometry() { return {}; }
    virtual bool screenshot(const std::string&) { return false; }
};

}  // namespace platomer
