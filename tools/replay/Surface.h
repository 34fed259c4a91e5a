#pragma once
// What the replay tool drives: the bare model or the real window. Both take the same actions
// and report what a user would see.

#include <optional>
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
    virtual void select(const std::string& name, int start, int length) = 0;
    virtual void doubleClick(const std::string& name, int index) = 0;
    virtual void rightClick(const std::string& name) = 0;
    // Chooses an item of the open context menu by its text, "-" closing it; false when no menu
    // is open or the menu has no such item.
    virtual bool chooseMenu(const std::string& item) = 0;
    // Closes an open context menu, as any other action of the user does first.
    virtual void dismissMenu() = 0;
    virtual std::string clipboard() = 0;
    // The tooltip of a figure as a hover shows it, in plain text with its lines; none for a
    // control that explains no figure.
    virtual std::optional<std::string> tooltip(const std::string& name) = 0;
    // The text of the window "Postup výpočtu" for the page that is shown.
    virtual std::string computationText() = 0;
    // Copies the computation of the page that is shown to the clipboard, as "Kopírovat celý
    // výpočet" does, and returns what the clipboard then holds.
    virtual std::string copyComputation() = 0;
    virtual ControlState state(const std::string& name) = 0;
    virtual std::string focusName() = 0;
    virtual bool isEntry(const std::string& name) = 0;
    // Whether the control lies on a tab page that is not shown.
    virtual bool onHiddenPage(const std::string& name) = 0;
    // The geometry lines and the screenshot exist only in the real window.
    virtual bool hasWindow() const { return false; }
    virtual std::vector<std::string> geometry() { return {}; }
    virtual bool screenshot(const std::string&) { return false; }
    // The printed page as a PDF file, through the renderer of the print dialog.
    virtual bool reportPdf(const std::string&) { return false; }
};

}  // namespace platomer
