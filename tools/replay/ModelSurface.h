#pragma once
// The replay surface of the bare model.

#include "model/Kalkulajda.h"
#include "tools/replay/Surface.h"

namespace platomer {

class ModelSurface : public Surface {
public:
    explicit ModelSurface(TKalkulajda& form) : form_(form), user_(form) {}
    // Starts the program as a user does: the window receives the focus once.
    void start() { user_.activate(); }

    void click(const std::string& name) override { user_.click(form_.control(name)); }
    void clickPage(int page) override { user_.clickPage(page); }
    void type(char32_t character) override { user_.type(character); }
    void press(Key key) override { user_.press(key); }
    // As the window's paste does: the text goes through the clipboard.
    void paste(const std::string& text) override
    {
        form_.platform().setClipboardText(text);
        user_.paste(text);
    }
    void select(const std::string& name, int start, int length) override
    {
        user_.select(form_.control(name), start, length);
    }
    void doubleClick(const std::string& name, int index) override { user_.doubleClick(form_.control(name), index); }
    void rightClick(const std::string& name) override { user_.rightClick(form_.control(name)); }
    bool chooseMenu(const std::string& item) override;
    void dismissMenu() override { user_.closeMenu(); }
    std::string clipboard() override { return form_.platform().clipboardText(); }
    std::optional<std::string> tooltip(const std::string& name) override;
    std::string computationText() override;
    std::string copyComputation() override;
    ControlState state(const std::string& name) override;
    std::string focusName() override { return form_.focused().name(); }
    bool isEntry(const std::string& name) override { return form_.control(name).isEntry(); }
    bool onHiddenPage(const std::string& name) override
    {
        int page = form_.pageOf(form_.control(name));
        return page >= 0 && page != form_.activePage();
    }

private:
    TKalkulajda& form_;
    UserActions user_;
};

}  // namespace platomer
