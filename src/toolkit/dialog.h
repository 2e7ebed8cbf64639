// The framework dialog: a dialog window made from its template, run modally
// or not, its data exchanged with variables through the exported context, and
// its messages routed to virtual operations. The editing dialogs derive from
// it through CDesignDialog.
#pragma once

#include <gjbz108a/data_exchange.h>

#include "platform/dialog_template.h"
#include "platform/window.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gjbz108a::toolkit {

// Dialog templates as the resources of the library: registered by id and by
// name, looked up by the dialogs' constructors.
void register_dialog_template(int id, std::string name, platform::DialogTemplate dialog);
const platform::DialogTemplate* find_dialog_template(int id);
const platform::DialogTemplate* find_dialog_template(std::string_view name);

class Dialog {
public:
    explicit Dialog(platform::DialogTemplate dialog, platform::Hwnd parent = nullptr);
    Dialog(int template_id, platform::Hwnd parent);
    Dialog(std::string_view template_name, platform::Hwnd parent);
    Dialog();
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog until it ends; answers the end code, -1 when it cannot
    // be shown (no template, or the window could not be made).
    int DoModal();
    // Makes the dialog without running it (tests and modeless use); false
    // when it cannot be made.
    bool Create();
    void DestroyWindow();

    // Controls to variables (save) or back; false when an exchange failed,
    // which has then shown its message and focused its control.
    bool UpdateData(bool save);
    void EndDialog(int end_code);

    platform::Hwnd window() const { return window_; }
    platform::Hwnd GetDlgItem(int id) const { return platform::dialog_item(window_, id); }
    platform::Hwnd parent() const { return parent_; }
    const platform::DialogTemplate& dialog_template() const { return template_; }

protected:
    // The framework's initialisation: the variables into the controls.
    // Answers true for the platform to focus the first control.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    virtual void OnOK();      // the controls into the variables, then the end with 1
    virtual void OnCancel();  // the end with 2
    // A control's command or notification; true when handled. OK and Cancel
    // reach OnOK and OnCancel when this does not handle them.
    virtual bool OnCommand(int control, unsigned notification);
    virtual bool OnHelp(const platform::HelpInfo& help);
    // The tool-tip text of a control; empty for none.
    virtual std::string ToolTipText(platform::Hwnd control);
    // Every message; answers non-zero for a handled one. The default routes
    // to the operations above.
    virtual std::intptr_t WindowProcedure(unsigned message, std::uintptr_t first, std::intptr_t second);

private:
    static std::intptr_t procedure(platform::Hwnd, unsigned, std::uintptr_t, std::intptr_t);

    platform::DialogTemplate template_;
    bool has_template_ = false;
    platform::Hwnd parent_ = nullptr;
    platform::Hwnd window_ = nullptr;
    std::string tool_tip_;  // the text of the last tool-tip request, kept until the next
};

// Fails the exchange with the focus on `control`, after the caller has told
// the user why: every later exchange of `dx` then does nothing.
void fail_exchange(DataExchange& dx, int control);

// The framework's exchanges that the exports do not cover: a text with a
// length limit (the edit also refuses longer typing), and a list's selected
// entry as text.
void exchange_text(DataExchange& dx, int control, std::string& value, std::size_t max_characters);
void exchange_list_text(DataExchange& dx, int control, std::string& value);

}  // namespace gjbz108a::toolkit
